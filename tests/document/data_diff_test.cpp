// Comparing data sets: the lines the user reads, and files of different kinds compared only in
// what both carry.
#include "document/data_diff.h"

#include <gtest/gtest.h>

#include "report/formatters.h"
#include "tests/support/radio_data.h"

namespace qw {
namespace {

using test::NewData;

constexpr int kSlot22A = 45;  // the lines below name it by its label

// The lines say what the editor shows: the channel as the user knows it, the field's caption and
// the values as the grids and panes show them; the JSON form keeps the data model's terms.
TEST(DataDiff, LinesUseTheEditorsWordsAndJsonTheDataModels) {
  RadioData a = NewData(kSeriesMV710), b = a;
  // Each field from its value in a to its value in b.
  a.USA[kSlot22A].ChTag = "MARINA", b.USA[kSlot22A].ChTag = "FUEL DOCK";
  a.FourthGroup[2].Rxfreq = 156.025, b.FourthGroup[2].Rxfreq = 156.05;
  a.FourthGroup[0].DCS = {0, 0}, b.FourthGroup[0].DCS = {0, 21};
  a.FourthGroup[0].CTCSS = {9, 0}, b.FourthGroup[0].CTCSS = {0, 0};
  a.FourthGroup[1].Scramble = 0, b.FourthGroup[1].Scramble = 6;
  a.FourthGroup[1].Narrow = false, b.FourthGroup[1].Narrow = true;
  a.WX[2].ScanMemory = false, b.WX[2].ScanMemory = true;
  a.CommonSettings.Scan = true, b.CommonSettings.Scan = false;
  a.CommonSettings.Weater = 0, b.CommonSettings.Weater = 3;
  a.UsableGroupSettings[0].PriorityCh = kNoChannel, b.UsableGroupSettings[0].PriorityCh = 242;
  b.AtisSettings.UsableAtisGroup[3] = !a.AtisSettings.UsableAtisGroup[3];
  b.AtisSettings.AtisCallSign[2].MID = "366";
  b.MemoryDirectory[4].TagName = "TUG";
  b.RadioImage[0x300] ^= 1;                // the image alone is not a difference
  a.INTL.resize(241), b.INTL.resize(241);  // a hand-edited file's extra channel: named by place
  b.INTL[240].Scramble = 4;

  std::vector<std::string> lines;
  const auto found = CompareDataSets(a, b);
  for (const DataDifference& d : found) lines.push_back(d.Line());
  const std::string atis = a.AtisSettings.UsableAtisGroup[3] ? "On -> Off" : "Off -> On";
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "USA group Priority CH: Off -> LMR3",
                       "SCAN: On -> Off",
                       "Weather Alert: OFF -> WX and SCAN",
                       "Usable ATIS CH Group LMR: " + atis,
                       "ATIS Call Sign 3 MID: \"\" -> \"366\"",
                       "Memory ID 5 Name: \"\" -> \"TUG\"",
                       "USA 22A CH Name: \"MARINA\" -> \"FUEL DOCK\"",
                       "INTL 241 Scrambler: Off -> 4",
                       "WX03 Scan Memory: Off -> On",
                       "LMR1 RX Tone: Off -> N125",
                       "LMR1 TX Tone: 88.5Hz -> Off",
                       "LMR2 Scrambler: Off -> 6",
                       "LMR2 Wide/Narrow: Wide -> Narrow",
                       "LMR3 Rx Frequency: 156.0250 -> 156.0500",
                   }));
  ASSERT_EQ(found.size(), lines.size());
  EXPECT_EQ(found[6].where, (EditWhat{EditWhat::Unit::Channel, kGroupUSA, kSlot22A, "ChTag"}));
  EXPECT_EQ(found[3].where, (EditWhat{EditWhat::Unit::Atis, -1, 3, "UsableAtisGroup"}));
  EXPECT_EQ(found[7].where, (EditWhat{EditWhat::Unit::Channel, kGroupINTL, 240, "Scramble"}));

  EXPECT_EQ(DifferencesJson({found[4], found[9]}), R"([
  {
    "where": "AtisSettings.AtisCallSign[2]",
    "field": "MID",
    "from": "",
    "to": "366"
  },
  {
    "where": "FourthGroup[0]",
    "field": "DCS[1]",
    "from": 0,
    "to": 21
  }
])");
}

// Odd values the radio shows alike still differ, and say so; a data set of the other series is
// compared in what both series hold.
TEST(DataDiff, OddValuesAndOtherSeries) {
  RadioData a = NewData(kSeriesMV710), b = a;
  a.FourthGroup[1].Scramble = 32;
  EXPECT_EQ(CompareDataSets(a, b).at(0).Line(), "LMR2 Scrambler: Off (32) -> Off (0)");

  RadioData small = NewData(kSeriesMV510);
  small.FourthGroup = a.FourthGroup;
  small.FourthGroup[1].Scramble = 0;
  small.FourthGroup[4].DCS = {3, 3};  // the MV510 has no tones: not compared
  small.FourthGroup[4].Enable = !a.FourthGroup[4].Enable;
  small.WX = a.WX, small.USA = a.USA, small.INTL = a.INTL, small.CANADA = a.CANADA;
  small.UsableGroupSettings = a.UsableGroupSettings, small.CommonSettings = a.CommonSettings;
  std::vector<std::string> lines;
  for (const DataDifference& d : CompareDataSets(a, small)) lines.push_back(d.Line());
  EXPECT_EQ(lines,
            (std::vector<std::string>{"Model: MV710 -> MV510",
                                      "LMR5 CH Enable: " + OnOffText(a.FourthGroup[4].Enable) +
                                          " -> " + OnOffText(!a.FourthGroup[4].Enable)}));
}

// Every pair of kinds: the same data set compares equal however it was kept; a field every kind
// carries is always reported; a field only JSON carries only between two JSON files.
TEST(DataDiff, KindsAreComparedInWhatBothCarry) {
  const FileKind kinds[] = {FileKind::DataFile, FileKind::RawImage, FileKind::Json, FileKind::Csv};
  for (int16_t series : {kSeriesMV510, kSeriesMV710}) {
    RadioData edited = NewData(series);
    edited.USA[kSlot22A].ScanMemory = !edited.USA[kSlot22A].ScanMemory;
    edited.DscSettings.UserMmsi = "123456789";  // neither these series' image nor a .dat has it
    const RadioData plain = NewData(series);
    for (FileKind ka : kinds) {
      for (FileKind kb : kinds) {
        SCOPED_TRACE(std::to_string(series) + " " + std::to_string(int(ka)) + "/" +
                     std::to_string(int(kb)));
        const RadioData a = ThroughKind(edited, ka);
        EXPECT_TRUE(CompareFiles(a, ka, ThroughKind(edited, kb), kb).empty());
        std::vector<std::string> names;
        for (const auto& d : CompareFiles(a, ka, ThroughKind(plain, kb), kb))
          names.push_back(d.name);
        std::vector<std::string> expected{"USA 22A Scan Memory"};
        if (ka == FileKind::Json && kb == FileKind::Json)
          expected.insert(expected.begin(), "DSC UserMmsi");
        EXPECT_EQ(names, expected);
      }
    }
  }
}

}  // namespace
}  // namespace qw
