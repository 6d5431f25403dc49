// The command line against a simulated radio on a pseudo-terminal: what a user at a terminal does.
#include <fcntl.h>
#include <gtest/gtest.h>

#include "cli_runner.h"
#include "link/record.h"
#include "model/radio_data.h"
#include "sim/pty_host.h"
#include "sim/simulated_radio.h"

namespace qw {
namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<uint8_t>;

// A radio whose memory differs from anything the program would write, so that every byte the
// program writes, and every one it must not, can be told apart.
Bytes PatternMemory(int16_t series) {
  Bytes m = DefaultRadioMemory(series);
  for (std::size_t a = 0; a < m.size(); ++a) {
    const bool header = a >= 0x40 && a < 0x60;
    if (!header) m[a] ^= static_cast<uint8_t>(0x20 + a % 7);
  }
  const int second = SecondModelIdOffset(series);
  m[second] = m[0x40];
  m[second + 1] = m[0x41];
  return m;
}

bool WrittenByProgram(int a, int16_t series) {
  if (a >= 0x42 && a <= 0xBF) return true;
  if (a >= 0x100 && a <= 0x1FF) return true;
  if (series == kSeriesThird && a >= 0x200 && a <= 0x22F) return true;
  return a >= 0x300 && a < 0x3600 && a <= ImageLastFor(series);
}

class CliRadio : public ::testing::TestWithParam<int16_t> {
 protected:
  void SetUp() override {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& ch : name)
      if (ch == '/') ch = '_';
    dir = fs::temp_directory_path() / ("qw-e2e-" + std::to_string(getpid()) + "-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    // Backups go beside the test's files, not into the user's data folder.
    setenv("QUAYWRIGHT_DATA_DIR", (dir / "data").c_str(), 1);
  }
  void TearDown() override {
    if (host) host->Stop();
    fs::remove_all(dir);
  }
  void StartRadio(int16_t series, Bytes memory, Pacing pacing = Pacing::None) {
    host = std::make_unique<PtyRadioHost>(SimulatedRadio(series, std::move(memory)), pacing);
    std::string error;
    ASSERT_TRUE(host->Start(error)) << error;
  }
  std::string P(const char* name) const { return (dir / name).string(); }
  Bytes Memory() {
    Bytes m;
    host->WithRadio([&m](SimulatedRadio& r) { m = r.Memory(); });
    return m;
  }
  static std::string SeriesArg(int16_t s) { return s == kSeriesMV510 ? "mv510" : "mv710"; }

  fs::path dir;
  std::unique_ptr<PtyRadioHost> host;
};

TEST_P(CliRadio, ProgramWritesThePlannedRangesAndReadGivesThemBack) {
  const int16_t series = GetParam();
  const std::string s = SeriesArg(series);
  const Bytes before = PatternMemory(series);
  StartRadio(series, before);
  ASSERT_EQ(test::Run({"new", "--series", s, "-o", P("new.json")}, dir).code, 0);
  ASSERT_EQ(test::Run({"convert", P("new.json"), "-o", P("x.hex")}, dir).code, 0);
  const std::string hex = test::Slurp(dir / "x.hex");
  ASSERT_EQ(hex.size(), static_cast<std::size_t>(ImageLastFor(series)) + 1);

  auto program = test::Run({"program", "--port", host->PortPath(), P("new.json")}, dir);
  ASSERT_EQ(program.code, 0) << program.err;
  const Bytes after = Memory();
  for (int a = 0; a <= ImageLastFor(series); ++a) {
    const uint8_t expected = WrittenByProgram(a, series) ? uint8_t(hex[a]) : before[a];
    ASSERT_EQ(after[a], expected) << "address " << a;
  }

  auto read =
      test::Run({"read", "--port", host->PortPath(), "--series", s, "-o", P("back.hex")}, dir);
  ASSERT_EQ(read.code, 0) << read.err;
  const std::string back = test::Slurp(dir / "back.hex");
  ASSERT_EQ(back.size(), after.size());
  for (int a = 0x100; a <= ImageLastFor(series) && a < 0x3600; ++a) {
    ASSERT_EQ(uint8_t(back[a]), after[a]) << "address " << a;
  }
}

TEST_P(CliRadio, RadioOfTheOtherSeriesFailsTheModelCheckBeforeAnyBlock) {
  StartRadio(kSeriesMV710, PatternMemory(kSeriesMV710));
  auto r =
      test::Run({"read", "--port", host->PortPath(), "--series", "mv510", "-o", P("r.hex")}, dir);
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("ModelType Error !!"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir / "r.hex"));
  host->WithRadio([](SimulatedRadio& radio) {
    for (auto& req : radio.Requests()) EXPECT_EQ(req.command, kCmdReadByte);
  });
}

