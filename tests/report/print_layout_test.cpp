// The printed listing against whole expected pages: an MV710 data set that shows every column,
// dashes, snapping and out-of-range values; an MV510 one without names, tones and status names.
#include "report/print_layout.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

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

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(PrintLayout, Mv710PagesWhole) {
  RadioData d = Mv710DataSet();
  const std::vector<PrintPage> pages = BuildPrintPages(d);
  ASSERT_EQ(pages.size(), 6u);
  const std::vector<std::string> header{"[0]MV710 Quaywright", ""};
  const std::string groups = "[50]USA[80]INTL[110]Canada[140]LMR CH";
  // clang-format off
  EXPECT_EQ(Shown(pages[0]), Joined(header, {
      "", "[0]##### Available CH Group Setup #####", groups,
      "[0]Enable[50]On[80]On[110]Off[140]On",
      "[0]TX TOT[50]Off[80]On[110]Off[140]On",
      "[0]Priority CH[50]16[80]LMR11[110]Off",
      "[0]Status Icon[50]On[80]Off[110]Off[140]On",
      "[0]Status name[50]USA1[80]----[110]----[140]LMRX",
      "", "[0]##### Common Setup #####", "[0][Starting TX Mode]",
      "[0]TX Po Display:[50]Lo Po on Changing CH",
      "", "[0][Scanning Function]",
      "[0]SCAN:[50]On", "[0]Resume Time:[50]2Sec", "[0]PTT SCAN Clear:[50]Off", "[0]Dual Watch:[50]On",
      "", "[0][Weather CH Function]", "[0]Weather Alert:[50]WX and SCAN",
      "", "[0]##### ATIS Setup (Common) #####", groups,
      "[0]Usable ATIS CH Group:[50]On[80]Off[110]On[140]Off",
      "[0]ATIS Code:[50]", ""}));
  EXPECT_EQ(Shown(pages[1]), Joined(header, {
      "[0]##### Programable USA Channel #####",
      "[0]CH[12]RX(MHz)[29]TX(MHz)[46]TX[54]LOW[63]UP[71]DUP[80]MEM[89]VS[97]CH Name",
      "[0]---[12]-------[29]-------[46]--[54]---[63]--[71]---[80]---[89]--[97]------------",
      "[0]01A[12]156.050[29]156.050[46]TX[54]---[63]UP[71]---[80]---[89]--[97]ABCDEFGHIJKLMN",
      "[0][12]---.---[29]---.---[46]--[54]---[63]--[71]---[80]---[89]--[97]",
      "[0]15[12]156.750[29]---.---[46]--[54]LOW[63]--[71]---[80]---[89]--[97]COMMERCIAL",
      "[0]16[12]156.800[29]156.800[46]TX[54]---[63]--[71]---[80]MEM[89] 1[97]DISTRESS",
      "[0]24[12]161.800[29]157.200[46]TX[54]---[63]--[71]DUP[80]---[89]--[97]TELEPHONE"}));
  // No channel enabled: title, column header and separator only.
  EXPECT_EQ(Shown(pages[2]), Joined(header, {
      "[0]##### Programable International Channel #####",
      "[0]CH[12]RX(MHz)[29]TX(MHz)[46]TX[54]LOW[63]UP[71]DUP[80]MEM[89]VS[97]CH Name",
      "[0]---[12]-------[29]-------[46]--[54]---[63]--[71]---[80]---[89]--[97]------------"}));
  EXPECT_EQ(Shown(pages[4]), Joined(header, {
      "[0]##### Programable WX Channel #####",
      "[0]CH[9]ENABLE[28]MEM[40]CH Name",
      "[0]--[9]-----[28]---[40]------------",
      "[0]1[9]ENABLE[28]MEM[40]162.550MHZ",
      "[0]2[9]------[28]---[40]"}));
  std::vector<std::string> fourth = Joined(header, {
      "[0]##### Programable LMR Channel #####",
      "[0]CH[7]CHD[17]ENABLE[34]RX(MHz)[53]TX(MHz)[72]LOW[82]UP[89]MEM[99]VS[106]CH Name[128]W/N[135]RXT[150]CMP[157]TXT",
      "[0]--[7]---[17]------[34]--------[53]--------[72]---[82]--[89]---[99]--[106]------------[128]--[135]-------[150]---[157]-------",
      "[0]1[7]1 A[17]ENABLE[34]156.0137[53]156.0125[72]LOW[82]--[89]MEM[99] 3[106]------------[128]N [135]I023[150]CMP[157]97.4Hz",
      "[0]2[7]   [17]------[34]---.----[53]---.----[72]---[82]--[89]---[99]--[106]------------[128]--[135]-------[150]---[157]-------",
      "[0]3[7]12 [17]ENABLE[34]462.5625[53]RX only[72]---[82]UP[89]---[99]--[106]WORKBOAT    [128]--[135]N754[150]---[157]254.1Hz"});
  // clang-format on
  for (int k = 4; k <= 40; ++k) {
    fourth.push_back(
        "[0]" + std::to_string(k) +
        "[7]   [17]------[34]---.----[53]---.----[72]---[82]--[89]---[99]--[106]-------"
        "-----[128]--[135]-------[150]---[157]-------");
  }
  EXPECT_EQ(Shown(pages[5]), fourth);

  // A continuation sheet repeats the page header, and on table pages title and column header.
  EXPECT_EQ(pages[0].repeatedLines, 2u);
  for (std::size_t p = 1; p < 6; ++p) EXPECT_EQ(pages[p].repeatedLines, 5u) << p;
}

