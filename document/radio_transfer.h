// What a radio transfer takes beyond its port and control, and what a read hands back.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>

#include "model/outcome.h"
#include "model/radio_data.h"

namespace qw {

struct TransferOptions {
  // Where the image received, or about to be sent, is kept; empty keeps none.
  std::filesystem::path backupFolder;
  // A program run reads back every block it wrote and compares.
  bool verify = false;
  // The time backups are named after; empty means the system clock.
  std::function<std::chrono::system_clock::time_point()> now;
};

// A read's outcome and the data set it produced; on failure, the data set it started from.
struct RadioRead {
  Outcome outcome;
  RadioData data;
};

// Titles of the notes a transfer adds to its outcome.
inline constexpr const char* kBackupNote = "Backup";  // text: the file written, or why not
inline constexpr const char* kVerifyNote = "Verify";  // "verified" or why not
inline constexpr const char* kVerified = "verified";
inline constexpr const char* kVerifyError = "Verify Error!!";

// True when the outcome carries the note that the radio was read back and matched.
bool WasVerified(const Outcome& outcome);

}  // namespace qw
