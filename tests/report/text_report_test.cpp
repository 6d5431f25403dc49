#include "report/text_report.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "model/channel_plans.h"

namespace qw {
namespace {

// Expected lines end in '|' so that their trailing blanks are visible and counted.
std::string Expected(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    EXPECT_EQ(line.back(), '|') << line;
    text += "\r\n" + line.substr(0, line.size() - 1);
  }
  return text;
}

// The report's lines, each without its leading CR LF.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while ((pos = text.find("\r\n", pos)) != std::string::npos) {
    pos += 2;
    const auto next = text.find("\r\n", pos);
    lines.push_back(text.substr(pos, next == std::string::npos ? std::string::npos : next - pos));
  }
  return lines;
}

RadioData EmptyDataSet(int16_t series) {
  RadioData d;
  d.ModelSeries = series;
  for (auto* list : {&d.USA, &d.INTL, &d.CANADA}) {
    list->resize(240);
    for (int i = 0; i < 240; ++i) (*list)[i].Position = static_cast<int16_t>(i);
  }
  d.FourthGroup.resize(40);
  return d;
}

ChannelRecord& EnableSlot(std::vector<ChannelRecord>& list, int slot, const char* tag) {
  auto& ch = list[slot];
  ch.Enable = true;
  ch.TxEnable = true;
  ch.ChTag = tag;
  return ch;
}

ChannelRecord Weather(int entry, bool enable, bool mem, const char* tag) {
  ChannelRecord ch;
  ch.Position = static_cast<int16_t>(entry);
  ch.Enable = enable;
  ch.ScanMemory = mem;
  ch.ChTag = tag;
  return ch;
}

// An MV710 data set with a little of everything: cut and uncut texts, hidden TX, duplex,
// scrambler, tones of both kinds and fourth-group frequencies on and off the raster.
RadioData Mv710DataSet() {
  RadioData d = EmptyDataSet(kSeriesMV710);
  d.UsableGroupSettings[0] = {true, false, 32, true, "USA1"};
  d.UsableGroupSettings[1] = {true, true, 250, false, ""};
  d.UsableGroupSettings[2] = {false, false, kNoChannel, false, "  "};
  d.UsableGroupSettings[3] = {true, true, 40, true, "LMRX"};
  d.CommonSettings = {1, true, 2, false, true, 17, 1, 3, true};
  d.AtisSettings.UsableAtisGroup = {true, false, true, false};
  d.AtisSettings.AtisCode = "123456789";

  EnableSlot(d.USA, 3, "ABCDEFGHIJKLMN").PowUp = true;  // 01A, tag longer than the column
  auto& ch15 = EnableSlot(d.USA, 30, "COMMERCIAL");
  ch15.RxOnly = true;
  ch15.TxEnable = false;
  ch15.LowPower = true;
  auto& ch16 = EnableSlot(d.USA, 32, "DISTRESS");
  ch16.ScanMemory = true;
  ch16.Scramble = 5;
  EnableSlot(d.USA, 48, "TELEPHONE").Duplex = true;  // 24: receives 4.6 MHz higher
  d.USA[34].ChTag = "HIDDEN";                        // not enabled: not listed
  EnableSlot(d.CANADA, 121, "");                     // 60A

  d.WX = {Weather(1, true, true, "162.550MHZ"), Weather(2, false, false, "162.400MHZ"),
          Weather(3, true, false, "LONG WX NAME TAG")};

  auto& e1 = d.FourthGroup[0];
  e1.Enable = true;
  e1.CHDisplayL = "1";
  e1.CHDisplayR = "A";
  e1.Rxfreq = 156.0137;  // off both rasters
  e1.Txfreq = 156.0125;  // on the 12.5 kHz raster
  e1.LowPower = true;
  e1.ScanMemory = true;
  e1.Scramble = 7;
  e1.Narrow = true;
  e1.CTCSS = {12, 0};
  e1.DCS = {5, 105};
  e1.RxComp = true;
  auto& e3 = d.FourthGroup[2];
  e3.Enable = true;
  e3.CHDisplayL = "123";
  e3.Rxfreq = 462.5625;
  e3.Txfreq = 162.0075;
  e3.PowUp = true;
  e3.ChTag = "WORKBOAT";
  e3.CTCSS = {50, 0};
  e3.DCS = {0, 104};
  return d;
}

