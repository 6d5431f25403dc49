#include "formats/file_kinds.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <vector>

#include "formats/bounded_read.h"
#include "formats/file_path.h"
#include "formats/profile_file.h"
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
  for (const FileKindRow& row : kFileKinds) {
    if (EqualsIgnoringCase(ext, row.extension)) return row.kind;
  }
  return FileKind::Unknown;
}

const FileKindRow& RowOf(FileKind kind) {
  static constexpr FileKindRow kNone{FileKind::Unknown, "", "", "", false, false};
  for (const FileKindRow& row : kFileKinds) {
    if (row.kind == kind) return row;
  }
  return kNone;
}

namespace {

std::string Joined(const std::vector<const char*>& extensions, std::string_view lastJoin) {
  std::string list;
  for (std::size_t i = 0; i < extensions.size(); ++i) {
    if (i > 0) list += i + 1 == extensions.size() ? lastJoin : std::string_view(", ");
    list += extensions[i];
  }
  return list;
}

std::string ExtensionsWhere(bool FileKindRow::*flag) {
  std::vector<const char*> extensions;
  for (const FileKindRow& row : kFileKinds) {
    if (row.*flag) extensions.push_back(row.extension);
  }
  return Joined(extensions, " or ");
}

}  // namespace

std::string ExtensionList(std::initializer_list<FileKind> kinds, std::string_view lastJoin) {
  std::vector<const char*> extensions;
  for (const FileKindRow& row : kFileKinds) {
    if (std::find(kinds.begin(), kinds.end(), row.kind) != kinds.end())
      extensions.push_back(row.extension);
  }
  return Joined(extensions, lastJoin);
}

std::string OpenedExtensions() {
  return ExtensionsWhere(&FileKindRow::opens);
}

std::string SavedExtensions() {
  return ExtensionsWhere(&FileKindRow::saves);
}

std::string UnknownKindText(const std::string& path, const std::string& extensions) {
  return path + ": unknown kind of file (use " + extensions + ")";
}

std::string DialogFilter(std::initializer_list<FileKind> kinds) {
  std::string filter;
  for (FileKind kind : kinds) {
    if (!filter.empty()) filter += ";;";
    filter += std::string(RowOf(kind).name) + " (*" + RowOf(kind).extension + ")";
  }
  return filter;
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
