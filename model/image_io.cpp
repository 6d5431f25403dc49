#include "model/image_io.h"

#include <algorithm>

namespace qw {
namespace {

constexpr int kTxModeFull = 3;
constexpr int kTxModeLow = 1;
constexpr int kTxModeOff = 0;

// Receive tone modes of tone byte 0, bits 5..4.
constexpr int kRxToneNormal = 0;
constexpr int kRxToneSecondBank = 1;
constexpr int kRxToneComp = 2;

// DCS values above this are the same codes in the second bank.
constexpr int kDcsBankSize = 104;
constexpr int kUnsetTone = 63;  // six bits all set: an erased byte

}  // namespace

// ----- reading -----

void ImageReader::Bits(std::vector<ChannelRecord>& list, bool ChannelRecord::*field,
                       layout::BitArray a) const {
  const int n = std::min(static_cast<int>(list.size()), a.count);
  for (int i = 0; i < n; ++i) list[i].*field = GetArrayBit(image_, a, i);
}

void ImageReader::TxMode(ChannelRecord& ch, int offset) const {
  const int mode = GetBits(image_, FlagTxMode(offset));
  ch.TxEnable = mode == kTxModeFull || mode == kTxModeLow;
  ch.LowPower = mode == kTxModeLow;
}

void ImageReader::MarineFlags(ChannelRecord& ch, int offset) const {
  TxMode(ch, offset);
  Bit(ch.Duplex, FlagDuplex(offset));
  Bit(ch.PowUp, FlagPowUp(offset));
  Number(ch.Scramble, FlagScramble(offset));
}

void ImageReader::RecordFlags(ChannelRecord& ch, int offset) const {
  TxMode(ch, offset);
  Bit(ch.PowUp, FlagPowUp(offset));
  Number(ch.Scramble, FlagScramble(offset));
  Bit(ch.Narrow, FlagNarrow(offset));
}

void ImageReader::Display(ChannelRecord& ch, int offset) const {
  Text(ch.CHDisplayL, {offset, 2});
  Text(ch.CHDisplayR, {offset + 2, 1});
}

void ImageReader::Tones(ChannelRecord& ch, int offset) const {
  const uint8_t b0 = image_[offset], b1 = image_[offset + 1];
  const uint8_t rx_dcs = image_[offset + 2], tx_dcs = image_[offset + 3];
  int mode = (b0 >> 4) & 3;
  if (mode == 3) mode = kRxToneNormal;
  int rx_ctcss = (b0 & 0x0F) * 4 + (b1 >> 6);
  int tx_ctcss = b1 & 0x3F;
  if (rx_ctcss == kUnsetTone) rx_ctcss = 0;
  if (tx_ctcss == kUnsetTone) tx_ctcss = 0;
  ch.CTCSS[0] = static_cast<int16_t>(tx_ctcss);
  ch.CTCSS[1] = static_cast<int16_t>(rx_ctcss);
  const int rx = (rx_dcs == 0xFF ? 0 : rx_dcs) + (mode == kRxToneSecondBank ? kDcsBankSize : 0);
  ch.DCS[1] = static_cast<int16_t>(rx);
  ch.DCS[0] = static_cast<int16_t>(tx_dcs == 0xFF ? 0 : tx_dcs + kDcsBankSize * (b0 >> 7));
  ch.RxComp = mode == kRxToneComp;
}

// An MMSI directory is a run from entry 1: the first entry without an MMSI ends it, and it and
// everything after it are cleared even when the image still holds numbers there.
void ImageReader::DirectoryRun(DirectoryEntry* entries, int count) const {
  int n = 0;
  for (; n < count && !entries[n].Mmsid.empty(); ++n) entries[n].Enable = true;
  for (; n < count; ++n) entries[n] = DirectoryEntry{};
}

// ----- writing -----

void ImageWriter::Bits(const std::vector<ChannelRecord>& list, bool ChannelRecord::*field,
                       layout::BitArray a) {
  const int n = std::min(static_cast<int>(list.size()), a.count);
  // Whole bytes: a last byte the list does not fill gets zeros in its spare bits.
  for (int byte = 0; byte * 8 < n; ++byte) {
    uint8_t packed = 0;
    for (int bit = 0; bit < 8 && byte * 8 + bit < n; ++bit) {
      if (list[byte * 8 + bit].*field) packed |= static_cast<uint8_t>(0x80 >> bit);
    }
    image_[a.base + byte] = packed;
  }
}

int ImageWriter::TxModeBits(const ChannelRecord& ch) const {
  if (!ch.TxEnable) return kTxModeOff;
  return ch.LowPower ? kTxModeLow : kTxModeFull;
}

void ImageWriter::MarineFlags(const ChannelRecord& ch, int offset) {
  // Built whole from zero; bit 0 stays clear.
  image_[offset] = 0;
  SetBits(image_, FlagTxMode(offset), TxModeBits(ch));
  Bit(ch.Duplex && ch.DuplexCapable, FlagDuplex(offset));
  Bit(ch.PowUp, FlagPowUp(offset));
  Number(ch.Scramble, FlagScramble(offset));
}

void ImageWriter::RecordFlags(const ChannelRecord& ch, int offset) {
  // Built whole from zero; bit 5 stays clear.
  image_[offset] = 0;
  SetBits(image_, FlagTxMode(offset), TxModeBits(ch));
  Bit(ch.PowUp, FlagPowUp(offset));
  Number(ch.Scramble, FlagScramble(offset));
  Bit(ch.Narrow, FlagNarrow(offset));
}

void ImageWriter::Display(const ChannelRecord& ch, int offset) {
  std::string text = ch.CHDisplayL.substr(0, 2);
  text.resize(2, ' ');
  text.push_back(ch.CHDisplayR.empty() ? ' ' : ch.CHDisplayR.back());
  WriteText(image_, {offset, 3}, text);
}

void ImageWriter::Tones(const ChannelRecord& ch, int offset) {
  const int tx = ch.DCS[0], rx = ch.DCS[1];
  const int mode = ch.RxComp ? kRxToneComp : rx > kDcsBankSize ? kRxToneSecondBank : kRxToneNormal;
  SetBits(image_, layout::Bit(offset, 7), tx > kDcsBankSize);
  SetBits(image_, {offset, 5, 2}, mode);
  SetBits(image_, {offset, 3, 4}, ch.CTCSS[1] >> 2);
  SetBits(image_, {offset + 1, 7, 2}, ch.CTCSS[1]);
  SetBits(image_, {offset + 1, 5, 6}, ch.CTCSS[0]);
  image_[offset + 2] = static_cast<uint8_t>(rx > kDcsBankSize ? rx - kDcsBankSize : rx);
  image_[offset + 3] = static_cast<uint8_t>(tx > kDcsBankSize ? tx - kDcsBankSize : tx);
}

}  // namespace qw
