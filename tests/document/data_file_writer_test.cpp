#include "formats/data_file_writer.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace qw {
namespace {

// The whole section, from its header to the next section (or the end), is in the text.
bool HasSection(const std::string& text, const std::string& section) {
  std::size_t at = text.find(section), end = at + section.size();
  return at != std::string::npos && (end == text.size() || text[end] == '[');
}

TEST(DataFileWriter, HeaderAndSettingSectionsAreWrittenExactly) {
  RadioData d = test::NewData(kSeriesMV710);
  // The fourth group has no priority channel: a new data set leaves it 0, and so does the file.
  const int32_t fourthPriority = d.UsableGroupSettings[3].PriorityCh;
  for (auto& g : d.UsableGroupSettings) g = {};
  d.UsableGroupSettings[3].PriorityCh = fourthPriority;
  d.UsableGroupSettings[0] = {true, false, 16, true, "USA"};
  d.UsableGroupSettings[1].PriorityCh = -1;  // written as its absolute value
  d.UsableGroupSettings[3].TxTot = true;
  d.CommonSettings = {-3, true, 2, false, true, -5, 1, -2, true};
  d.AtisSettings.UsableAtisGroup = {true, false, false, true};
  d.AtisSettings.AtisCode = "9012345678";
  std::string text = DataFileText(d, '.');
  EXPECT_EQ(
      text.find("[MAIN]\r\nMODEL=#MV710\r\nTYPE=#ZOK\r\nVERSION=#1.00\r\nMODELTYPE=2\r\n"
                "[Usable CH Group Setup]\r\nUSA=1\r\nINTL=0\r\nCanada=0\r\nEXP CH=0\r\n"
                "TX TOT 0=0\r\nTX TOT 1=0\r\nTX TOT 2=0\r\nTX TOT 3=1\r\nPriority CH 0=16\r\n"
                "Priority CH 1=1\r\nPriority CH 2=65535\r\nPriority CH 3=0\r\nStatus Icon 0=1\r\n"
                "Status Icon 1=0\r\nStatus Icon 2=0\r\nStatus Icon 3=0\r\nStatus name 0=USA\r\n"
                "Status name 1=\r\nStatus name 2=\r\nStatus name 3=\r\n["),
      0u);
  EXPECT_TRUE(HasSection(text,
                         "[Common Setup]\r\nTX Po Display=3\r\nSCAN=1\r\nResume Time=2\r\n"
                         "PTT SCAN Clear=0\r\nDual Watch=1\r\nOffset Time=-5\r\n"
                         "Magnetic Variation=1\r\nWeater=2\r\n"));
  EXPECT_TRUE(HasSection(text,
                         "[ATIS Setup (Common)]\r\nUsable ATIS CH Group0=1\r\nUsable ATIS CH "
                         "Group1=0\r\nUsable ATIS CH Group2=0\r\nUsable ATIS CH Group3=1\r\n"
                         "Atis Code=#9012345678\r\n"));
}

TEST(DataFileWriter, ChannelSectionsFollowTheSeries) {
  for (int16_t series : {kSeriesMV510, kSeriesMV710, kSeriesThird}) {
    SCOPED_TRACE(series);
    RadioData d = test::NewData(series);
    ChannelRecord& usa = d.USA[5] = ChannelRecord{};
    usa.Position = 5, usa.Enable = true, usa.DispayA = true, usa.Scramble = 3;
    usa.ChTag = "  DOCK";
    d.WX[0] = ChannelRecord{};
    ChannelRecord& lmr = d.FourthGroup[0] = ChannelRecord{};
    lmr.Enable = true, lmr.CHDisplayL = "P1", lmr.Rxfreq = 1.0 / 3.0,
    lmr.Txfreq = 156.00000000000003;
    lmr.ChTag = "WORK", lmr.DCS = {23, 130}, lmr.CTCSS = {1, 50}, lmr.Narrow = true;
    std::string text = DataFileText(d, ',');

    std::string marine =
        "[CHUSA5]\r\nPosition=5\r\nEnable=1\r\nLowPower=0\r\nPowUp=0\r\nDuplex=0\r\n"
        "TxEnable=0\r\nDispayA=1\r\nScanMemory=0\r\n";
    if (series != kSeriesMV510) marine += "Scramble=3\r\nChTag=#  DOCK\r\n";
    EXPECT_TRUE(HasSection(text, marine));
    // Frequencies in fifteen significant digits, no trailing zeros, the given separator.
    std::string fourth =
        "[CHEXP1]\r\nEnable=1\r\nCHDisplayL=P1\r\nCHDisplayR=\r\nRxfreq=0,333333333333333\r\n"
        "Txfreq=156\r\nLowPower=0\r\nPowUp=0\r\nScanMemory=0\r\n";
    if (series == kSeriesMV710) {
      fourth +=
          "Scramble=0\r\nChTag=#WORK\r\nNarrow=1\r\nTxDCS=23\r\nRxDCS=130\r\nRxComp=0\r\n"
          "TxCTCSS=1\r\nRxCTCSS=50\r\n";
    }
    EXPECT_TRUE(HasSection(text, fourth));
    EXPECT_TRUE(HasSection(text, "[CHWX0]\r\nEnable=0\r\nScanMemory=0\r\nChTag=#\r\n"));
    // Keys the reader skips for the series, so no round trip would notice them.
    EXPECT_EQ(text.find("Status name") == std::string::npos, series == kSeriesMV510);
    EXPECT_EQ(text.find("Kikker") == std::string::npos, series != kSeriesThird);
    EXPECT_NE(text.find(series == kSeriesMV710 ? "MODEL=#MV710" : "MODEL=#MV510"),
              std::string::npos);
    // No blank lines, nothing after the last line end.
    EXPECT_EQ(text.find("\r\n\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  }
}

}  // namespace
}  // namespace qw
