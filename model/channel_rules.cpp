#include "model/channel_rules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "model/ascii_case.h"
#include "model/channel_plans.h"

namespace qw {
namespace {

// More digits than any frequency has; keeps the unit count far from overflow.
constexpr std::size_t kMaxFrequencyChars = 16;

// The whole part of f x 10000, read from the digits of a checked decimal text.
int64_t TenthsOfKilohertz(std::string_view text) {
  int64_t units = 0;
  int decimals = -1;
  for (char c : text) {
    if (c == '.') {
      decimals = 0;
      continue;
    }
    if (decimals >= 4) break;
    units = units * 10 + (c - '0');
    if (decimals >= 0) ++decimals;
  }
  for (int d = std::max(decimals, 0); d < 4; ++d) units *= 10;
  return units;
}

}  // namespace

FrequencyEntry CheckFrequencyText(std::string_view text, const SeriesTraits& traits) {
  if (text.empty()) return {FrequencyVerdict::Ok, 0};
  const auto digits =
      std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  const auto points = std::count(text.begin(), text.end(), '.');
  if (text.size() > kMaxFrequencyChars || digits == 0 || points > 1 ||
      digits + points != static_cast<long>(text.size())) {
    return {FrequencyVerdict::Malformed, 0};
  }
  // from_chars wants a digit before the point.
  std::string number = text.front() == '.' ? "0" + std::string(text) : std::string(text);
  double f = 0;
  std::from_chars(number.data(), number.data() + number.size(), f);
  if (f < kMinChannelMHz || f > kMaxChannelMHz) return {FrequencyVerdict::OutOfRange, 0};
  if (traits.frequencyRaster && TenthsOfKilohertz(text) % 250 != 0) {
    return {FrequencyVerdict::OffRaster, 0};
  }
  return {FrequencyVerdict::Ok, f};
}

std::string FrequencyVerdictText(FrequencyVerdict verdict) {
  switch (verdict) {
    case FrequencyVerdict::Ok:
      return "";
    case FrequencyVerdict::Malformed:
      return "not a frequency in MHz";
    case FrequencyVerdict::OutOfRange:
      return "outside 137..174 MHz";
    case FrequencyVerdict::OffRaster:
      return "not on the 0.025 MHz raster";
  }
  return "";
}

bool IsChannelNameChar(char c) {
  if (std::isalnum(static_cast<unsigned char>(c))) return true;
  return std::string_view(" -/*()+.,").find(c) != std::string_view::npos;
}

bool IsValidChannelName(std::string_view name) {
  return name.size() <= kChannelNameLength &&
         std::all_of(name.begin(), name.end(), IsChannelNameChar);
}

std::string CleanChannelName(std::string_view name) {
  std::string clean;
  for (char c : name) {
    if (clean.size() == kChannelNameLength) break;
    if (IsChannelNameChar(c)) clean.push_back(c);
  }
  return clean;
}

bool IsDisplayChar(char c) {
  return (c >= '0' && c <= '9') ||
         std::string_view("AbCdEFHLnPtU").find(c) != std::string_view::npos;
}

bool IsValidDisplayText(std::string_view text, std::size_t maxLength) {
  return text.size() <= maxLength && std::all_of(text.begin(), text.end(), IsDisplayChar);
}

std::string StatusNameToStore(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n\v\f";
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  std::string name(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
  if (name.size() < kStatusNameLength) name.insert(0, kStatusNameLength - name.size(), ' ');
  return name;
}

bool IsProgrammableChannelComplete(const ChannelRecord& ch) {
  return !ch.Enable || (ch.Rxfreq > 0 && ch.CHDisplayL.size() >= kDisplayLeftLength);
}

namespace {
constexpr int kSlotChannel16 = 32;
constexpr int kSlotChannel70 = 140;
}  // namespace

bool IsScramblerLocked(int group, int slot) {
  return group < kGroupFourth && (slot == kSlotChannel16 || slot == kSlotChannel70);
}

bool IsScanMemoryLocked(int group, int slot) {
  return group < kGroupFourth && slot == kSlotChannel70;
}

std::string ToneListText(const ChannelRecord& ch, int side) {
  const auto& ctcss = CtcssList();
  const auto& dcs = DcsList();
  const int tone = ch.CTCSS[side];
  if (tone > 0 && tone < static_cast<int>(ctcss.size())) return ctcss[tone];
  const int code = ch.DCS[side];
  const int bank = static_cast<int>(dcs.size()) - 1;
  if (code > 0 && code <= bank) return "N" + dcs[code];
  if (code > bank && code <= 2 * bank) return "I" + dcs[code - bank];
  return "Off";
}

std::optional<ToneChoice> ToneFromText(std::string_view text) {
  if (EqualsIgnoringCase(text, "Off")) return ToneChoice{};
  const auto& ctcss = CtcssList();
  for (std::size_t i = 1; i < ctcss.size(); ++i) {
    if (EqualsIgnoringCase(text, ctcss[i])) return ToneChoice{static_cast<int16_t>(i), 0};
  }
  if (text.size() != 4) return std::nullopt;
  const char bank = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  if (bank != 'N' && bank != 'I') return std::nullopt;
  const auto& dcs = DcsList();
  const int bankSize = static_cast<int>(dcs.size()) - 1;
  for (int i = 1; i <= bankSize; ++i) {
    if (text.substr(1) == dcs[i]) {
      return ToneChoice{0, static_cast<int16_t>(bank == 'N' ? i : i + bankSize)};
    }
  }
  return std::nullopt;
}

std::optional<int16_t> CtcssIndexOfHz(std::string_view text) {
  double hz = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), hz);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  const auto& ctcss = CtcssList();
  for (std::size_t i = 1; i < ctcss.size(); ++i) {
    double listed = 0;
    std::from_chars(ctcss[i].data(), ctcss[i].data() + ctcss[i].size(), listed);
    if (std::abs(listed - hz) < 0.05) return static_cast<int16_t>(i);
  }
  return std::nullopt;
}

std::string ScrambleListText(int16_t value) {
  if ((value & 4) == 0) return "Off";
  return std::to_string(value & 3);
}

std::optional<int16_t> ScrambleFromText(std::string_view text) {
  if (EqualsIgnoringCase(text, "Off")) return int16_t{0};
  if (text.size() == 1 && text[0] >= '0' && text[0] <= '3') {
    return static_cast<int16_t>(4 + (text[0] - '0'));
  }
  return std::nullopt;
}

}  // namespace qw
