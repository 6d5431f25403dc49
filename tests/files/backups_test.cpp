// The backups folder: names, the newest hundred kept, other files left alone, the listing.
#include "files/backups.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "model/image_codec.h"
#include "tests/support/radio_data.h"

namespace qw {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

TEST(Backups, KeepsTheNewestHundredNewestFirstAndLeavesOtherFilesAlone) {
  const fs::path folder = fs::temp_directory_path() / ("qw-backups-" + std::to_string(getpid()));
  fs::remove_all(folder);
  RadioData d = test::NewData(kSeriesMV510);
  PrepareImageForRadio(d);
  const auto t0 = std::chrono::system_clock::time_point{} + std::chrono::hours(24 * 20000);

  ASSERT_TRUE(KeepBackup(folder, kSeriesMV510, d.RadioImage, BackupKind::Read, t0).ok);
  fs::create_directories(folder / "MV510-20000101-000000-read.hex");  // a folder, not a backup
  std::ofstream(folder / "notes.hex") << "mine";
  for (int i = 1; i <= 102; ++i) {
    const auto kind = i % 2 ? BackupKind::Program : BackupKind::Read;
    ASSERT_TRUE(KeepBackup(folder, kSeriesMV510, d.RadioImage, kind, t0 + seconds(i)).ok) << i;
  }
  // Two in the same second are both kept.
  BackupWritten again =
      KeepBackup(folder, kSeriesMV510, d.RadioImage, BackupKind::Read, t0 + seconds(102));
  ASSERT_TRUE(again.ok);
  EXPECT_EQ(again.path.filename(), "MV510-" + BackupStamp(t0 + seconds(102)) + "-read-2.hex");

  const std::vector<BackupEntry> list = ListBackups(folder);
  ASSERT_EQ(list.size(), kBackupsKept);
  EXPECT_EQ(list.front().path, again.path);
  EXPECT_EQ(list[1].stamp, BackupStamp(t0 + seconds(102)));
  EXPECT_EQ(list.back().stamp, BackupStamp(t0 + seconds(4)));
  EXPECT_EQ(list.back().kind, BackupKind::Read);
  EXPECT_EQ(list.front().series, kSeriesMV510);
  EXPECT_TRUE(fs::exists(folder / "notes.hex"));
  EXPECT_TRUE(fs::is_directory(folder / "MV510-20000101-000000-read.hex"));
  EXPECT_TRUE(ListBackups(folder / "missing").empty());
  fs::remove_all(folder);
}

}  // namespace
}  // namespace qw
