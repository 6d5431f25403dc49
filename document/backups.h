// Images kept automatically around radio transfers: the image as a read received it and the
// image a program run is about to send, as raw image files named
// <ModelName>-<YYYYMMDD-HHMMSS>-read.hex / -program.hex in one folder. Only the newest are kept.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/radio_data.h"

namespace qw {

inline constexpr std::size_t kBackupsKept = 100;

enum class BackupKind { Read, Program };

struct BackupWritten {
  bool ok = false;
  std::filesystem::path path;  // the file written
  std::string error;           // why it was not, in plain words
};

// Writes image[0..ImageLast] of the series into folder (created when missing) through the
// atomic write, named after the local time `when`, then removes all but the newest
// kBackupsKept backups there. Other files in the folder are never touched.
BackupWritten KeepBackup(const std::filesystem::path& folder, int16_t series, const Image& image,
                         BackupKind kind, std::chrono::system_clock::time_point when);

struct BackupEntry {
  std::filesystem::path path;
  std::string stamp;  // "YYYYMMDD-HHMMSS", local time
  BackupKind kind;
  std::optional<int16_t> series;  // from the file's length and model number; none when unknown
};

// The backups in folder, newest first. A missing folder has none.
std::vector<BackupEntry> ListBackups(const std::filesystem::path& folder);

// "20261205-143005": the local time as backup names carry it.
std::string BackupStamp(std::chrono::system_clock::time_point when);

}  // namespace qw