TEST(TextReport, Mv710ReportLineByLine) {
  RadioData d = Mv710DataSet();
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
      "2   ------  ---  162.400MHZ  |",
      "3   ENABLE  ---  LONG WX NAME|",
      "|",
      "##### Programable LMR Channel #####|",
      "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name      W/N  RXT      CMP  TXT|",
      "--  ---  ------  --------  --------  ---  --  ---  --  ------------  --  -------  ---  -------|",
      "1   1 A  ENABLE  156.0100  156.0125  LOW  --  MEM   3  ------------  N   I023     CMP  97.4Hz |",
      "2        ------  ---.----  ---.----  ---  --  ---  --  ------------  --  -------  ---  -------|",
      "3   12   ENABLE  462.5625  162.0050  ---  UP  ---  --  WORKBOAT      --  N754     ---  254.1Hz|",
  };
  // clang-format on
  for (int n = 4; n <= 40; ++n) {
    lines.push_back((n < 10 ? std::to_string(n) + "   " : std::to_string(n) + "  ") +
                    "     ------  ---.----  ---.----  ---  --  ---  --  ------------  --  -------  "
                    "---  -------|");
  }
  EXPECT_EQ(BuildTextReport(d), Expected(lines));

  // Formatting snapped the off-raster frequencies in the data set itself.
  EXPECT_DOUBLE_EQ(d.FourthGroup[0].Rxfreq, 156.01);
  EXPECT_DOUBLE_EQ(d.FourthGroup[0].Txfreq, 156.0125);
  EXPECT_DOUBLE_EQ(d.FourthGroup[2].Txfreq, 162.005);
}

RadioData Mv510DataSet() {
  RadioData d = EmptyDataSet(kSeriesMV510);
  d.UsableGroupSettings[0] = {true, true, 241, false, "ABCD"};
  d.UsableGroupSettings[1] = {false, false, 0, true, ""};
  d.UsableGroupSettings[2] = {true, false, 279, false, ""};
  d.UsableGroupSettings[3] = {false, true, kNoChannel, true, ""};
  d.CommonSettings = {2, false, 0, true, false, 3, 1, 0, true};
  d.AtisSettings.UsableAtisGroup = {false, false, false, true};

  auto& ch16 = EnableSlot(d.USA, 32, "DISTRESS");
  ch16.Duplex = true;
  ch16.Scramble = 6;  // the MV510 series shows no scrambler
  auto& ch00a = EnableSlot(d.INTL, 1, "");
  ch00a.TxEnable = false;
  d.WX = {Weather(1, true, true, "162.550MHZ"), Weather(2, false, false, "162.400MHZ")};

  auto& e1 = d.FourthGroup[0];
  e1.Enable = true;
  e1.CHDisplayL = "7";
  e1.Rxfreq = 156.0075;
  e1.Scramble = 4;
  e1.ChTag = "NOT SHOWN";
  auto& e40 = d.FourthGroup[39];
  e40.Enable = true;
  e40.CHDisplayR = "B";
  e40.Rxfreq = 25;
  e40.Txfreq = 1234.56789;
  e40.ScanMemory = true;
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
      "TX Po Display:                     Last TX Po                         |",
      "|",
      "[Scanning Function]|",
      "SCAN:                              Off               |",
      "Resume Time:                       --                |",
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
      "2   ------  ---  |",
      "|",
      "##### Programable Exp Channel #####|",
      "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM|",
      "--  ---  ------  --------  --------  ---  --  ---|",
      "1   7    ENABLE  156.0050  ---.----  ---  --  ---  |",
  };
  // clang-format on
  for (int n = 2; n <= 39; ++n) {
    lines.push_back((n < 10 ? std::to_string(n) + "   " : std::to_string(n) + "  ") +
                    "     ------  ---.----  ---.----  ---  --  ---  |");
  }
  lines.push_back("40    B  ENABLE  025.0000  1234.5650 ---  --  MEM  |");
  EXPECT_EQ(BuildTextReport(d), Expected(lines));
  EXPECT_DOUBLE_EQ(d.FourthGroup[0].Rxfreq, 156.005);
}

TEST(TextReport, FileContentIsTheImagePlusALineBreak) {
  RadioData d = Mv510DataSet();
  const std::string image = BuildTextReport(d);
  const std::string file = TextFileContent(image);
  EXPECT_EQ(file.rfind("\r\n\r\n#####", 0), 0u);  // starts with two line breaks
  EXPECT_EQ(file, image + "\r\n");
}

