// Reading and writing the single fields of the memory image. Writers change only the bits and
// bytes of their field; readers never fail and map every byte pattern to a defined value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/image_layout.h"
#include "model/radio_data.h"

namespace qw {

// Characters the radio can show in a name: digits, letters and "-+().*/ ,".
bool IsTextCharacter(uint8_t c);

int GetBits(const Image& image, layout::BitField f);
// Stores the low `width` bits of value; the byte's other bits stay.
void SetBits(Image& image, layout::BitField f, int value);

// Element i of a bit array.
bool GetArrayBit(const Image& image, layout::BitArray a, int i);

// 16-bit number; a negative value is stored as 0xFFFF.
int32_t ReadWord(const Image& image, layout::Word16 f);
void WriteWord(Image& image, layout::Word16 f, int32_t value);

std::string ReadText(const Image& image, layout::TextField f);
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
