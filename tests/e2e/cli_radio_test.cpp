// The command line against a simulated radio on a pseudo-terminal: what a user at a terminal does.
#include <gtest/gtest.h>

#include "model/radio_data.h"
#include "sim/pty_host.h"
#include "sim/simulated_radio.h"
#include "tests/support/cli_runner.h"
#include "tests/support/radio_data.h"

namespace qw {
namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<uint8_t>;
using test::PatternMemory;

class CliRadio : public ::testing::TestWithParam<int16_t>, protected test::CliFolder {
 protected:
  void StartRadio(int16_t series, Bytes memory, Pacing pacing = Pacing::None) {
    host = std::make_unique<PtyRadioHost>(SimulatedRadio(series, std::move(memory)), pacing);
    std::string error;
    ASSERT_TRUE(host->Start(error)) << error;
  }
  Bytes Memory() {
    Bytes m;
    host->WithRadio([&m](SimulatedRadio& r) { m = r.Memory(); });
    return m;
  }
  static std::string SeriesArg(int16_t s) { return s == kSeriesMV510 ? "mv510" : "mv710"; }

  std::unique_ptr<PtyRadioHost> host;
};

// Which bytes each series writes is the clone procedures' test; here the channel area arrives.
TEST_P(CliRadio, ProgramWritesTheImageAndReadGivesItBack) {
  const int16_t series = GetParam();
  const std::string s = SeriesArg(series);
  StartRadio(series, PatternMemory(series));
  ASSERT_EQ(Cli({"new", "--series", s, "-o", P("new.json")}).code, 0);
  ASSERT_EQ(Cli({"convert", P("new.json"), "-o", P("x.hex")}).code, 0);
  const std::string hex = test::ReadBytes(P("x.hex"));
  auto program = Cli({"program", "--port", host->PortPath(), P("new.json")});
  ASSERT_EQ(program.code, 0) << program.err;
  const Bytes after = Memory();
  for (int a = 0x300; a <= ImageLastFor(series) && a < 0x3600; ++a)
    ASSERT_EQ(after[a], uint8_t(hex[a])) << "address " << a;

  // A faulty reply on the way back is asked for again.
  host->WithRadio([](SimulatedRadio& radio) {
    radio.Faults().corruptChecksum = 1;
    radio.Faults().garbageBeforeSoh = 1;
  });
  auto read = Cli({"read", "--port", host->PortPath(), "--series", s, "--trace", P("trace.txt"),
                   "-o", P("back.hex")});
  ASSERT_EQ(read.code, 0) << read.err;
  EXPECT_NE(test::ReadBytes(P("trace.txt")).find("read byte 0040 again"), std::string::npos);
  const std::string back = test::ReadBytes(P("back.hex"));
  ASSERT_EQ(back.size(), after.size());
  for (int a = 0x100; a <= ImageLastFor(series) && a < 0x3600; ++a) {
    ASSERT_EQ(uint8_t(back[a]), after[a]) << "address " << a;
  }
}

// An interrupted read ends within a second or two, exits 1 and leaves no file.
TEST_P(CliRadio, InterruptEndsAReadAtOnce) {
  const int16_t series = GetParam();
  StartRadio(series, PatternMemory(series), Pacing::Real);
  auto child = test::Spawn(
      {"read", "--port", host->PortPath(), "--series", SeriesArg(series), "-o", P("r.hex")},
      folder.Path());
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  const auto cut = std::chrono::steady_clock::now();
  kill(child.pid, SIGINT);
  EXPECT_EQ(test::Wait(child, std::chrono::seconds(30)), 1);
  EXPECT_LT(std::chrono::steady_clock::now() - cut, std::chrono::seconds(2));
  EXPECT_FALSE(fs::exists(P("r.hex")));
}

TEST_P(CliRadio, SimulateServesItsImageUntilInterrupted) {
  const std::string s = SeriesArg(GetParam());
  const Bytes memory = PatternMemory(GetParam());
  test::WriteBytes(P("radio.hex"), std::string(memory.begin(), memory.end()));
  auto sim =
      test::Spawn({"simulate", "--image", P("radio.hex"), "--pacing", "none"}, folder.Path());
  std::string line;
  for (int i = 0; i < 500 && line.find('\n') == std::string::npos; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    line = test::ReadBytes(sim.out);
  }
  ASSERT_EQ(line.rfind("port: /dev/", 0), 0u) << line;
  const std::string port = line.substr(6, line.find('\n') - 6);
  auto r = Cli({"read", "--port", port, "--series", s, "-o", P("r.hex")});
  EXPECT_EQ(r.code, 0) << r.err;
  const std::string back = test::ReadBytes(P("r.hex"));
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
