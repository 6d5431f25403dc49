// The program's knowledge of the marine band: master tables, channel plans, tone lists and the
// new default data set.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/radio_data.h"

namespace qw {

struct MasterSlot {
  std::string Label;  // "16", "22A"
  double TxFreq = 0;
  double RxFreqSimplex = 0;
  double RxFreqDuplex = 0;
  bool DuplexCapable = false;
};

struct WxMasterEntry {
  bool Enabled = true;
  std::string Label;  // "WX01[162.550MHz]"
  double TxFreq = 0;
  double RxFreq1 = 0;
  double RxFreq2 = 0;
  bool DuplexFlag = true;  // becomes Duplex and DuplexCapable of the WX channel
  bool LowPowerFlag = false;
  std::string FreqText;  // "162.550MHZ"
};

// One channel of a marine plan: the slot it occupies and how the plan sets it up.
struct PlanEntry {
  int Slot = 0;
  std::string Tag;
  bool Duplex = false;
  bool LowPower = false;
  bool RxOnly = false;
};

// Built once, never changed.
const std::array<MasterSlot, kMarineSlots>& ChannelMasterTable();
const std::array<WxMasterEntry, 10>& WxMasterTable();
// Index 0 "Off", then 50 tones ("67.0Hz") / 104 codes ("023").
// The plan of group USA, INTL or CANADA in plan order; empty for the fourth group.
const std::vector<PlanEntry>& ChannelPlan(int group);
const std::vector<std::string>& CtcssList();
const std::vector<std::string>& DcsList();

// A complete new data set for the series: plans, WX list, cleared directories, default image
// (general settings decoded from it), empty fourth group, plans encoded into the image.
void BuildNewDataSet(RadioData& d, int16_t series);

// The default memory image of the series alone (what BuildNewDataSet starts from).
void BuildDefaultImage(Image& image, int16_t series);
// Writes a 16-byte level table given as comma-separated hexadecimal values; writes nothing and
// returns false unless exactly sixteen values are found.
bool WriteLevelTable(Image& image, int offset, const std::string& text);

}  // namespace qw
