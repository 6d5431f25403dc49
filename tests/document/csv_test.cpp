#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

#include "document/document.h"
#include "formats/csv_channels.h"
#include "formats/csv_formats.h"
#include "formats/csv_table.h"
#include "model/channel_rules.h"
#include "model/series_traits.h"
#include "tests/document/test_support.h"

namespace qw {
namespace {

using test::NewData;

// Replaces the first line that starts with `start` by `line`.
std::string WithLine(std::string csv, const std::string& start, const std::string& line) {
  auto at = csv.find("\r\n" + start);
  EXPECT_NE(at, std::string::npos) << start;
  auto end = csv.find("\r\n", at + 2);
  return csv.replace(at + 2, end - at - 2, line);
}

TEST(CsvTable, ReadsQuotingLineEndsAndBlankLinesAndWritesBack) {
  CsvTable t = ParseCsv(
      "\xEF\xBB\xBF"
      "a,\"b,c\",\"say \"\"hi\"\"\"\r\n\n\"two\nlines\",,x\ry\n");
  ASSERT_EQ(t.error, "");
  ASSERT_EQ(t.rows.size(), 3u);
  EXPECT_EQ(t.rows[0].cells, (std::vector<std::string>{"a", "b,c", "say \"hi\""}));
  EXPECT_EQ(t.rows[1].cells, (std::vector<std::string>{"two\nlines", "", "x"}));
  EXPECT_EQ(t.rows[1].line, 3);
  EXPECT_EQ(t.rows[2].line, 5);
  // Writing quotes exactly what needs it.
  EXPECT_EQ(CsvLine({"plain", "", "a,b", "q\"q", "cr\r\nlf", " pad "}),
            "plain,,\"a,b\",\"q\"\"q\",\"cr\r\nlf\", pad \r\n");
  // A text a spreadsheet would reshape is quoted on request (the separators a header line says
  // are the spreadsheet round trip's test).
  EXPECT_EQ(CsvLine({"01", "10", "0", "1.50", "1E5", "1/2", "22A", "CH 1", ""},
                    {true, true, true, true, true, true, true, true, true}),
            "\"01\",10,0,\"1.50\",\"1E5\",\"1/2\",22A,CH 1,\r\n");
}

TEST(CsvTable, RefusesMalformedAndOversizedInput) {
  const std::tuple<std::string, int> bad[] = {
      {"a,\"open\n\nstill", 1},
      {"a,b\nx\"y,z\n", 2},
      {"\"done\"x,1\n", 1},
      {std::string(300, ','), 1},
      {"a," + std::string(2000, 'x'), 1},
  };
  for (const auto& [text, line] : bad) {
    CsvTable t = ParseCsv(text);
    EXPECT_NE(t.error, "") << text.substr(0, 20);
    EXPECT_EQ(t.errorLine, line) << text.substr(0, 20);
  }
  std::string many;
  for (int i = 0; i < 10001; ++i) many += "1\n";
  EXPECT_NE(ParseCsv(many).error, "");
}

// A data set with something in every column our CSV carries.
RadioData Edited(int16_t series) {
  RadioData d = NewData(series);
  d.USA[45].ChTag = "FUEL, DOCK", d.USA[45].Scramble = 6;  // slot 45 is channel 22A
  d.INTL[48].Duplex = d.CANADA[0].Enable = d.WX[9].ScanMemory = true;
  d.WX[2].ChTag = "any #text";
  ChannelRecord& p = d.FourthGroup[4];
  p.Enable = p.TxEnable = p.LowPower = p.PowUp = true;
  p.ChTag = "REPEATER (1)", p.CHDisplayL = "AU", p.CHDisplayR = "t";
  p.Rxfreq = 156.025, p.Txfreq = 160.625;
  if (Traits(series).fourthGroupTones)
    p.Narrow = p.RxComp = true, p.CTCSS = {12, 0}, p.DCS = {0, 104 + 7};
  ChannelRecord& last = d.FourthGroup[39];
  last.Enable = true, last.CHDisplayL = "04", last.Rxfreq = 174;
  if (Traits(series).channelNames) last.ChTag = "007";
  return d;
}

// Values in every column our CSV carries, all of them ones the channel pane takes, and texts a
// spreadsheet keeps as texts. With `common`, only what the common format carries: enabled
// fourth-group channels with the display an import gives them.
RadioData RandomLists(int16_t series, unsigned seed, bool common = false) {
  std::mt19937 random(seed);
  auto flag = [&] { return random() % 2 == 1; };
  auto pick = [&](std::initializer_list<const char*> list) {
    return std::string(list.begin()[random() % list.size()]);
  };
  const SeriesTraits& t = Traits(series);
  auto name = [&](ChannelRecord& ch) {
    if (t.channelNames) ch.ChTag = pick({"MARINA", "HARBOUR 1", "", "CH-16/A", "(1) +.,*", "x 07"});
  };
  auto scramble = [&](ChannelRecord& ch) {
    if (t.channelNames && !common && flag()) ch.Scramble = static_cast<int16_t>(4 + random() % 4);
  };
  // Hertz to MHz by one division: the same double as reading the text back.
  const int64_t step = t.frequencyRaster ? 25000 : 12500;
  auto mhz = [&] { return (137'000'000 + step * (random() % (37'000'000 / step + 1))) / 1e6; };
  RadioData d = NewData(series);
  for (int group = 0; group < 3 && !common; ++group) {
    for (ChannelRecord& ch : GroupList(d, group)) {
      ch.Enable = flag(), ch.LowPower = flag(), ch.PowUp = flag(), name(ch);
      ch.Duplex = ch.DuplexCapable && flag();
      ch.TxEnable = !ch.RxOnly && flag();
      if (!IsScanMemoryLocked(group, ch.Position)) ch.ScanMemory = flag();
      if (!IsScramblerLocked(group, ch.Position)) scramble(ch);
    }
  }
  for (ChannelRecord& wx : d.WX) {
    if (!common) wx.Enable = flag(), wx.ScanMemory = flag(), name(wx);
  }
  for (int i = 0; i < static_cast<int>(d.FourthGroup.size()); ++i) {
    ChannelRecord& ch = d.FourthGroup[i];
    if (!(ch.Enable = flag()) && common) continue;
    ch.TxEnable = flag(), ch.LowPower = flag(), ch.ScanMemory = flag(), name(ch), scramble(ch);
    ch.Rxfreq = mhz();
    ch.Txfreq = ch.TxEnable || !common ? mhz() : 0;
    ch.CHDisplayL = common ? (i < 9 ? "0" : "") + std::to_string(i + 1)
                           : pick({"01", "00", "09", "40", "P1", "AU", "1E"});
    if (!common) ch.PowUp = flag(), ch.CHDisplayR = pick({"", "0", "7", "A", "t"});
    if (!t.fourthGroupTones) continue;
    ch.Narrow = flag();
    for (int side : {0, 1}) {  // no tone, a CTCSS tone or a DCS code
      const auto kind = random() % 3;
      if (kind == 1) ch.CTCSS[side] = static_cast<int16_t>(1 + random() % (CtcssList().size() - 1));
      if (kind == 2) ch.DCS[side] = static_cast<int16_t>(1 + random() % (2 * DcsList().size() - 2));
    }
    ch.RxComp = !common && ch.DCS[1] != 0 && flag();
  }
  return d;
}

// Spreadsheets' saves with their defaults: in English; in a language with decimal commas (';'
// between fields), with LF line ends and a byte-order mark; tab-separated.
const test::SpreadsheetSave kSpreadsheets[] = {{}, {';', true, "\n", true}, {'\t'}};

// The export as written and as each spreadsheet saves it again.
std::vector<std::string> ExportAndResaves(const std::string& csv) {
  std::vector<std::string> texts{csv};
  for (const auto& save : kSpreadsheets) texts.push_back(test::SpreadsheetResave(csv, save));
  return texts;
}

TEST(CsvOurs, WritesEveryChannelWithTheSeriesColumns) {
  std::string mv710 = ChannelsToCsv(Edited(kSeriesMV710));
  EXPECT_EQ(mv710.substr(0, mv710.find("\r\n")),
            "Group,CH,Enable,TxEnable,LowPower,PowUp,Duplex,ScanMemory,Scramble,ChTag,CHDisplayL,"
            "CHDisplayR,Rxfreq,Txfreq,Narrow,TxTone,RxTone,RxComp");
  for (const char* row :
       {"USA,22A,1,1,0,0,0,0,2,\"FUEL, DOCK\",,,157.1000,157.1000,,,,\r\n",
        "USA,70,1,0,0,0,0,0,Off,DSC,,,156.5250,,,,,\r\n",
        "INTL,24,1,1,0,0,1,0,Off,TELEPHONE,,,161.8000,157.2000,,,,\r\n",
        "WX,WX03,1,,,,,0,,any #text,,,162.4750,,,,,\r\n",
        "LMR,5,1,1,1,1,,0,Off,REPEATER (1),AU,t,156.0250,160.6250,1,97.4Hz,I043,1\r\n",
        "LMR,40,1,0,0,0,,0,Off,\"007\",\"04\",,174.0000,,0,Off,Off,0\r\n", "\r\nUSA,\"00\",0,",
        "\r\nUSA,\"01\",0,"}) {
    EXPECT_NE(mv710.find(row), std::string::npos) << row;
  }
  // The MV510 has no names, scrambler or fourth-group tones: those cells stay empty.
  std::string mv510 = ChannelsToCsv(Edited(kSeriesMV510));
  EXPECT_NE(mv510.find("\r\nUSA,22A,1,1,0,0,0,0,,,,,157.1000,157.1000,,,,\r\n"), std::string::npos);
  EXPECT_NE(mv510.find("\r\nEXP,5,1,1,1,1,,0,,,AU,t,156.0250,160.6250,,,,\r\n"), std::string::npos);
}

// Random lists of every series, in either format, come back from each spreadsheet's re-save as
// they were exported; the common format has nothing it must leave out of them or note on import.
TEST(Csv, ASpreadsheetsResaveOfEitherFormatImportsBackAsExported) {
  for (bool common : {false, true}) {
    for (int16_t series : {kSeriesMV510, kSeriesMV710, kSeriesThird}) {
      for (unsigned seed = 1; seed <= 2; ++seed) {
        SCOPED_TRACE(testing::Message() << common << " " << series << " " << seed);
        const RadioData x = RandomLists(series, seed, common);
        std::vector<std::string> notes;
        for (const std::string& csv :
             ExportAndResaves(common ? FourthGroupToCommonCsv(x, &notes) : ChannelsToCsv(x))) {
          RadioData back = NewData(series);
          CsvImportResult r = ImportChannelsCsv(csv, back);
          ASSERT_TRUE(r.refused.empty()) << CsvProblemText(r.refused[0]);
          EXPECT_TRUE(!common || r.notes.empty());
          EXPECT_TRUE(back == x) << csv.substr(0, 300);
        }
        EXPECT_TRUE(notes.empty());
      }
    }
  }
}

// Onto the data it came from, nothing changes: not a name a spreadsheet made a number of, not a
// value the CSV shows rounded, not a list position with two stored values.
TEST(CsvOurs, ASpreadsheetsResaveOntoItsOwnDataChangesNothing) {
  RadioData d = Edited(kSeriesMV710);
  d.FourthGroup[4].Rxfreq = 156.02501;
  d.USA[45].ChTag = "1.50";
  d.USA[45].Scramble = 3;
  const RadioData before = d;
  for (const std::string& csv : ExportAndResaves(ChannelsToCsv(d))) {
    CsvImportResult r = ImportChannelsCsv(csv, d);
    EXPECT_FALSE(r.applied) << csv.substr(0, 200);
    EXPECT_EQ(d, before);
  }
}

// What a spreadsheet may turn a written number into is the same number; anything more is not.
TEST(CsvOurs, SameNumberTakesASpreadsheetsFormsOfANumberOnly) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"+156.8", "156.800", true}, {"01", "1", true},
      {".5", "0.5", true},         {"156.8x", "156.8", false},
      {"156.8", "156.81", false},  {"+", "0", false},
      {"inf", "inf", false},       {"", "", false},
      {"1e2", "100", true},
  };
  for (const auto& [a, b, same] : cases) {
    EXPECT_EQ(csv::SameNumber(a, b), same) << a << " / " << b;
    EXPECT_EQ(csv::SameNumber(b, a), same) << b << " / " << a;
  }
}

