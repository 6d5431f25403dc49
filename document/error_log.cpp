#include "document/error_log.h"

#include <fstream>

namespace qw {
namespace {

std::tm LocalTime(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  return local;
}

std::string Format(const char* pattern, const std::tm& local) {
  char text[64];
  std::size_t length = std::strftime(text, sizeof text, pattern, &local);
  return std::string(text, length);
}

}  // namespace

std::string ErrorLogLine(const std::string& location, const std::string& message,
                         std::time_t when) {
  std::tm local = LocalTime(when);
  return Format("%x", local) + "," + Format("%X", local) + ":" + location + " -> " + message +
         "\r\n";
}

void AppendErrorLog(const std::filesystem::path& logFile, const std::string& location,
                    const std::string& message) {
  // An append cannot damage earlier entries, so the log is not rewritten through a temporary.
  std::ofstream log(logFile, std::ios::binary | std::ios::app);
  if (!log) return;
  log << ErrorLogLine(location, message, std::time(nullptr));
}

}  // namespace qw
