// Writing a whole file so that a failure never destroys the previous one: the bytes go to a
// temporary file beside the target, which is renamed over the target only once it is complete.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qw {

struct FileError {
  int Number = 0;           // the platform's error number, 0 when none is known
  std::string Description;  // the platform's text for it

  // The error-log message: the number immediately followed by the description.
  std::string LogText() const { return std::to_string(Number) + Description; }
};

// True when path now holds exactly bytes. On failure the previous file (if any) is unchanged,
// no temporary file is left behind, and error (when given) says why.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         FileError* error = nullptr);

}  // namespace qw
