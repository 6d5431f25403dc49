// quaywright-cli print: the listing as a PDF, with sheets added where a page runs long.
#include <gtest/gtest.h>

#include "tests/support/cli_runner.h"

namespace qw {
namespace {

using test::PdfPages;
using test::ReadBytes;

class CliPrintTest : public ::testing::Test, protected test::CliFolder {};

TEST_F(CliPrintTest, WritesSixPagesMoreSheetsForLongListsAndRefusesBadTargets) {
  const std::string data = P("a.dat");
  ASSERT_EQ(Cli({"new", "--series", "mv510", "-o", data}).code, 0);
  const test::Result r = Cli({"print", data, "-o", P("a.pdf"), "--paper", "letter"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out + r.err, "");
  const std::string letter = ReadBytes(P("a.pdf"));
  EXPECT_EQ(letter.rfind("%PDF-", 0), 0u);
  EXPECT_NE(letter.find("/MediaBox [0 0 612.000000 792.000000]"), std::string::npos);
  EXPECT_EQ(PdfPages(letter), 6);

  // Every marine channel enabled: each of the three marine pages needs at least two sheets.
  // Converting prints on A4.
  const std::string json = P("all.json");
  ASSERT_EQ(Cli({"new", "-o", json}).code, 0);
  std::string text = ReadBytes(json);
  for (std::size_t at; (at = text.find("\"Enable\": false")) != std::string::npos;)
    text.replace(at, 15, "\"Enable\": true");
  test::WriteBytes(json, text);
  ASSERT_EQ(Cli({"convert", json, "-o", P("all.pdf")}).code, 0);
  EXPECT_GE(PdfPages(ReadBytes(P("all.pdf"))), 3 + 3 * 2);
  EXPECT_NE(ReadBytes(P("all.pdf")).find("/MediaBox [0 0 595"), std::string::npos);

  // Other outputs, a missing input and an unwritable folder are refused.
  EXPECT_EQ(Cli({"print", P("a.dat"), "-o", P("a.txt")}).code, 2);
  EXPECT_EQ(Cli({"print", P("none.dat"), "-o", P("b.pdf")}).code, 1);
  EXPECT_FALSE(std::filesystem::exists(P("b.pdf")));
  const test::Result unwritable = Cli({"print", P("a.dat"), "-o", P("no/such/dir/c.pdf")});
  EXPECT_EQ(unwritable.code, 1);
  EXPECT_EQ(unwritable.out + unwritable.err, "FileSave Error!!\n");
}

}  // namespace
}  // namespace qw
