// Where every item lives in the radio's memory image. Decode and encode both walk these
// descriptors, so a layout fact is stated once.
#pragma once

#include <array>

#include "model/bit_field.h"
#include "model/channel_groups.h"

namespace qw::layout {

// `count` one-bit elements from the top bit of `base` onwards, eight per byte.
struct BitArray {
  int base;
  int count;
};

// One character per byte, 0xFF past the end or for a character the radio cannot show.
struct TextField {
  int offset;
  int length;
};

// Five bytes of packed BCD, ten digits, 0xF for "no digit". An MMSI's tenth nibble is always 0.
struct DigitField {
  int offset;
  bool mmsi;
};

// Three bytes of BCD: the six digits of (f - 100 MHz) as "00.0000".
struct FreqField {
  int offset;
};

// Big-endian 16-bit number.
struct Word16 {
  int offset;
};

// Three right-aligned characters (MID or DISP of an ATIS call sign).
struct CallSignField {
  int offset;
};

// Header.
inline constexpr Word16 kModelId{64};
inline constexpr int kHeaderSumFirst = 66;
inline constexpr int kHeaderSumCount = 29;
inline constexpr int kHeaderChecksum = 95;
inline constexpr int kCurrentGroup = 70;
inline constexpr int kChannelMode = 71;
inline constexpr int kCurrentWx = 72;
// The common settings' places are in their rows of the field table (model/field_table.h).
inline constexpr int kOffsetTimeByte = 76;
inline constexpr Word16 kCurrentChannel{80};
inline constexpr Word16 kCurrentMarineChannel{82};
constexpr Word16 PriorityCh(int group) {
  return {84 + 2 * group};
}
// The first of the bytes of on/off settings.
inline constexpr int kSettingFlagsByte = 90;
constexpr BitField Usable(int group) {
  return Bit(93, 3 - group);
}
constexpr BitField StatusIcon(int group) {
  return Bit(94, 7 - group);
}
constexpr BitField TxTot(int group) {
  return Bit(94, 3 - group);
}

// Eight favourite channels per marine group; only the finishing step looks at them.
constexpr Word16 GroupChannelListEntry(int group, int j) {
  return {96 + 16 * group + 2 * j};
}
inline constexpr int kGroupChannelListLength = 8;

constexpr TextField StatusName(int group) {
  return {144 + 4 * group, 4};
}

// DSC settings (third variant only).
constexpr BitField DscGroup(int k) {
  return Bit(160, 7 - k);
}
constexpr BitField AllShipsCall(int k) {
  return Bit(161, 7 - k);
}
constexpr BitField AllShipsCallTx(int k) {
  return Bit(161, 3 - k);
}
constexpr BitField GroupCall(int k) {
  return Bit(162, 7 - k);
}
constexpr BitField GroupCallTx(int k) {
  return Bit(162, 3 - k);
}
constexpr BitField IndividualCall(int k) {
  return Bit(163, 7 - k);
}
constexpr BitField IndividualCallTx(int k) {
  return Bit(163, 3 - k);
}
inline constexpr std::array<int, 4> kPosRequestBits{2, 3, 7, 5};
constexpr BitField PosRequest(int k) {
  return Bit(164, kPosRequestBits[k]);
}
// Only Tx entries 2 and 3 have a home in the image.
constexpr BitField Tx(int k) {
  return Bit(164, k == 2 ? 6 : 4);
}
constexpr BitField BeepOut(int k) {
  return Bit(165, 7 - k);
}
inline constexpr std::array<int, 3> kAckMenuBits{7, 6, 1};
constexpr BitField AckMenu(int k) {
  return Bit(166, kAckMenuBits[k]);
}
inline constexpr DigitField kUserMmsi{496, true};

// ATIS.
constexpr BitField UsableAtisGroup(int group) {
  return Bit(505, 7 - group);
}
constexpr BitField AtisKillerGroup(int group) {
  return Bit(505, 3 - group);
}
constexpr BitField AtisMode(int group) {
  return {506, 7 - 2 * group, 2};
}
inline constexpr DigitField kAtisCode{507, false};
inline constexpr int kCallSignBase = 12544;
inline constexpr int kCallSignCount = 20;
constexpr CallSignField CallSignMid(int index) {
  return {kCallSignBase + 8 * index};
}
constexpr CallSignField CallSignDisp(int index) {
  return {kCallSignBase + 8 * index + 3};
}

// Channel regions of one group. Tags, flag bytes and records are `stride` bytes apart.
struct ChannelRegions {
  BitArray enable;
  BitArray scan;
  int tagBase;   // 12-byte texts
  int slots;     // most elements with a tag and a flag byte or record
  int flagBase;  // marine flag bytes (stride 2) or fourth-group records (stride 16); 0 = none
  int flagStride;
};

inline constexpr int kTagLength = 12;

inline constexpr std::array<ChannelRegions, 3> kMarineRegions{{
    {{256, 240}, {288, 240}, 3072, kMarineSlots, 768, 2},   // USA
    {{320, 240}, {352, 240}, 5952, kMarineSlots, 1280, 2},  // INTL
    {{384, 240}, {416, 240}, 8832, kMarineSlots, 1792, 2},  // CANADA
}};
// Sixteen enable and scan bits; only the first ten are weather channels.
inline constexpr ChannelRegions kWxRegions{{448, 16}, {464, 16}, 11712, kWeatherChannels, 0, 0};
inline constexpr ChannelRegions kFourthRegions{{450, 40}, {466, 40}, 11840, kFourthGroupChannels,
                                               2304,      16};

// A channel's flag byte (marine flag byte, or byte 0 of a fourth-group record).
// Transmit mode: 3 full power, 1 low power, 0 (and 2) receive only.
constexpr BitField FlagTxMode(int offset) {
  return {offset, 7, 2};
}
constexpr BitField FlagDuplex(int offset) {
  return Bit(offset, 5);
}  // marine only
constexpr BitField FlagPowUp(int offset) {
  return Bit(offset, 4);
}
constexpr BitField FlagScramble(int offset) {
  return {offset, 3, 3};
}
constexpr BitField FlagNarrow(int offset) {
  return Bit(offset, 0);
}  // fourth group only

// Tone bytes of a fourth-group record (MV710), from its byte 10. The receive CTCSS index is
// split over two bytes: bits 5..2 in the first, bits 1..0 in the second.
constexpr BitField ToneTxDcsBank(int offset) {
  return Bit(offset, 7);
}
constexpr BitField ToneRxMode(int offset) {
  return {offset, 5, 2};
}
constexpr BitField ToneRxCtcssHigh(int offset) {
  return {offset, 3, 4};
}
constexpr BitField ToneRxCtcssLow(int offset) {
  return {offset + 1, 7, 2};
}
constexpr BitField ToneTxCtcss(int offset) {
  return {offset + 1, 5, 6};
}
constexpr BitField ToneRxDcs(int offset) {
  return {offset + 2, 7, 8};
}
constexpr BitField ToneTxDcs(int offset) {
  return {offset + 3, 7, 8};
}

// Offsets inside a fourth-group record.
inline constexpr int kRecordFlags = 0;
inline constexpr int kRecordDisplay = 1;  // CHDisplayL (2) and CHDisplayR (1)
inline constexpr int kRecordRxFreq = 4;
inline constexpr int kRecordTxFreq = 7;
inline constexpr int kRecordTones = 10;

// MMSI directories (third variant only).
struct DirectoryRegion {
  int base;
  int entries;
};
inline constexpr DirectoryRegion kMemoryDirectory{12800, 40};
inline constexpr DirectoryRegion kGroupDirectory{13568, 10};
inline constexpr int kDirectoryStride = 16;
inline constexpr int kDirectoryTagOffset = 5;
inline constexpr int kDirectoryTagLength = 11;

// Regions only a new image writes.
inline constexpr int kNameTexts = 512;    // three texts 16 bytes apart
inline constexpr int kLevelTables = 560;  // five tables of 16 bytes
inline constexpr int kLevelTableLength = 16;

}  // namespace qw::layout
