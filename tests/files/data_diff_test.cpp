// Comparing data sets: the lines the user reads, and files of different kinds compared only in
// what both carry.
#include "files/data_diff.h"

#include <gtest/gtest.h>

#include <tuple>

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
  a.INTL.resize(241);        // a hand-edited file's extra channel is named by its place
  b.INTL.resize(241);
  b.INTL[240].Scramble = 4;

  b.DscSettings.UserMmsi = "1";
  b.GroupDirectory[9].TagName = "G";
  b.WX[0].ScanMemory = !a.WX[0].ScanMemory;
  b.CANADA[slot].Scramble = 4;

  using U = EditWhat::Unit;
  const std::string usable = a.UsableGroupSettings[3].Usable ? "true -> false" : "false -> true";
  const std::string wx = a.WX[0].ScanMemory ? "true -> false" : "false -> true";
  // Each line with where it leads: the unit, the group and the index in its list.
  const std::vector<std::tuple<std::string, U, int, int>> expected{
      {"UsableGroupSettings FourthGroup Usable: " + usable, U::UsableGroup, 3, -1},
      {"CommonSettings Scan: true -> false", U::Common, -1, -1},
      {"DscSettings UserMmsi: \"\" -> \"1\"", U::Dsc, -1, -1},
      {"AtisSettings AtisCallSign 3 MID: \"\" -> \"366\"", U::Atis, -1, 2},
      {"MemoryDirectory 5 TagName: \"\" -> \"TUG\"", U::MemoryDirectory, -1, 4},
      {"GroupDirectory 10 TagName: \"\" -> \"G\"", U::GroupDirectory, -1, 9},
      {"USA 22A ChTag: \"MARINA\" -> \"FUEL DOCK\"", U::Channel, kGroupUSA, slot},
      {"INTL 241 Scramble: 0 -> 4", U::Channel, kGroupINTL, 240},
      {"CANADA 22A Scramble: 0 -> 4", U::Channel, kGroupCANADA, slot},
      {"WX 1 ScanMemory: " + wx, U::Channel, kGroupWX, 0},
      {"FourthGroup 1 DCS: [0,0] -> [5,0]", U::Channel, kGroupFourth, 0},
      {"FourthGroup 3 Rxfreq: 156.0250 -> 156.0500", U::Channel, kGroupFourth, 2},
  };
  std::vector<std::tuple<std::string, U, int, int>> found;
  for (const DataDifference& d : CompareDataSets(a, b))
    found.emplace_back(d.Line(), d.where.unit, d.where.group, d.where.index);
  EXPECT_EQ(found, expected);
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
