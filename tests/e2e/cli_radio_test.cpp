// The command line against a simulated radio on a pseudo-terminal: transfers with their backups and
// read-back, Ctrl+C, and simulate, as a user at a terminal meets them.
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

// An MV510, which is not the default series: the series option has to reach the transfer. (Each
// series' transfers are the document's and the clone procedures' tests.)
class CliRadio : public ::testing::Test, protected test::CliFolder {
 protected:
  static constexpr int16_t kSeries = kSeriesMV510;
  void StartRadio(Pacing pacing = Pacing::None) {
    host = std::make_unique<PtyRadioHost>(SimulatedRadio(kSeries, PatternMemory(kSeries)), pacing);
    std::string error;
    ASSERT_TRUE(host->Start(error)) << error;
  }

  std::unique_ptr<PtyRadioHost> host;
};

// Programming with the read-back (verified: the radio holds what was sent) and a read that meets a
// faulty reply, each keeping a backup that `backups` lists, newest first. (Which bytes each series
// writes is the clone procedures' test; what the read-back finds when it disagrees, and what each
// backup holds, the document's.)
TEST_F(CliRadio, ProgramAndReadKeepBackupsAndTheReadRepeatsAFaultyReply) {
  StartRadio();
  ASSERT_EQ(Cli({"new", "--series", "mv510", "-o", P("new.json")}).code, 0);
  auto program = Cli({"program", "--port", host->PortPath(), "--verify", P("new.json")});
  ASSERT_EQ(program.code, 0) << program.err;
  EXPECT_EQ(program.err.rfind("Backup: " + P("data/backups/MV510-"), 0), 0u) << program.err;
  EXPECT_TRUE(program.err.ends_with("-program.hex\nComplete!! (verified)\n")) << program.err;

  host->WithRadio([](SimulatedRadio& radio) {
    radio.Faults().corruptChecksum = 1;
    radio.Faults().garbageBeforeSoh = 1;
  });
  auto read = Cli({"read", "--port", host->PortPath(), "--series", "mv510", "--trace",
                   P("trace.txt"), "-o", P("back.hex")});
  ASSERT_EQ(read.code, 0) << read.err;
  EXPECT_NE(test::ReadBytes(P("trace.txt")).find("read byte 0040 again"), std::string::npos);

  auto list = Cli({"backups"});
  EXPECT_EQ(list.code, 0);
  const auto first = list.out.find("mv510  read"), second = list.out.find("mv510  program");
  EXPECT_TRUE(first != std::string::npos && second != std::string::npos && first < second)
      << list.out;
}

// An interrupted read ends within a second or two, exits 1 and leaves no file.
TEST_F(CliRadio, InterruptEndsAReadAtOnce) {
  StartRadio(Pacing::Real);
  auto child = test::Spawn(
      {"read", "--port", host->PortPath(), "--series", "mv510", "-o", P("r.hex")}, folder.Path());
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  const auto cut = std::chrono::steady_clock::now();
  kill(child.pid, SIGINT);
  EXPECT_EQ(test::Wait(child, std::chrono::seconds(30)), 1);
  EXPECT_LT(std::chrono::steady_clock::now() - cut, std::chrono::seconds(2));
  EXPECT_FALSE(fs::exists(P("r.hex")));
}

// The series is the image's: an MV510 image of 8 KB.
TEST_F(CliRadio, SimulateServesItsImageUntilInterrupted) {
  const Bytes memory = PatternMemory(kSeries);
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
  auto r = Cli({"read", "--port", port, "--series", "mv510", "--no-backup", "-o", P("r.hex")});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");  // no backup, so nothing to say
  const std::string back = test::ReadBytes(P("r.hex"));
  ASSERT_EQ(back.size(), memory.size());
  // Bytes no field claims come back as the radio holds them.
  for (int a = 0x280; a < 0x300; ++a) ASSERT_EQ(uint8_t(back[a]), memory[a]) << a;
  kill(sim.pid, SIGINT);
  EXPECT_EQ(test::Wait(sim, std::chrono::seconds(10)), 0);
}

}  // namespace
}  // namespace qw
