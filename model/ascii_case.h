// Letter case of ASCII text. The radio's texts, the data files and the program's own names are
// single-byte text, so case is folded for the letters A-Z only, whatever the locale says.
#pragma once

#include <cstddef>
#include <string_view>

namespace qw {

constexpr char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

}  // namespace qw
