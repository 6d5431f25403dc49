// Finding the program's read-only files from the executable's path.
#include "document/program_folder.h"

#include <gtest/gtest.h>

#include <tuple>

#include "test_support.h"

namespace qw {
namespace {

namespace fs = std::filesystem;

class ProgramFolderTest : public ::testing::Test {
 protected:
  fs::path Make(const std::string& relative) {
    const fs::path path = folder.Path() / relative;
    fs::create_directories(path.parent_path());
    test::WriteBytes(path, "x");
    return path;
  }
  fs::path Root() const { return fs::canonical(folder.Path()); }
  test::TempFolder folder;
};

// Build folder: the help pages beside the executable win even with a share folder above it.
// Installed: <prefix>/bin/quaywright reads <prefix>/share/quaywright. Neither: the executable's
// own folder, as before.
TEST_F(ProgramFolderTest, BuildFolderInstalledPrefixAndBareExecutable) {
  for (const char* file : {"build/bin/quaywright", "usr/bin/quaywright-cli", "loose/quaywright",
                           "usr/share/quaywright/usa_02C6.ini"})
    Make(file);
  for (const char* dir : {"build/bin/help", "build/share/quaywright"})
    fs::create_directories(folder.Path() / dir);
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"build/bin/quaywright", "build/bin", false},
      {"usr/bin/quaywright-cli", "usr/share/quaywright", true},
      {"loose/quaywright", "loose", false},
  };
  for (const auto& [executable, files, installed] : cases) {
    const ProgramFiles found = LocateProgramFiles(folder.Path() / executable);
    EXPECT_EQ(found.folder, Root() / files) << executable;
    EXPECT_EQ(found.installed, installed) << executable;
  }
}

// Also through a link into that tree (links need rights Windows does not give a test).
TEST_F(ProgramFolderTest, LinkToAnInstalledExecutableFindsTheTreeItPointsInto) {
  fs::create_directories(folder.Path() / "opt/qw/share/quaywright");
  fs::create_directories(folder.Path() / "local/bin");
  fs::create_symlink(Make("opt/qw/bin/quaywright"), folder.Path() / "local/bin/quaywright");
  const ProgramFiles found = LocateProgramFiles(folder.Path() / "local/bin/quaywright");
  EXPECT_EQ(found.folder, Root() / "opt/qw/share/quaywright");
  EXPECT_TRUE(found.installed);
}

TEST_F(ProgramFolderTest, Argv0IsResolvedLikeTheShellDid) {
  const fs::path cwd = folder.Path() / "work";
  fs::path onPath = Make("tools/quaywright-cli");
  EXPECT_EQ(ExecutableFromArgv0("/abs/quaywright", "", cwd), "/abs/quaywright");
  EXPECT_EQ(ExecutableFromArgv0("../bin/quaywright", "", cwd), folder.Path() / "bin/quaywright");
  // A bare name is searched on PATH, skipping folders without it.
  const std::string path =
      (folder.Path() / "nothing").string() + ":" + onPath.parent_path().string();
  EXPECT_EQ(ExecutableFromArgv0("quaywright-cli", path, cwd), onPath);
  EXPECT_EQ(ExecutableFromArgv0("quaywright-cli", "/nonexistent::", cwd), fs::path());
  EXPECT_EQ(ExecutableFromArgv0("", path, cwd), fs::path());
  EXPECT_TRUE(fs::is_regular_file(RunningExecutable(nullptr)));  // this test
}

}  // namespace
}  // namespace qw
