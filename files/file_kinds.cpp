#include "files/file_kinds.h"

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "files/bounded_read.h"
#include "files/file_path.h"
#include "files/profile_file.h"
#include "model/ascii_case.h"
#include "model/image_header.h"
#include "model/series_traits.h"

namespace qw {
namespace {

std::optional<int16_t> SeriesDigit(char c) {
  if (c < '0' || c > '9') return std::nullopt;
  const auto series = static_cast<int16_t>(c - '0');
  return KnownSeries(series) ? std::optional<int16_t>(series) : std::nullopt;
}

std::optional<int16_t> SeriesOfDataFile(const std::string& text) {
  const std::string value = ProfileValueInText(text, "MAIN", "MODELTYPE");
  return value.size() == 1 ? SeriesDigit(value[0]) : std::nullopt;
}

std::optional<int16_t> SeriesOfRawImage(const std::string& bytes) {
  const auto id = FirstModelIdIn(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  return id ? GuessSeriesOfImage(bytes.size(), *id) : std::nullopt;
}

// The series a JSON data set names in its "ModelSeries"; the JSON reader checks the rest later.
std::optional<int16_t> SeriesOfJson(const std::string& text) {
  const nlohmann::json j = nlohmann::json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (!j.is_object()) return std::nullopt;
  const auto it = j.find("ModelSeries");
  if (it == j.end() || !it->is_number()) return std::nullopt;
  const double value = it->get<double>();
  if (value < 0 || value > 9 || value != std::trunc(value)) return std::nullopt;
  const auto series = static_cast<int16_t>(value);
  return KnownSeries(series) ? std::optional<int16_t>(series) : std::nullopt;
}

}  // namespace

FileKind KindOfPath(const std::string& path) {
  const std::string ext = PathFromUtf8(path).extension().string();
  if (EqualsIgnoringCase(ext, ".dat")) return FileKind::DataFile;
  if (EqualsIgnoringCase(ext, ".hex")) return FileKind::RawImage;
  if (EqualsIgnoringCase(ext, ".json")) return FileKind::Json;
  if (EqualsIgnoringCase(ext, ".csv")) return FileKind::Csv;
  if (EqualsIgnoringCase(ext, ".txt")) return FileKind::Text;
  return FileKind::Unknown;
}

std::optional<int16_t> SeriesOfFile(const std::string& path) {
  const FileKind kind = KindOfPath(path);
  // One byte more than the longest image, so that a longer file is not taken for one.
  const std::size_t limit = kind == FileKind::RawImage ? kImageSize + 1 : kMaxTextFileBytes;
  std::string bytes;
  if (ReadFileBounded(PathFromUtf8(path), limit, bytes) != ReadStatus::Ok) return std::nullopt;
  if (kind == FileKind::RawImage) return SeriesOfRawImage(bytes);
  if (kind == FileKind::Json) return SeriesOfJson(bytes);
  if (kind == FileKind::Csv) return std::nullopt;  // channel lists say nothing of the series
  return SeriesOfDataFile(bytes);
}

}  // namespace qw
