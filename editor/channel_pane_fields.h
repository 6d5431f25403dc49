// The single-channel pane's check boxes and typed fields, each described once: building the
// pane, writing a change back and filling it from the data set all walk these rows. A row names
// its record field; the field table gives the caption, and the undo steps word the field from it.
#pragma once

#include <string>

#include "model/channel_rules.h"
#include "model/radio_data.h"

namespace qw::channel_fields {

// The check boxes, in the order of kFlagRows.
enum Flag { kEnable, kLowPower, kPowUp, kTxEnable, kDuplex, kScan, kComp, kFlags };

// What a click on a box does once the box is written.
enum class AfterClick {
  Nothing,
  EnableChain,  // boxes that depend on it follow it
  RxFrequency,  // the receive frequency shown follows it
  Refill,       // the whole pane follows it, and the box keeps the focus
};

// Which channels take a box's tick from the record when the pane is filled; on the others the
// box is hidden and keeps what it had. A marine channel that only receives shows Tx Enable off,
// whatever its record says.
enum class FilledFor { Both, Marine, Programmable };

struct FlagRow {
  const char* name;   // the control's object name
  const char* field;  // the record field, which gives the caption and the undo step's word
  bool ChannelRecord::*member;
  AfterClick after;
  FilledFor filled;
};

// clang-format off
inline constexpr FlagRow kFlagRows[kFlags] = {
    {"chkCHEnable", "Enable", &ChannelRecord::Enable, AfterClick::Refill, FilledFor::Both},
    {"chkLowPower", "LowPower", &ChannelRecord::LowPower, AfterClick::EnableChain,
     FilledFor::Both},
    {"chkPowUp", "PowUp", &ChannelRecord::PowUp, AfterClick::Nothing, FilledFor::Both},
    {"chkTxEnable", "TxEnable", &ChannelRecord::TxEnable, AfterClick::EnableChain,
     FilledFor::Both},
    {"chkDuplex", "Duplex", &ChannelRecord::Duplex, AfterClick::RxFrequency, FilledFor::Marine},
    {"chkScan", "ScanMemory", &ChannelRecord::ScanMemory, AfterClick::Nothing, FilledFor::Both},
    {"chkComp", "RxComp", &ChannelRecord::RxComp, AfterClick::Nothing, FilledFor::Programmable},
};
// clang-format on

// The line edits, in the order of kTextRows.
enum TextField { kDisplayL, kDisplayR, kRxFreq, kTxFreq, kName, kTextFields };

inline bool IsFrequencyKey(char c) {
  return (c >= '0' && c <= '9') || c == '.';
}

// A typed field's keys and pastes go through its filter. A field holds text or a frequency:
// one of its two members is set.
struct TextRow {
  const char* name;   // the control's object name
  const char* field;  // the record field, which gives the undo step's word
  int maxLength;
  bool (*accepts)(char);
  const char* help;
  std::string ChannelRecord::*text;
  double ChannelRecord::*mhz;
};

// clang-format off
inline constexpr TextRow kTextRows[kTextFields] = {
    {"txtCDL", "CHDisplayL", 2, IsDisplayChar, "Indispensable 2 figures.",
     &ChannelRecord::CHDisplayL, nullptr},
    {"txtCDR", "CHDisplayR", 1, IsDisplayChar, "Indispensable 1 figures.",
     &ChannelRecord::CHDisplayR, nullptr},
    {"txtCRF", "Rxfreq", 12, IsFrequencyKey, "Rx frequency", nullptr, &ChannelRecord::Rxfreq},
    {"txtCTF", "Txfreq", 12, IsFrequencyKey, "Tx frequency", nullptr, &ChannelRecord::Txfreq},
    {"txtCHName", "ChTag", static_cast<int>(kChannelNameLength), IsChannelNameChar,
     "A maximum of 12 characters", &ChannelRecord::ChTag, nullptr},
};
// clang-format on

inline bool IsFrequency(TextField f) {
  return kTextRows[f].mhz != nullptr;
}

}  // namespace qw::channel_fields
