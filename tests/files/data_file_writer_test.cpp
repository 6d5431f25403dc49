#include "files/data_file_writer.h"

#include <gtest/gtest.h>

#include "model/channel_plans.h"
#include "test_support.h"

namespace qw {
namespace {

// The lines of one section, its header included, up to the next section.
std::string SectionText(const std::string& file, const std::string& header) {
  std::size_t start = file.find(header + "\r\n");
  if (start == std::string::npos) return {};
  std::size_t end = file.find("\r\n[", start);
  return file.substr(start, end == std::string::npos ? std::string::npos : end + 2 - start);
}

int CountOf(const std::string& text, const std::string& what) {
  int count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

TEST(DataFileWriter, HeaderAndSettingSectionsAreWrittenExactly) {
  RadioData d;
  BuildNewDataSet(d, kSeriesMV710);
  for (auto& g : d.UsableGroupSettings) g = {};
  d.UsableGroupSettings[0] = {true, false, 16, true, "USA"};
  d.UsableGroupSettings[1].PriorityCh = -1;  // written as its absolute value
  d.UsableGroupSettings[3].TxTot = true;
  d.CommonSettings = {-3, true, 2, false, true, -5, 1, -2, true};
  d.AtisSettings.UsableAtisGroup = {true, false, false, true};
  d.AtisSettings.AtisCode = "9012345678";
  std::string text = DataFileText(d, '.');
  const std::string expected =
      "[MAIN]\r\nMODEL=#MV710\r\nTYPE=#ZOK\r\nVERSION=#1.00\r\nMODELTYPE=2\r\n"
      "[Usable CH Group Setup]\r\nUSA=1\r\nINTL=0\r\nCanada=0\r\nEXP CH=0\r\n"
      "TX TOT 0=0\r\nTX TOT 1=0\r\nTX TOT 2=0\r\nTX TOT 3=1\r\n"
      "Priority CH 0=16\r\nPriority CH 1=1\r\n";
  ASSERT_EQ(text.substr(0, expected.size()), expected);
  EXPECT_NE(text.find("Status Icon 0=1\r\nStatus Icon 1=0\r\n"), std::string::npos);
  EXPECT_NE(text.find("Status name 0=USA\r\nStatus name 1=\r\n"), std::string::npos);
  EXPECT_EQ(SectionText(text, "[Common Setup]"),
            "[Common Setup]\r\nTX Po Display=3\r\nSCAN=1\r\nResume Time=2\r\nPTT SCAN Clear=0\r\n"
            "Dual Watch=1\r\nOffset Time=-5\r\nMagnetic Variation=1\r\nWeater=2\r\n");
  EXPECT_EQ(SectionText(text, "[ATIS Setup (Common)]"),
            "[ATIS Setup (Common)]\r\nUsable ATIS CH Group0=1\r\nUsable ATIS CH Group1=0\r\n"
            "Usable ATIS CH Group2=0\r\nUsable ATIS CH Group3=1\r\nAtis Code=#9012345678\r\n");
}

TEST(DataFileWriter, ChannelSectionsFollowTheSeries) {
  for (int16_t series : {kSeriesMV510, kSeriesMV710, kSeriesThird}) {
    SCOPED_TRACE(series);
    RadioData d;
    BuildNewDataSet(d, series);
    ChannelRecord& usa = d.USA[5];
    usa = ChannelRecord{};
    usa.Position = 5, usa.Enable = true, usa.DispayA = true, usa.Scramble = 3;
    usa.ChTag = "  DOCK";
    d.WX[0] = ChannelRecord{};
    ChannelRecord& lmr = d.FourthGroup[0];
    lmr = ChannelRecord{};
    lmr.Enable = true, lmr.CHDisplayL = "P1", lmr.Rxfreq = 156.05, lmr.Txfreq = 157.1;
    lmr.ChTag = "WORK", lmr.DCS = {23, 130}, lmr.CTCSS = {1, 50}, lmr.Narrow = true;
    std::string text = DataFileText(d, '.');

    std::string marine =
        "[CHUSA5]\r\nPosition=5\r\nEnable=1\r\nLowPower=0\r\nPowUp=0\r\nDuplex=0\r\n"
        "TxEnable=0\r\nDispayA=1\r\nScanMemory=0\r\n";
    if (series != kSeriesMV510) marine += "Scramble=3\r\nChTag=#  DOCK\r\n";
    EXPECT_EQ(SectionText(text, "[CHUSA5]"), marine);

    std::string fourth =
        "[CHEXP1]\r\nEnable=1\r\nCHDisplayL=P1\r\nCHDisplayR=\r\nRxfreq=156.05\r\n"
        "Txfreq=157.1\r\nLowPower=0\r\nPowUp=0\r\nScanMemory=0\r\n";
    if (series == kSeriesMV710) {
      fourth +=
          "Scramble=0\r\nChTag=#WORK\r\nNarrow=1\r\nTxDCS=23\r\nRxDCS=130\r\nRxComp=0\r\n"
          "TxCTCSS=1\r\nRxCTCSS=50\r\n";
    }
    EXPECT_EQ(SectionText(text, "[CHEXP1]"), fourth);
    EXPECT_EQ(SectionText(text, "[CHWX0]"), "[CHWX0]\r\nEnable=0\r\nScanMemory=0\r\nChTag=#\r\n");

    EXPECT_EQ(CountOf(text, "Status name"), series == kSeriesMV510 ? 0 : 4);
    EXPECT_EQ(CountOf(text, "Kikker"), series == kSeriesThird ? 4 : 0);
    EXPECT_EQ(CountOf(text, "\r\n[CHUSA"), 240);
    EXPECT_EQ(CountOf(text, "\r\n[CHINT"), 240);
    EXPECT_EQ(CountOf(text, "\r\n[CHCAN"), 240);
    EXPECT_EQ(CountOf(text, "\r\n[CHWX"), 10);
    EXPECT_EQ(CountOf(text, "\r\n[CHEXP"), 40);
    EXPECT_NE(text.find("[CHEXP40]\r\n"), std::string::npos);
    EXPECT_NE(text.find("MODELTYPE=" + std::to_string(series) + "\r\n"), std::string::npos);
    EXPECT_NE(text.find(series == kSeriesMV710 ? "MODEL=#MV710" : "MODEL=#MV510"),
              std::string::npos);
    // No blank lines, nothing after the last line end.
    EXPECT_EQ(text.find("\r\n\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  }
}

TEST(DataFileWriter, FrequenciesInGeneralFormWithTheGivenSeparator) {
  struct Case {
    double mhz;
    const char* dot;
  } cases[] = {{0, "0"},
               {156.05, "156.05"},
               {157.1, "157.1"},
               {161.6, "161.6"},
               {156.025, "156.025"},
               {149.9875, "149.9875"},
               {100, "100"},
               {1.0 / 3.0, "0.333333333333333"},
               {156.00000000000003, "156"}};
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFrequency(c.mhz, '.'), c.dot);
    std::string comma = c.dot;
    for (char& ch : comma) ch = ch == '.' ? ',' : ch;
    EXPECT_EQ(FormatFrequency(c.mhz, ','), comma);
  }
}

}  // namespace
}  // namespace qw