TEST(CsvOurs, OverlaysOnlyTheListedChannelsAndReadsWhatSpreadsheetsWrite) {
  RadioData d = NewData(kSeriesMV710);
  const std::string csv =
      "ch;GROUP;ChTag;Rxfreq;CHDisplayL\n"
      "6;intl;  SAFE  ;999;\n"  // leading zero dropped, frequency of a marine channel ignored
      "1;lmr;X;156,05;1\n"      // a decimal comma; the display's leading zero dropped
      "WX01;WX;Weather;;\n";
  CsvImportResult r = ImportChannelsCsv(csv, d);
  ASSERT_TRUE(r.refused.empty()) << CsvProblemText(r.refused[0]);
  EXPECT_EQ(r.channels, 3);
  ASSERT_EQ(r.notes.size(), 1u);
  EXPECT_EQ(CsvProblemText(r.notes[0]), "line 3: CHDisplayL 1 read as 01");
  RadioData expected = NewData(kSeriesMV710);
  expected.INTL[12].ChTag = "  SAFE  ";
  expected.FourthGroup[0].ChTag = "X";
  expected.FourthGroup[0].CHDisplayL = "01";
  expected.FourthGroup[0].Rxfreq = 156.05;
  expected.WX[0].ChTag = "Weather";
  EXPECT_EQ(d, expected);
  // A decimal comma is no point where commas separate the fields.
  r = ImportChannelsCsv("Group,CH,Rxfreq\nLMR,1,\"156,1\"\n", d);
  ASSERT_EQ(r.refused.size(), 1u);
  EXPECT_EQ(r.refused[0].column, "Rxfreq");
}

