// quaywright-cli driven as other tools drive it: files in, files and exit codes out.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "model/image_codec.h"
#include "model/radio_data.h"

namespace qw {
namespace {

namespace fs = std::filesystem;

struct CliResult {
  int exitCode = -1;
  std::string out;  // stdout and stderr together
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("qw-cli-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  static CliResult Cli(const std::string& args) {
    CliResult r;
    std::string cmd = std::string(QW_CLI_PATH) + " " + args + " 2>&1";
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    int status = ::pclose(p);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
  }

  static std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  fs::path dir_;
};

uint8_t At(const std::string& bytes, std::size_t i) {
  return static_cast<uint8_t>(bytes.at(i));
}

TEST_F(CliTest, NewImageCarriesTheSeriesModelNumbersAndAValidChecksum) {
  struct Case {
    const char* series;
    std::size_t size;
    uint16_t id;
  } cases[] = {{"mv510", 8192, 0x01FE}, {"mv710", 16384, 0x02C6}, {"0", 16384, 0x1BBC}};
  for (const auto& c : cases) {
    std::string out = Path(std::string("new-") + c.series + ".hex");
    CliResult r = Cli(std::string("new --series ") + c.series + " -o " + out);
    ASSERT_EQ(r.exitCode, 0) << r.out;
    std::string img = Bytes(out);
    ASSERT_EQ(img.size(), c.size) << c.series;
    EXPECT_EQ(At(img, 64) * 256 + At(img, 65), c.id);
    EXPECT_EQ(At(img, c.size - 2) * 256 + At(img, c.size - 1), c.id);
    unsigned sum = 0;
    for (int i = 66; i <= 94; ++i) sum += At(img, i);
    EXPECT_EQ(At(img, 95), sum % 256) << c.series;
  }
}

TEST_F(CliTest, ConvertRoundTripsAreByteExact) {
  for (const char* series : {"mv510", "mv710", "0"}) {
    std::string a = Path("a.hex"), j = Path("a.json"), b = Path("b.hex"), j2 = Path("b.json");
    ASSERT_EQ(Cli(std::string("new --series ") + series + " -o " + a).exitCode, 0);
    CliResult toJson = Cli("convert " + a + " -o " + j);
    ASSERT_EQ(toJson.exitCode, 0) << toJson.out;
    CliResult back = Cli("convert " + j + " -o " + b);
    ASSERT_EQ(back.exitCode, 0) << back.out;
    EXPECT_EQ(Bytes(a), Bytes(b)) << series;
    ASSERT_EQ(Cli("convert " + b + " -o " + j2).exitCode, 0);
    EXPECT_EQ(Bytes(j), Bytes(j2)) << series;
  }
}

TEST_F(CliTest, JsonEditReachesTheImage) {
  std::string j = Path("x.json"), h = Path("x.hex");
  Write(j, R"({"ModelSeries": 2, "USA": [{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {},
      {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {},
      {"ChTag": "MAYDAY"}], "CommonSettings": {"Scan": false}})");
  CliResult r = Cli("convert " + j + " -o " + h);
  ASSERT_EQ(r.exitCode, 0) << r.out;
  std::string img = Bytes(h);
  ASSERT_EQ(img.size(), 16384u);
  EXPECT_EQ(img.substr(3072 + 12 * 32, 7), std::string("MAYDAY\xFF", 7));
  EXPECT_EQ(At(img, 91) & 0x80, 0);
}

TEST_F(CliTest, InfoDescribesAnImage) {
  std::string a = Path("a.hex");
  ASSERT_EQ(Cli("new --series mv510 -o " + a).exitCode, 0);
  CliResult r = Cli("info " + a);
  ASSERT_EQ(r.exitCode, 0) << r.out;
  EXPECT_NE(r.out.find("series: mv510"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("0x01FE at 64..65, 0x01FE at 8190..8191"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("header checksum: right"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("USA 55, INTL 55, CANADA 56, EXP 0, WX 10"), std::string::npos) << r.out;

  std::string img = Bytes(a);
  img[95] = static_cast<char>(img[95] + 1);
  Write(a, img);
  EXPECT_NE(Cli("info " + a).out.find("header checksum: wrong"), std::string::npos);
}

TEST_F(CliTest, RefusalsPrintTheProgramsMessagesAndExitOne) {
  std::string a = Path("a.hex");
  ASSERT_EQ(Cli("new --series mv710 -o " + a).exitCode, 0);
  std::string img = Bytes(a);

  Write(Path("short.hex"), img.substr(0, 1000));
  CliResult shortFile =
      Cli("convert " + Path("short.hex") + " --series mv710 -o " + Path("o.json"));
  EXPECT_EQ(shortFile.exitCode, 1);
  EXPECT_NE(shortFile.out.find("bad file!!"), std::string::npos) << shortFile.out;

  std::string mismatched = img;
  mismatched[16383] = 0;
  Write(Path("mismatch.hex"), mismatched);
  CliResult model = Cli("convert " + Path("mismatch.hex") + " -o " + Path("o.json"));
  EXPECT_EQ(model.exitCode, 1);
  EXPECT_NE(model.out.find("ModelType Error !!"), std::string::npos) << model.out;

  CliResult dest = Cli("new --destination nowhere -o " + Path("o.hex"));
  EXPECT_EQ(dest.exitCode, 1);
  EXPECT_NE(dest.out.find("IniFileRead Error!!"), std::string::npos) << dest.out;

  Write(Path("bad.json"), R"({"CommonSettings": {"ResumeTime": true}})");
  CliResult json = Cli("convert " + Path("bad.json") + " -o " + Path("o.hex"));
  EXPECT_EQ(json.exitCode, 1);
  EXPECT_NE(json.out.find("CommonSettings.ResumeTime"), std::string::npos) << json.out;

  // A file that is not there is reported as such, with the system's reason on a second line.
  CliResult missing = Cli("convert " + Path("nosuch.dat") + " -o " + Path("o.json"));
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(
      missing.out.find("FileRead Error!!\n" + Path("nosuch.dat") + ": No such file or directory"),
      std::string::npos)
      << missing.out;
  CliResult folder = Cli("convert " + a + " -o " + Path("nofolder/o.dat"));
  EXPECT_EQ(folder.exitCode, 1);
  EXPECT_NE(folder.out.find("FileSave Error!!\n" + Path("nofolder/o.dat") + ": No such file"),
            std::string::npos)
      << folder.out;

  EXPECT_FALSE(fs::exists(Path("o.json")));
  EXPECT_FALSE(fs::exists(Path("o.hex")));
}

// Values the radio cannot store pass through every file kind unchanged, each time with a warning.
TEST_F(CliTest, OddValuesSurviveJsonAndAreNamedOnStderr) {
  std::string j = Path("odd.json"), x = Path("x.dat"), j2 = Path("x.json"), y = Path("y.dat");
  Write(j, R"({"CommonSettings": {"ResumeTime": -7, "Weater": 300, "TxPoDisplay": 500},
              "USA": [{"Scramble": 32}], "AtisSettings": {"AtisCode": "ABC"}})");
  CliResult made = Cli("convert --series mv710 " + j + " -o " + x);
  ASSERT_EQ(made.exitCode, 0) << made.out;
  EXPECT_NE(made.out.find("warning: " + j + ": CommonSettings.ResumeTime = -7 (the radio will"),
            std::string::npos)
      << made.out;
  CliResult toJson = Cli("convert " + x + " -o " + j2);
  ASSERT_EQ(toJson.exitCode, 0) << toJson.out;
  EXPECT_NE(toJson.out.find("USA[0].Scramble = 32"), std::string::npos) << toJson.out;
  CliResult back = Cli("convert " + j2 + " -o " + y);
  ASSERT_EQ(back.exitCode, 0) << back.out;
  EXPECT_NE(back.out.find("CommonSettings.Weater = 300"), std::string::npos) << back.out;
  EXPECT_EQ(Bytes(x), Bytes(y));
}

TEST_F(CliTest, GridPrintsTheChosenGridsInOrder) {
  std::string a = Path("a.dat");
  ASSERT_EQ(Cli("new --series mv510 -o " + a).exitCode, 0);
  CliResult all = Cli("grid " + a);
  ASSERT_EQ(all.exitCode, 0) << all.out;
  std::string order;
  for (std::size_t at = 0; (at = all.out.find("\n# ", at)) != std::string::npos; ++at)
    order += all.out.substr(at + 3, all.out.find('\n', at + 1) - at - 3) + " ";
  EXPECT_EQ(all.out.rfind("# USA\nCH\tRX[MHz]\t", 0), 0u);
  EXPECT_EQ(order, "INTL CANADA WX EXP ");
  CliResult wx = Cli("grid " + a + " --group wx");
  ASSERT_EQ(wx.exitCode, 0) << wx.out;
  EXPECT_EQ(wx.out.rfind("# WX\nCH\tENABLE\tMEM\tCH Name\nWX01[162.550MHz]\t1\t0\t", 0), 0u);
  EXPECT_EQ(Cli("grid " + a + " --group PX").exitCode, 2);
}

TEST_F(CliTest, UsageErrorsExitTwo) {
  EXPECT_EQ(Cli("").exitCode, 2);
  EXPECT_EQ(Cli("new").exitCode, 2);
  EXPECT_EQ(Cli("new --series mv999 -o " + Path("x.hex")).exitCode, 2);
  EXPECT_EQ(Cli("frobnicate").exitCode, 2);
  EXPECT_EQ(Cli("--help").exitCode, 0);
}

}  // namespace
}  // namespace qw