TEST_P(CliRadio, AFaultyReplyIsRepeated) {
  const int16_t series = GetParam();
  StartRadio(series, PatternMemory(series));
  host->WithRadio([](SimulatedRadio& radio) {
    radio.Faults().corruptChecksum = 1;
    radio.Faults().garbageBeforeSoh = 1;
  });
  auto r = test::Run({"read", "--port", host->PortPath(), "--series", SeriesArg(series), "--trace",
                      P("trace.txt"), "-o", P("r.hex")},
                     dir);
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_NE(test::Slurp(dir / "trace.txt").find("read byte 0040 again"), std::string::npos);
}

TEST_P(CliRadio, PullingTheCableEndsWithCommunicationError) {
  const int16_t series = GetParam();
  StartRadio(series, PatternMemory(series), Pacing::Real);
  auto child = test::Spawn(
      {"read", "--port", host->PortPath(), "--series", SeriesArg(series), "-o", P("r.hex")}, dir);
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  host->Stop();
  const auto pulled = std::chrono::steady_clock::now();
  EXPECT_EQ(test::Wait(child, std::chrono::seconds(30)), 1);
  EXPECT_LT(std::chrono::steady_clock::now() - pulled, std::chrono::seconds(3));
  EXPECT_NE(test::Slurp(child.err).find("Communication Error!!"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "r.hex"));
}

TEST_P(CliRadio, InterruptCancelsARead) {
  const int16_t series = GetParam();
  StartRadio(series, PatternMemory(series), Pacing::Real);
  auto child = test::Spawn(
      {"read", "--port", host->PortPath(), "--series", SeriesArg(series), "-o", P("r.hex")}, dir);
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  const auto sent = std::chrono::steady_clock::now();
  kill(child.pid, SIGINT);
  EXPECT_EQ(test::Wait(child, std::chrono::seconds(30)), 1);
  EXPECT_LT(std::chrono::steady_clock::now() - sent, std::chrono::seconds(2));
  EXPECT_FALSE(fs::exists(dir / "r.hex"));
}

TEST_P(CliRadio, SimulateServesItsImageUntilInterrupted) {
  const std::string s = SeriesArg(GetParam());
  const Bytes memory = PatternMemory(GetParam());
  std::ofstream(dir / "radio.hex", std::ios::binary)
      .write(reinterpret_cast<const char*>(memory.data()),
             static_cast<std::streamsize>(memory.size()));
  auto sim = test::Spawn({"simulate", "--image", P("radio.hex"), "--pacing", "none"}, dir);
  std::string line;
  for (int i = 0; i < 500 && line.find('\n') == std::string::npos; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    line = test::Slurp(sim.out);
  }
  ASSERT_EQ(line.rfind("port: /dev/", 0), 0u) << line;
  const std::string port = line.substr(6, line.find('\n') - 6);
  auto r = test::Run({"read", "--port", port, "--series", s, "-o", P("r.hex")}, dir);
  EXPECT_EQ(r.code, 0) << r.err;
  const std::string back = test::Slurp(dir / "r.hex");
  ASSERT_EQ(back.size(), memory.size());
  // Bytes no field claims come back as the radio holds them.
  for (int a = 0x280; a < 0x300; ++a) ASSERT_EQ(uint8_t(back[a]), memory[a]) << a;
  kill(sim.pid, SIGINT);
  EXPECT_EQ(test::Wait(sim, std::chrono::seconds(10)), 0);
}

INSTANTIATE_TEST_SUITE_P(Series, CliRadio, ::testing::Values(kSeriesMV510, kSeriesMV710),
                         [](const auto& info) {
                           return std::string(info.param == kSeriesMV510 ? "MV510" : "MV710");
                         });

}  // namespace
}  // namespace qw
