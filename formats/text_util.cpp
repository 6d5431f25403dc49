#include "formats/text_util.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace qw {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the longest prefix of text that reads as a decimal number, 0 when none does.
std::size_t NumberPrefixLength(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  std::size_t mantissaEnd = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t expDigits = 0;
    while (j < text.size() && IsDigit(text[j])) ++j, ++expDigits;
    if (expDigits > 0) return j;
  }
  return mantissaEnd;
}

std::optional<double> ConvertNumber(std::string_view text) {
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  std::string normal;
  if (text.find(',') != std::string_view::npos) {
    normal.assign(text);
    for (char& c : normal) {
      if (c == ',') c = '.';
    }
    text = normal;
  }
  double value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

template <typename Int>
std::optional<Int> ParseRounded(std::string_view text) {
  auto number = ParseNumber(text);
  if (!number) return std::nullopt;
  double rounded = RoundHalfEven(*number);
  if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max()) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

}  // namespace

double RoundHalfEven(double x) {
  double floor = std::floor(x);
  double diff = x - floor;
  if (diff < 0.5) return floor;
  if (diff > 0.5) return floor + 1;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string ToUpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = UpperAscii(c);
  return upper;
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    auto x = static_cast<unsigned char>(UpperAscii(a[i]));
    auto y = static_cast<unsigned char>(UpperAscii(b[i]));
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

std::vector<std::string> SplitList(std::string_view text) {
  std::vector<std::string> pieces;
  while (true) {
    std::size_t comma = text.find(',');
    pieces.emplace_back(TrimBlanks(text.substr(0, comma)));
    if (comma == std::string_view::npos) return pieces;
    text.remove_prefix(comma + 1);
  }
}

std::optional<double> ParseNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty() || NumberPrefixLength(text) != text.size()) return std::nullopt;
  return ConvertNumber(text);
}

std::optional<int16_t> ParseInt16(std::string_view text) {
  return ParseRounded<int16_t>(text);
}
std::optional<int32_t> ParseInt32(std::string_view text) {
  return ParseRounded<int32_t>(text);
}

std::optional<bool> ParseBool(std::string_view text) {
  text = TrimBlanks(text);
  if (EqualsIgnoringCase(text, "True")) return true;
  if (EqualsIgnoringCase(text, "False")) return false;
  auto number = ParseNumber(text);
  if (!number) return std::nullopt;
  return *number != 0;
}

double LeadingNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  std::size_t length = NumberPrefixLength(text);
  if (length == 0) return 0;
  // A prefix too large for a double reads as infinity, which every range check refuses.
  auto value = ConvertNumber(text.substr(0, length));
  if (value) return *value;
  return text[0] == '-' ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
}

}  // namespace qw
