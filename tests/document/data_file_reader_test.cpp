// Opening data files through Document: the model check, the overlay rules and round trips.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "document/document.h"
#include "formats/data_file_writer.h"
#include "test_support.h"

namespace qw {
namespace {

class DataFileReading : public ::testing::Test {
 protected:
  // Opens the file text (after a MAIN section for the series) in the document.
  Outcome Open(const std::string& body, int16_t series = kSeriesMV710) {
    std::string text = "[MAIN]\r\nMODELTYPE=" + std::to_string(series) + "\r\n" + body;
    test::WriteBytes(folder.File("in.dat"), text);
    return doc.OpenDataFile(folder.File("in.dat"));
  }
  test::TempFolder folder;
  Document doc{folder.Path()};
  const RadioData& d = doc.Data();
};

TEST_F(DataFileReading, ModelCheckSizeAndReadFailuresRefuseAndChangeNothing) {
  doc.Edit({}, [](RadioData& e) { e.CommonSettings.Scan = false; });
  const RadioData before = d;
  const std::pair<const char*, bool> cases[] = {
      {"MODELTYPE=#2", true}, {" modeltype = 2 ", true}, {"MODELTYPE=1", false},
      {"MODELTYPE=", false},  {"MODELTYPE=two", false},  {"MODEL=#MV710", false},
  };
  for (const auto& [main, accepted] : cases) {
    SCOPED_TRACE(main);
    doc.Replace(before, "test");
    doc.SetFileName("previous.dat");
    test::WriteBytes(folder.File("m.dat"),
                     std::string("[main]\r\n") + main + "\r\n[Common Setup]\r\nSCAN=1\r\n");
    Outcome outcome = doc.OpenDataFile(folder.File("m.dat"));
    EXPECT_EQ(outcome.ok(), accepted);
    EXPECT_EQ(d.CommonSettings.Scan, accepted);
    EXPECT_EQ(doc.FileName(), accepted ? folder.File("m.dat") : "previous.dat");
    EXPECT_EQ(d == before, !accepted);
  }
  // A file far larger than any data file is refused once its model check passed, saying why and
  // keeping the file name (a file that cannot be read at all is the CLI's test).
  std::string huge = "[MAIN]\r\nMODELTYPE=2\r\n";
  huge.resize(5 * 1024 * 1024, 'x');
  test::WriteBytes(folder.File("huge.dat"), huge);
  EXPECT_EQ(doc.OpenDataFile(folder.File("huge.dat")).message->Text,
            "FileRead Error!!\n" + folder.File("huge.dat") + ": File too large");
  EXPECT_EQ(doc.FileName(), "previous.dat");
}

// Values the cases below change, set so that each change shows, and fields the data file never
// carries, set so that a reader touching them shows.
void Prepare(RadioData& d) {
  auto& g = d.UsableGroupSettings;
  g[0].Usable = g[0].TxTot = false, g[1].Usable = g[2].Usable = true, g[0].PriorityCh = 5;
  d.CommonSettings.Weater = 2, d.AtisSettings.AtisKillerGroup[0] = false;
  for (auto* list : {&d.USA, &d.CANADA})
    for (auto& ch : *list) ch.Enable = false;
  d.USA[0].DuplexCapable = true, d.USA[0].Duplex = false;
  d.USA[1].DuplexCapable = false, d.USA[1].Scramble = 5;
  d.FourthGroup[0].DCS = {7, 8}, d.FourthGroup[1].Txfreq = 152;
  d.MemoryDirectory[0] = {true, "SHIP", "987654321"};
  d.DscSettings.UserMmsi = "123456789";
  d.AtisSettings.AtisCallSign[4] = {"211", "ABC"};
  d.CommonSettings.Rotary = true, d.FourthGroup[5].TxEnable = true;
}

TEST_F(DataFileReading, EachFileChangesExactlyWhatItCarries) {
  const char* seriesKeys =
      "[Usable CH Group Setup]\r\nStatus name 0=NEW\r\n[CHUSA0]\r\nPosition=0\r\nChTag=NEW\r\n"
      "[CHEXP1]\r\nChTag=NEW\r\n[ATIS Setup (Common)]\r\nUsable ATIS Kikker CH Group0=1\r\n";
  struct Case {
    int16_t series;
    std::string file;
    std::function<void(RadioData&)> change;
  } cases[] = {
      {kSeriesMV710,  // "yes" is no boolean; unreadable or out-of-range values keep the old one
       "[Usable CH Group Setup]\r\nUSA=True\r\nINTL=false\r\nCanada=yes\r\nTX TOT 0=0.4\r\n"
       "Priority CH 0=65535\r\nPriority CH 1=2147483648",
       [](RadioData& e) {
         e.UsableGroupSettings[0].Usable = e.UsableGroupSettings[0].TxTot = true;
         e.UsableGroupSettings[1].Usable = false, e.UsableGroupSettings[0].PriorityCh = kNoChannel;
       }},
      {kSeriesMV710,  // exact halves round to the even neighbour
       "[common setup]\r\n weater = 40000 \r\nResume Time=inf\r\nOffset Time=-2.5\r\n"
       "[CHEXP2]\r\nTxfreq=1.5.5\r\nRxfreq=1e400",
       [](RadioData& e) { e.CommonSettings.OffsetTime = -2; }},
      {kSeriesMV710,  // the plan decides whether a channel may be duplex
       "[CHUSA0]\r\nPosition=0\r\nDuplex=1\r\nScramble=3.5\r\n"
       "[CHUSA1]\r\nPosition=1\r\nDuplex=1\r\nScramble=40000",
       [](RadioData& e) { e.USA[0].Duplex = true, e.USA[0].Scramble = 4; }},
      {kSeriesMV710, "[CHEXP1]\r\nRxfreq=156,05\r\nTxfreq=+160.6\r\nTxDCS=12\r\nRxDCS=abc",
       [](RadioData& e) {
         e.FourthGroup[0].Rxfreq = 156.05, e.FourthGroup[0].Txfreq = 160.6;
         e.FourthGroup[0].DCS[0] = 12;
       }},
      {kSeriesMV710,
       "[CHMMSID2]\r\nEnable=0\r\nTagName=#  NEW\r\nMmsid=333333333\r\n"
       "[CHGRPID10]\r\nEnable=1\r\nTagName=CREW\r\nMmsid=0123",
       [](RadioData& e) {
         e.MemoryDirectory[1] = {false, "  NEW", "333333333"};
         e.GroupDirectory[9] = {true, "CREW", "0123"};
       }},
      {kSeriesMV710,  // the section numbers only chain; Position chooses the record
       "[CHUSA0]\r\nPosition=3abc\r\nEnable=1\r\n"      // leading number
       "[CHUSA1]\r\nPosition=9.5\r\nEnable=1\r\n"       // rounds to the even 10
       "[CHUSA2]\r\nPosition=-1\r\nEnable=1\r\n"        // outside: skipped
       "[CHUSA3]\r\nPosition=99999999\r\nEnable=1\r\n"  // too large: skipped
       "[CHUSA4]\r\nPosition=x\r\nEnable=1\r\n"         // no number: slot 0
       "[CHUSA6]\r\nPosition=20\r\nEnable=1\r\n"        // after the gap: never read
       "[CHINT7]\r\nPosition=30\r\nEnable=1\r\n"        // never reached: CHINT0 missing
       "[CHCAN0]\r\nPosition=1\r\nEnable=1\r\n[CHCAN1]\r\nPosition=300\r\nEnable=1\r\n"
       "[CHCAN2]\r\nPosition=\r\nEnable=1\r\n[CHCAN3]\r\nPosition=2\r\nEnable=1",
       [](RadioData& e) {
         for (int slot : {0, 3, 10}) e.USA[slot].Enable = true, e.USA[slot].ChTag = "";
         e.CANADA[1].Enable = true;
       }},
      {kSeriesMV510, seriesKeys, {}},
      {kSeriesThird, seriesKeys,
       [](RadioData& e) {
         e.UsableGroupSettings[0].StatusName = e.USA[0].ChTag = "NEW";
         e.AtisSettings.AtisKillerGroup[0] = true;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    doc.NewDataSet(c.series);
    doc.Edit({}, Prepare);
    ASSERT_TRUE(Open("", c.series).ok());
    EXPECT_EQ(d.MemoryDirectory[0], (DirectoryEntry{true, "", ""}));  // missing texts empty
    RadioData expected = d;
    if (c.change) c.change(expected);
    ASSERT_TRUE(Open(c.file + "\r\n", c.series).ok());
    EXPECT_EQ(d, expected);
  }
}

// The file of a data set opens as that data set, and saving it again gives the same bytes.
TEST_F(DataFileReading, SavedDataSetsComeBackForEverySeriesAndSeparator) {
  for (int16_t series : {kSeriesMV510, kSeriesMV710, kSeriesThird}) {
    for (char separator : {'.', ','}) {
      SCOPED_TRACE(std::to_string(series) + separator);
      RadioData saved = test::NewData(series);
      test::FillCarriedFields(saved, static_cast<unsigned>(series * 7 + separator));
      test::WriteBytes(folder.File("rt.dat"), DataFileText(saved, separator));
      doc.NewDataSet(series);
      ASSERT_TRUE(doc.OpenDataFile(folder.File("rt.dat")).ok());
      EXPECT_EQ(d, saved);
      ASSERT_TRUE(doc.SaveDataFile(folder.File("again.dat")).ok());
      EXPECT_EQ(test::ReadBytes(folder.File("again.dat")), DataFileText(saved, '.'));
    }
  }
}

}  // namespace
}  // namespace qw
