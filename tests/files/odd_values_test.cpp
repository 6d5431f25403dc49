// Values a data set holds that the radio cannot store: found by a trip through the image.
#include "files/odd_values.h"

#include <gtest/gtest.h>

#include "model/channel_plans.h"

namespace qw {
namespace {

TEST(OddValues, EachIsNamedWithWhatTheRadioWillStore) {
  RadioData d;
  for (int16_t series : {kSeriesMV510, kSeriesMV710, kSeriesThird}) {
    BuildNewDataSet(d, series);
    EXPECT_EQ(FindOddValues(d), std::vector<OddValue>{}) << series;
  }
  d.CommonSettings.ResumeTime = -7;
  d.CommonSettings.Weater = 300;
  d.CommonSettings.TxPoDisplay = 500;
  d.USA[21].Scramble = 32;
  d.FourthGroup[2].Txfreq = 201.5;
  d.AtisSettings.AtisCode = "12AB";
  d.DscSettings.UserMmsi = "ABC";
  // In the order of the data model, each with what comes back from the radio's memory.
  const std::vector<std::string> expected = {
      "CommonSettings.TxPoDisplay = 500 (the radio will store 244)",
      "CommonSettings.ResumeTime = -7 (the radio will store 1)",
      "CommonSettings.Weater = 300 (the radio will store 0)",
      "DscSettings.UserMmsi = \"ABC\" (the radio will store \"\")",
      "AtisSettings.AtisCode = \"12AB\" (the radio will store \"12\")",
      "USA[21].Scramble = 32 (the radio will store 0)",
      "FourthGroup[2].Txfreq = 201.5 (the radio will store 0)",
  };
  EXPECT_EQ(OddValueLines(FindOddValues(d)), expected);
}

}  // namespace
}  // namespace qw
