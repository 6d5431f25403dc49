// Opening data files through Document: the model check, the overlay rules and round trips.
#include <gtest/gtest.h>

#include "files/data_file_writer.h"
#include "files/document.h"
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
  RadioData& d = doc.Data();
};

TEST_F(DataFileReading, ModelCheckRefusesOtherSeriesAndChangesNothing) {
  test::FillUncarriedFields(d);
  const RadioData before = d;
  struct Case {
    const char* main;
    bool accepted;
  } cases[] = {
      {"MODELTYPE=2", true},    {"MODELTYPE=#2", true},  {" modeltype = 2 ", true},
      {"MODELTYPE=1", false},   {"MODELTYPE=0", false},  {"MODELTYPE=", false},
      {"MODELTYPE=two", false}, {"MODEL=#MV710", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.main);
    d = before;
    doc.CurrentFileName = "previous.dat";
    test::WriteBytes(folder.File("m.dat"),
                     std::string("[main]\r\n") + c.main + "\r\n[Common Setup]\r\nSCAN=1\r\n");
    Outcome outcome = doc.OpenDataFile(folder.File("m.dat"));
    EXPECT_EQ(outcome.ok(), c.accepted);
    EXPECT_EQ(doc.OperationFailed, !c.accepted);
    if (c.accepted) {
      EXPECT_TRUE(d.CommonSettings.Scan);
      EXPECT_EQ(doc.CurrentFileName, folder.File("m.dat"));
      EXPECT_FALSE(doc.OperationCancelled);
    } else {
      ASSERT_TRUE(outcome.message);
      EXPECT_EQ(*outcome.message, (Message{"different model!!", kProgramTitle, MessageIcon::Stop}));
      EXPECT_EQ(d, before);
      EXPECT_EQ(doc.CurrentFileName, "previous.dat");
    }
  }
  EXPECT_FALSE(doc.OpenDataFile(folder.File("missing.dat")).ok());
  EXPECT_EQ(doc.OpenDataFile(folder.File("missing.dat")).message->Text, "different model!!");
}

TEST_F(DataFileReading, PositionChainsTheSectionsAndChoosesTheRecord) {
  const RadioData before = d;
  ASSERT_TRUE(Open("[CHUSA0]\r\nPosition=3abc\r\nEnable=1\r\n"      // leading number chooses slot 3
                   "[CHUSA1]\r\nPosition=9.5\r\nEnable=1\r\n"       // rounds to the even 10
                   "[CHUSA2]\r\nPosition=-1\r\nEnable=1\r\n"        // outside: skipped
                   "[CHUSA3]\r\nPosition=99999999\r\nEnable=1\r\n"  // too large: skipped
                   "[CHUSA4]\r\nPosition=x\r\nEnable=1\r\n"         // no number: slot 0
                   "[CHUSA6]\r\nPosition=20\r\nEnable=1\r\n"        // after the gap: never read
                   "[CHINT7]\r\nPosition=300\r\nEnable=1\r\n"       // never reached: CHINT0 missing
                   "[CHCAN0]\r\nPosition=1\r\nEnable=1\r\n"
                   "[CHCAN1]\r\nPosition=300\r\nEnable=1\r\n"
                   "[CHCAN2]\r\nPosition=2\r\nEnable=1\r\n"
                   "[CHCAN3]\r\nPosition=\r\nEnable=1\r\n"  // empty Position ends the list
                   "[CHCAN4]\r\nPosition=4\r\nEnable=1\r\n")
                  .ok());
  for (int slot = 0; slot < 240; ++slot) {
    bool usa = slot == 3 || slot == 10 || slot == 0;
    EXPECT_EQ(d.USA[slot].Enable, usa || before.USA[slot].Enable) << slot;
    bool can = slot == 1 || slot == 2;
    EXPECT_EQ(d.CANADA[slot].Enable, can || before.CANADA[slot].Enable) << slot;
  }
  EXPECT_EQ(d.INTL, before.INTL);
  EXPECT_EQ(d.USA[10].Position, 10);
}

