// The editable data set of one radio: its memory image and everything decoded from it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/channel_groups.h"
#include "model/series_traits.h"

namespace qw {

// The image array is always full size; ImageLast says how much of it the series uses.
inline constexpr int kImageSize = 16384;
using Image = std::array<uint8_t, kImageSize>;

// ModelSeries values. 0 is a third variant that only a stored configuration value selects.
inline constexpr int16_t kSeriesThird = 0;
inline constexpr int16_t kSeriesMV510 = 1;
inline constexpr int16_t kSeriesMV710 = 2;

// Order of the four groups everywhere: the index into UsableGroupSettings and the image bit order.
enum ChannelGroup : int { kGroupUSA = 0, kGroupINTL = 1, kGroupCANADA = 2, kGroupFourth = 3 };

// "No channel" in PriorityCh; the image holds 0xFF, 0xFF for it.
inline constexpr int32_t kNoChannel = 65535;

// One record layout for marine (M), weather (W) and programmable (P) channels.
// Field order is the order the data file and the JSON form use.
struct ChannelRecord {
  int16_t Position = 0;
  bool Enable = false;
  bool LowPower = false;
  bool PowUp = false;
  bool Duplex = false;
  bool DuplexCapable = false;
  bool TxEnable = false;
  bool DispayA = false;  // the radio shows an "A" suffix; never stored in the image
  bool ScanMemory = false;
  std::string ChTag;     // up to 12 characters
  int16_t Scramble = 0;  // 0..7
  bool RxOnly = false;
  bool Narrow = false;
  std::array<int16_t, 2> DCS{};    // [0] transmit, [1] receive; 105..208 = second bank
  std::array<int16_t, 2> CTCSS{};  // [0] transmit, [1] receive
  bool RxComp = false;
  std::string CHDisplayL;  // 2 characters
  std::string CHDisplayR;  // 1 character
  double Txfreq = 0;       // MHz, 0 = none
  double Rxfreq = 0;

  bool operator==(const ChannelRecord&) const = default;
};
using MarineChannel = ChannelRecord;
using WeatherChannel = ChannelRecord;
using ProgrammableChannel = ChannelRecord;

struct UsableGroupSettings {
  bool Usable = false;
  bool TxTot = false;
  int32_t PriorityCh = kNoChannel;  // slot 0..239, 240 + fourth-group index, or kNoChannel
  bool StatusIcon = false;
  std::string StatusName;  // up to 4 characters

  bool operator==(const UsableGroupSettings&) const = default;
};

struct CommonSettings {
  int16_t TxPoDisplay = 0;  // one image byte
  bool Scan = false;
  int16_t ResumeTime = 0;  // 0..3
  bool PttScanClear = false;
  bool DualWatch = false;
  int16_t OffsetTime = 0;         // 0..24, 12 = no offset (series 0)
  int16_t MagneticVariation = 0;  // 0 or 1 (series 0)
  int16_t Weater = 0;             // 0..3
  bool Rotary = false;            // series 0

  bool operator==(const CommonSettings&) const = default;
};

struct DscSettings {
  std::array<bool, 3> DscGroup{};
  std::string UserMmsi;
  std::array<bool, 4> PosRequest{};
  std::array<bool, 4> Tx{};
  std::array<bool, 8> BeepOut{};
  std::array<bool, 4> AllShipsCall{};
  std::array<bool, 4> AllShipsCallTx{};
  std::array<bool, 4> GroupCall{};
  std::array<bool, 4> GroupCallTx{};
  std::array<bool, 4> IndividualCall{};
  std::array<bool, 4> IndividualCallTx{};
  std::array<bool, 3> AckMenu{};

  bool operator==(const DscSettings&) const = default;
};

struct AtisCallSignEntry {
  std::string MID;   // 3 characters
  std::string DISP;  // 3 characters

  bool operator==(const AtisCallSignEntry&) const = default;
};

struct AtisSettings {
  std::array<bool, 4> UsableAtisGroup{};
  std::string AtisCode;  // up to 10 digits
  std::array<bool, 4> AtisKillerGroup{};
  std::array<AtisCallSignEntry, 20> AtisCallSign{};  // entries 1..20 at 0..19

  bool operator==(const AtisSettings&) const = default;
};

struct DirectoryEntry {
  bool Enable = false;
  std::string TagName;  // up to 11 characters
  std::string Mmsid;    // up to 10 digits

  bool operator==(const DirectoryEntry&) const = default;
};

// Members carry the record names on purpose (data.CommonSettings.Scan), so the types are
// named with their namespace inside the struct.
struct RadioData {
  int16_t ModelSeries = kSeriesMV710;
  Image RadioImage{};
  int32_t ImageLast = kImageSize - 1;

  std::vector<ChannelRecord> USA;          // 240, index = master slot
  std::vector<ChannelRecord> INTL;         // 240
  std::vector<ChannelRecord> CANADA;       // 240
  std::vector<ChannelRecord> WX;           // 10, Position = entry 1..10
  std::vector<ChannelRecord> FourthGroup;  // 40: entry k+1 at index k (EXP or LMR)

  // The fourth group has no priority channel; nothing sets its PriorityCh, so it stays 0.
  std::array<::qw::UsableGroupSettings, 4> UsableGroupSettings{
      {{}, {}, {}, {.PriorityCh = 0, .StatusIcon = false, .StatusName = {}}}};
  ::qw::CommonSettings CommonSettings{};
  ::qw::DscSettings DscSettings{};
  ::qw::AtisSettings AtisSettings{};
  std::array<DirectoryEntry, 40> MemoryDirectory{};  // individual ("Memory ID"), entries 1..40
  std::array<DirectoryEntry, 10> GroupDirectory{};   // group ("Group ID"), entries 1..10

  bool operator==(const RadioData&) const = default;
};

// The list of group 0..3 (USA, INTL, CANADA, fourth group).
inline std::vector<ChannelRecord>& GroupList(RadioData& d, int group) {
  switch (group) {
    case kGroupUSA:
      return d.USA;
    case kGroupINTL:
      return d.INTL;
    case kGroupCANADA:
      return d.CANADA;
    default:
      return d.FourthGroup;
  }
}
inline const std::vector<ChannelRecord>& GroupList(const RadioData& d, int group) {
  return GroupList(const_cast<RadioData&>(d), group);
}

// Series facts, as the series table gives them.
inline int32_t ImageLastFor(int16_t series) {
  return Traits(series).imageLast;
}
inline uint16_t ModelIdFor(int16_t series) {
  return Traits(series).modelId;
}
// Offset of the second copy of the model number: the image's last two bytes.
inline int SecondModelIdOffset(int16_t series) {
  return Traits(series).SecondModelIdOffset();
}
inline const char* ModelName(int16_t series) {
  return Traits(series).modelName;
}
inline const char* FourthGroupName(int16_t series) {
  return Traits(series).fourthGroup;
}

}  // namespace qw
