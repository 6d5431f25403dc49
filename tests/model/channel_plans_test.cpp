// The new data set: its plans, weather list and default image.
#include "model/channel_plans.h"

#include <gtest/gtest.h>

#include "model_test_support.h"

namespace qw::test {
namespace {

TEST(NewDataSet, PlansWeatherListFourthGroupAndDefaultImage) {
  const RadioData d = NewData(kSeriesMV710);
  EXPECT_TRUE(d.USA[30].RxOnly && !d.USA[30].TxEnable && !d.USA[30].DuplexCapable);  // 15
  EXPECT_TRUE(d.CANADA[40].Duplex && d.CANADA[40].LowPower);                         // 20
  EXPECT_EQ(d.USA[12].ChTag, "SAFTY");
  EXPECT_TRUE(d.USA[7].Enable && d.USA[7].ChTag.empty());  // 03A, without a tag
  for (int slot = 0; slot < 240; ++slot) {
    EXPECT_EQ(d.USA[slot].Position, slot);
    EXPECT_TRUE(d.USA[slot].Enable || d.USA[slot].TxEnable) << slot;
  }
  ASSERT_EQ(d.WX.size(), 10u);
  const ChannelRecord& wx = d.WX[9];
  EXPECT_TRUE(wx.Position == 10 && wx.Enable && wx.Duplex && wx.DuplexCapable);
  EXPECT_FALSE(wx.TxEnable || wx.LowPower || wx.DispayA || wx.ScanMemory);
  EXPECT_EQ(d.FourthGroup, std::vector<ChannelRecord>(40));
  EXPECT_EQ(d.UsableGroupSettings[kGroupFourth].PriorityCh, 0);

  // The default image's bytes after the plans are encoded into it, and what the series decode.
  const std::pair<int, std::vector<uint8_t>> common[] = {
      {0, {0xFF}},
      {66, std::vector<uint8_t>(8, 0)},
      {74, {0xFF, 0x00, 0x30}},
      {80, {0, 0x1E, 0, 0x1E, 0, 0x20, 0, 0x20, 0, 0x20, 0xF2, 0xCE}},
      {95, {0xFF}},  // the checksum waits for programming or saving
      {161, {0x60, 0x10, 0x10, 0xAC, 0xFE, 0xFF}},
      {176, std::vector<uint8_t>(14, 0)},
      {505, std::vector<uint8_t>(7, 0xFF)},
      {512, {'R', 'a', 'd', 'i', 'o', 0xFF}},
      {544, {'R', 'a', 'm', '2'}},
      {576, {0x00, 0x93, 0xAE}},
      {624,
       {0x00, 0x08, 0x1C, 0x30, 0x43, 0x57, 0x6B, 0x7B, 0x8C, 0x9C, 0xAA, 0xBC, 0xCB, 0xD8, 0xE0,
        0xFF}},
      {2304, {0, ' ', ' ', ' ', 0, 0}},  // empty records; the encoder writes the blank display
      {2938, std::vector<uint8_t>(6, 0)},
      {448, {0xFF, 0xC0}},  // WX01..10 enabled
      {260, {0xA5}},        // USA slots 32..39: 16, 17, 18A, 19A
  };
  for (int16_t series : kAllSeries) {
    SCOPED_TRACE(series);
    const RadioData n = NewData(series);
    for (const auto& [offset, bytes] : common)
      EXPECT_EQ(Bytes(n.RadioImage, offset, static_cast<int>(bytes.size())), bytes) << offset;
    const bool third = series == kSeriesThird;
    EXPECT_EQ(n.ImageLast, series == kSeriesMV510 ? 8191 : 16383);
    EXPECT_EQ(n.RadioImage[77], third ? 0x0F : 0xFF);
    // Only the third variant reads the DSC and time-offset bytes.
    EXPECT_EQ(n.CommonSettings.OffsetTime, third ? 12 : 0);
    EXPECT_EQ(n.DscSettings.PosRequest, (std::array<bool, 4>{third, third, third, third}));
    // The third variant switches off the empty fourth group.
    EXPECT_EQ(n.UsableGroupSettings[kGroupFourth].Usable, !third);
    EXPECT_EQ(n.RadioImage[93], third ? 0xBE : 0xBF);
  }
}

}  // namespace
}  // namespace qw::test