TEST_F(DataFileReading, FieldRulesAndTheirFailures) {
  d.USA[0].DuplexCapable = true;
  d.USA[1].DuplexCapable = false;
  d.USA[1].Scramble = 5;
  d.FourthGroup[0].Rxfreq = 150;
  d.FourthGroup[0].Txfreq = 151;
  d.FourthGroup[1].Txfreq = 152;
  d.FourthGroup[0].DCS = {7, 8};
  d.CommonSettings.Weater = 2;
  d.UsableGroupSettings[2].Usable = false;
  ASSERT_TRUE(Open("[Usable CH Group Setup]\r\nUSA=True\r\nINTL=false\r\nCanada=yes\r\n"
                   "Priority CH 0=65535\r\nStatus name 0=#ABC\r\nStatus name 1=  X  \r\n"
                   "[common setup]\r\n resume time = 2.5 \r\nWeater=40000\r\nScan=-1\r\n"
                   "[CHUSA0]\r\nPosition=0\r\nDuplex=1\r\nChTag=#  AB\r\nScramble=3.5\r\n"
                   "[CHUSA1]\r\nPosition=1\r\nDuplex=1\r\nChTag=AB  \r\nScramble=40000\r\n"
                   "[CHEXP1]\r\nRxfreq=156,05\r\nTxfreq=157.1\r\nCHDisplayL=#P\r\nTxDCS=12\r\n"
                   "RxDCS=abc\r\n"
                   "[CHEXP2]\r\nTxfreq=1.5.5\r\n")
                  .ok());
  const auto& g = d.UsableGroupSettings;
  EXPECT_TRUE(g[0].Usable);
  EXPECT_FALSE(g[1].Usable);
  EXPECT_FALSE(g[2].Usable);  // "yes" is no boolean: the default stays
  EXPECT_EQ(g[0].PriorityCh, kNoChannel);
  EXPECT_EQ(g[0].StatusName, "ABC");
  EXPECT_EQ(g[1].StatusName, "X");
  EXPECT_EQ(g[2].StatusName, "");  // a missing text empties the field
  EXPECT_EQ(d.CommonSettings.ResumeTime, 2);
  EXPECT_EQ(d.CommonSettings.Weater, 2);
  EXPECT_TRUE(d.CommonSettings.Scan);
  EXPECT_TRUE(d.USA[0].Duplex);
  EXPECT_FALSE(d.USA[1].Duplex);  // the plan does not allow it
  EXPECT_EQ(d.USA[0].ChTag, "  AB");
  EXPECT_EQ(d.USA[1].ChTag, "AB");
  EXPECT_EQ(d.USA[0].Scramble, 4);
  EXPECT_EQ(d.USA[1].Scramble, 5);
  EXPECT_EQ(d.FourthGroup[0].Rxfreq, 156.05);
  EXPECT_EQ(d.FourthGroup[0].Txfreq, 157.1);
  EXPECT_EQ(d.FourthGroup[0].CHDisplayL, "P");
  EXPECT_EQ(d.FourthGroup[0].DCS, (std::array<int16_t, 2>{12, 8}));
  EXPECT_EQ(d.FourthGroup[1].Txfreq, 152);
}

TEST_F(DataFileReading, DirectoriesComeOnlyFromTheirOwnSections) {
  test::FillUncarriedFields(d);
  d.MemoryDirectory[1] = {true, "TWO", "222222222"};
  const RadioData before = d;
  ASSERT_TRUE(Open("[CHMMSID2]\r\nEnable=0\r\nTagName=#  NEW\r\nMmsid=333333333\r\n").ok());
  EXPECT_EQ(d.MemoryDirectory[1], (DirectoryEntry{false, "  NEW", "333333333"}));
  EXPECT_EQ(d.MemoryDirectory[0], (DirectoryEntry{true, "", ""}));
  EXPECT_EQ(d.GroupDirectory[2], (DirectoryEntry{true, "", ""}));
  // What the file never carries stays as it was.
  EXPECT_EQ(d.DscSettings, before.DscSettings);
  EXPECT_EQ(d.AtisSettings.AtisCallSign, before.AtisSettings.AtisCallSign);
  EXPECT_TRUE(d.CommonSettings.Rotary);
  EXPECT_TRUE(d.FourthGroup[5].TxEnable);
  EXPECT_EQ(d.RadioImage, before.RadioImage);
}

TEST_F(DataFileReading, SeriesDecidesWhichKeysAreRead) {
  doc.NewDataSet(kSeriesMV510);
  d.UsableGroupSettings[0].StatusName = "KEEP";
  d.USA[0].ChTag = "KEEP";
  d.FourthGroup[0].ChTag = "KEEP";
  d.AtisSettings.AtisKillerGroup[0] = false;
  ASSERT_TRUE(Open("[Usable CH Group Setup]\r\nStatus name 0=NEW\r\n"
                   "[ATIS Setup (Common)]\r\nUsable ATIS Kikker CH Group0=1\r\n"
                   "[CHUSA0]\r\nPosition=0\r\nChTag=NEW\r\n[CHEXP1]\r\nChTag=NEW\r\n",
                   kSeriesMV510)
                  .ok());
  EXPECT_EQ(d.UsableGroupSettings[0].StatusName, "KEEP");
  EXPECT_EQ(d.USA[0].ChTag, "KEEP");
  EXPECT_EQ(d.FourthGroup[0].ChTag, "KEEP");
  EXPECT_FALSE(d.AtisSettings.AtisKillerGroup[0]);

  doc.NewDataSet(kSeriesThird);
  ASSERT_TRUE(Open("[ATIS Setup (Common)]\r\nUsable ATIS Kikker CH Group0=1\r\n"
                   "[CHEXP1]\r\nChTag=NEW\r\n",
                   kSeriesThird)
                  .ok());
  EXPECT_TRUE(d.AtisSettings.AtisKillerGroup[0]);
  EXPECT_EQ(d.FourthGroup[0].ChTag, "");
}