TEST(PrintLayout, Mv510PagesStopAtMemAndHaveNoStatusNames) {
  RadioData d = EmptyDataSet(kSeriesMV510);
  d.WX.resize(2), d.FourthGroup.resize(40);
  d.UsableGroupSettings[0] = {true, true, 241, false, "ABCD"};
  d.AtisSettings.AtisCode = "12345";
  // clang-format off
  d.USA[32] = {.Position = 32, .Enable = true, .TxEnable = true, .ChTag = "NOT SHOWN", .Scramble = 6};
  d.WX[0] = {.Position = 1, .Enable = true, .ChTag = "NOT SHOWN"};
  d.FourthGroup[0] = {.Enable = true, .ChTag = "NOT SHOWN", .CTCSS = {3, 3}, .CHDisplayL = "7", .Rxfreq = 156.0075};
  // clang-format on
  const std::vector<PrintPage> pages = BuildPrintPages(d);
  ASSERT_EQ(pages.size(), 6u);
  const std::vector<std::string> first = Shown(pages[0]);
  EXPECT_EQ(first[0], "[0]MV510 Quaywright");
  EXPECT_EQ(first[4], "[50]USA[80]INTL[110]Canada[140]EXP CH");
  EXPECT_EQ(first[7], "[0]Priority CH[50]EXP2[80]Off[110]Off");
  EXPECT_EQ(first[8], "[0]Status Icon[50]Off[80]Off[110]Off[140]Off");
  EXPECT_EQ(first[9], "");  // no "Status name" row
  EXPECT_EQ(first[first.size() - 2], "[0]ATIS Code:[50]12345");

  // clang-format off
  EXPECT_EQ(Shown(pages[1])[3], "[0]CH[12]RX(MHz)[29]TX(MHz)[46]TX[54]LOW[63]UP[71]DUP[80]MEM");
  EXPECT_EQ(Shown(pages[1]).back(), "[0]16[12]156.800[29]156.800[46]TX[54]---[63]--[71]---[80]---");
  EXPECT_EQ(Shown(pages[4]), (std::vector<std::string>{
      "[0]MV510 Quaywright", "",
      "[0]##### Programable WX Channel #####",
      "[0]CH[9]ENABLE[28]MEM", "[0]--[9]-----[28]---", "[0]1[9]ENABLE[28]---", "[0]2[9]------[28]---"}));
  const std::vector<std::string> sixth = Shown(pages[5]);
  ASSERT_EQ(sixth.size(), 45u);
  EXPECT_EQ(sixth[2], "[0]##### Programable EXP Channel #####");
  EXPECT_EQ(sixth[3], "[0]CH[7]CHD[17]ENABLE[34]RX(MHz)[53]TX(MHz)[72]LOW[82]UP[89]MEM");
  EXPECT_EQ(sixth[5], "[0]1[7]7  [17]ENABLE[34]156.0075[53]---.----[72]---[82]--[89]---");
  // clang-format on
}

