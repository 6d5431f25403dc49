// Both front ends hand over file names as UTF-8 text; the platform's own narrow encoding (an
// ANSI code page on Windows) would garble names outside ASCII.
#pragma once

#include <filesystem>
#include <string>

namespace qw {

inline std::filesystem::path PathFromUtf8(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace qw
