// The two directions of the image codec behind one interface, so that the walk over the layout
// (image_walk.h) is written once. A reader fills data-set fields from the image; a writer
// stores them. Each method touches only the bits of its field.
#pragma once

#include <vector>

#include "model/image_fields.h"
#include "model/image_layout.h"
#include "model/radio_data.h"

namespace qw {

class ImageReader {
 public:
  explicit ImageReader(const Image& image) : image_(image) {}

  void Bit(bool& v, layout::BitField f) const { v = GetBits(image_, f) != 0; }
  void Number(int16_t& v, layout::BitField f) const {
    v = static_cast<int16_t>(GetBits(image_, f));
  }
  void Word(int32_t& v, layout::Word16 f) const { v = ReadWord(image_, f); }
  void Text(std::string& v, layout::TextField f) const { ReadTextInto(image_, f, v); }
  void Digits(std::string& v, layout::DigitField f) const { v = ReadDigits(image_, f); }
  void Frequency(double& v, layout::FreqField f) const { v = ReadFrequency(image_, f); }
  void CallSign(std::string& v, layout::CallSignField f) const { v = ReadCallSign(image_, f); }
  void OffsetTime(int16_t& v, layout::BitField f) const {
    v = DecodeOffsetTime(GetBits(image_, f));
  }
  // The raw bit, 0 or 1.
  void MagneticVariation(int16_t& v, layout::BitField f) const { Number(v, f); }
  void Bits(std::vector<ChannelRecord>& list, bool ChannelRecord::*field, layout::BitArray a) const;
  void MarineFlags(ChannelRecord& ch, int offset) const;
  void RecordFlags(ChannelRecord& ch, int offset) const;
  void Display(ChannelRecord& ch, int offset) const;
  void Tones(ChannelRecord& ch, int offset) const;
  void DirectoryRun(DirectoryEntry* entries, int count) const;

 private:
  void TxMode(ChannelRecord& ch, int offset) const;
  const Image& image_;
};

class ImageWriter {
 public:
  explicit ImageWriter(Image& image) : image_(image) {}

  void Bit(const bool& v, layout::BitField f) { SetBits(image_, f, v ? 1 : 0); }
  void Number(const int16_t& v, layout::BitField f) { SetBits(image_, f, v); }
  void Word(const int32_t& v, layout::Word16 f) { WriteWord(image_, f, v); }
  void Text(const std::string& v, layout::TextField f) { WriteText(image_, f, v); }
  void Digits(const std::string& v, layout::DigitField f) { WriteDigits(image_, f, v); }
  void Frequency(const double& v, layout::FreqField f) { WriteFrequency(image_, f, v); }
  void CallSign(const std::string& v, layout::CallSignField f) { WriteCallSign(image_, f, v); }
  void OffsetTime(const int16_t& v, layout::BitField f) { SetBits(image_, f, EncodeOffsetTime(v)); }
  // Only exactly 1 means magnetic.
  void MagneticVariation(const int16_t& v, layout::BitField f) { SetBits(image_, f, v == 1); }
  void Bits(const std::vector<ChannelRecord>& list, bool ChannelRecord::*field, layout::BitArray a);
  void MarineFlags(const ChannelRecord& ch, int offset);
  void RecordFlags(const ChannelRecord& ch, int offset);
  void Display(const ChannelRecord& ch, int offset);
  void Tones(const ChannelRecord& ch, int offset);
  void DirectoryRun(const DirectoryEntry*, int) {}

 private:
  int TxModeBits(const ChannelRecord& ch) const;
  Image& image_;
};

}  // namespace qw
