#include "report/formatters.h"

#include <gtest/gtest.h>

#include <limits>

namespace qw {
namespace {

TEST(FreqText3, DashesForNoFrequencyElseThreeIntegerDigitsAndThreeDecimals) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double f;
    const char* text;
  } cases[] = {{0, "---.---"},
               {-1, "---.---"},
               {inf, "---.---"},
               {156.05, "156.050"},
               {25, "025.000"},
               {0.5, "000.500"},
               {1234.5, "1234.500"},
               {156.0004, "156.000"},
               {161.8, "161.800"},
               // Built by repeated addition, as the master table is: a hair below 156.05.
               {156.0 + 0.05, "156.050"}};
  for (const auto& c : cases) EXPECT_EQ(FreqText3(c.f), c.text) << c.f;
  EXPECT_EQ(FreqText3(std::numeric_limits<double>::quiet_NaN()), "---.---");
  EXPECT_EQ(FreqText3Hidden(156.8, true), "---.---");
  EXPECT_EQ(FreqText3Hidden(156.8, false), "156.800");
}

TEST(FreqText4, SnapsOffRasterValuesDownInTheCallersVariable) {
  const struct {
    double in;
    const char* text;
    double after;
  } cases[] = {
      {156.0125, "156.0125", 156.0125},  // 12.5 kHz raster: kept
      {156.0375, "156.0375", 156.0375},  // 12.5 kHz raster, not 25
      {156.005, "156.0050", 156.005},    // 5 kHz raster: kept
      {156.0137, "156.0100", 156.01},    // neither: down to 5 kHz
      {156.0075, "156.0050", 156.005},   // 7.5 kHz is on neither raster
      {162.0099, "162.0050", 162.005},  {25, "025.0000", 25}, {1234.56789, "1234.5650", 1234.565},
  };
  for (const auto& c : cases) {
    double f = c.in;
    EXPECT_EQ(FreqText4(f), c.text) << c.in;
    EXPECT_DOUBLE_EQ(f, c.after) << c.in;
  }
  double none = 0, negative = -3.2;
  EXPECT_EQ(FreqText4(none), "---.----");
  EXPECT_EQ(FreqText4(negative), "---.----");
  EXPECT_EQ(negative, -3.2);  // no frequency: nothing snapped
  double f = 156.0137;
  EXPECT_DOUBLE_EQ(SnapFrequency(f), 156.01);  // returns what it stores
  const double snapped = f;
  EXPECT_EQ(SnapFrequency(f), snapped);  // a snapped value lies on the raster and stays put
}

TEST(IsOn25kHzRaster, OnlyMultiplesOf25kHz) {
  EXPECT_TRUE(IsOn25kHzRaster(156.025));
  EXPECT_TRUE(IsOn25kHzRaster(156.05));
  EXPECT_TRUE(IsOn25kHzRaster(156.0 + 0.05 + 0.05 + 0.05));  // accumulated error is rounded away
  EXPECT_FALSE(IsOn25kHzRaster(156.0125));
  EXPECT_FALSE(IsOn25kHzRaster(156.005));
}

TEST(FlagFormatters, WordForTrueDashesForFalse) {
  const struct {
    std::string (*format)(bool);
    const char* on;
    const char* off;
  } cases[] = {{OnOffText, "On", "Off"}, {HiLowText, "Hi", "Low"}, {EnableText, "ENABLE", "------"},
               {TxText, "TX", "--"},     {LowText, "LOW", "---"},  {UpText, "UP", "--"},
               {DupText, "DUP", "---"},  {MemText, "MEM", "---"},  {CmpText, "CMP", "---"},
               {NarrowText, "N ", "--"}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.format(true), c.on);
    EXPECT_EQ(c.format(false), c.off);
  }
}

TEST(CodedFormatters, NamesInRangeEmptyOutside) {
  const struct {
    std::string (*format)(int16_t);
    std::vector<std::string> names;
  } cases[] = {
      {ResumeTimeText, {"--", "1Sec", "2Sec", "3Sec"}},
      {TxPoDisplayText, {"Lo Po Only", "Lo Po on Changing CH", "Last TX Po"}},
      {WeaterText, {"OFF", "On Wx", "On SCAN", "WX and SCAN"}},
      {MagneticVariationText, {"True", "Mag"}},
  };
  for (const auto& c : cases) {
    for (std::size_t v = 0; v < c.names.size(); ++v)
      EXPECT_EQ(c.format(static_cast<int16_t>(v)), c.names[v]);
    EXPECT_EQ(c.format(static_cast<int16_t>(c.names.size())), "");
    EXPECT_EQ(c.format(-1), "");
    EXPECT_EQ(c.format(32767), "");
  }
}

