// The formatter cases the text report tests cannot show: the raster rule, the bit and range rules,
// and inputs no ordinary data set holds.
#include "report/formatters.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace qw {
namespace {

TEST(SnapFrequency, MovesOnlyValuesOffBothRastersDownOntoTheFiveKilohertzOne) {
  EXPECT_DOUBLE_EQ(SnapFrequency(156.0137), 156.01);
  EXPECT_DOUBLE_EQ(SnapFrequency(156.0149), 156.01);  // down, never to the nearer 156.015
  EXPECT_EQ(SnapFrequency(SnapFrequency(156.0137)), SnapFrequency(156.0137));
  // The last is built by repeated addition, as the master table is: a hair off, and kept.
  for (double on : {156.0375, 156.0125, 156.015, 162.0, 156.0 + 0.05 + 0.05 + 0.05})
    EXPECT_EQ(SnapFrequency(on), on) << on;
}

TEST(ScrambleText, OnlyWhenBit2IsSetThenTheLowTwoBits) {
  const std::pair<int16_t, const char*> cases[] = {{0, "--"}, {3, "--"},  {4, " 0"}, {7, " 3"},
                                                   {8, "--"}, {12, " 0"}, {-1, " 3"}};
  for (const auto& [v, text] : cases) EXPECT_EQ(ScrambleText(v), text) << v;
}

TEST(ChannelLabelText, MasterLabelsFourthGroupNamesAndOffAtTheRangeEnds) {
  const std::tuple<int32_t, int16_t, const char*> cases[] = {{239, kSeriesMV710, "119A"},
                                                             {240, kSeriesMV710, "LMR1"},
                                                             {240, kSeriesThird, "EXP1"},
                                                             {280, kSeriesMV710, "Off"},
                                                             {-1, kSeriesMV710, "Off"}};
  for (const auto& [p, series, text] : cases) EXPECT_EQ(ChannelLabelText(p, series), text) << p;
}

// The codes at the ends of both DCS banks, the first tone of each kind in either direction and none
// beyond the two, and the blank where the sign of zero hours goes.
TEST(ToneAndOffsetTexts, DcsBanksFirstTonesBothWaysAndZeroHoursUnsigned) {
  const std::pair<int, const char*> cases[] = {{1, "N023"},   {104, "N754"}, {105, "I023"},
                                               {208, "I754"}, {0, ""},       {-1, ""},
                                               {209, ""},     {32767, ""}};
  for (const auto& [i, text] : cases) EXPECT_EQ(DcsText(i), text) << i;
  // Per direction: transmit takes DCS when it has no CTCSS; receive, with both, shows the first
  // tone. (Higher tones and codes are the reports'.)
  ChannelRecord ch;
  ch.CTCSS = {0, 1}, ch.DCS = {1, 5};
  EXPECT_EQ((std::vector<std::string>{ToneText(ch, 0), ToneText(ch, 1), ToneText(ch, 2)}),
            (std::vector<std::string>{"N023", "67.0Hz", ""}));
  const auto& list = OffsetTimeList();
  ASSERT_EQ(list.size(), 25u);
  EXPECT_EQ(list[0] + list[12] + list[24], "-12:00 0:00+12:00");
}

}  // namespace
}  // namespace qw
