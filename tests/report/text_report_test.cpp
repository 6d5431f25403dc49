// The text report against hand-made expected text: one small data set per main series that
// shows column widths, cut texts, dashes, tones and out-of-range values; then the
// sections only the third variant shows.
#include "report/text_report.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/report/report_data.h"

// The data sets name only the fields that matter; the rest keep their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace qw {
namespace {

using test::EmptyDataSet;
using test::Mv710DataSet;

// Expected lines end in '|' so that their trailing blanks are visible and counted.
std::string Expected(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    EXPECT_EQ(line.back(), '|') << line;
    text += "\r\n" + line.substr(0, line.size() - 1);
  }
  return text;
}

// Whether the report holds these whole lines (joined by CR LF), one after the other.
testing::AssertionResult HasLines(const std::string& report, const std::string& lines) {
  if (TextFileContent(report).find("\r\n" + lines + "\r\n") != std::string::npos)
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << "no lines \"" << lines << "\"";
}

// Adds what only a hand-edited file holds, which must show as blanks or dashes (the sanitizer
// build checks that nothing is read out of bounds): a negative Position, and in the second
// fourth-group entry a huge but finite frequency (written out in full, then cut to its column),
// an infinite one and tone indexes beyond the lists. The list ends after the third entry.
RadioData TextDataSet() {
  RadioData d = Mv710DataSet();
  d.AtisSettings.AtisCode = "123456789";
  d.USA[6] = {.Position = -1, .Enable = true};
  d.CANADA[121] = {.Position = 121, .Enable = true, .TxEnable = true};  // 60A without a tag
  d.WX[1].ChTag = "LONG WX NAME TAG";
  d.FourthGroup[1] = {.DCS = {-5, 30000},
                      .CTCSS = {300, -5},
                      .Txfreq = std::numeric_limits<double>::infinity(),
                      .Rxfreq = 1e300};
  d.FourthGroup.resize(3);
  return d;
}

TEST(TextReport, Mv710ReportLineByLine) {
  RadioData d = TextDataSet();
  // clang-format off
  std::vector<std::string> lines = {
      "|",
      "##### Available CH Group Setup #####|",
      "                                   USA               INTL              Canada            LMR CH            |",
      "Enable                             On                On                Off               On                |",
      "TX TOT                             Off               On                Off               On                |",
      "Priority CH                        16                LMR11             Off               |",
      "Status Icon                        On                Off               Off               On                |",
      "Status Name                        USA1              ----              ----              LMRX              |",
      "|",
      "##### Common Setup #####|",
      "[Starting TX Mode]|",
      "TX Po Display:                     Lo Po on Changing CH               |",
      "|",
      "[Scanning Function]|",
      "SCAN:                              On                |",
      "Resume Time:                       2Sec              |",
      "PTT SCAN Clear:                    Off               |",
      "Dual Watch:                        On                |",
      "|",
      "[Weather CH Function]|",
      "Weather Alert:                     WX and SCAN                        |",
      "|",
      "##### ATIS Setup (Common) #####|",
      "                                   USA               INTL              Canada            LMR CH            |",
      "Usable ATIS CH Group:              On                Off               On                Off               |",
      "ATIS Code:                         123456789         |",
      "|",
      "##### Programable USA Channel #####|",
      "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  CH Name|",
      "---  -------  -------  --  ---  --  ---  ---  --  ------------|",
      "01A  156.050  156.050  TX  ---  UP  ---  ---  --  ABCDEFGHIJKL|",
      "     ---.---  ---.---  --  ---  --  ---  ---  --              |",
      "     ---.---  ---.---  --  ---  --  ---  ---  --              |",
      "15   156.750  ---.---  --  LOW  --  ---  ---  --  COMMERCIAL  |",
      "16   156.800  156.800  TX  ---  --  ---  MEM   1  DISTRESS    |",
      "24   161.800  157.200  TX  ---  --  DUP  ---  --  TELEPHONE   |",
      "|",
      "##### Programable International Channel #####|",
      "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  CH Name|",
      "---  -------  -------  --  ---  --  ---  ---  --  ------------|",
      "|",
      "##### Programable Canada Channel #####|",
      "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  CH Name|",
      "---  -------  -------  --  ---  --  ---  ---  --  ------------|",
      "60A  156.025  156.025  TX  ---  --  ---  ---  --              |",
      "|",
      "##### Programable Wx Channel #####|",
      "CH  ENABLE  MEM  CH Name|",
      "--  ------  ---  ------------|",
      "1   ENABLE  MEM  162.550MHZ  |",
      "2   ------  ---  LONG WX NAME|",
      "|",
      "##### Programable LMR Channel #####|",
      "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name      W/N  RXT      CMP  TXT|",
      "--  ---  ------  --------  --------  ---  --  ---  --  ------------  --  -------  ---  -------|",
      "1   1 A  ENABLE  156.0137  156.0125  LOW  --  MEM   3  ------------  N   I023     CMP  97.4Hz |",
      "2        ------  1000000000---.----  ---  --  ---  --  ------------  --           ---         |",
      "3   12   ENABLE  462.5625  RX only   ---  UP  ---  --  WORKBOAT      --  N754     ---  254.1Hz|",
  };
  // clang-format on
  const std::string report = BuildTextReport(d);
  EXPECT_EQ(report, Expected(lines));
  EXPECT_EQ(TextFileContent(report), report + "\r\n");
}

