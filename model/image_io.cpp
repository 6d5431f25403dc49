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
  const int mode = GetBits(image_, layout::FlagTxMode(offset));
  ch.TxEnable = mode == kTxModeFull || mode == kTxModeLow;
  ch.LowPower = mode == kTxModeLow;
}

void ImageReader::MarineFlags(ChannelRecord& ch, int offset) const {
  TxMode(ch, offset);
  Bit(ch.Duplex, layout::FlagDuplex(offset));
  Bit(ch.PowUp, layout::FlagPowUp(offset));
  Number(ch.Scramble, layout::FlagScramble(offset));
}

void ImageReader::RecordFlags(ChannelRecord& ch, int offset) const {
  TxMode(ch, offset);
  Bit(ch.PowUp, layout::FlagPowUp(offset));
  Number(ch.Scramble, layout::FlagScramble(offset));
  Bit(ch.Narrow, layout::FlagNarrow(offset));
}

void ImageReader::Display(ChannelRecord& ch, int offset) const {
  Text(ch.CHDisplayL, {offset, 2});
  Text(ch.CHDisplayR, {offset + 2, 1});
}

void ImageReader::Tones(ChannelRecord& ch, int offset) const {
  int mode = GetBits(image_, layout::ToneRxMode(offset));
  if (mode == 3) mode = kRxToneNormal;
  int rx_ctcss = GetBits(image_, layout::ToneRxCtcssHigh(offset)) << 2 |
                 GetBits(image_, layout::ToneRxCtcssLow(offset));
  int tx_ctcss = GetBits(image_, layout::ToneTxCtcss(offset));
  if (rx_ctcss == kUnsetTone) rx_ctcss = 0;
  if (tx_ctcss == kUnsetTone) tx_ctcss = 0;
  ch.CTCSS[0] = static_cast<int16_t>(tx_ctcss);
  ch.CTCSS[1] = static_cast<int16_t>(rx_ctcss);
  const int rx_dcs = GetBits(image_, layout::ToneRxDcs(offset));
  const int tx_dcs = GetBits(image_, layout::ToneTxDcs(offset));
  const int rx = (rx_dcs == 0xFF ? 0 : rx_dcs) + (mode == kRxToneSecondBank ? kDcsBankSize : 0);
  const int tx_bank = GetBits(image_, layout::ToneTxDcsBank(offset));
  ch.DCS[1] = static_cast<int16_t>(rx);
  ch.DCS[0] = static_cast<int16_t>(tx_dcs == 0xFF ? 0 : tx_dcs + kDcsBankSize * tx_bank);
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
  SetBits(image_, layout::FlagTxMode(offset), TxModeBits(ch));
  Bit(ch.Duplex && ch.DuplexCapable, layout::FlagDuplex(offset));
  Bit(ch.PowUp, layout::FlagPowUp(offset));
  Number(ch.Scramble, layout::FlagScramble(offset));
}

void ImageWriter::RecordFlags(const ChannelRecord& ch, int offset) {
  // Built whole from zero; bit 5 stays clear.
  image_[offset] = 0;
  SetBits(image_, layout::FlagTxMode(offset), TxModeBits(ch));
  Bit(ch.PowUp, layout::FlagPowUp(offset));
  Number(ch.Scramble, layout::FlagScramble(offset));
  Bit(ch.Narrow, layout::FlagNarrow(offset));
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
  SetBits(image_, layout::ToneTxDcsBank(offset), tx > kDcsBankSize);
  SetBits(image_, layout::ToneRxMode(offset), mode);
  SetBits(image_, layout::ToneRxCtcssHigh(offset), ch.CTCSS[1] >> 2);
  SetBits(image_, layout::ToneRxCtcssLow(offset), ch.CTCSS[1]);
  SetBits(image_, layout::ToneTxCtcss(offset), ch.CTCSS[0]);
  SetBits(image_, layout::ToneRxDcs(offset), rx > kDcsBankSize ? rx - kDcsBankSize : rx);
  SetBits(image_, layout::ToneTxDcs(offset), tx > kDcsBankSize ? tx - kDcsBankSize : tx);
}

}  // namespace qw
