// Reading untrusted files whole, with a ceiling on how much memory that may take.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "files/atomic_file.h"

namespace qw {

// Far above any file the program writes itself (a full data file is about 200 KB).
inline constexpr std::size_t kMaxTextFileBytes = 4 * 1024 * 1024;

enum class ReadStatus { Ok, TooLarge, Failed };

// Reads at most maxBytes of the file into bytes. TooLarge when the file is longer (bytes then
// holds its first maxBytes); Failed when it cannot be read (error says why).
ReadStatus ReadFileBounded(const std::filesystem::path& path, std::size_t maxBytes,
                           std::string& bytes, FileError* error = nullptr);

// Calls onLine for every line of text; lines end at CR LF, CR or LF. A last line without an
// end counts as a line.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine&& onLine) {
  while (!text.empty()) {
    std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      onLine(text);
      return;
    }
    onLine(text.substr(0, end));
    std::size_t next = end + 1;
    if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    text.remove_prefix(next);
  }
}

}  // namespace qw
