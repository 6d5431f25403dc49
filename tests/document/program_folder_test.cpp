// Finding the program's read-only files from the executable's path.
#include "document/program_folder.h"

#include <gtest/gtest.h>

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

TEST_F(ProgramFolderTest, BuildFolderInstalledPrefixAndBareExecutable) {
  // Build folder: the help pages beside the executable win even with a share folder above it.
  fs::path built = Make("build/bin/quaywright");
  fs::create_directories(folder.Path() / "build/bin/help");
  fs::create_directories(folder.Path() / "build/share/quaywright");
  ProgramFiles files = LocateProgramFiles(built);
  EXPECT_EQ(files.folder, Root() / "build/bin");
  EXPECT_FALSE(files.installed);

  // Installed: <prefix>/bin/quaywright reads <prefix>/share/quaywright.
  fs::path installed = Make("usr/bin/quaywright-cli");
  Make("usr/share/quaywright/usa_02C6.ini");
  files = LocateProgramFiles(installed);
  EXPECT_EQ(files.folder, Root() / "usr/share/quaywright");
  EXPECT_TRUE(files.installed);

  // Neither: the executable's own folder, as before.
  files = LocateProgramFiles(Make("loose/quaywright"));
  EXPECT_EQ(files.folder, Root() / "loose");
  EXPECT_FALSE(files.installed);
}

TEST_F(ProgramFolderTest, LinkToAnInstalledExecutableFindsTheTreeItPointsInto) {
  fs::path real = Make("opt/qw/bin/quaywright");
  fs::create_directories(folder.Path() / "opt/qw/share/quaywright");
  fs::create_directories(folder.Path() / "local/bin");
  fs::create_symlink(real, folder.Path() / "local/bin/quaywright");
  ProgramFiles files = LocateProgramFiles(folder.Path() / "local/bin/quaywright");
  EXPECT_EQ(files.folder, Root() / "opt/qw/share/quaywright");
  EXPECT_TRUE(files.installed);
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