TEST(CsvOurs, RefusesEachBrokenRuleAndTakesNothing) {
  const std::string lmr5 = "EXP,5,1,1,1,1,,0,Off,REPEATER (1),AU,t,156.0250,160.6250,,,,";
  // replaced line start, new line, refused column, part of the reason
  const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
      {"EXP,5,", "EXP,5,1,1,1,1,,0,Off,R,AU,t,180.0000,160.6250,,,,", "Rxfreq", "137..174"},
      {"EXP,5,", "EXP,5,1,1,1,1,,0,Off,R,AU,t,156.0125,160.6250,,,,", "Rxfreq", "raster"},
      {"EXP,5,", "EXP,5,1,1,1,1,,0,Off,R#1,AU,t,156.0250,160.6250,,,,", "ChTag", "at most 12"},
      {"EXP,5,", "EXP,5,1,1,1,1,,0,Off,R,AB,t,156.0250,160.6250,,,,", "CHDisplayL", "A b C"},
      {"EXP,5,", "EXP,5,1,1,1,1,,0,Off,R,AU,tt,156.0250,160.6250,,,,", "CHDisplayR", "at most 1"},
      {"EXP,5,", "EXP,5,yes,1,1,1,,0,Off,R,AU,t,156.0250,160.6250,,,,", "Enable", "1 or 0"},
      {"EXP,5,", "EXP,5,1,1,1,1,,0,4,R,AU,t,156.0250,160.6250,,,,", "Scramble", "Off, 0"},
      {"EXP,2,", "EXP,2,1,0,0,0,,0,Off,,A,,150.0000,,,,,", "Enable", "two-character"},
      {"USA,15,", "USA,15,1,1,1,0,0,0,Off,COMMERCIAL,,,156.7500,,,,,", "TxEnable", "receive-only"},
      {"USA,01A,", "USA,01A,1,1,0,0,1,0,Off,VTS,,,156.0500,156.0500,,,,", "Duplex", "duplex"},
      {"USA,16,", "USA,16,1,1,0,0,0,0,1,DISTRESS,,,156.8000,156.8000,,,,", "Scramble",
       "cannot be changed"},
      {"USA,70,", "USA,70,1,0,0,0,0,1,Off,DSC,,,156.5250,,,,,", "ScanMemory", "cannot be changed"},
      {"EXP,5,", "USB,5" + lmr5.substr(5), "Group", "no such group"},
      {"EXP,5,", "EXP,41" + lmr5.substr(5), "CH", "no such channel"},
      {"EXP,5,", "EXP,6" + lmr5.substr(5), "CH", "listed twice"},  // EXP,6 comes later too
      {"EXP,5,", "EXP,5,1", "", "fields"},
      // The MV710's tones: an unknown tone, and COMP without a receive DCS code.
      {"LMR,5,", "LMR,5,1,1,1,1,,0,Off,R,AU,t,156.0250,160.6250,1,97.5Hz,I036,1", "TxTone", ""},
      {"LMR,5,", "LMR,5,1,1,1,1,,0,Off,R,AU,t,156.0250,160.6250,1,97.4Hz,Off,1", "RxComp", ""},
  };
  for (const auto& [start, line, column, reason] : cases) {
    const int16_t series = start.starts_with("LMR") ? kSeriesMV710 : kSeriesThird;
    RadioData d = NewData(series);
    const RadioData before = d;
    CsvImportResult r = ImportChannelsCsv(WithLine(ChannelsToCsv(Edited(series)), start, line), d);
    ASSERT_EQ(r.refused.size(), 1u) << line << "\n" << CsvProblemText(r.refused.at(0));
    EXPECT_EQ(r.refused[0].column, column) << line;
    EXPECT_NE(r.refused[0].reason.find(reason), std::string::npos) << r.refused[0].reason;
    if (start == "LMR,5,") {
      EXPECT_EQ(r.refused[0].line, 736);
    }
    EXPECT_FALSE(r.applied);
    EXPECT_EQ(d, before) << line;
  }
  // Header faults.
  for (const char* header : {"Group,CH,Chtag2\n", "Group,CH,ChTag,chtag\n"}) {
    RadioData d = NewData(kSeriesMV710);
    EXPECT_EQ(ImportChannelsCsv(header, d).refused.size(), 1u) << header;
  }
  RadioData d = NewData(kSeriesMV710);
  // Half of either pair of columns is no channel list.
  for (const char* header :
       {"Name,Freq\n", "Group,Name\n", "Name,CH\n", "Location,Name\n", "Name,Frequency\n"}) {
    EXPECT_EQ(ImportChannelsCsv(header, d).error,
              "the first row names neither Group and CH nor Location and Frequency")
        << header;
  }
  EXPECT_NE(ImportChannelsCsv("Group,CH\n\"open", d).error, "");
}

