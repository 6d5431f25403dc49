// The text report against hand-made expected files (golden/, compared byte for byte with their
// trailing blanks and CR LF): one small data set per main series that shows column widths, cut
// texts, dashes, tones and out-of-range values; then the sections only the third variant shows.
#include "report/text_report.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/report/report_data.h"

// The data sets name only the fields that matter; the rest keep their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace qw {
namespace {

using test::EmptyDataSet;
using test::Mv710DataSet;

// Adds what only a hand-edited file holds, which must show as blanks or dashes (the sanitizer
// build checks that nothing is read out of bounds): a negative Position, and in the second
// fourth-group entry a huge but finite frequency (written out in full, then cut to its column),
// an infinite one and tone indexes beyond the lists. The list ends after the third entry.
RadioData TextDataSet() {
  RadioData d = Mv710DataSet();
  d.AtisSettings.AtisCode = "123456789";
  d.USA[6] = {.Position = -1, .Enable = true};
  d.CANADA[121] = {.Position = 121, .Enable = true, .TxEnable = true};  // 60A without a tag
  d.WX[1].ChTag = "LONG WX NAME TAG";
  d.FourthGroup[1] = {.DCS = {-5, 30000},
                      .CTCSS = {300, -5},
                      .Txfreq = std::numeric_limits<double>::infinity(),
                      .Rxfreq = 1e300};
  d.FourthGroup.resize(3);
  return d;
}

// The MV510 series shows no names, scrambler, tones or status names, whatever the data set holds.
RadioData Mv510DataSet() {
  RadioData d = EmptyDataSet(kSeriesMV510);
  d.UsableGroupSettings = {{{true, true, 241, false, "ABCD"},
                            {false, false, 0, true, ""},
                            {true, false, 279, false, ""},
                            {false, true, kNoChannel, true, ""}}};
  d.CommonSettings = {3, false, -1, true, false, 3, 1, 0, true};  // coded values out of range
  d.AtisSettings.UsableAtisGroup = {false, false, false, true};
  // clang-format off
  d.USA[32] = {.Position = 32, .Enable = true, .Duplex = true, .TxEnable = true, .ChTag = "DISTRESS", .Scramble = 6};
  d.INTL[1] = {.Position = 1, .Enable = true};
  d.WX = {{.Position = 1, .Enable = true, .ScanMemory = true, .ChTag = "162.550MHZ"}};
  d.FourthGroup = {{.Enable = true, .ChTag = "NOT SHOWN", .Scramble = 4, .CHDisplayL = "7", .Rxfreq = 156.0075},
                   {.Enable = true, .TxEnable = true, .ScanMemory = true, .CHDisplayR = "B", .Txfreq = 1234.56789, .Rxfreq = 25}};
  // clang-format on
  return d;
}

RadioData ThirdVariantDataSet(int16_t series) {
  RadioData d = EmptyDataSet(series);
  d.CommonSettings.OffsetTime = 17, d.DscSettings.DscGroup = {true, false, true};
  d.DscSettings.BeepOut = {true, false, false, false, false, false, false, true};
  d.AtisSettings.AtisKillerGroup = {false, true, false, true};
  d.AtisSettings.AtisCallSign[0] = {"366", "USA"}, d.AtisSettings.AtisCallSign[19] = {"316", ""};
  d.MemoryDirectory[0] = {true, "HARBOUR", "366999999"};
  // The third variant has no tone columns: the tones are never shown.
  d.FourthGroup = {{.Enable = true, .ChTag = "WORKBOAT", .Scramble = 6, .CTCSS = {12, 12}}};
  return d;
}

// Each series' report as its text file holds it (the MV510 shows no names, scrambler, tones or
// status names, whatever the data set holds; the third variant adds its sections). A series
// without a row is refused rather than reported as some other series.
TEST(TextReport, EachSeriesReportWholeAsItsTextFile) {
  EXPECT_THROW(BuildTextReport(ThirdVariantDataSet(7)), std::out_of_range);
  for (const auto& [d, name] :
       {std::pair{TextDataSet(), "mv710_report.txt"}, std::pair{Mv510DataSet(), "mv510_report.txt"},
        std::pair{ThirdVariantDataSet(kSeriesThird), "third_report.txt"}}) {
    const std::string report = BuildTextReport(d);
    EXPECT_EQ(TextFileContent(report), test::Golden(name)) << name;
    EXPECT_EQ(TextFileContent(report), report + "\r\n");
  }
}

}  // namespace
}  // namespace qw
