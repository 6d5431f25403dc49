// quaywright-cli print: the listing as a PDF, with sheets added where a page runs long.
#include <gtest/gtest.h>

#include "tests/support/cli_runner.h"

namespace qw {
namespace {

using test::ReadBytes;

class CliPrintTest : public ::testing::Test, protected test::CliFolder {};

// Page objects of a PDF ("/Type /Page", not "/Type /Pages").
int PageCount(const std::string& pdf) {
  int count = 0;
  for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
       at = pdf.find("/Type /Page", at + 1)) {
    count += pdf.compare(at, 12, "/Type /Pages") != 0 ? 1 : 0;
  }
  return count;
}

TEST_F(CliPrintTest, WritesSixPagesAndMoreSheetsForLongLists) {
  for (const std::string series : {"mv710", "mv510"}) {
    SCOPED_TRACE(series);
    const std::string data = P(series + ".dat"), pdf = P(series + ".pdf");
    ASSERT_EQ(Cli({"new", "--series", series, "-o", data}).code, 0);
    const test::Result r = Cli({"print", data, "-o", pdf, "--paper", "letter"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    const std::string bytes = ReadBytes(pdf);
    EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
    EXPECT_NE(bytes.find("/MediaBox [0 0 612.000000 792.000000]"), std::string::npos);
    EXPECT_EQ(PageCount(bytes), 6);
  }

  // Every marine channel enabled: each marine page needs several sheets.
  const std::string json = P("all.json");
  ASSERT_EQ(Cli({"new", "-o", json}).code, 0);
  std::string text = ReadBytes(json);
  for (std::size_t at; (at = text.find("\"Enable\": false")) != std::string::npos;)
    text.replace(at, 15, "\"Enable\": true");
  test::WriteBytes(json, text);
  ASSERT_EQ(Cli({"convert", json, "-o", P("all.pdf")}).code, 0);
  EXPECT_GT(PageCount(ReadBytes(P("all.pdf"))), 12);
  EXPECT_NE(ReadBytes(P("all.pdf")).find("/MediaBox [0 0 595"), std::string::npos);  // A4
}

TEST_F(CliPrintTest, RefusesOtherOutputsMissingInputAndUnwritableFolders) {
  ASSERT_EQ(Cli({"new", "-o", P("a.dat")}).code, 0);
  EXPECT_EQ(Cli({"print", P("a.dat"), "-o", P("a.txt")}).code, 2);
  EXPECT_EQ(Cli({"print", P("none.dat"), "-o", P("b.pdf")}).code, 1);
  EXPECT_FALSE(std::filesystem::exists(P("b.pdf")));
  const test::Result r = Cli({"print", P("a.dat"), "-o", P("no/such/dir/c.pdf")});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out + r.err, "FileSave Error!!\n");
}

}  // namespace
}  // namespace qw