constexpr const char* kCommonHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,"
    "Skip,Power\r\n";

// What other tools write and our export does not (split, watts, names to cut); the rest is the
// round trip's test.
TEST(CsvCommon, MapsEachColumnOntoTheFourthGroup) {
  using Tones = std::array<int16_t, 2>;
  // row; rx, tx, TX enable, CTCSS, DCS, narrow, scan memory, low power, name
  // clang-format off
  const std::tuple<const char*, double, double, bool, Tones, Tones, bool, bool, bool, const char*> cases[] = {
      {"1,Simplex,156.000000,,0,,88.5,88.5,023,NN,FM,,5.0W",
       156, 156, true, {0, 0}, {0, 0}, false, true, false, "Simplex"},
      {"2,Plus,150.0125,+,1.5,Tone,88.5,100.0,023,NN,NFM,S,1.0W",
       150.0125, 151.5125, true, {9, 0}, {0, 0}, true, false, true, "Plus"},
      {"3,Split,150,split,160,DTCS,88.5,88.5,754,RN,FM,,High",
       150, 160, true, {0, 0}, {104 + 104, 104}, false, true, false, "Split"},
      {"4,F\xC3\xA9rry #1 to the isle,150,,0,,,,,,FM,,",
       150, 150, true, {0, 0}, {0, 0}, false, true, false, "Frry 1 to th"},
  };
  // clang-format on
  std::string csv = kCommonHeader;
  for (const auto& c : cases) csv += std::string(std::get<0>(c)) + "\r\n";
  RadioData d = NewData(kSeriesMV710);
  CsvImportResult r = ImportChannelsCsv(csv, d);
  ASSERT_TRUE(r.common);
  ASSERT_TRUE(r.refused.empty()) << CsvProblemText(r.refused[0]);
  ASSERT_EQ(r.notes.size(), 1u);
  EXPECT_EQ(CsvProblemText(r.notes[0]), "line 5, Name: cut to \"Frry 1 to th\"");
  int i = 0;
  for (const auto& [row, rx, tx, txEnable, ctcss, dcs, narrow, scan, low, name] : cases) {
    const ChannelRecord& ch = d.FourthGroup[i++];
    SCOPED_TRACE(row);
    EXPECT_DOUBLE_EQ(ch.Rxfreq, rx);
    EXPECT_DOUBLE_EQ(ch.Txfreq, tx);
    EXPECT_EQ(std::tuple(ch.Enable, ch.TxEnable, ch.CTCSS, ch.DCS, ch.Narrow, ch.ScanMemory,
                         ch.LowPower, ch.ChTag, ch.CHDisplayL),
              std::tuple(true, txEnable, ctcss, dcs, narrow, scan, low, std::string(name),
                         "0" + std::to_string(i)));
  }
}

