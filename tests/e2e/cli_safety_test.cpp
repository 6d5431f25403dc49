// Backups, the read-back after programming and diff, as a user at a terminal meets them.
#include <gtest/gtest.h>

#include "sim/pty_host.h"
#include "sim/simulated_radio.h"
#include "tests/support/cli_runner.h"

namespace qw {
namespace {

namespace fs = std::filesystem;

class CliSafety : public ::testing::Test, protected test::CliFolder {
 protected:
  void StartRadio() {
    host = std::make_unique<PtyRadioHost>(SimulatedRadio(kSeriesMV710), Pacing::None);
    std::string error;
    ASSERT_TRUE(host->Start(error)) << error;
  }

  std::unique_ptr<PtyRadioHost> host;
};

TEST_F(CliSafety, ReadAndProgramKeepBackupsThatBackupsListsAndVerifyIsReported) {
  StartRadio();
  auto read = Cli({"read", "--port", host->PortPath(), "-o", P("r.dat")});
  ASSERT_EQ(read.code, 0) << read.err;
  ASSERT_EQ(read.err.rfind("Backup: " + P("data/backups/MV710-"), 0), 0u) << read.err;
  const fs::path backup = read.err.substr(8, read.err.find('\n') - 8);
  EXPECT_TRUE(fs::is_regular_file(backup) && backup.string().ends_with("-read.hex")) << backup;

  auto program = Cli({"program", "--port", host->PortPath(), P("r.dat")});
  ASSERT_EQ(program.code, 0) << program.err;
  EXPECT_NE(program.err.find("-program.hex"), std::string::npos) << program.err;
  // What the read-back finds when it disagrees is the document's test; here the command's answer.
  auto verified =
      Cli({"program", "--port", host->PortPath(), "--verify", "--no-backup", P("r.dat")});
  EXPECT_EQ(verified.code, 0);
  EXPECT_EQ(verified.err, "Complete!! (verified)\n");

  auto list = Cli({"backups"});
  EXPECT_EQ(list.code, 0);
  const auto first = list.out.find("mv710  program");
  const auto second = list.out.find("mv710  read");
  EXPECT_TRUE(first != std::string::npos && second != std::string::npos && first < second)
      << list.out;
}

// Files of different kinds compare in what both carry (every pair is compared where the data
// sets are); here the command's output and exit codes.
TEST_F(CliSafety, DiffComparesFilesOfAnyKind) {
  ASSERT_EQ(Cli({"new", "-o", P("a.dat")}).code, 0);
  std::string text = test::ReadBytes(P("a.dat"));
  const auto scan = text.find("SCAN=");
  ASSERT_NE(scan, std::string::npos);
  text[scan + 5] = text[scan + 5] == '1' ? '0' : '1';
  test::WriteBytes(P("b.dat"), text);
  const bool on = text[scan + 5] == '1';
  const std::string line = on ? "SCAN: Off -> On\n" : "SCAN: On -> Off\n";
  ASSERT_EQ(Cli({"convert", P("a.dat"), "-o", P("a.hex")}).code, 0);
  ASSERT_EQ(Cli({"convert", P("b.dat"), "-o", P("b.json")}).code, 0);
  const test::Result same = Cli({"diff", P("a.dat"), P("a.hex")});
  EXPECT_EQ(same.code, 0);
  EXPECT_EQ(same.out, "");
  const test::Result differ = Cli({"diff", P("a.hex"), P("b.json")});
  EXPECT_EQ(differ.code, 1);
  EXPECT_EQ(differ.out, line);
  const test::Result json = Cli({"diff", "--json", P("a.hex"), P("b.json")});
  EXPECT_EQ(json.code, 1);
  EXPECT_NE(json.out.find(R"("where": "CommonSettings",
    "field": "Scan",)"),
            std::string::npos)
      << json.out;
  EXPECT_EQ(Cli({"diff", P("a.dat"), P("missing.dat")}).code, 2);
  EXPECT_EQ(Cli({"diff", P("a.dat"), P("a.txt")}).code, 2);
}

}  // namespace
}  // namespace qw
