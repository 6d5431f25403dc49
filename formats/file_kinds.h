// The kinds of file the program reads and writes, told by the name's extension, and the series a
// file belongs to.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace qw {

enum class FileKind { DataFile, RawImage, Json, Csv, Text, Pdf, Unknown };

// One row per kind of file the program reads or writes. Every list of extensions in a message,
// a help text or a file dialog is made from these rows, in their order.
struct FileKindRow {
  FileKind kind;
  const char* extension;  // with its dot; a name matches it in any letter case
  const char* name;       // in a file dialog's list of kinds: "Data files (*.dat)"
  const char* alone;      // a file dialog's filter when it offers this kind alone ("" if never)
  bool opens;             // holds a data set, or a part of one, that Document opens
  bool saves;             // Document saves the data set, or its report, to it
};

inline constexpr FileKindRow kFileKinds[] = {
    {FileKind::DataFile, ".dat", "Data files", "", true, true},
    {FileKind::RawImage, ".hex", "Memory images", "hex files(*.hex)", true, true},
    {FileKind::Json, ".json", "JSON", "", true, true},
    {FileKind::Csv, ".csv", "Channel lists", "csv files(*.csv)", true, true},
    {FileKind::Text, ".txt", "Text files", "Text files(*.txt)", false, true},
    // The printed listing: the CLI and the editor's print commands write it, not Document.
    {FileKind::Pdf, ".pdf", "PDF files", "PDF files (*.pdf)", false, false},
};

// The kind of a file by its name's extension.
FileKind KindOfPath(const std::string& path);

// The row of a kind; Unknown has none and gets an empty one.
const FileKindRow& RowOf(FileKind kind);

// The kinds that hold a data set (or a part of one): .dat, .hex, .json, .csv.
constexpr bool HoldsDataSet(FileKind kind) {
  for (const FileKindRow& row : kFileKinds) {
    if (row.kind == kind) return row.opens;
  }
  return false;
}

// ".dat, .hex or .json": the kinds' extensions in the rows' order, the last joined by lastJoin.
std::string ExtensionList(std::initializer_list<FileKind> kinds,
                          std::string_view lastJoin = " or ");

// The kinds Document opens, and those it saves, as such lists.
std::string OpenedExtensions();
std::string SavedExtensions();

// The refusal of a name whose extension is none of `extensions` (a list as made above).
std::string UnknownKindText(const std::string& path, const std::string& extensions);

// A file dialog's list of the kinds, in the order given: "Data files (*.dat);;JSON (*.json)".
std::string DialogFilter(std::initializer_list<FileKind> kinds);

// The series a file belongs to: a data file's MAIN/MODELTYPE, a raw image's length and model
// number, a JSON file's ModelSeries. nullopt when it cannot be told; the loaders do the real
// model check.
std::optional<int16_t> SeriesOfFile(const std::string& path);

}  // namespace qw
