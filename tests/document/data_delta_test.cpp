#include "document/data_delta.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/radio_data.h"

namespace qw {
namespace {

using test::NewData;

// An edit in the settings parts the editor's random undo histories leave alone, in the first and
// last record of every list, and a whole data set of the other series with a list of another
// length: each swaps back and forth.
TEST(DataDelta, SwapsBackAndForthAndHoldsOnlyWhatDiffers) {
  const RadioData before = NewData(kSeriesMV710);
  const std::vector<std::function<void(RadioData&)>> edits{
      [](RadioData& d) { d.ModelSeries = kSeriesThird; },
      [](RadioData& d) { d.ImageLast = 100; },
      [](RadioData& d) { d.DscSettings.UserMmsi = "1"; },
      [](RadioData& d) { d.MemoryDirectory.back().TagName = "A"; },
      [](RadioData& d) { d.GroupDirectory.front().TagName = "B"; },
      [](RadioData& d) { d.RadioImage.back() ^= 1; },
      [](RadioData& d) {
        for (auto* list : {&d.USA, &d.INTL, &d.CANADA, &d.FourthGroup, &d.WX}) {
          list->front().ChTag = "FIRST";
          list->back().ChTag = "LAST";
        }
      },
      [](RadioData& d) {
        d = NewData(kSeriesMV510);
        d.USA.resize(239);  // lists of another length are held whole, the first and the last
        d.WX.resize(3);
      },
  };
  for (std::size_t k = 0; k < edits.size(); ++k) {
    RadioData after = before;
    edits[k](after);
    DataDelta delta(before, after);
    EXPECT_FALSE(delta.Empty()) << k;
    RadioData d = after;
    delta.SwapWith(d);
    EXPECT_EQ(d, before) << k;
    delta.SwapWith(d);
    EXPECT_EQ(d, after) << k;
  }
  RadioData edited = before;
  edited.USA[32].ChTag = "MAYDAY", edited.CommonSettings.Scan = !edited.CommonSettings.Scan;
  EXPECT_LT(DataDelta(before, edited).Bytes(), 8000u);  // a record and the settings, no image
  // Against a new data set of the other series: the image and a few plan records.
  EXPECT_LT(DataDelta(before, NewData(kSeriesMV510)).Bytes(), 40000u);
  EXPECT_TRUE(DataDelta(before, before).Empty());
}

// A later step's records are kept unless the earlier step holds the same record: same list and
// same index, not either alone.
TEST(DataDelta, AbsorbedStepsTakeBackToTheFirstState) {
  const RadioData a = NewData(kSeriesMV710);
  RadioData b = a, c;
  b.USA[0].ChTag = "M", b.INTL[10].Enable = true;
  c = b;
  c.USA[0].ChTag = "MA", c.USA[239].ChTag = "SAME LIST", c.CANADA[10].ChTag = "SAME INDEX";
  c.FourthGroup[0].Enable = true, c.RadioImage[100] ^= 1;
  c.WX.pop_back(), c.USA.pop_back();  // any list may change its length, the first too

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