// The MV510 series shows no names, scrambler, tones or status names, whatever the data set holds.
RadioData Mv510DataSet() {
  RadioData d = EmptyDataSet(kSeriesMV510);
  d.UsableGroupSettings = {{{true, true, 241, false, "ABCD"},
                            {false, false, 0, true, ""},
                            {true, false, 279, false, ""},
                            {false, true, kNoChannel, true, ""}}};
  d.CommonSettings = {3, false, -1, true, false, 3, 1, 0, true};  // coded values out of range
  d.AtisSettings.UsableAtisGroup = {false, false, false, true};
  // clang-format off
  d.USA[32] = {.Position = 32, .Enable = true, .Duplex = true, .TxEnable = true, .ChTag = "DISTRESS", .Scramble = 6};
  d.INTL[1] = {.Position = 1, .Enable = true};
  d.WX = {{.Position = 1, .Enable = true, .ScanMemory = true, .ChTag = "162.550MHZ"}};
  d.FourthGroup = {{.Enable = true, .ChTag = "NOT SHOWN", .Scramble = 4, .CHDisplayL = "7", .Rxfreq = 156.0075},
                   {.Enable = true, .TxEnable = true, .ScanMemory = true, .CHDisplayR = "B", .Txfreq = 1234.56789, .Rxfreq = 25}};
  // clang-format on
  return d;
}

TEST(TextReport, Mv510ReportHasNoNamesTonesOrStatusNames) {
  RadioData d = Mv510DataSet();
  // clang-format off
  std::vector<std::string> lines = {
      "|",
      "##### Available CH Group Setup #####|",
      "                                   USA               INTL              Canada            EXP CH            |",
      "Enable                             On                Off               On                Off               |",
      "TX TOT                             On                Off               Off               On                |",
      "Priority CH                        EXP2              00                EXP40             |",
      "Status Icon                        Off               On                Off               On                |",
      "|",
      "##### Common Setup #####|",
      "[Starting TX Mode]|",
      "TX Po Display:                                                        |",
      "|",
      "[Scanning Function]|",
      "SCAN:                              Off               |",
      "Resume Time:                                         |",
      "PTT SCAN Clear:                    On                |",
      "Dual Watch:                        Off               |",
      "|",
      "[Weather CH Function]|",
      "Weather Alert:                     OFF                                |",
      "|",
      "##### ATIS Setup (Common) #####|",
      "                                   USA               INTL              Canada            EXP CH            |",
      "Usable ATIS CH Group:              Off               Off               Off               On                |",
      "ATIS Code:                                           |",
      "|",
      "##### Programable USA Channel #####|",
      "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM|",
      "---  -------  -------  --  ---  --  ---  ---|",
      "16   161.400  156.800  TX  ---  --  DUP  ---  |",
      "|",
      "##### Programable International Channel #####|",
      "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM|",
      "---  -------  -------  --  ---  --  ---  ---|",
      "00A  156.000  156.000  --  ---  --  ---  ---  |",
      "|",
      "##### Programable Canada Channel #####|",
      "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM|",
      "---  -------  -------  --  ---  --  ---  ---|",
      "|",
      "##### Programable Wx Channel #####|",
      "CH  ENABLE  MEM|",
      "--  ------  ---|",
      "1   ENABLE  MEM  |",
      "|",
      "##### Programable Exp Channel #####|",
      "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM|",
      "--  ---  ------  --------  --------  ---  --  ---|",
      "1   7    ENABLE  156.0075  ---.----  ---  --  ---  |",
      "2     B  ENABLE  025.0000  1234.5679 ---  --  MEM  |",
  };
  // clang-format on
  EXPECT_EQ(BuildTextReport(d), Expected(lines));
}

