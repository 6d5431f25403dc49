#include "files/text_util.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

// The reader tests see rounding and the separators through whole files; these are the range
// and syntax edges that no file case reaches.
TEST(Conversions, RangeAndSyntaxEdgesGiveNoValue) {
  struct Case {
    const char* text;
    std::optional<int16_t> expected;
  } cases[] = {{"-2.5", -2},    {"1e3", 1000}, {"32767", 32767}, {"-32768", -32768},
               {"32767.5", {}}, {"32768", {}}, {"1x", {}},       {"inf", {}}};
  for (const Case& c : cases) EXPECT_EQ(ParseInt16(c.text), c.expected) << c.text;
  EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
  EXPECT_EQ(ParseInt32("2147483648"), std::nullopt);
  EXPECT_EQ(ParseBool("0.4"), true);
  EXPECT_EQ(ParseBool(" False "), false);
  EXPECT_EQ(ParseNumber("1e400"), std::nullopt);
  EXPECT_EQ(ParseNumber("156.05 MHz"), std::nullopt);
}

}  // namespace
}  // namespace qw
