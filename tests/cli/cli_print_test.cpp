// quaywright-cli print: the listing as a PDF, with sheets added where a page runs long.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace qw {
namespace {

namespace fs = std::filesystem;

int RunCli(const std::string& args, std::string* output = nullptr) {
  std::string cmd = std::string(QW_CLI_PATH) + " " + args + " 2>&1";
  FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) return -1;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
    if (output) output->append(buf, n);
  int status = ::pclose(p);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Page objects of a PDF ("/Type /Page", not "/Type /Pages").
int PageCount(const std::string& pdf) {
  int count = 0;
  for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
       at = pdf.find("/Type /Page", at + 1)) {
    count += pdf.compare(at, 12, "/Type /Pages") != 0 ? 1 : 0;
  }
  return count;
}

class CliPrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qw-cli-print-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

TEST_F(CliPrintTest, WritesSixPagesAndMoreSheetsForLongLists) {
  for (const char* series : {"mv710", "mv510"}) {
    const std::string data = Path(std::string(series) + ".dat");
    const std::string pdf = Path(std::string(series) + ".pdf");
    ASSERT_EQ(RunCli(std::string("new --series ") + series + " -o " + data), 0);
    std::string output;
    ASSERT_EQ(RunCli("print " + data + " -o " + pdf + " --paper letter", &output), 0) << output;
    EXPECT_EQ(output, "");  // nothing but the command's own messages on stderr
    const std::string bytes = Bytes(pdf);
    EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
    EXPECT_NE(bytes.find("/MediaBox [0 0 612.000000 792.000000]"), std::string::npos);
    EXPECT_EQ(PageCount(bytes), 6) << series;
  }

  // Every marine channel enabled: each marine page needs several sheets.
  const std::string json = Path("all.json");
  ASSERT_EQ(RunCli("new -o " + json), 0);
  std::string text = Bytes(json);
  for (std::size_t at; (at = text.find("\"Enable\": false")) != std::string::npos;)
    text.replace(at, 15, "\"Enable\": true");
  std::ofstream(json, std::ios::binary) << text;
  ASSERT_EQ(RunCli("convert " + json + " -o " + Path("all.pdf")), 0);
  EXPECT_GT(PageCount(Bytes(Path("all.pdf"))), 12);
  EXPECT_NE(Bytes(Path("all.pdf")).find("/MediaBox [0 0 595"), std::string::npos);  // A4
}

TEST_F(CliPrintTest, RefusesOtherOutputsMissingInputAndUnwritableFolders) {
  ASSERT_EQ(RunCli("new -o " + Path("a.dat")), 0);
  EXPECT_EQ(RunCli("print " + Path("a.dat") + " -o " + Path("a.txt")), 2);
  EXPECT_EQ(RunCli("print " + Path("none.dat") + " -o " + Path("b.pdf")), 1);
  EXPECT_FALSE(fs::exists(Path("b.pdf")));
  std::string output;
  EXPECT_EQ(RunCli("print " + Path("a.dat") + " -o " + Path("no/such/dir/c.pdf"), &output), 1);
  EXPECT_EQ(output, "FileSave Error!!\n");
}

}  // namespace
}  // namespace qw