TEST(CsvCommon, SkipsRowsTheRadioCannotHoldAndTakesTheRest) {
  const char* rows[] = {
      "1,A,446.000000,,0,,,,,,FM,,",
      "2,B,150.0125,,0,,,,,,FM,,",  // off the raster (series 0)
      "3,C,150,,0,Cross,,,,,FM,,",
      "4,D,150,,0,,,,,,AM,,",
      "41,E,150,,0,,,,,,FM,,",
      "6,F,150,+,30,,,,,,FM,,",  // transmit at 180 MHz
      "7,G,150,,0,Tone,89.0,,,,FM,,",
      "8,H,150,,0,DTCS,,,024,NN,FM,,",
      "9,I,150,,0,,,,,,FM,,",
      "9,J,150,,0,,,,,,FM,,",
      "10,K,14910000000000,,0,,,,,,FM,,",  // no frequency at all, and no overflow either
  };
  std::string csv = kCommonHeader;
  for (const char* row : rows) csv += std::string(row) + "\n";
  int channels = 0;
  auto skipped = [&](RadioData& d) {
    const CsvImportResult r = ImportChannelsCsv(csv, d);
    std::vector<int> lines;
    for (const auto& p : r.refused) lines.push_back(p.line);
    channels = r.channels;
    return lines;
  };
  RadioData mv710 = NewData(kSeriesMV710);
  EXPECT_EQ(skipped(mv710), (std::vector<int>{2, 4, 5, 6, 7, 8, 9, 11, 12}));
  EXPECT_EQ(channels, 2);
  EXPECT_TRUE(mv710.FourthGroup[1].Enable);
  EXPECT_FALSE(mv710.FourthGroup[3].Enable);
  // The third variant asks for the raster and has no tones: row 2 is refused, tones dropped.
  RadioData third = NewData(kSeriesThird);
  EXPECT_EQ(skipped(third), (std::vector<int>{2, 3, 5, 6, 7, 11, 12}));
  EXPECT_FALSE(third.FourthGroup[3].Enable);
  EXPECT_TRUE(third.FourthGroup[6].Enable);
}

