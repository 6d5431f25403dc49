#include "model/image_fields.h"

#include <algorithm>
#include <cmath>

namespace qw {
namespace {

bool IsDigit(uint8_t c) {
  return c >= '0' && c <= '9';
}

// Call signs drop space and comma: the radio right-aligns them with erased bytes instead.
bool IsCallSignCharacter(uint8_t c) {
  return IsTextCharacter(c) && c != ' ' && c != ',';
}

void TrimTrailingSpaces(std::string& s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
}

// Frequencies are held in units of 100 Hz above 0 MHz.
constexpr long long kUnitsPerMHz = 10000;
constexpr long long kUnitsAt100 = 100 * kUnitsPerMHz;
constexpr long long kUnitsAt200 = 200 * kUnitsPerMHz;

}  // namespace

int32_t ReadWord(const Image& image, layout::Word16 f) {
  return image[f.offset] << 8 | image[f.offset + 1];
}

void WriteWord(Image& image, layout::Word16 f, int32_t value) {
  const uint32_t v = value < 0 ? 0xFFFF : static_cast<uint32_t>(value) & 0xFFFF;
  image[f.offset] = static_cast<uint8_t>(v >> 8);
  image[f.offset + 1] = static_cast<uint8_t>(v & 0xFF);
}

void ReadTextInto(const Image& image, layout::TextField f, std::string& out) {
  const uint8_t* first = image.data() + f.offset;
  int n = 0;
  while (n < f.length && IsTextCharacter(first[n])) ++n;
  while (n > 0 && first[n - 1] == ' ') --n;
  out.assign(reinterpret_cast<const char*>(first), n);
}

void WriteText(Image& image, layout::TextField f, std::string_view text) {
  for (int i = 0; i < f.length; ++i) {
    const auto c = i < static_cast<int>(text.size()) ? static_cast<uint8_t>(text[i]) : 0xFF;
    image[f.offset + i] = IsTextCharacter(c) ? c : 0xFF;
  }
}

std::string ReadDigits(const Image& image, layout::DigitField f) {
  std::string s;
  for (int i = 0; i < 10; ++i) {
    const uint8_t b = image[f.offset + i / 2];
    const int nibble = i % 2 == 0 ? b >> 4 : b & 0x0F;
    if (nibble > 9) break;
    s.push_back(static_cast<char>('0' + nibble));
  }
  return s;
}

void WriteDigits(Image& image, layout::DigitField f, std::string_view text) {
  if (text.find_first_not_of(' ') == std::string_view::npos) {
    std::fill_n(image.begin() + f.offset, 5, uint8_t{0xFF});
    return;
  }
  for (int byte = 0; byte < 5; ++byte) {
    int packed = 0;
    for (int i = 2 * byte; i < 2 * byte + 2; ++i) {
      const auto c = i < static_cast<int>(text.size()) ? static_cast<uint8_t>(text[i]) : ' ';
      int nibble = IsDigit(c) ? c - '0' : 0x0F;
      if (f.mmsi && i == 9) nibble = 0;
      packed = packed << 4 | nibble;
    }
    image[f.offset + byte] = static_cast<uint8_t>(packed);
  }
}

double ReadFrequency(const Image& image, layout::FreqField f) {
  // Read as the decimal text "MM.FFFF" whose value ends at the first nibble above 9.
  long long whole = 0, frac = 0;
  int i = 0;
  auto nibble_at = [&](int k) {
    const uint8_t b = image[f.offset + k / 2];
    return k % 2 == 0 ? b >> 4 : b & 0x0F;
  };
  for (; i < 2 && nibble_at(i) <= 9; ++i) whole = whole * 10 + nibble_at(i);
  if (i == 2) {
    long long scale = 1000;
    for (int k = 2; k < 6 && nibble_at(k) <= 9; ++k, scale /= 10) frac += nibble_at(k) * scale;
  }
  const long long total = kUnitsAt100 + whole * kUnitsPerMHz + frac;
  if (total <= kUnitsAt100 || total >= kUnitsAt200) return 0;
  return static_cast<double>(total) / kUnitsPerMHz;
}

namespace {

// The six stored digits: 100 Hz steps above 100 MHz, or 0 for no frequency. Rounding can land
// on 100 or 200 MHz exactly; neither has a place in six digits.
long long StoredUnits(double mhz) {
  if (!(mhz > 100.0 && mhz < 200.0)) return 0;
  const long long total = std::llround(mhz * kUnitsPerMHz);
  return total > kUnitsAt100 && total < kUnitsAt200 ? total - kUnitsAt100 : 0;
}

}  // namespace

double QuantiseFrequency(double mhz) {
  const long long units = StoredUnits(mhz);
  return units == 0 ? 0 : static_cast<double>(kUnitsAt100 + units) / kUnitsPerMHz;
}

void WriteFrequency(Image& image, layout::FreqField f, double mhz) {
  long long digits = StoredUnits(mhz);
  for (int byte = 2; byte >= 0; --byte) {
    const int low = static_cast<int>(digits % 10);
    const int high = static_cast<int>(digits / 10 % 10);
    digits /= 100;
    image[f.offset + byte] = static_cast<uint8_t>(high << 4 | low);
  }
}

std::string ReadCallSign(const Image& image, layout::CallSignField f) {
  std::string s;
  for (int i = 0; i < 3; ++i) {
    const uint8_t c = image[f.offset + i];
    if (IsTextCharacter(c)) s.push_back(static_cast<char>(c));
  }
  TrimTrailingSpaces(s);
  return s;
}

void WriteCallSign(Image& image, layout::CallSignField f, std::string_view text) {
  std::string padded(3, ' ');
  padded += text;
  padded.erase(0, padded.size() - 3);
  for (int i = 0; i < 3; ++i) {
    const auto c = static_cast<uint8_t>(padded[i]);
    image[f.offset + i] = IsCallSignCharacter(c) ? c : 0xFF;
  }
}

int16_t DecodeOffsetTime(int code) {
  code &= 0x1F;
  if (code == 0 || code == 0x1F) return 12;
  const int hours = std::min(code & 0x0F, 12);
  return static_cast<int16_t>(12 + (code & 0x10 ? hours : -hours));
}

int EncodeOffsetTime(int value) {
  value = std::clamp(value, 0, 24);
  return value >= 12 ? 0x10 + (value - 12) : 12 - value;
}

}  // namespace qw
