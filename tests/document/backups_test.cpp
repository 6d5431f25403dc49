// The backups folder: names, the newest hundred kept, other files left alone, the listing.
#include "document/backups.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>

#include "model/image_codec.h"
#include "tests/support/radio_data.h"
#include "tests/support/temp_folder.h"

namespace qw {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

// A local date and time on the system clock, so that stamps are checked against written text.
std::chrono::system_clock::time_point Local(int y, int mo, int d, int h, int mi, int s) {
  std::tm tm{};
  tm.tm_year = y - 1900, tm.tm_mon = mo - 1, tm.tm_mday = d;
  tm.tm_hour = h, tm.tm_min = mi, tm.tm_sec = s, tm.tm_isdst = -1;
  return std::chrono::system_clock::from_time_t(std::mktime(&tm));
}

TEST(Backups, KeepsTheNewestHundredNewestFirstAndLeavesOtherFilesAlone) {
  test::TempFolder temp;
  const fs::path folder = temp.Path() / "backups";  // made by the first backup
  RadioData d = test::NewData(kSeriesMV510);
  PrepareImageForRadio(d);
  const auto t0 = Local(2025, 1, 2, 3, 4, 5);

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
  EXPECT_EQ(again.path.filename(), "MV510-20250102-030547-read-2.hex");

  const std::vector<BackupEntry> list = ListBackups(folder);
  ASSERT_EQ(list.size(), kBackupsKept);
  EXPECT_EQ(list.front().path, again.path);
  EXPECT_EQ(list[1].stamp, "20250102-030547");
  EXPECT_EQ(list.back().stamp, "20250102-030409");
  EXPECT_EQ(list.back().kind, BackupKind::Read);
  EXPECT_EQ(list.front().series, kSeriesMV510);
  EXPECT_TRUE(fs::exists(folder / "notes.hex"));
  EXPECT_TRUE(fs::is_directory(folder / "MV510-20000101-000000-read.hex"));
  EXPECT_TRUE(ListBackups(folder / "missing").empty());
}

// On a file system with coarse file times, backups of one second are told apart by their number.
TEST(Backups, SameSecondAndFileTimeGoByTheirNumber) {
  test::TempFolder temp;
  const fs::path& folder = temp.Path();
  const auto written = fs::file_time_type::clock::now();
  for (const char* n : {"", "-2", "-10", "-9"}) {
    const fs::path p = folder / ("MV510-20250102-030405-read" + std::string(n) + ".hex");
    std::ofstream(p) << "x";
    fs::last_write_time(p, written);
  }
  std::string order;
  for (const BackupEntry& e : ListBackups(folder)) order += e.path.stem().string().substr(26) + " ";
  EXPECT_EQ(order, "-10 -9 -2  ");
}

}  // namespace
}  // namespace qw
