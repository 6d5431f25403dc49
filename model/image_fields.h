// Reading and writing the single fields of the memory image. Writers change only the bits and
// bytes of their field; readers never fail and map every byte pattern to a defined value.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/image_layout.h"
#include "model/radio_data.h"

namespace qw {

// Characters the radio can show in a name: digits, letters, space and "()*+,-./" (which happen
// to be one run of ASCII codes). A table, because every tag byte of an image is tested.
inline constexpr std::array<bool, 256> kTextCharacters = [] {
  std::array<bool, 256> t{};
  for (int c = 0; c < 256; ++c) {
    t[c] = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           (c >= '(' && c <= '/') || c == ' ';
  }
  return t;
}();
inline bool IsTextCharacter(uint8_t c) {
  return kTextCharacters[c];
}

// The codec reads thousands of these per image: kept inline.
inline int GetBits(const Image& image, layout::BitField f) {
  const int shift = f.top - f.width + 1;
  return (image[f.offset] >> shift) & ((1 << f.width) - 1);
}

// Stores the low `width` bits of value; the byte's other bits stay.
inline void SetBits(Image& image, layout::BitField f, int value) {
  const int shift = f.top - f.width + 1;
  const int mask = ((1 << f.width) - 1) << shift;
  image[f.offset] = static_cast<uint8_t>((image[f.offset] & ~mask) | ((value << shift) & mask));
}

// Element i of a bit array.
inline bool GetArrayBit(const Image& image, layout::BitArray a, int i) {
  return (image[a.base + i / 8] >> (7 - i % 8)) & 1;
}

// 16-bit number; a negative value is stored as 0xFFFF.
int32_t ReadWord(const Image& image, layout::Word16 f);
void WriteWord(Image& image, layout::Word16 f, int32_t value);

void WriteText(Image& image, layout::TextField f, std::string_view text);
// Reads into an existing string so that decoding does not allocate per channel.
void ReadTextInto(const Image& image, layout::TextField f, std::string& out);

std::string ReadDigits(const Image& image, layout::DigitField f);
void WriteDigits(Image& image, layout::DigitField f, std::string_view text);

// MHz; 0 for anything outside the open range 100..200 MHz.
double ReadFrequency(const Image& image, layout::FreqField f);
void WriteFrequency(Image& image, layout::FreqField f, double mhz);
// The value a frequency comes back as after a write and a read.
double QuantiseFrequency(double mhz);

std::string ReadCallSign(const Image& image, layout::CallSignField f);
void WriteCallSign(Image& image, layout::CallSignField f, std::string_view text);

// OffsetTime 0..24 (12 = no offset) in bits 4..0 of its byte.
int16_t DecodeOffsetTime(int code);
int EncodeOffsetTime(int value);

}  // namespace qw