// The modes and cross modes our export writes are the round trip's test; here the forms other
// tools write too.
TEST(CsvCommon, TakesEveryToneModeWithOneToneOrCodePerSideAndWritesItBack) {
  // rToneFreq 100.0 is CTCSS 13, cToneFreq 88.5 is 9; DtcsCode 023 with polarity R is I023
  // (105), RxDtcsCode 754 with N is 104.
  using Tones = std::array<int16_t, 2>;
  const std::tuple<const char*, const char*, Tones, Tones> taken[] = {
      {"Tone", "", {13, 0}, {0, 0}},        {"TSQL", "", {9, 9}, {0, 0}},
      {"DTCS", "", {0, 0}, {105, 1}},       {"Cross", "Tone->DTCS", {13, 0}, {0, 104}},
      {"Cross", "Tone->", {13, 0}, {0, 0}}, {"Cross", "", {13, 9}, {0, 0}},
  };
  const std::string header =
      "Location,Frequency,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode\n";
  auto row = [](int location, const char* tone, const char* cross, const char* rxCode) {
    return std::to_string(location) + ",150," + tone + ",100.0,88.5,023,RN," + rxCode + "," +
           cross + "\n";
  };
  std::string csv = header;
  int location = 0;
  for (const auto& [tone, cross, ctcss, dcs] : taken) csv += row(++location, tone, cross, "754");
  RadioData d = NewData(kSeriesMV710);
  CsvImportResult r = ImportChannelsCsv(csv, d);
  ASSERT_TRUE(r.refused.empty()) << CsvProblemText(r.refused[0]);
  location = 0;
  for (const auto& [tone, cross, ctcss, dcs] : taken) {
    SCOPED_TRACE(std::string(tone) + " " + cross);
    EXPECT_EQ(std::pair(d.FourthGroup[location].CTCSS, d.FourthGroup[location].DCS),
              std::pair(ctcss, dcs));
    ++location;
  }
  // Sides that differ go out as cross rows (that they come back is the round trip's test).
  EXPECT_NE(FourthGroupToCommonCsv(d).find(
                "\r\n4,,150.000000,,0.000000,Cross,100.0,88.5,\"023\",NN,754,Tone->DTCS,"),
            std::string::npos);

  // What the radio cannot hold is skipped with the reason.
  csv = header + row(1, "Cross", "DTCS->DTCS", "999") + row(2, "Cross", "Tone->DTCS-R", "754") +
        row(3, "Cross", "->", "754") + row(4, "TSQL-R", "", "754");
  r = ImportChannelsCsv(csv, d);
  std::vector<std::string> reasons;
  for (const auto& p : r.refused) reasons.push_back(CsvProblemText(p));
  EXPECT_EQ(
      reasons,
      (std::vector<std::string>{
          "line 2: Location 1: RxDtcsCode \"999\" is not a DCS code",
          "line 3: Location 2: CrossMode \"Tone->DTCS-R\" is not a cross mode the format knows",
          "line 4: Location 3: CrossMode \"->\" is not a cross mode the format knows",
          "line 5: Location 4: Tone \"TSQL-R\" is a tone mode the radio cannot express"}));
}