TEST(ScrambleText, OnlyWhenBit2IsSetThenTheLowTwoBits) {
  const struct {
    int16_t v;
    const char* text;
  } cases[] = {{0, "--"}, {3, "--"}, {4, " 0"}, {5, " 1"}, {7, " 3"}, {8, "--"}, {12, " 0"}};
  for (const auto& c : cases) EXPECT_EQ(ScrambleText(c.v), c.text) << c.v;
}

TEST(ChannelLabelText, MasterLabelsFourthGroupNamesAndOff) {
  const struct {
    int32_t p;
    int16_t series;
    const char* text;
  } cases[] = {
      {0, kSeriesMV710, "00"},     {32, kSeriesMV510, "16"},     {121, kSeriesMV710, "60A"},
      {239, kSeriesMV710, "119A"}, {240, kSeriesMV710, "LMR1"},  {240, kSeriesMV510, "EXP1"},
      {240, kSeriesThird, "EXP1"}, {250, kSeriesMV710, "LMR11"}, {279, kSeriesMV510, "EXP40"},
      {280, kSeriesMV710, "Off"},  {-1, kSeriesMV710, "Off"},    {kNoChannel, kSeriesMV510, "Off"},
  };
  for (const auto& c : cases) EXPECT_EQ(ChannelLabelText(c.p, c.series), c.text) << c.p;
  EXPECT_EQ(FourthGroupText(kSeriesMV710), "LMR CH");
  EXPECT_EQ(FourthGroupText(kSeriesThird), "EXP CH");
}

TEST(TextFitting, PadCutAndDashes) {
  EXPECT_EQ(PadRight("AB", 5), "AB   ");
  EXPECT_EQ(PadRight("ABCDEFGHIJKLMN", 12), "ABCDEFGHIJKL");
  EXPECT_EQ(PadRight("", 3), "   ");
  EXPECT_EQ(PadRight("AB", 0), "");
  EXPECT_EQ(PadRight("AB", -4), "");
  EXPECT_EQ(PadOrDashes("AB", 3), "AB ");
  EXPECT_EQ(PadOrDashes("", 3), "---");
  EXPECT_EQ(PadOrDashes("", 9), "---------");
  EXPECT_EQ(PadOrDashes("", 12), "------------");
  EXPECT_EQ(PadOrDashes("   ", 3), "   ");  // blanks are text here, unlike TextOrDashes
  EXPECT_EQ(TextOrDashes(""), "----");
  EXPECT_EQ(TextOrDashes("   "), "----");
  EXPECT_EQ(TextOrDashes(" AB "), " AB ");
}

TEST(ToneText, CtcssWinsThenDcsThenDashes) {
  ChannelRecord ch;
  ch.CTCSS = {12, 0};
  ch.DCS = {5, 105};
  EXPECT_EQ(ToneText(ch, 0), "97.4Hz");
  EXPECT_EQ(ToneText(ch, 1), "I023");
  ch.CTCSS = {0, 1};
  ch.DCS = {1, 0};
  EXPECT_EQ(ToneText(ch, 0), "N023");
  EXPECT_EQ(ToneText(ch, 1), "67.0Hz");
  ch.CTCSS = {50, 0};
  ch.DCS = {0, 0};
  EXPECT_EQ(ToneText(ch, 0), "254.1Hz");
  EXPECT_EQ(ToneText(ch, 1), "-------");
  ch.CTCSS = {51, -3};
  ch.DCS = {0, -1};
  EXPECT_EQ(ToneText(ch, 0), "");  // beyond the tone list: nothing to show, no crash
  EXPECT_EQ(ToneText(ch, 1), "-------");
  EXPECT_EQ(ToneText(ch, 2), "");
}

TEST(DcsText, TwoBanks) {
  const struct {
    int i;
    const char* text;
  } cases[] = {{1, "N023"}, {104, "N754"}, {105, "I023"}, {208, "I754"},
               {0, ""},     {-1, ""},      {209, ""},     {32767, ""}};
  for (const auto& c : cases) EXPECT_EQ(DcsText(c.i), c.text) << c.i;
}

TEST(OffsetTimeList, TwentyFiveHoursWithSignOrBlank) {
  const auto& list = OffsetTimeList();
  ASSERT_EQ(list.size(), 25u);
  EXPECT_EQ(list[0], "-12:00");
  EXPECT_EQ(list[11], "-1:00");
  EXPECT_EQ(list[12], " 0:00");
  EXPECT_EQ(list[17], "+5:00");
  EXPECT_EQ(list[24], "+12:00");
}

}  // namespace
}  // namespace qw
