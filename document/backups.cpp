#include "document/backups.h"

#include <algorithm>
#include <ctime>
#include <fstream>
#include <regex>
#include <system_error>

#include "formats/image_file.h"
#include "model/image_header.h"
#include "model/series_traits.h"

namespace qw {
namespace {

namespace fs = std::filesystem;

// <ModelName>-<date>-<time>-<kind>[-n].hex; n tells apart backups made within one second.
const std::regex& NamePattern() {
  static const std::regex pattern(R"(^.+-(\d{8}-\d{6})-(read|program)(?:-(\d+))?\.hex$)");
  return pattern;
}

struct Found {
  BackupEntry entry;
  int sequence = 0;
  fs::file_time_type written;
};

// A backup's series from its length and first model number alone: the listing reads no more
// of a hundred files, and a file of no known model lists without a series.
std::optional<int16_t> SeriesOfBackup(const fs::path& path) {
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  if (ec) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  uint8_t head[kFirstModelIdOffset + 2] = {};
  in.read(reinterpret_cast<char*>(head), sizeof head);
  const auto modelId = FirstModelIdIn(head, static_cast<std::size_t>(in.gcount()));
  if (!modelId) return std::nullopt;
  return SeriesOfImage(static_cast<std::size_t>(size), *modelId);
}

std::vector<Found> FindBackups(const fs::path& folder) {
  std::vector<Found> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::smatch m;
    const std::string name = it->path().filename().string();
    if (!it->is_regular_file(ec) || !std::regex_match(name, m, NamePattern())) continue;
    Found f;
    f.entry.path = it->path();
    f.entry.stamp = m[1];
    f.entry.kind = m[2] == "read" ? BackupKind::Read : BackupKind::Program;
    f.sequence = m[3].matched ? std::stoi(m[3].str().substr(0, 6)) : 1;
    f.written = it->last_write_time(ec);
    found.push_back(std::move(f));
  }
  // Newest first: by the time in the name, then by the order they were made.
  std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    return std::tie(a.entry.stamp, a.written, a.sequence) >
           std::tie(b.entry.stamp, b.written, b.sequence);
  });
  return found;
}

fs::path FreeName(const fs::path& folder, const std::string& base) {
  fs::path path = folder / (base + ".hex");
  std::error_code ec;
  for (int n = 2; fs::exists(path, ec); ++n)
    path = folder / (base + "-" + std::to_string(n) + ".hex");
  return path;
}

}  // namespace

std::string BackupStamp(std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&t, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

BackupWritten KeepBackup(const fs::path& folder, int16_t series, const Image& image,
                         BackupKind kind, std::chrono::system_clock::time_point when) {
  BackupWritten result;
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    result.error = "cannot create " + folder.string() + ": " + ec.message();
    return result;
  }
  const std::string base = std::string(Traits(series).modelName) + "-" + BackupStamp(when) +
                           (kind == BackupKind::Read ? "-read" : "-program");
  result.path = FreeName(folder, base);
  FileError error;
  if (!WriteImageFile(result.path, series, image, &error)) {
    result.error = "cannot write " + result.path.string() + ": " + error.Description;
    return result;
  }
  result.ok = true;
  const std::vector<Found> all = FindBackups(folder);
  for (std::size_t i = kBackupsKept; i < all.size(); ++i) {
    if (all[i].entry.path != result.path) fs::remove(all[i].entry.path, ec);
  }
  return result;
}

std::vector<BackupEntry> ListBackups(const fs::path& folder) {
  std::vector<BackupEntry> entries;
  for (Found& f : FindBackups(folder)) {
    f.entry.series = SeriesOfBackup(f.entry.path);
    entries.push_back(std::move(f.entry));
  }
  return entries;
}

}  // namespace qw
