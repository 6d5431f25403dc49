#include "formats/data_file_parser.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "formats/profile_file.h"
#include "test_support.h"

namespace qw {
namespace {

// The table in a compact form: NAME{KEY=VALUE,...} per section, separated by blanks.
std::string Describe(const DataFileSectionTable& table) {
  std::string text;
  for (const DataFileSection& section : table.Sections()) {
    text += (text.empty() ? "" : " ") + section.Name + '{';
    std::string comma;
    for (const DataFileEntry& e : section.Entries)
      text += std::exchange(comma, ",") + e.Key + '=' + e.Value;
    text += '}';
  }
  return text;
}

TEST(DataFileParser, OddLinesAreDroppedTheWayTheReaderAlwaysDid) {
  // What the case shows, the file, the table.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"lines before the first section", "junk\r\nK=V\r\n[A]\r\nk=v\r\n", "A{K=v}"},
      {"blank, '=' first, no '='", "[A]\r\n\r\n=x\r\nnoequals\r\n k = v \r\n", "A{K=v}"},
      {"indented section line drops itself and its entries",
       "[A]\r\nx=1\r\n [B]\r\ny=2\r\n[C]\r\nz=3", "A{X=1} C{Z=3}"},
      {"empty name, text after ']'", "[]\r\nx=1\r\n[D] trailing\r\ny=#  ab \r\n", "D{Y=  ab}"},
      {"trimmed upper-cased name, one '#' removed, duplicates kept",
       "[ e ]\r\nk=##v\r\nk=second\r\n", "E{K=#v,K=second}"},
      {"no closing bracket", "[A\r\nx=1\r\n[B]\r\n", "B{}"},
      {"a '[' inside a line ends the section", "[A]\r\nfoo[bar\r\nx=1\r\n", "A{}"},
      {"'[' in a key=value line is an entry", "[A]\r\n[x]=1\r\n", "A{[X]=1}"},
      {"LF and CR line ends", "[A]\nx=1\ry=2\r\n", "A{X=1,Y=2}"},
      {"value keeps inner '=' and blanks", "[A]\r\nk= a = b \r\n", "A{K=a = b}"},
      {"empty file", "", ""},
  };
  for (const auto& [name, file, table] : cases) {
    auto parsed = ParseDataFileText(file);
    ASSERT_TRUE(parsed) << name;
    EXPECT_EQ(Describe(*parsed), table) << name;
  }
}

TEST(DataFileParser, LookUpTakesTheFirstEntryInFileOrderIgnoringCase) {
  auto table = ParseDataFileText("[A]\r\nx=1\r\n[b]\r\nx=9\r\n[a]\r\nx=2\r\ny=#3\r\n");
  ASSERT_TRUE(table);
  EXPECT_EQ(table->Value("a", "X"), "1");
  EXPECT_EQ(table->Value("A", "y"), "3");
  EXPECT_EQ(table->Value("C", "x"), "");
}

TEST(DataFileParser, RefusesMoreLinesThanAnyDataFileHas) {
  std::string many = "[A]\n";
  for (std::size_t i = 0; i <= kMaxDataFileLines; ++i) many += "k=v\n";
  EXPECT_FALSE(ParseDataFileText(many));
}

// The model check reads one value the way the old profile look-up did: cut to its buffer, ended
// at a NUL, "<NONE>" as nothing.
TEST(ProfileValue, IsCutToTheLookUpBuffer) {
  test::TempFolder folder;
  std::string value(300, 'v');
  test::WriteBytes(folder.File("p.ini"), "[other]\r\nMODELTYPE=9\r\n [ Main ] \r\n modeltype = #" +
                                             value + " \r\nnul=ab" + std::string(1, '\0') +
                                             "cd\r\nnone=<NONE>\r\n");
  EXPECT_EQ(ReadProfileValue(folder.File("p.ini"), "MAIN", "MODELTYPE"), value.substr(0, 126));
  EXPECT_EQ(ReadProfileValue(folder.File("p.ini"), "main", "NUL"), "ab");
  EXPECT_EQ(ReadProfileValue(folder.File("p.ini"), "MAIN", "none"), "");
  EXPECT_EQ(ReadProfileValue(folder.File("p.ini"), "MAIN", "missing"), "");
  EXPECT_EQ(ReadProfileValue(folder.File("missing.ini"), "MAIN", "MODELTYPE"), "");
}

}  // namespace
}  // namespace qw
