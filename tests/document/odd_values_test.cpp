// Values a data set holds that the radio cannot store: found by a trip through the image.
#include "document/odd_values.h"

#include <gtest/gtest.h>

#include <limits>

#include "model/channel_plans.h"

namespace qw {
namespace {

TEST(OddValues, EachIsNamedWithWhatTheRadioWillStore) {
  RadioData d;
  for (int16_t series : {kSeriesMV510, kSeriesMV710, kSeriesThird}) {
    BuildNewDataSet(d, series);
    EXPECT_EQ(FindOddValues(d), std::vector<OddValue>{}) << series;
  }
  auto& common = d.CommonSettings;
  common.ResumeTime = -7, common.Weater = 300, common.TxPoDisplay = 500;
  d.USA[21].Scramble = 32, d.FourthGroup[2].Txfreq = 201.5;
  d.AtisSettings.AtisCode = "12AB", d.DscSettings.UserMmsi = "ABC";
  // In the order of the data model, each with what comes back from the radio's memory.
  const std::vector<std::string> expected = {
      "CommonSettings.TxPoDisplay = 500 (the radio will store 244)",
      "CommonSettings.ResumeTime = -7 (the radio will store 1)",
      "CommonSettings.Weater = 300 (the radio will store 0)",
      "DscSettings.UserMmsi = \"ABC\" (the radio will store \"\")",
      "AtisSettings.AtisCode = \"12AB\" (the radio will store \"12\")",
      "USA[21].Scramble = 32 (the radio will store 0)",
      "FourthGroup[2].Txfreq = 201.5 (the radio will store 0)",
  };
  EXPECT_EQ(OddValueLines(FindOddValues(d)), expected);

  // A frequency is odd only beyond the rounding of a stored one, 0.6 Hz off already; each entry
  // of a list of numbers is named.
  BuildNewDataSet(d, kSeriesMV710);
  d.FourthGroup[0].Rxfreq = 156.025 + 6e-7, d.FourthGroup[1].Rxfreq = 156.025 + 4e-8;
  d.FourthGroup[39].CTCSS[1] = 300;  // the last record of a list
  EXPECT_EQ(
      OddValueLines(FindOddValues(d)),
      (std::vector<std::string>{"FourthGroup[0].Rxfreq = 156.025001 (the radio will store 156.025)",
                                "FourthGroup[39].CTCSS[1] = 300 (the radio will store 44)"}));
}

// Fourth-group frequencies off every raster are moved down onto the 5 kHz one, first and last
// channel alike; no frequency, a negative or a non-finite one is left alone.
TEST(OddValues, OffRasterFrequenciesAreMovedAndNamed) {
  RadioData d;
  BuildNewDataSet(d, kSeriesMV710);
  d.FourthGroup[0].Rxfreq = 156.0137;
  d.FourthGroup[0].Txfreq = 156.0125;  // on the 12.5 kHz raster
  d.FourthGroup[1].Rxfreq = -156.0137;
  d.FourthGroup[1].Txfreq = std::numeric_limits<double>::quiet_NaN();
  d.FourthGroup[39].Txfreq = 0.0013;
  const std::vector<std::string> expected{"LMR1 Rx 156.0137 -> 156.0100: off the radio's raster",
                                          "LMR40 Tx 0.0013 -> ---.----: off the radio's raster"};
  EXPECT_EQ(SnapOffRasterFrequencies(d), expected);
  EXPECT_DOUBLE_EQ(d.FourthGroup[0].Rxfreq, 156.01);
  EXPECT_EQ(d.FourthGroup[39].Txfreq, 0);
  EXPECT_EQ(d.FourthGroup[1].Rxfreq, -156.0137);
  EXPECT_TRUE(SnapOffRasterFrequencies(d).empty());
}

// Low Power Only goes off where the channel does not transmit, on the first and the last channel
// of every group alike, and stays where it does.
TEST(OddValues, LowPowerOnlyGoesOffWhereTheChannelDoesNotTransmit) {
  RadioData d;
  BuildNewDataSet(d, kSeriesMV710);
  for (int group = kGroupUSA; group <= kGroupFourth; ++group) {
    auto& list = GroupList(d, group);
    for (ChannelRecord* ch : {&list.front(), &list.back()}) {
      ch->LowPower = true;
      ch->TxEnable = false;
    }
    list[1].LowPower = list[1].TxEnable = true;
  }
  const std::vector<std::string> lines = ClearLowPowerWithoutTx(d);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "USA 00 Low Power Only -> off: the channel does not transmit");
  EXPECT_EQ(lines[6], "LMR1 Low Power Only -> off: the channel does not transmit");
  EXPECT_EQ(lines[7], "LMR40 Low Power Only -> off: the channel does not transmit");
  for (int group = kGroupUSA; group <= kGroupFourth; ++group) {
    const auto& list = GroupList(d, group);
    EXPECT_FALSE(list.front().LowPower || list.back().LowPower) << group;
    EXPECT_TRUE(list[1].LowPower) << group;
  }
}

}  // namespace
}  // namespace qw
