#include <cstdio>

#include "model/channel_plans.h"

namespace qw {
namespace {

constexpr int kPairs = 120;
constexpr int kSecondBandFirstPair = 60;  // channels 60..119 sit 25 kHz below the 50 kHz grid
constexpr double kChannelSpacing = 0.05;
constexpr double kDuplexShift = 4.6;

std::array<MasterSlot, kMarineSlots> BuildChannelMasterTable() {
  std::array<MasterSlot, kMarineSlots> table{};
  // The frequency is accumulated pair by pair, so it carries the same rounding the radio's
  // own tables were made with.
  double f = 156.000;
  for (int n = 0; n < kPairs; ++n) {
    if (n == kSecondBandFirstPair) f = 156.025;
    char label[8];
    std::snprintf(label, sizeof label, "%02d", n);
    MasterSlot& even = table[2 * n];
    even.Label = label;
    even.TxFreq = even.RxFreqSimplex = f;
    even.RxFreqDuplex = f + kDuplexShift;
    even.DuplexCapable = true;
    MasterSlot& odd = table[2 * n + 1];
    odd.Label = std::string(label) + "A";
    odd.TxFreq = odd.RxFreqSimplex = f;
    odd.RxFreqDuplex = 0;
    odd.DuplexCapable = false;
    f += kChannelSpacing;
  }
  return table;
}

std::array<WxMasterEntry, 10> BuildWxMasterTable() {
  // Receive frequencies in kHz: whole numbers, so no text parsing depends on the locale.
  static constexpr int kKilohertz[10] = {162550, 162400, 162475, 162425, 162450,
                                         162500, 162525, 161650, 161775, 163275};
  std::array<WxMasterEntry, 10> table{};
  for (int i = 0; i < 10; ++i) {
    char mhz[16], label[32];
    std::snprintf(mhz, sizeof mhz, "%d.%03d", kKilohertz[i] / 1000, kKilohertz[i] % 1000);
    std::snprintf(label, sizeof label, "WX%02d[%sMHz]", i + 1, mhz);
    WxMasterEntry& e = table[i];
    e.Enabled = true;
    e.Label = label;
    e.TxFreq = 0;
    e.RxFreq1 = e.RxFreq2 = kKilohertz[i] / 1000.0;
    e.DuplexFlag = true;
    e.LowPowerFlag = false;
    e.FreqText = std::string(mhz) + "MHZ";
  }
  return table;
}

}  // namespace

const std::array<MasterSlot, kMarineSlots>& ChannelMasterTable() {
  static const std::array<MasterSlot, kMarineSlots> table = BuildChannelMasterTable();
  return table;
}

const std::array<WxMasterEntry, 10>& WxMasterTable() {
  static const std::array<WxMasterEntry, 10> table = BuildWxMasterTable();
  return table;
}

}  // namespace qw
