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
      {"156.0125", V::Ok, V::OffRaster},
      {"156.02509", V::Ok, V::Ok},  // only the whole part of f x 10000 counts
      {"156.0251", V::Ok, V::OffRaster},
      {"1.2.3", V::Malformed, V::Malformed},
      {"156,025", V::Malformed, V::Malformed},
      {"-150", V::Malformed, V::Malformed},
      {".", V::Malformed, V::Malformed},
      {"0156.5", V::Ok, V::Ok},
      {"156.025000000000", V::Ok, V::Ok},  // sixteen characters are read, seventeen are not
      {"156.0250000000000", V::Malformed, V::Malformed},
  };
  for (const auto& [text, plain, raster] : cases) {
    EXPECT_EQ(CheckFrequencyText(text, mv710).verdict, plain) << text;
    EXPECT_EQ(CheckFrequencyText(text, third).verdict, raster) << text;
  }
  EXPECT_DOUBLE_EQ(CheckFrequencyText("137", mv710).mhz, 137.0);
  EXPECT_EQ(CheckFrequencyText("", mv710).mhz, 0);
}

// Every byte against the radio's character sets, written out here rather than taken from the
// rules: letters, digits and " -/*()+.," in names; the digits and the twelve letters a seven-
// segment display can show.
TEST(ChannelRules, NamesAndDisplayLetters) {
  const std::string nameChars =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 -/*()+.,";
  const std::string displayChars = "0123456789AbCdEFHLnPtU";
  for (int i = 0; i < 256; ++i) {
    const char c = static_cast<char>(i);
    const std::string one(1, c);
    EXPECT_EQ(IsValidChannelName("x" + one), nameChars.find(c) != std::string::npos) << i;
    EXPECT_EQ(IsValidDisplayText("1" + one, 2), displayChars.find(c) != std::string::npos) << i;
  }
  EXPECT_TRUE(IsValidChannelName("123456789012"));
  EXPECT_FALSE(IsValidChannelName("1234567890123"));
  EXPECT_EQ(CleanChannelName("F\xC3\xA9rry #1 to the isle"), "Frry 1 to th");
  EXPECT_TRUE(IsValidDisplayText("", 1));
  EXPECT_FALSE(IsValidDisplayText("123", 2));
  // Status names are padded, not refused.
  for (auto [name, stored] :
       {std::pair{"X", "   X"}, {" AB\t", "  AB"}, {"   ", ""}, {"SHIP", "SHIP"}})
    EXPECT_EQ(StatusNameToStore(name), stored) << name;
}

TEST(ChannelRules, ToneAndScramblerTextsRoundTripAndLocks) {
  // CTCSS 0..50 on the receive side, then DCS 1..208 on the transmit side.
  ChannelRecord ch;
  for (int k = 0; k <= 50 + 208; ++k) {
    const bool dcs = k > 50;
    const auto i = static_cast<int16_t>(dcs ? k - 50 : k);
    (dcs ? ch.DCS[1] : ch.CTCSS[0]) = i;
    EXPECT_EQ(ToneFromText(ToneListText(ch, dcs)), (dcs ? ToneChoice{0, i} : ToneChoice{i, 0}))
        << k;
    if (k == 50) ch.CTCSS[0] = 0;
  }
  EXPECT_EQ(ToneListText(ch, 1), "I754");
  EXPECT_EQ(ToneFromText("n023"), (ToneChoice{0, 1}));
  EXPECT_EQ(ToneFromText("67.0hz"), (ToneChoice{1, 0}));
  for (const char* bad : {"N024", "X023", "67Hz", "", "I7540"}) EXPECT_FALSE(ToneFromText(bad));
  EXPECT_EQ(CtcssIndexOfHz("88.5"), 9);
  EXPECT_EQ(CtcssIndexOfHz("254.1"), 50);
  EXPECT_FALSE(CtcssIndexOfHz("88.0"));

  // Scrambler texts, and the locks, which hold in the marine groups only: on channel 16 (slot 32)
  // for the scrambler and on channel 70 (slot 140) for both.
  const char* const scramble[] = {"Off", "Off", "Off", "Off", "0", "1", "2", "3"};
  for (int16_t v = 0; v < 8; ++v) {
    EXPECT_EQ(ScrambleListText(v), scramble[v]);
    EXPECT_EQ(ScrambleFromText(scramble[v]), v < 4 ? 0 : v);
  }
  for (const char* bad : {"4", "/", "", "00", "Of"}) EXPECT_FALSE(ScrambleFromText(bad)) << bad;
  for (int group = 0; group <= 3; ++group) {
    for (int slot : {31, 32, 33, 139, 140, 141}) {
      const bool marine = group < 3;
      EXPECT_EQ(IsScramblerLocked(group, slot), marine && (slot == 32 || slot == 140));
      EXPECT_EQ(IsScanMemoryLocked(group, slot), marine && slot == 140);
    }
  }
  // A channel that is on needs a receive frequency and both left display characters.
  const std::tuple<bool, double, const char*, bool> complete[] = {
      {false, 0, "", true},   {true, 156.025, "12", true}, {true, 156.025, "1", false},
      {true, 0, "12", false}, {true, 0.5, "123", true},
  };
  for (const auto& [enable, rx, left, ok] : complete) {
    ChannelRecord ch;
    ch.Enable = enable, ch.Rxfreq = rx, ch.CHDisplayL = left;
    EXPECT_EQ(IsProgrammableChannelComplete(ch), ok) << enable << rx << left;
  }
}

}  // namespace
}  // namespace qw
