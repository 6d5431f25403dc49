// A complete new data set: the plans, the weather list, empty directories and fourth group, and
// the default image with the plans encoded into it.
#include "model/channel_plans.h"
#include "model/image_codec.h"

namespace qw {
namespace {

void BuildPlanList(std::vector<ChannelRecord>& list, int group) {
  const auto& master = ChannelMasterTable();
  list.assign(master.size(), ChannelRecord{});
  for (int slot = 0; slot < static_cast<int>(master.size()); ++slot) {
    ChannelRecord& ch = list[slot];
    ch.Position = static_cast<int16_t>(slot);
    ch.DuplexCapable = master[slot].DuplexCapable;
    ch.TxEnable = true;
  }
  for (const PlanEntry& e : ChannelPlan(group)) {
    ChannelRecord& ch = list[e.Slot];
    ch.RxOnly = e.RxOnly;
    if (e.RxOnly) ch.DuplexCapable = false;
    ch.TxEnable = !e.RxOnly;
    ch.ChTag = e.Tag;
    ch.Enable = true;
    ch.Duplex = e.Duplex;
    ch.LowPower = e.LowPower;
  }
}

void BuildWxList(std::vector<ChannelRecord>& list) {
  list.clear();
  int entry = 0;
  for (const WxMasterEntry& wx : WxMasterTable()) {
    ++entry;
    if (!wx.Enabled) continue;
    ChannelRecord ch;
    ch.Position = static_cast<int16_t>(entry);
    ch.Enable = true;
    ch.LowPower = wx.LowPowerFlag;
    ch.Duplex = ch.DuplexCapable = wx.DuplexFlag;
    ch.TxEnable = wx.TxFreq > 0;
    ch.ChTag = wx.FreqText;
    list.push_back(std::move(ch));
  }
}

}  // namespace

void BuildNewDataSet(RadioData& d, int16_t series) {
  // Start from a blank data set: what the steps below do not set is zero, false or empty.
  d = RadioData{};
  d.ModelSeries = series;
  BuildPlanList(d.USA, kGroupUSA);
  BuildPlanList(d.INTL, kGroupINTL);
  BuildPlanList(d.CANADA, kGroupCANADA);
  BuildWxList(d.WX);
  d.FourthGroup.assign(kFourthGroupChannels, ChannelRecord{});
  BuildDefaultImage(d.RadioImage, series);
  d.ImageLast = ImageLastFor(series);
  DecodeGeneral(d);
  DecodeFourthGroup(d);
  EncodeImage(d);
}

}  // namespace qw