// What opening a saved file gives back: the saved values where the file carries them, the
// opening data set's own values elsewhere, and directories without names.
RadioData ExpectedAfterOpen(const RadioData& saved, const RadioData& before) {
  RadioData e = saved;
  e.RadioImage = before.RadioImage;
  e.DscSettings = before.DscSettings;
  e.AtisSettings.AtisCallSign = before.AtisSettings.AtisCallSign;
  e.CommonSettings.Rotary = before.CommonSettings.Rotary;
  for (std::size_t i = 0; i < e.MemoryDirectory.size(); ++i)
    e.MemoryDirectory[i] = {before.MemoryDirectory[i].Enable, "", ""};
  for (std::size_t i = 0; i < e.GroupDirectory.size(); ++i)
    e.GroupDirectory[i] = {before.GroupDirectory[i].Enable, "", ""};
  const int16_t series = saved.ModelSeries;
  for (int group = 0; group < 3; ++group) {
    for (std::size_t i = 0; i < 240; ++i) {
      ChannelRecord& ch = GroupList(e, group)[i];
      const ChannelRecord& old = GroupList(before, group)[i];
      ch.DuplexCapable = old.DuplexCapable;
      ch.Duplex = ch.Duplex && old.DuplexCapable;
      if (series == kSeriesMV510) ch.ChTag = old.ChTag, ch.Scramble = old.Scramble;
    }
  }
  if (series == kSeriesMV510) {
    for (int g = 0; g < 4; ++g)
      e.UsableGroupSettings[g].StatusName = before.UsableGroupSettings[g].StatusName;
  }
  if (series != kSeriesThird) e.AtisSettings.AtisKillerGroup = before.AtisSettings.AtisKillerGroup;
  for (std::size_t k = 0; k < e.FourthGroup.size(); ++k) {
    ChannelRecord& ch = e.FourthGroup[k];
    const ChannelRecord& old = before.FourthGroup[k];
    ch.TxEnable = old.TxEnable;
    if (series != kSeriesMV710) {
      ch.Scramble = old.Scramble, ch.ChTag = old.ChTag, ch.Narrow = old.Narrow;
      ch.DCS = old.DCS, ch.RxComp = old.RxComp, ch.CTCSS = old.CTCSS;
    }
  }
  return e;
}

TEST_F(DataFileReading, SavedDataSetsComeBackForEverySeriesAndSeparator) {
  for (int16_t series : {kSeriesMV510, kSeriesMV710, kSeriesThird}) {
    for (char separator : {'.', ','}) {
      SCOPED_TRACE(std::to_string(series) + separator);
      RadioData saved;
      BuildNewDataSet(saved, series);
      test::FillCarriedFields(saved, static_cast<unsigned>(series * 7 + separator));
      test::WriteBytes(folder.File("rt.dat"), DataFileText(saved, separator));

      doc.NewDataSet(series);
      test::FillUncarriedFields(d);
      const RadioData before = d;
      ASSERT_TRUE(doc.OpenDataFile(folder.File("rt.dat")).ok());
      EXPECT_EQ(d, ExpectedAfterOpen(saved, before));
    }
  }
}

TEST_F(DataFileReading, SavingTwiceGivesTheSameBytesAndReopensUnchanged) {
  test::FillCarriedFields(d, 42);
  ASSERT_TRUE(doc.SaveDataFile(folder.File("a.dat")).ok());
  EXPECT_EQ(doc.CurrentFileName, folder.File("a.dat"));
  EXPECT_FALSE(doc.OperationCancelled);
  ASSERT_TRUE(doc.OpenDataFile(folder.File("a.dat")).ok());
  ASSERT_TRUE(doc.SaveDataFile(folder.File("b.dat")).ok());
  EXPECT_EQ(test::ReadBytes(folder.File("a.dat")), test::ReadBytes(folder.File("b.dat")));
}

TEST_F(DataFileReading, FailuresGiveTheirMessagesAndFlags) {
  doc.CurrentFileName = "kept.dat";
  Outcome saved = doc.SaveDataFile(folder.File("no/such/folder/x.dat"));
  ASSERT_TRUE(saved.failed());
  EXPECT_EQ(*saved.message, (Message{"FileSave Error!!", kProgramTitle, MessageIcon::Exclamation}));
  EXPECT_TRUE(doc.OperationFailed);
  EXPECT_TRUE(doc.OperationCancelled);
  EXPECT_EQ(doc.CurrentFileName, "kept.dat");

  // A file far larger than any data file is refused once its model check passed.
  std::string huge = "[MAIN]\r\nMODELTYPE=2\r\n";
  huge.resize(5 * 1024 * 1024, 'x');
  test::WriteBytes(folder.File("huge.dat"), huge);
  Outcome read = doc.OpenDataFile(folder.File("huge.dat"));
  ASSERT_TRUE(read.failed());
  EXPECT_EQ(*read.message, (Message{"FileRead Error!!", kProgramTitle, MessageIcon::Exclamation}));
  EXPECT_TRUE(doc.OperationFailed);
  EXPECT_TRUE(doc.OperationCancelled);
  EXPECT_EQ(doc.CurrentFileName, "kept.dat");
}

}  // namespace
}  // namespace qw
