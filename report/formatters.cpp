#include "report/formatters.h"

#include <array>
#include <charconv>
#include <cmath>

#include "model/channel_plans.h"

namespace qw {

namespace {

bool IsFrequency(double f) {
  return std::isfinite(f) && f > 0;
}

// f with at least three integer digits and exactly `decimals` decimals. The point is always '.',
// whatever the process's locale, so a report reads the same everywhere.
std::string FixedText(double f, int decimals) {
  std::array<char, 400> buf{};  // room for the largest double written out in full
  auto [end, ec] =
      std::to_chars(buf.data(), buf.data() + buf.size(), f, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return {};
  std::string s(buf.data(), end);
  const auto point = s.find('.');
  const auto intDigits = point == std::string::npos ? s.size() : point;
  if (intDigits < 3) s.insert(0, 3 - intDigits, '0');
  return s;
}

// f x 10000 rounded to the nearest integer, exact halves to the even neighbour (the default
// floating-point rounding mode).
double TenthsOfKhz(double f) {
  return std::nearbyint(f * 10000.0);
}

bool MultipleOf(double t, double n) {
  return std::fmod(t, n) == 0.0;
}

std::string Pick(bool v, const char* yes, const char* no) {
  return v ? yes : no;
}

template <std::size_t N>
std::string Coded(int16_t v, const std::array<const char*, N>& names) {
  if (v < 0 || static_cast<std::size_t>(v) >= N) return {};
  return names[static_cast<std::size_t>(v)];
}

std::string ListEntry(const std::vector<std::string>& list, int i) {
  if (i < 0 || static_cast<std::size_t>(i) >= list.size()) return {};
  return list[static_cast<std::size_t>(i)];
}

}  // namespace

std::string FreqText3(double f) {
  return IsFrequency(f) ? FixedText(f, 3) : "---.---";
}

std::string FreqText3Hidden(double f, bool hide) {
  return hide ? "---.---" : FreqText3(f);
}

std::string FreqText4(double f) {
  if (!IsFrequency(f)) return "---.----";
  return FixedText(f, 4);
}

std::string FourthTxText(const ChannelRecord& ch) {
  if (!ch.TxEnable && IsFrequency(ch.Txfreq)) return "RX only";
  return FreqText4(ch.Txfreq);
}

double SnapFrequency(double f) {
  const double t = TenthsOfKhz(f);
  // 5 kHz is 50 and 12.5 kHz is 125 in units of 0.1 kHz; such values are left exactly as given.
  if (MultipleOf(t, 50) || MultipleOf(t, 125)) return f;
  return std::floor(f / 0.005) * 0.005;
}

std::string OnOffText(bool v) {
  return Pick(v, "On", "Off");
}
std::string EnableText(bool v) {
  return Pick(v, "ENABLE", "------");
}
std::string TxText(bool v) {
  return Pick(v, "TX", "--");
}
std::string LowText(bool v) {
  return Pick(v, "LOW", "---");
}
std::string UpText(bool v) {
  return Pick(v, "UP", "--");
}
std::string DupText(bool v) {
  return Pick(v, "DUP", "---");
}
std::string MemText(bool v) {
  return Pick(v, "MEM", "---");
}
std::string CmpText(bool v) {
  return Pick(v, "CMP", "---");
}
std::string NarrowText(bool v) {
  return Pick(v, "N ", "--");
}

std::string ResumeTimeText(int16_t v) {
  return Coded<4>(v, {"--", "1Sec", "2Sec", "3Sec"});
}

std::string TxPoDisplayText(int16_t v) {
  return Coded<3>(v, {"Lo Po Only", "Lo Po on Changing CH", "Last TX Po"});
}

std::string WeaterText(int16_t v) {
  return Coded<4>(v, {"OFF", "On Wx", "On SCAN", "WX and SCAN"});
}

std::string MagneticVariationText(int16_t v) {
  return Coded<2>(v, {"True", "Mag"});
}

std::string ScrambleText(int16_t v) {
  if ((v & 4) == 0) return "--";
  return " " + std::to_string(v & 3);
}

std::string ChannelLabelText(int32_t p, int16_t series) {
  if (IsMarineSlot(p)) return ChannelMasterTable()[static_cast<std::size_t>(p)].Label;
  if (p >= kFirstFourthChannel && p < kChannelNumberEnd)
    return FourthGroupName(series) + std::to_string(p - kFirstFourthChannel + 1);
  return "Off";
}

const MasterSlot& MasterSlotAt(int position) {
  static const MasterSlot kNone{};
  if (!IsMarineSlot(position)) return kNone;
  return ChannelMasterTable()[static_cast<std::size_t>(position)];
}

std::string FourthGroupText(int16_t series) {
  return FourthGroupName(series) + std::string(" CH");
}

std::string PadRight(const std::string& s, int w) {
  if (w <= 0) return {};
  const auto width = static_cast<std::size_t>(w);
  std::string out = s.substr(0, width);
  out.resize(width, ' ');
  return out;
}

std::string PadOrDashes(const std::string& s, int w) {
  if (s.empty()) return std::string(static_cast<std::size_t>(w > 0 ? w : 0), '-');
  return PadRight(s, w);
}

std::string TextOrDashes(const std::string& s) {
  return s.find_first_not_of(' ') == std::string::npos ? "----" : s;
}

std::string ToneText(const ChannelRecord& ch, int direction) {
  if (direction != 0 && direction != 1) return {};
  const auto d = static_cast<std::size_t>(direction);
  if (ch.CTCSS[d] >= 1) return ListEntry(CtcssList(), ch.CTCSS[d]);
  if (ch.DCS[d] >= 1) return DcsText(ch.DCS[d]);
  return "-------";
}

std::string ChannelDisplayText(const ChannelRecord& ch) {
  const std::string suffix = " " + ch.CHDisplayR;
  return PadOrDashes(PadRight(ch.CHDisplayL, 2) + suffix.back(), 3);
}

std::string DcsText(int i) {
  const auto& codes = DcsList();
  const int last = static_cast<int>(codes.size()) - 1;  // 104
  if (i < 1) return {};
  if (i <= last) return "N" + codes[static_cast<std::size_t>(i)];
  if (i - last <= last) return "I" + codes[static_cast<std::size_t>(i - last)];
  return {};
}

const std::vector<std::string>& OffsetTimeList() {
  static const std::vector<std::string> list = [] {
    std::vector<std::string> texts;
    for (int offset = -12; offset <= 12; ++offset) {
      // Whole hours only, so the minutes are always ":00"; zero carries a blank where the sign
      // would be so the column lines up.
      const std::string hours = std::to_string(offset < 0 ? -offset : offset);
      const char* sign = offset < 0 ? "-" : offset > 0 ? "+" : " ";
      texts.push_back(sign + hours + ":00");
    }
    return texts;
  }();
  return list;
}

}  // namespace qw
