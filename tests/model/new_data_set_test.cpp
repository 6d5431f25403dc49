#include <gtest/gtest.h>

#include "model/channel_plans.h"
#include "model/image_codec.h"

namespace qw {
namespace {

TEST(NewDataSet, BuildsForEverySeries) {
  for (int16_t series : {kSeriesThird, kSeriesMV510, kSeriesMV710}) {
    RadioData d;
    BuildNewDataSet(d, series);
    EXPECT_EQ(d.USA.size(), 240u);
    EXPECT_TRUE(d.USA[32].Enable);
    EXPECT_EQ(d.USA[32].ChTag, "DISTRESS");
  }
}

}  // namespace
}  // namespace qw
