// The printed listing against whole expected pages (golden/, one "[x]text" line per printed
// line): an MV710 data set that shows every column, dashes, snapping and out-of-range values; an
// MV510 one without names, tones and status names.
#include "report/print_layout.h"

#include <gtest/gtest.h>

#include "report/print_sections.h"
#include "tests/report/report_data.h"

// The data sets name only the fields that matter; the rest keep their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace qw {
namespace {

using test::EmptyDataSet;
using test::Mv710DataSet;

// A page as text: each item as "[x]text", one string per line ("" for a blank line).
std::vector<std::string> Shown(const PrintPage& page) {
  std::vector<std::string> lines;
  for (const auto& line : page.lines) {
    std::string text;
    for (const auto& item : line) text += "[" + std::to_string(item.x) + "]" + item.text;
    lines.push_back(text);
  }
  return lines;
}

// All pages as text, each after a line that says how many of its leading lines a continuation
// sheet repeats.
std::string Listing(const std::vector<PrintPage>& pages) {
  std::string text;
  for (const PrintPage& page : pages) {
    text += "=== page; a further sheet repeats " + std::to_string(page.repeatedLines) + " lines\n";
    for (const std::string& line : Shown(page)) text += line + "\n";
  }
  return text;
}

// Each series' pages whole, against their files: the MV710 data set shows every column, the
// MV510 one stops at MEM and has no status names, the third variant names its channels but has
// no tones. A series without a row is refused.
TEST(PrintLayout, EachSeriesPagesWholeAsInTheirFiles) {
  EXPECT_THROW(BuildPrintPages(EmptyDataSet(7)), std::out_of_range);
  RadioData mv510 = EmptyDataSet(kSeriesMV510);
  mv510.WX.resize(2), mv510.FourthGroup.resize(40);
  mv510.UsableGroupSettings[0] = {true, true, 241, false, "ABCD"};
  mv510.AtisSettings.AtisCode = "12345";
  // clang-format off
  mv510.USA[32] = {.Position = 32, .Enable = true, .TxEnable = true, .ChTag = "NOT SHOWN", .Scramble = 6};
  mv510.WX[0] = {.Position = 1, .Enable = true, .ChTag = "NOT SHOWN"};
  mv510.FourthGroup[0] = {.Enable = true, .ChTag = "NOT SHOWN", .CTCSS = {3, 3}, .CHDisplayL = "7", .Rxfreq = 156.0075};
  // clang-format on
  for (const auto& [d, name] :
       {std::pair{Mv710DataSet(), "mv710_pages.txt"}, std::pair{mv510, "mv510_pages.txt"},
        std::pair{EmptyDataSet(kSeriesThird), "third_pages.txt"}}) {
    EXPECT_EQ(Listing(BuildPrintPages(d)), test::Golden(name)) << name;
  }
}

// A continuation sheet repeats the page's leading lines and always makes progress.
TEST(PrintLayout, LongPagesContinueOnSheetsThatRepeatTheirHeader) {
  PrintPage page;
  page.lines.resize(12), page.repeatedLines = 2;
  using Sheets = std::vector<std::vector<std::size_t>>;
  EXPECT_EQ(SheetsOfPage(page, 5),
            (Sheets{{0, 1, 2, 3, 4}, {0, 1, 5, 6, 7}, {0, 1, 8, 9, 10}, {0, 1, 11}}));
  EXPECT_EQ(SheetsOfPage(page, 12).size(), 1u);
  // Paper too small even for the repeated lines: one row per sheet, never an endless loop.
  EXPECT_EQ(SheetsOfPage(page, 0).size(), 10u);
  EXPECT_EQ(SheetsOfPage(page, 0)[1], (std::vector<std::size_t>{0, 1, 3}));
  EXPECT_EQ(SheetsOfPage(PrintPage{}, 5), Sheets{{}});
  EXPECT_EQ(ColumnPositions("0,12, 5 ,7", {2}), (std::vector<int>{0, 12, 19}));
}

}  // namespace
}  // namespace qw