// That an import is one edit, named "CSV import", is the editor's undo test.
TEST(CsvDocument, ImportAndExportSayWhatTheyRefusedSkippedOrLeftOut) {
  test::TempFolder folder;
  Document doc;
  test::WriteBytes(folder.File("bad.csv"), "Group,CH,ChTag\nUSA,16,A#\nUSA,09,OK\n");
  Outcome refused = doc.ImportChannels(folder.File("bad.csv"));
  EXPECT_TRUE(refused.failed());
  EXPECT_EQ(refused.message->Text,
            "Data Error!!\nline 2, ChTag: a name has at most 12 of the characters A-Z a-z 0-9 "
            "blank - / * ( ) + . , (\"A#\")\nNothing was imported.");
  EXPECT_FALSE(doc.IsModified());

  // A long list of skipped rows names the first 30 and counts the rest.
  std::string skipped = "Location,Name,Frequency,Mode\n";
  for (int row = 1; row <= 35; ++row) skipped += std::to_string(row) + ",X,999,FM\n";
  test::WriteBytes(folder.File("skipped.csv"), skipped + "36,X,150,FM\n");
  const std::string summary = doc.ImportChannels(folder.File("skipped.csv")).message->Text;
  EXPECT_TRUE(summary.ends_with("\n... and 5 more")) << summary;
  EXPECT_TRUE(doc.IsModified());  // the row that could be held was taken
  EXPECT_TRUE(doc.ExportChannels(folder.File("none/x.csv"), Document::CsvFormat::Ours).failed());

  // An export that leaves something out writes the file and says what it left out: a side with a
  // tone and a code at once, and (once for all) receive-only channels with a transmit frequency.
  doc.Edit({EditWhat::Unit::WholeDataSet, -1, -1, "test"}, [](RadioData& d) {
    d.FourthGroup[0].Enable = true, d.FourthGroup[0].CTCSS = {1, 0}, d.FourthGroup[0].DCS = {3, 0};
    for (int k : {2, 3}) {
      ChannelRecord& ch = d.FourthGroup[k];
      ch.Enable = true, ch.TxEnable = false, ch.Rxfreq = 156.025, ch.Txfreq = 160.625;
    }
  });
  const Outcome noted = doc.ExportChannels(folder.File("common.csv"), Document::CsvFormat::Common);
  ASSERT_TRUE(noted.ok() && noted.message);
  EXPECT_EQ(noted.message->Text,
            "LMR1: its tones cannot be written in this format and are left out\n"
            "LMR3, LMR4: transmit is set in the radio and these channels receive only; they are "
            "written with Duplex off, without their Tx frequency");
  EXPECT_NE(test::ReadBytes(folder.File("common.csv")).find("156.025000,off"), std::string::npos);
}

}  // namespace
}  // namespace qw
