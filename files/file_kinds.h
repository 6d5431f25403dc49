// The kinds of file the program reads and writes, told by the name's extension, and the series a
// file belongs to.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qw {

enum class FileKind { DataFile, RawImage, Json, Csv, Text, Unknown };

// ".dat", ".hex", ".json", ".csv", ".txt" in any letter case.
FileKind KindOfPath(const std::string& path);

// The kinds that hold a data set (or a part of one): .dat, .hex, .json, .csv.
constexpr bool HoldsDataSet(FileKind kind) {
  return kind == FileKind::DataFile || kind == FileKind::RawImage || kind == FileKind::Json ||
         kind == FileKind::Csv;
}

// The series a file belongs to: a data file's MAIN/MODELTYPE, a raw image's length and model
// number, a JSON file's ModelSeries. nullopt when it cannot be told; the loaders do the real
// model check.
std::optional<int16_t> SeriesOfFile(const std::string& path);

}  // namespace qw
