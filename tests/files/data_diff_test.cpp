// Comparing data sets: the lines the user reads, and files of different kinds compared only in
// what both carry.
#include "files/data_diff.h"

#include <gtest/gtest.h>

#include "tests/support/radio_data.h"

namespace qw {
namespace {

using test::NewData;

int Slot(const std::string& label) {
  const auto& table = ChannelMasterTable();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].Label == label) return static_cast<int>(i);
  }
  return -1;
}

TEST(DataDiff, OneLinePerFieldNamedInTheDataModelsTerms) {
  RadioData a = NewData(kSeriesMV710), b = a;
  const int slot = Slot("22A");
  ASSERT_GE(slot, 0);
  a.USA[slot].ChTag = "MARINA";
  b.USA[slot].ChTag = "FUEL DOCK";
  a.FourthGroup[2].Rxfreq = 156.025;
  b.FourthGroup[2].Rxfreq = 156.05;
  b.FourthGroup[0].DCS = {5, 0};
  a.CommonSettings.Scan = true;
  b.CommonSettings.Scan = false;
  b.UsableGroupSettings[3].Usable = !a.UsableGroupSettings[3].Usable;
  b.AtisSettings.AtisCallSign[2].MID = "366";
  b.MemoryDirectory[4].TagName = "TUG";
  b.RadioImage[0x300] ^= 1;  // the image alone is not a difference

  std::vector<std::string> lines;
  for (const DataDifference& d : CompareDataSets(a, b)) lines.push_back(d.Line());
  const std::string usable = a.UsableGroupSettings[3].Usable ? "true -> false" : "false -> true";
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "UsableGroupSettings FourthGroup Usable: " + usable,
                       "CommonSettings Scan: true -> false",
                       "AtisSettings AtisCallSign 3 MID: \"\" -> \"366\"",
                       "MemoryDirectory 5 TagName: \"\" -> \"TUG\"",
                       "USA 22A ChTag: \"MARINA\" -> \"FUEL DOCK\"",
                       "FourthGroup 1 DCS: [0,0] -> [5,0]",
                       "FourthGroup 3 Rxfreq: 156.0250 -> 156.0500",
                   }));
  const DataDifference first = CompareDataSets(a, b)[4];
  EXPECT_EQ(first.where, (EditWhat{EditWhat::Unit::Channel, kGroupUSA, slot, "ChTag"}));
  EXPECT_TRUE(CompareDataSets(a, a).empty());
}

// Every pair of kinds: the same data set compares equal however it was kept; a field every kind
// carries is always reported; a field only JSON carries only between two JSON files.
TEST(DataDiff, KindsAreComparedInWhatBothCarry) {
  const FileKind kinds[] = {FileKind::DataFile, FileKind::RawImage, FileKind::Json, FileKind::Csv};
  const int slot = Slot("22A");
  for (int16_t series : {kSeriesMV510, kSeriesMV710}) {
    RadioData edited = NewData(series);
    edited.USA[slot].ScanMemory = !edited.USA[slot].ScanMemory;
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
        std::vector<std::string> expected{"USA 22A ScanMemory"};
        if (ka == FileKind::Json && kb == FileKind::Json)
          expected.insert(expected.begin(), "DscSettings UserMmsi");
        EXPECT_EQ(names, expected);
      }
    }
  }
}

}  // namespace
}  // namespace qw
