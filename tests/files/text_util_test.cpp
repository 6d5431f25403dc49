#include "files/text_util.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

TEST(Conversions, SixteenBitIntegersRoundHalfToEvenAndCheckTheRange) {
  struct Case {
    const char* text;
    std::optional<int16_t> expected;
  } cases[] = {
      {"0", 0},         {" 12 ", 12},       {"-7", -7},      {"+3", 3},     {"2.5", 2},
      {"3.5", 4},       {"-2.5", -2},       {"2.51", 3},     {"0,5", 0},    {"1,5", 2},
      {"32767", 32767}, {"-32768", -32768}, {"32767.5", {}}, {"32768", {}}, {"-32769", {}},
      {"", {}},         {"abc", {}},        {"1x", {}},      {"1.2.3", {}}, {"--1", {}},
      {"1e3", 1000},    {"inf", {}},        {"nan", {}},     {".", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseInt16(c.text), c.expected) << '"' << c.text << '"';
  }
  EXPECT_EQ(ParseInt32("65535"), 65535);
  EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
  EXPECT_EQ(ParseInt32("2147483648"), std::nullopt);
  EXPECT_EQ(ParseInt32("-65535"), -65535);
}

TEST(Conversions, BooleansAreNumbersOrTrueFalseInAnyCase) {
  struct Case {
    const char* text;
    std::optional<bool> expected;
  } cases[] = {
      {"1", true},    {"0", false},   {"-1", true},     {"0.4", true},
      {"TRUE", true}, {"true", true}, {"False", false}, {" fAlSe ", false},
      {"", {}},       {"yes", {}},    {"T", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseBool(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(Conversions, NumbersTakeEitherDecimalSeparator) {
  EXPECT_EQ(ParseNumber("156.05"), 156.05);
  EXPECT_EQ(ParseNumber("156,05"), 156.05);
  EXPECT_EQ(ParseNumber("  -0.5 "), -0.5);
  EXPECT_EQ(ParseNumber("1e400"), std::nullopt);
  EXPECT_EQ(ParseNumber("156.05 MHz"), std::nullopt);
}

TEST(Conversions, LeadingNumberReadsUpToTheFirstOddCharacter) {
  EXPECT_EQ(LeadingNumber("12abc"), 12);
  EXPECT_EQ(LeadingNumber("  7.5x"), 7.5);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("-3"), -3);
  EXPECT_GT(LeadingNumber("99999999999999999999"), 32767);
}

TEST(TextHelpers, SplitListTrimsEveryPiece) {
  EXPECT_EQ(SplitList("USA, INTL, Canada, EXP CH"),
            (std::vector<std::string>{"USA", "INTL", "Canada", "EXP CH"}));
  EXPECT_EQ(SplitList(""), (std::vector<std::string>{""}));
  EXPECT_EQ(SplitList("a,,b "), (std::vector<std::string>{"a", "", "b"}));
}

TEST(TextHelpers, CaseFoldingIsAsciiOnly) {
  EXPECT_TRUE(EqualsIgnoringCase("chusa0", "CHUSA0"));
  EXPECT_FALSE(EqualsIgnoringCase("chusa0", "CHUSA1"));
  EXPECT_TRUE(LessIgnoringCase("eur", "USA"));
  EXPECT_FALSE(LessIgnoringCase("USA", "eur"));
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
}

}  // namespace
}  // namespace qw
