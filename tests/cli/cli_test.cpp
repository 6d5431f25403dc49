// quaywright-cli driven as other tools drive it: files in, files and exit codes out.
#include <gtest/gtest.h>

#include "tests/support/cli_runner.h"

namespace qw {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class CliTest : public ::testing::Test, protected test::CliFolder {};

// A new image has the series' size (its model numbers and checksum are the info test's); an image
// converted to JSON and back is the same to the byte, and so is the JSON.
TEST_F(CliTest, NewImagesHaveTheirSizeAndConvertRoundTripsAreByteExact) {
  for (const auto& [series, size] :
       {std::pair{"mv510", 8192u}, std::pair{"mv710", 16384u}, std::pair{"0", 16384u}}) {
    SCOPED_TRACE(series);
    const std::string a = P("a.hex"), j = P("a.json"), b = P("b.hex"), j2 = P("b.json");
    const test::Result made = Cli({"new", "--series", series, "-o", a});
    ASSERT_EQ(made.code, 0) << made.err;
    ASSERT_EQ(ReadBytes(a).size(), size);
    for (const auto& [from, to] : {std::pair{a, j}, {j, b}, {b, j2}}) {
      const test::Result r = Cli({"convert", from, "-o", to});
      ASSERT_EQ(r.code, 0) << r.err;
    }
    EXPECT_EQ(ReadBytes(a), ReadBytes(b));
    EXPECT_EQ(ReadBytes(j), ReadBytes(j2));
  }
}

TEST_F(CliTest, InfoDescribesAnImage) {
  const std::string a = P("a.HEX");  // described as it is on disk, whatever the name's case
  ASSERT_EQ(Cli({"new", "--series", "mv510", "-o", a}).code, 0);
  const test::Result r = Cli({"info", a});
  ASSERT_EQ(r.code, 0) << r.err;
  for (const char* line : {"series: mv510", "0x01FE at 64..65, 0x01FE at 8190..8191",
                           "header checksum: right", "USA 55, INTL 55, CANADA 56, EXP 0, WX 10"})
    EXPECT_NE(r.out.find(line), std::string::npos) << r.out;

  std::string img = ReadBytes(a);
  img[95] = static_cast<char>(img[95] + 1);
  WriteBytes(a, img);
  EXPECT_NE(Cli({"info", a}).out.find("header checksum: wrong"), std::string::npos);
}

TEST_F(CliTest, RefusalsPrintTheProgramsMessagesAndExitOne) {
  const std::string a = P("a.hex");
  ASSERT_EQ(Cli({"new", "--series", "mv710", "-o", a}).code, 0);
  const std::string img = ReadBytes(a);
  WriteBytes(P("short.hex"), img.substr(0, 1000));
  WriteBytes(P("mismatch.hex"), img.substr(0, 16383) + '\0');
  WriteBytes(P("bad.json"), R"({"CommonSettings": {"ResumeTime": true}})");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"convert", P("short.hex"), "--series", "mv710", "-o", P("o.json")}, "bad file!!"},
      {{"convert", P("mismatch.hex"), "-o", P("o.json")}, "ModelType Error !!"},
      {{"new", "--destination", "nowhere", "-o", P("o.hex")}, "IniFileRead Error!!"},
      {{"convert", P("bad.json"), "-o", P("o.hex")}, "CommonSettings.ResumeTime"},
      // The program's message, then the file and the system's reason on a second line.
      {{"convert", P("nosuch.dat"), "-o", P("o.json")},
       "FileRead Error!!\n" + P("nosuch.dat") + ": No such file or directory"},
      {{"convert", a, "-o", P("nofolder/o.dat")},
       "FileSave Error!!\n" + P("nofolder/o.dat") + ": No such file"},
  };
  for (const auto& [args, message] : cases) {
    const test::Result r = Cli(args);
    EXPECT_EQ(r.code, 1) << message;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(P("o.json")));
  EXPECT_FALSE(std::filesystem::exists(P("o.hex")));
}

// Values the radio cannot store pass through every file kind unchanged, each time with a warning.
TEST_F(CliTest, OddValuesSurviveJsonAndAreNamedOnStderr) {
  const std::string j = P("odd.json"), x = P("x.dat"), j2 = P("x.json"), y = P("y.dat");
  WriteBytes(j, R"({"CommonSettings": {"ResumeTime": -7, "Weater": 300, "TxPoDisplay": 500},
              "USA": [{"Scramble": 32}], "AtisSettings": {"AtisCode": "ABC"}})");
  const test::Result made = Cli({"convert", "--series", "mv710", j, "-o", x});
  ASSERT_EQ(made.code, 0) << made.err;
  EXPECT_NE(made.err.find("warning: " + j + ": CommonSettings.ResumeTime = -7 (the radio will"),
            std::string::npos)
      << made.err;
  const test::Result toJson = Cli({"convert", x, "-o", j2});
  ASSERT_EQ(toJson.code, 0) << toJson.err;
  EXPECT_NE(toJson.err.find("USA[0].Scramble = 32"), std::string::npos) << toJson.err;
  const test::Result back = Cli({"convert", j2, "-o", y});
  ASSERT_EQ(back.code, 0) << back.err;
  EXPECT_NE(back.err.find("CommonSettings.Weater = 300"), std::string::npos) << back.err;
  EXPECT_EQ(ReadBytes(x), ReadBytes(y));
}

TEST_F(CliTest, GridPrintsTheChosenGridsInOrder) {
  const std::string a = P("a.dat");
  ASSERT_EQ(Cli({"new", "--series", "mv510", "-o", a}).code, 0);
  const test::Result all = Cli({"grid", a});
  ASSERT_EQ(all.code, 0) << all.err;
  std::string order;
  for (std::size_t at = 0; (at = all.out.find("\n# ", at)) != std::string::npos; ++at)
    order += all.out.substr(at + 3, all.out.find('\n', at + 1) - at - 3) + " ";
  EXPECT_EQ(all.out.rfind("# USA\nCH\tRX[MHz]\t", 0), 0u);
  EXPECT_EQ(order, "INTL CANADA WX EXP ");
  const test::Result wx = Cli({"grid", a, "--group", "wx"});
  ASSERT_EQ(wx.code, 0) << wx.err;
  EXPECT_EQ(wx.out.rfind("# WX\nCH\tENABLE\tMEM\tCH Name\nWX01[162.550MHz]\t1\t0\t", 0), 0u);
  EXPECT_EQ(Cli({"grid", a, "--group", "PX"}).code, 2);
  // The fourth group by either of its names, in any case.
  for (const char* name : {"LMR", "lmr", "Exp"}) {
    const test::Result fourth = Cli({"grid", a, "--group", name});
    EXPECT_EQ(fourth.code, 0) << name << fourth.err;
    EXPECT_EQ(fourth.out.rfind("# EXP\nCH\tENABLE\t", 0), 0u) << name;
  }
}

TEST_F(CliTest, UsageErrorsExitTwo) {
  EXPECT_EQ(Cli({}).code, 2);
  EXPECT_EQ(Cli({"new"}).code, 2);
  EXPECT_EQ(Cli({"new", "--series", "mv999", "-o", P("x.hex")}).code, 2);
  EXPECT_EQ(Cli({"frobnicate"}).code, 2);
  EXPECT_EQ(Cli({"--help"}).code, 0);
}

}  // namespace
}  // namespace qw
