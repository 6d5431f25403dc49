// Reading untrusted files whole, with a ceiling on how much memory that may take.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <type_traits>

#include "formats/atomic_file.h"

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
// onLine returns nothing, or false to stop early.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine&& onLine) {
  const char* at = text.data();
  const char* const end = at + text.size();
  while (at != end) {
    const char* stop = at;
    while (stop != end && *stop != '\r' && *stop != '\n') ++stop;
    std::string_view line(at, static_cast<std::size_t>(stop - at));
    if constexpr (std::is_same_v<decltype(onLine(line)), bool>) {
      if (!onLine(line)) return;
    } else {
      onLine(line);
    }
    if (stop == end) return;
    at = stop + 1;
    if (*stop == '\r' && at != end && *at == '\n') ++at;
  }
}

}  // namespace qw