RadioData ThirdVariantDataSet() {
  RadioData d = EmptyDataSet(kSeriesThird);
  d.CommonSettings.OffsetTime = 17;
  d.CommonSettings.MagneticVariation = 1;
  d.CommonSettings.Rotary = true;
  d.DscSettings.DscGroup = {true, false, true};
  d.DscSettings.UserMmsi = "366123456";
  d.DscSettings.BeepOut = {true, false, false, false, false, false, false, true};
  d.DscSettings.AckMenu = {false, true, false};
  d.AtisSettings.AtisKillerGroup = {false, true, false, true};
  d.AtisSettings.AtisCallSign[0] = {"366", "USA"};
  d.AtisSettings.AtisCallSign[19] = {"316", ""};
  d.MemoryDirectory[0] = {true, "HARBOUR", "366999999"};
  d.GroupDirectory[0] = {true, "FLEET", "036699999"};
  auto& e1 = d.FourthGroup[0];
  e1.Enable = true;
  e1.Scramble = 6;
  e1.ChTag = "WORKBOAT";
  e1.CTCSS = {12, 12};  // the third variant has no tones: never shown
  return d;
}

// Line n after the first line that starts with `start` (n = 0: that line), or "" when none.
std::string LineAfter(const std::vector<std::string>& lines, const std::string& start, int n) {
  for (std::size_t i = 0; i + n < lines.size(); ++i)
    if (lines[i].rfind(start, 0) == 0) return lines[i + n];
  return {};
}

TEST(TextReport, ThirdVariantAddsItsSectionsInOrderAndStyle) {
  RadioData d = ThirdVariantDataSet();
  const auto lines = Lines(BuildTextReport(d));

  // Headings in report order, each after a blank line.
  const char* headings[] = {"##### Available CH Group Setup #####",
                            "##### Common Setup #####",
                            "##### DSC Setup (Basic Setup) #####",
                            "##### DSC Setup (Advanced Setup) #####",
                            "##### DSC Setup (Display Setup) #####",
                            "##### ATIS Setup (Common) #####",
                            "##### ATIS Setup (Call Sign) #####",
                            "##### Programable USA Channel #####",
                            "##### Programable International Channel #####",
                            "##### Programable Canada Channel #####",
                            "##### Programable Wx Channel #####",
                            "##### Memory ID Setting #####",
                            "##### Group ID Setting #####",
                            "##### Programable Exp Channel #####"};
  std::size_t at = 0;
  for (const char* h : headings) {
    std::size_t i = at;
    while (i < lines.size() && lines[i] != h) ++i;
    ASSERT_LT(i, lines.size()) << "missing or out of order: " << h;
    EXPECT_EQ(lines[i - 1], "") << h;
    at = i + 1;
  }

  // Line n after the first line that starts with `start`; n = 0 is that line itself.
  const struct {
    const char* start;
    int n;
    const char* line;
  } rows[] = {
      // clang-format off
      {"[Weather CH Function]", 3, "[NMEA Data Input]"},
      {"Offset Time:", 0, "Offset Time:                       +5:00             "},
      {"Magnetic Variation:", 0, "Magnetic Variation:                Mag               "},
      {"Rotary Beep:", 0, "Rotary Beep:                       On                "},
      {"DSC CH Group:", 0, "DSC CH Group:                      On                Off               On                "},
      {"User MMSI:", 0, "User MMSI:                         366123456         "},
      {"Beep Out:", 0, "Beep Out:                          On   Off  Off  Off  Off  Off  Off  On   "},
      {"Individual ACK Message Menu:", 0, "Individual ACK Message Menu:       On                "},
      {"Usable ATIS Killer CH Group:", 0, "Usable ATIS Killer CH Group:       Off               On                Off               On                "},
      {"##### ATIS Setup (Call Sign) #####", 3, "1   366  USA "},
      {"##### ATIS Setup (Call Sign) #####", 22, "20  316  --- "},
      {"##### ATIS Setup (Call Sign) #####", 23, ""},
      {"##### Memory ID Setting #####", 3, "1   ENABLE  HARBOUR      366999999 "},
      {"##### Memory ID Setting #####", 4, "2   ------  -----------  ----------"},
      {"##### Memory ID Setting #####", 43, ""},
      {"##### Group ID Setting #####", 3, "1   ENABLE  FLEET        036699999 "},
      {"##### Group ID Setting #####", 13, ""},
      {"##### Programable Exp Channel #####", 1, "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name"},
      {"##### Programable Exp Channel #####", 3, "1        ENABLE  ---.----  ---.----  ---  --  ---   2  WORKBOAT    "},
      // clang-format on
  };
  for (const auto& r : rows) EXPECT_EQ(LineAfter(lines, r.start, r.n), r.line) << r.start;
  EXPECT_EQ(lines.back(), "40       ------  ---.----  ---.----  ---  --  ---  --  ------------");
  EXPECT_EQ(LineAfter(lines, "Status Name", 0).substr(35, 4), "----");
}

