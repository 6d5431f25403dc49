// The grid text that the editor shows, Ctrl+C copies and the command line prints: whole rows
// of the built-in plans, the series' column sets, and a fourth group with tones, snapping and
// repeated display texts; and the columns of the grids and the printed pages flag by flag.
#include "report/channel_grid.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

#include "report/print_sections.h"
#include "tests/report/report_data.h"
#include "tests/support/radio_data.h"

namespace qw {
namespace {

// One row as the clipboard and the command line carry it, without the header.
std::string Row(const GridText& t, std::size_t i) {
  const std::string text = GridTsv(t, {i});
  return text.substr(text.find('\n') + 1);
}

TEST(ChannelGrid, RowsOfANewDataSetFollowTheTableAndTheChannelFlags) {
  RadioData d = test::NewData(kSeriesMV710);
  d.USA[33].ScanMemory = true;
  d.USA[33].Scramble = 6;
  const GridText usa = BuildGridText(d, kGroupUSA);
  ASSERT_EQ(usa.rows.size(), 240u);
  EXPECT_EQ(GridTsv(usa, {0}),
            "CH\tRX[MHz]\tTX[MHz]\tTX\tLOW\tUP\tDUP\tMEM\tVS\tCH Name\n"
            "00\t156.000\t156.000\tTX\t---\t--\t---\t---\t--\t\n");
  EXPECT_EQ(Row(usa, 33), "16A\t156.800\t156.800\tTX\t---\t--\t---\tMEM\t 2\t\n");
  EXPECT_EQ(Row(usa, 50), "25\t161.850\t157.250\tTX\t---\t--\tDUP\t---\t--\tTELEPHONE\n");
  EXPECT_EQ(Row(usa, 239), "119A\t158.975\t158.975\tTX\t---\t--\t---\t---\t--\t\n");
  EXPECT_EQ(BuildGridText(d, kGroupCANADA).rows[26][4], "LOW");  // 13 is low power in CANADA
  EXPECT_EQ(BuildGridText(d, kGroupINTL).rows[26][4], "---");    // but not in INTL

  // The fourth group's cells: tones, display texts and the frequency as stored.
  ChannelRecord& a = d.FourthGroup[0];
  a.Enable = a.Narrow = a.RxComp = true, a.ChTag = "HARBOUR";
  a.CHDisplayL = "7", a.CHDisplayR = "A";
  a.Rxfreq = 156.0137;  // off both rasters: shown as held, never moved by showing it
  a.Txfreq = 160.6, a.TxEnable = true;  // as a radio gives it
  a.CTCSS = {13, 0}, a.DCS = {5, 105};  // TX CTCSS wins; RX second bank
  d.FourthGroup[1] = a;                 // same display text in the next row, but receive only
  d.FourthGroup[1].TxEnable = d.FourthGroup[1].Enable = false;
  const GridText t = BuildGridText(d, kGroupFourth);
  EXPECT_EQ(Row(t, 0),
            "1\t[Enable]\t7 A\t156.0137\t160.6000\t---\t--\t---\t--\tHARBOUR\tN \tI023\tCMP\t"
            "100.0Hz\n");
  EXPECT_EQ(t.rows[1][0], "2");
  EXPECT_EQ(t.rows[1][4], "RX only");
  ASSERT_EQ(t.enabled.size(), 40u);  // the editor greys the rows of channels that are off
  EXPECT_TRUE(t.enabled[0] && !t.enabled[1]);
  EXPECT_DOUBLE_EQ(d.FourthGroup[0].Rxfreq, 156.0137);
}

TEST(ChannelGrid, TheMV510ShowsNeitherNamesNorScramblerNorTones) {
  for (int16_t series : {kSeriesMV510, kSeriesMV710, kSeriesThird}) {
    RadioData d = test::NewData(series);
    const bool full = series != kSeriesMV510;
    EXPECT_EQ(BuildGridText(d, kGroupUSA).header.size(), full ? 10u : 8u) << series;
    EXPECT_EQ(
        GridTsv(BuildGridText(d, kGroupFourth), {39}),
        full ? "CH\tENABLE\tDISP\tRX[MHz]\tTX[MHz]\tLOW\tUP\tMEM\tVS\tCH Name\tW/N\tRxTone\t"
               "Comp\tTxTone\n40\t\t   \t---.----\t---.----\t---\t--\t---\t--\t\t--\tOff\t---\t"
               "Off\n"
             : "CH\tENABLE\tDISP\tRX[MHz]\tTX[MHz]\tLOW\tUP\tMEM\n"
               "40\t\t   \t---.----\t---.----\t---\t--\t---\n")
        << series;
  }
}

// Each flag set alone on a row whose flags are all off changes its own column and no other, in
// the grids and on the printed pages.
TEST(ChannelColumns, EachFlagSetAloneShowsInItsOwnColumnOfTheGridsAndThePrintedPages) {
  // flag: the grids of USA channel 25 (a duplex slot), the fourth group and weather; the printed
  // pages of USA 25 (listed only when enabled, so Enable stays on), weather and the fourth group
  const std::map<std::string, std::array<const char*, 6>> expected{
      {"Enable", {"", "ENABLE=[Enable]", "ENABLE=1", "", "ENABLE=ENABLE", "ENABLE=ENABLE"}},
      {"LowPower", {"LOW=LOW", "LOW=LOW", "", "LOW=LOW", "", "LOW=LOW"}},
      {"PowUp", {"UP=UP", "UP=UP", "", "UP=UP", "", "UP=UP"}},
      {"Duplex", {"RX[MHz]=161.850 DUP=DUP", "", "", "RX(MHz)=161.850 DUP=DUP", "", ""}},
      {"TxEnable", {"TX=TX", "", "", "TX=TX", "", ""}},
      {"ScanMemory", {"MEM=MEM", "MEM=MEM", "MEM=1", "MEM=MEM", "MEM=MEM", "MEM=MEM"}},
      {"RxOnly", {"TX[MHz]=---.---", "", "", "TX(MHz)=---.---", "", ""}},
      {"Narrow", {"", "W/N=N ", "", "", "", "W/N=N "}},
      {"RxComp", {"", "Comp=CMP", "", "", "", "CMP=CMP"}},
  };
  using Cells = std::pair<std::vector<std::string>, std::vector<std::string>>;  // header, row
  auto texts = [](const PrintLine& line) {
    std::vector<std::string> t;
    for (const auto& item : line) t.push_back(item.text);
    return t;
  };
  for (int view = 0; view < 6; ++view) {
    const bool printed = view >= 3;
    RadioData d = printed ? test::EmptyDataSet(kSeriesMV710) : test::NewData(kSeriesMV710);
    d.WX.resize(printed ? 2 : d.WX.size()), d.FourthGroup.resize(40);
    const int grids[] = {kGroupUSA, kGroupFourth, kGridWeather};
    ChannelRecord& ch = view % 3 == 0 ? d.USA[50]
                        : view == 1   ? d.FourthGroup[1]
                        : view == 5   ? d.FourthGroup[39]
                                      : d.WX[1];
    auto cells = [&] {
      if (!printed) {
        const GridText t = BuildGridText(d, grids[view]);
        return Cells{t.header, t.rows[view == 0 ? 50 : 1]};
      }
      const PrintPage p = view == 3   ? MarineTablePage(d.USA, "", d.ModelSeries)
                          : view == 4 ? WeatherTablePage(d)
                                      : FourthGroupTablePage(d);
      return Cells{texts(p.lines[3]), texts(p.lines.back())};
    };
    for (const auto& [name, flag] : test::ChannelFlags()) ch.*flag = false;
    ch.Enable = view == 3;
    const Cells base = cells();
    for (const auto& [name, flag] : test::ChannelFlags()) {
      if (view == 3 && name == "Enable") continue;
      ch.*flag = true;
      const Cells changed = cells();
      ch.*flag = false;
      const auto it = expected.find(name);
      EXPECT_EQ(test::ChangedCells(base.first, base.second, changed.second),
                it == expected.end() ? "" : it->second[view])
          << name << " in view " << view;
    }
  }
}

TEST(ChannelGrid, WeatherRowsAndTheNamesOfTheGrids) {
  RadioData d = test::NewData(kSeriesMV510);
  d.WX[1].ScanMemory = true;
  d.WX[1].Enable = false;
  d.WX[2].Position = 11, d.WX[3].Position = 0;  // no such weather channel: no label, no crash
  EXPECT_EQ(GridTsv(BuildGridText(d, kGridWeather), {0, 1, 2, 3, 9, 99}),
            "CH\tENABLE\tMEM\tCH Name\n"
            "WX01[162.550MHz]\t1\t0\t162.550MHZ\n"
            "WX02[162.400MHz]\t0\t1\t162.400MHZ\n"
            "\t1\t0\t162.475MHZ\n"
            "\t1\t0\t162.425MHZ\n"
            "WX10[163.275MHz]\t1\t0\t163.275MHZ\n");
  for (int g = 0; g < kGridCount; ++g) EXPECT_EQ(GridFromName(GridName(g)), g);
  EXPECT_TRUE(GridName(-1).empty() && GridName(kGridCount).empty());
  EXPECT_EQ(GridFromName("exp"), kGroupFourth);
  for (const char* other : {"LMR", "XSA", "USB", "US", "WXX"}) EXPECT_EQ(GridFromName(other), -1);
}

}  // namespace
}  // namespace qw