// Each flag set alone on a listed row whose flags are otherwise off changes its own column only.
TEST(PrintLayout, EachFlagSetAloneShowsInItsOwnColumn) {
  const std::map<std::string, std::array<const char*, 3>> expected{
      // flag: USA channel 25 (a duplex slot; listed only when enabled), weather, fourth group
      {"Enable", {"", "ENABLE=ENABLE", "ENABLE=ENABLE"}},
      {"LowPower", {"LOW=LOW", "", "LOW=LOW"}},
      {"PowUp", {"UP=UP", "", "UP=UP"}},
      {"Duplex", {"RX(MHz)=161.850 DUP=DUP", "", ""}},
      {"TxEnable", {"TX=TX", "", ""}},
      {"ScanMemory", {"MEM=MEM", "MEM=MEM", "MEM=MEM"}},
      {"RxOnly", {"TX(MHz)=---.---", "", ""}},
      {"Narrow", {"", "", "W/N=N "}},
      {"RxComp", {"", "", "CMP=CMP"}},
  };
  auto texts = [](const PrintLine& line) {
    std::vector<std::string> t;
    for (const auto& item : line) t.push_back(item.text);
    return t;
  };
  for (int page = 0; page < 3; ++page) {
    RadioData d = EmptyDataSet(kSeriesMV710);
    d.WX.resize(2), d.FourthGroup.resize(40);
    ChannelRecord& ch = page == 0 ? d.USA[50] : page == 1 ? d.WX[1] : d.FourthGroup[39];
    auto build = [&] {
      return page == 0   ? MarineTablePage(d.USA, "", d.ModelSeries)
             : page == 1 ? WeatherTablePage(d)
                         : FourthGroupTablePage(d);
    };
    ch.Enable = page == 0;
    const PrintPage base = build();
    const std::vector<std::string> header = texts(base.lines[3]);
    for (const auto& [name, flag] : test::ChannelFlags()) {
      if (page == 0 && name == "Enable") continue;
      const bool was = ch.*flag;
      ch.*flag = !was;
      const PrintPage p = build();
      ch.*flag = was;
      const auto it = expected.find(name);
      EXPECT_EQ(test::ChangedCells(header, texts(base.lines.back()), texts(p.lines.back())),
                it == expected.end() ? "" : it->second[page])
          << name << " on page " << page;
    }
  }
}

// The third variant names its channels but has no tones. A series without a row is refused.
TEST(PrintLayout, ThirdVariantHasNamesButNoTones) {
  EXPECT_THROW(BuildPrintPages(EmptyDataSet(7)), std::out_of_range);
  const std::vector<PrintPage> pages = BuildPrintPages(EmptyDataSet(kSeriesThird));
  EXPECT_EQ(Shown(pages[0])[9].rfind("[0]Status name", 0), 0u);
  EXPECT_EQ(Shown(pages[4])[3], "[0]CH[9]ENABLE[28]MEM[40]CH Name");
  EXPECT_EQ(Shown(pages[5])[2], "[0]##### Programable EXP Channel #####");
  EXPECT_EQ(pages[5].lines[3].size(), 8u);
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
