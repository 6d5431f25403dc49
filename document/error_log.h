// The debug-mode error log "err.log" in the program's folder: one line per entry,
// date "," time ":" location " -> " message, CR LF.
#pragma once

#include <ctime>
#include <filesystem>
#include <string>

namespace qw {

inline constexpr const char* kErrorLogName = "err.log";

// The line for an entry made at the local time when (short date and time forms).
std::string ErrorLogLine(const std::string& location, const std::string& message, std::time_t when);
// Appends the line for now; failures are ignored on purpose (the log must never become an
// error of its own).
void AppendErrorLog(const std::filesystem::path& logFile, const std::string& location,
                    const std::string& message);

}  // namespace qw
