#include "files/data_delta.h"

#include <gtest/gtest.h>

#include "tests/support/radio_data.h"

namespace qw {
namespace {

using test::NewData;

// A small edit and a whole data set of the other series, with a list of another length.
TEST(DataDelta, SwapsBackAndForthAndHoldsOnlyWhatDiffers) {
  const RadioData before = NewData(kSeriesMV710);
  RadioData edited = before, mv510 = NewData(kSeriesMV510);
  edited.USA[32].ChTag = "MAYDAY";
  edited.WX[3].Enable = false;
  edited.CommonSettings.Scan = !edited.CommonSettings.Scan;
  mv510.WX.resize(3);  // held whole
  for (const RadioData& after : {edited, mv510}) {
    DataDelta delta(before, after);
    RadioData d = after;
    delta.SwapWith(d);
    EXPECT_EQ(d, before);
    delta.SwapWith(d);
    EXPECT_EQ(d, after);
  }
  EXPECT_LT(DataDelta(before, edited).Bytes(), 8000u);  // two records and the settings, no image
  // Against a new data set of the other series: the image and a few plan records.
  EXPECT_LT(DataDelta(before, NewData(kSeriesMV510)).Bytes(), 40000u);
  EXPECT_TRUE(DataDelta(before, before).Empty());
}

TEST(DataDelta, AbsorbedStepsTakeBackToTheFirstState) {
  const RadioData a = NewData(kSeriesMV710);
  RadioData b = a, c;
  b.USA[32].ChTag = "M";
  b.INTL[10].Enable = true;
  c = b;
  c.USA[32].ChTag = "MA";
  c.FourthGroup[0].Enable = true;
  c.WX.pop_back();
  c.RadioImage[100] ^= 1;

  DataDelta first(a, b);
  first.Absorb(DataDelta(b, c));
  RadioData d = c;
  first.SwapWith(d);
  EXPECT_EQ(d, a);
  first.SwapWith(d);
  EXPECT_EQ(d, c);
}

}  // namespace
}  // namespace qw
