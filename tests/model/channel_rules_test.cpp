#include "model/channel_rules.h"

#include <gtest/gtest.h>

#include <tuple>

#include "model/channel_plans.h"

namespace qw {
namespace {

TEST(ChannelRules, FrequencyTexts) {
  const SeriesTraits& mv710 = Traits(kSeriesMV710);
  const SeriesTraits& third = Traits(kSeriesThird);
  using V = FrequencyVerdict;
  // text, verdict without raster, verdict on the 25 kHz raster
  const std::tuple<const char*, V, V> cases[] = {
      {"", V::Ok, V::Ok},
      {"137", V::Ok, V::Ok},
      {"174", V::Ok, V::Ok},
      {"136.9999", V::OutOfRange, V::OutOfRange},
      {"174.0001", V::OutOfRange, V::OutOfRange},
      {"174.00001", V::OutOfRange, V::OutOfRange},
      {"156.025", V::Ok, V::Ok},
      {"156.0250", V::Ok, V::Ok},
      {"156.0125", V::Ok, V::OffRaster},
      {"156.02509", V::Ok, V::Ok},  // only the whole part of f x 10000 counts
      {"156.0251", V::Ok, V::OffRaster},
      {"1.2.3", V::Malformed, V::Malformed},
      {"156,025", V::Malformed, V::Malformed},
      {"-150", V::Malformed, V::Malformed},
      {".", V::Malformed, V::Malformed},
      {"0156.5", V::Ok, V::Ok},
      {"99999999999999999999", V::Malformed, V::Malformed},
  };
  for (const auto& [text, plain, raster] : cases) {
    EXPECT_EQ(CheckFrequencyText(text, mv710).verdict, plain) << text;
    EXPECT_EQ(CheckFrequencyText(text, third).verdict, raster) << text;
  }
  EXPECT_DOUBLE_EQ(CheckFrequencyText("137", mv710).mhz, 137.0);
  EXPECT_EQ(CheckFrequencyText("", mv710).mhz, 0);
}

TEST(ChannelRules, NamesAndDisplayLetters) {
  EXPECT_TRUE(IsValidChannelName("Az9 -/*()+.,"));
  EXPECT_TRUE(IsValidChannelName("123456789012"));
  EXPECT_FALSE(IsValidChannelName("1234567890123"));
  for (const char* bad : {"A#", "A_B", "\xC3\xA9t\xC3\xA9", "a\tb", "A:B"}) {
    EXPECT_FALSE(IsValidChannelName(bad)) << bad;
  }
  EXPECT_EQ(CleanChannelName("F\xC3\xA9rry #1 to the isle"), "Frry 1 to th");
  EXPECT_TRUE(IsValidDisplayText("Ab", 2));
  EXPECT_TRUE(IsValidDisplayText("", 1));
  EXPECT_FALSE(IsValidDisplayText("AB", 2));  // B has no seven-segment form
  EXPECT_FALSE(IsValidDisplayText("a", 1));
  EXPECT_FALSE(IsValidDisplayText("123", 2));
  // Status names are padded, not refused.
  EXPECT_EQ(StatusNameToStore("X"), "   X");
  EXPECT_EQ(StatusNameToStore(" AB\t"), "  AB");
  EXPECT_EQ(StatusNameToStore("   "), "");
  EXPECT_EQ(StatusNameToStore("SHIP"), "SHIP");
}

TEST(ChannelRules, ToneTextsRoundTripThroughEveryListEntry) {
  ChannelRecord ch;
  for (int16_t i = 0; i <= 50; ++i) {
    ch.CTCSS[0] = i;
    auto back = ToneFromText(ToneListText(ch, 0));
    ASSERT_TRUE(back) << i;
    EXPECT_EQ(*back, (ToneChoice{i, 0}));
  }
  ch.CTCSS[0] = 0;
  for (int16_t i = 1; i <= 208; ++i) {
    ch.DCS[1] = i;
    auto back = ToneFromText(ToneListText(ch, 1));
    ASSERT_TRUE(back) << i;
    EXPECT_EQ(*back, (ToneChoice{0, i}));
  }
  EXPECT_EQ(ToneListText(ch, 1), "I754");
  EXPECT_EQ(ToneFromText("n023"), (ToneChoice{0, 1}));
  EXPECT_EQ(ToneFromText("67.0hz"), (ToneChoice{1, 0}));
  for (const char* bad : {"N024", "X023", "67Hz", "", "I7540"}) EXPECT_FALSE(ToneFromText(bad));
  EXPECT_EQ(CtcssIndexOfHz("88.5"), 9);
  EXPECT_EQ(CtcssIndexOfHz("254.1"), 50);
  EXPECT_FALSE(CtcssIndexOfHz("88.0"));
}

}  // namespace
}  // namespace qw