TEST(TextReport, MainSeriesLeaveOutTheThirdVariantSections) {
  for (int16_t series : {kSeriesMV510, kSeriesMV710}) {
    RadioData d = ThirdVariantDataSet();
    d.ModelSeries = series;
    const std::string text = BuildTextReport(d);
    for (const char* absent :
         {"DSC Setup", "NMEA", "Rotary", "Killer", "Call Sign", "Memory ID", "Group ID"})
      EXPECT_EQ(text.find(absent), std::string::npos) << series << " " << absent;
  }
}

// Values a hand-edited file could carry: nothing crashes or reads out of bounds (the sanitizer
// build checks), and the odd values show as blanks or dashes.
TEST(TextReport, OutOfRangeValuesGiveBlanksNotCrashes) {
  RadioData d = EmptyDataSet(kSeriesMV710);
  d.UsableGroupSettings[0].PriorityCh = -7;
  d.CommonSettings.TxPoDisplay = 255;
  d.CommonSettings.ResumeTime = -1;
  d.CommonSettings.Weater = 99;
  auto& bad = EnableSlot(d.USA, 5, "");
  bad.Position = 9999;
  EnableSlot(d.USA, 6, "").Position = -1;
  d.FourthGroup.resize(3);
  d.FourthGroup[0].Rxfreq = std::numeric_limits<double>::infinity();
  d.FourthGroup[0].Txfreq = std::numeric_limits<double>::quiet_NaN();
  d.FourthGroup[1].Rxfreq = 1e300;
  d.FourthGroup[1].CTCSS = {300, -5};
  d.FourthGroup[1].DCS = {-5, 30000};
  d.FourthGroup[2].Scramble = -1;

  const auto lines = Lines(BuildTextReport(d));
  EXPECT_EQ(LineAfter(lines, "Priority CH", 0).substr(35, 18), "Off               ");
  EXPECT_EQ(LineAfter(lines, "TX Po Display:", 0).substr(35), std::string(35, ' '));
  EXPECT_EQ(LineAfter(lines, "Resume Time:", 0).substr(35), std::string(18, ' '));
  EXPECT_EQ(LineAfter(lines, "##### Programable USA Channel #####", 3).substr(0, 23),
            "     ---.---  ---.---  ");
  const std::string e1 = LineAfter(lines, "##### Programable LMR Channel #####", 3);
  EXPECT_EQ(e1.substr(17, 20), "---.----  ---.----  ");
  const std::string e2 = LineAfter(lines, "##### Programable LMR Channel #####", 4);
  EXPECT_EQ(e2.substr(17, 1), "1");                // a huge but finite value is written out in full
  EXPECT_EQ(e2.substr(e2.size() - 7), "       ");  // no tone for an index beyond the lists
  EXPECT_EQ(LineAfter(lines, "##### Programable LMR Channel #####", 6), "");
}

// The built-in plans through the report: one row per plan entry, with the plan's own texts.
TEST(TextReport, NewDataSetListsEveryPlanChannel) {
  RadioData d;
  BuildNewDataSet(d, kSeriesMV710);
  const auto lines = Lines(BuildTextReport(d));
  const auto rowsUnder = [&](const std::string& heading) {
    std::size_t i = 0;
    while (i < lines.size() && lines[i] != heading) ++i;
    std::size_t rows = 0;
    for (i += 3; i < lines.size() && !lines[i].empty(); ++i) ++rows;
    return rows;
  };
  EXPECT_EQ(rowsUnder("##### Programable USA Channel #####"), 55u);
  EXPECT_EQ(rowsUnder("##### Programable International Channel #####"), 55u);
  EXPECT_EQ(rowsUnder("##### Programable Canada Channel #####"), 56u);
  EXPECT_EQ(rowsUnder("##### Programable Wx Channel #####"), 10u);
  EXPECT_EQ(rowsUnder("##### Programable LMR Channel #####"), 40u);
  EXPECT_EQ(LineAfter(lines, "15 ", 0),
            "15   156.750  ---.---  --  ---  --  ---  ---  --  COMMERCIAL  ");
  EXPECT_EQ(LineAfter(lines, "Priority CH", 0).substr(35, 18), "16                ");
}

}  // namespace
}  // namespace qw
