#include "files/data_delta.h"

#include <gtest/gtest.h>

#include "model/channel_plans.h"

namespace qw {
namespace {

RadioData NewData(int16_t series) {
  RadioData d;
  BuildNewDataSet(d, series);
  return d;
}

TEST(DataDelta, SwapsBackAndForthAndHoldsOnlyWhatDiffers) {
  const RadioData before = NewData(kSeriesMV710);
  RadioData after = before;
  after.USA[32].ChTag = "MAYDAY";
  after.WX[3].Enable = false;
  after.CommonSettings.Scan = !after.CommonSettings.Scan;

  DataDelta delta(before, after);
  EXPECT_LT(delta.Bytes(), 8000u);  // two records and the settings, no image
  RadioData d = after;
  delta.SwapWith(d);
  EXPECT_EQ(d, before);
  delta.SwapWith(d);
  EXPECT_EQ(d, after);

  EXPECT_TRUE(DataDelta(before, before).Empty());
}

TEST(DataDelta, WholeDataSetsAcrossSeriesAndListLengths) {
  const RadioData mv710 = NewData(kSeriesMV710);
  RadioData mv510 = NewData(kSeriesMV510);
  mv510.WX.resize(3);  // a list of another length is held whole
  DataDelta delta(mv710, mv510);
  RadioData d = mv510;
  delta.SwapWith(d);
  EXPECT_EQ(d, mv710);
  delta.SwapWith(d);
  EXPECT_EQ(d, mv510);
  // A new data set against a new one of the other series: the image and a few plan records.
  EXPECT_LT(DataDelta(mv710, NewData(kSeriesMV510)).Bytes(), 40000u);
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
