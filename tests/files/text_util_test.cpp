#include "files/text_util.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

TEST(Conversions, IntegersRoundHalfToEvenAndCheckTheirRange) {
  struct Case {
    const char* text;
    std::optional<int16_t> expected;
  } cases[] = {
      {" 12 ", 12},  {"+3", 3},     {"2.5", 2},       {"3.5", 4},         {"-2.5", -2},
      {"1,5", 2},    {"1e3", 1000}, {"32767", 32767}, {"-32768", -32768}, {"32767.5", {}},
      {"32768", {}}, {"", {}},      {"1x", {}},       {"1.2.3", {}},      {"inf", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseInt16(c.text), c.expected) << c.text;
  EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
  EXPECT_EQ(ParseInt32("2147483648"), std::nullopt);
}

TEST(Conversions, BooleansAreNumbersOrTrueFalseAndNumbersTakeEitherSeparator) {
  struct Case {
    const char* text;
    std::optional<bool> expected;
  } cases[] = {{"1", true},    {"0", false},       {"-1", true}, {"0.4", true},
               {"tRuE", true}, {" False ", false}, {"", {}},     {"yes", {}}};
  for (const Case& c : cases) EXPECT_EQ(ParseBool(c.text), c.expected) << c.text;
  EXPECT_EQ(ParseNumber("156,05"), 156.05);
  EXPECT_EQ(ParseNumber(" -0.5 "), -0.5);
  EXPECT_EQ(ParseNumber("1e400"), std::nullopt);
  EXPECT_EQ(ParseNumber("156.05 MHz"), std::nullopt);
}

}  // namespace
}  // namespace qw