RadioData ThirdVariantDataSet(int16_t series) {
  RadioData d = EmptyDataSet(series);
  d.CommonSettings.OffsetTime = 17, d.DscSettings.DscGroup = {true, false, true};
  d.DscSettings.BeepOut = {true, false, false, false, false, false, false, true};
  d.AtisSettings.AtisKillerGroup = {false, true, false, true};
  d.AtisSettings.AtisCallSign[0] = {"366", "USA"}, d.AtisSettings.AtisCallSign[19] = {"316", ""};
  d.MemoryDirectory[0] = {true, "HARBOUR", "366999999"};
  // The third variant has no tone columns: the tones are never shown.
  d.FourthGroup = {{.Enable = true, .ChTag = "WORKBOAT", .Scramble = 6, .CTCSS = {12, 12}}};
  return d;
}

// A series without a row is refused rather than reported as some other series.
TEST(TextReport, ThirdVariantAddsItsSectionsInOrderAndStyle) {
  EXPECT_THROW(BuildTextReport(ThirdVariantDataSet(7)), std::out_of_range);
  const std::string report = BuildTextReport(ThirdVariantDataSet(kSeriesThird));
  // Headings in report order, each after a blank line.
  std::size_t at = 0;
  for (const char* h :
       {"##### Available CH Group Setup #####", "##### Common Setup #####",
        "##### DSC Setup (Basic Setup) #####", "##### DSC Setup (Advanced Setup) #####",
        "##### DSC Setup (Display Setup) #####", "##### ATIS Setup (Common) #####",
        "##### ATIS Setup (Call Sign) #####", "##### Programable USA Channel #####",
        "##### Programable International Channel #####", "##### Programable Canada Channel #####",
        "##### Programable Wx Channel #####", "##### Memory ID Setting #####",
        "##### Group ID Setting #####", "##### Programable Exp Channel #####"}) {
    at = report.find(std::string("\r\n\r\n") + h + "\r\n", at);
    ASSERT_NE(at, std::string::npos) << "missing or out of order: " << h;
  }
  // clang-format off
  for (const char* lines : {
      "[Weather CH Function]\r\nWeather Alert:                     OFF                                \r\n\r\n[NMEA Data Input]\r\n"
      "Offset Time:                       +5:00             ",
      "DSC CH Group:                      On                Off               On                ",
      "Beep Out:                          On   Off  Off  Off  Off  Off  Off  On   ",
      "Usable ATIS Killer CH Group:       Off               On                Off               On                ",
      "No  MID  DISP\r\n--  ---  ----\r\n1   366  USA \r\n2   ---  --- ",
      "20  316  --- \r\n\r\n##### Programable USA Channel #####",
      "1   ENABLE  HARBOUR      366999999 \r\n2   ------  -----------  ----------",
      "40  ------  -----------  ----------\r\n\r\n##### Group ID Setting #####",
      "10  ------  -----------  ----------\r\n\r\n##### Programable Exp Channel #####\r\n"
      "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name\r\n"
      "--  ---  ------  --------  --------  ---  --  ---  --  ------------\r\n"
      "1        ENABLE  ---.----  ---.----  ---  --  ---   2  WORKBOAT    ",
      "Status Name                        ----              ----              ----              ----              "})
    EXPECT_TRUE(HasLines(report, lines));
  // clang-format on
}

}  // namespace
}  // namespace qw
