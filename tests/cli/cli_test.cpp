// quaywright-cli driven as other tools drive it: files in, files and exit codes out.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <tuple>

#include "tests/support/cli_runner.h"

namespace qw {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class CliTest : public ::testing::Test, protected test::CliFolder {};

// A new image has the series' size (its model numbers and checksum are the info test's); an image
// converted to JSON and back is the same to the byte. (That every file kind carries every field
// is the document's test.)
TEST_F(CliTest, NewImagesHaveTheirSizeAndConvertRoundTripsAreByteExact) {
  const std::string a = P("a.hex"), j = P("a.json"), b = P("b.hex");
  for (const auto& [series, size] :
       {std::pair{"mv510", 8192u}, std::pair{"mv710", 16384u}, std::pair{"0", 16384u}}) {
    const test::Result made = Cli({"new", "--series", series, "-o", a});
    ASSERT_EQ(made.code, 0) << made.err;
    EXPECT_EQ(ReadBytes(a).size(), size) << series;
  }
  for (const auto& [from, to] : {std::pair{a, j}, {j, b}}) {
    const test::Result r = Cli({"convert", from, "-o", to});
    ASSERT_EQ(r.code, 0) << r.err;
  }
  EXPECT_EQ(ReadBytes(a), ReadBytes(b));
}

TEST_F(CliTest, InfoDescribesAnImage) {
  const std::string a = P("a.HEX");  // described as it is on disk, whatever the name's case
  ASSERT_EQ(Cli({"new", "--series", "mv510", "-o", a}).code, 0);
  const test::Result r = Cli({"info", a});
  ASSERT_EQ(r.code, 0) << r.err;
  for (const char* line : {"series: mv510", "0x01FE at 64..65, 0x01FE at 8190..8191",
                           "header checksum: right", "USA 55, INTL 55, CANADA 56, EXP 0, WX 10"})
    EXPECT_NE(r.out.find(line), std::string::npos) << r.out;

  std::string img = ReadBytes(a);
  img[95] = static_cast<char>(img[95] + 1);
  WriteBytes(a, img);
  EXPECT_NE(Cli({"info", a}).out.find("header checksum: wrong"), std::string::npos);
}

// Refusals print the program's messages and exit 1, one for each step a command can fail at
// (which files a reader refuses is the document's test); usage errors (no command, a missing or
// unknown option value) exit 2. That --help exits 0 is the man page test's.
TEST_F(CliTest, RefusalsExitOneWithTheProgramsMessagesAndUsageErrorsTwo) {
  const std::string a = P("a.hex");
  ASSERT_EQ(Cli({"new", "--series", "mv710", "-o", a}).code, 0);
  const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
      {{"new", "--destination", "nowhere", "-o", P("o.hex")}, 1, "IniFileRead Error!!"},
      // The program's message, then the file and the system's reason on a second line.
      {{"convert", P("nosuch.dat"), "-o", P("o.json")},
       1,
       "FileRead Error!!\n" + P("nosuch.dat") + ": No such file or directory"},
      {{"convert", a, "-o", P("nofolder/o.dat")},
       1,
       "FileSave Error!!\n" + P("nofolder/o.dat") + ": No such file"},
      {{}, 2, ""},
      {{"new"}, 2, ""},
      {{"new", "--series", "mv999", "-o", P("o.hex")}, 2, ""},
  };
  for (const auto& [args, code, message] : cases) {
    const test::Result r = Cli(args);
    EXPECT_EQ(r.code, code) << message << r.err;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(P("o.json")));
  EXPECT_FALSE(std::filesystem::exists(P("o.hex")));
}

// Values the radio cannot store are taken, and named on stderr. (Which values, and that they
// pass through every file kind, are the document's tests.)
TEST_F(CliTest, OddValuesAreTakenAndNamedOnStderr) {
  const std::string j = P("odd.json");
  WriteBytes(j, R"({"CommonSettings": {"ResumeTime": -7}})");
  const test::Result made = Cli({"convert", "--series", "mv710", j, "-o", P("x.dat")});
  ASSERT_EQ(made.code, 0) << made.err;
  EXPECT_NE(made.err.find("warning: " + j + ": CommonSettings.ResumeTime = -7 (the radio will"),
            std::string::npos)
      << made.err;
}

TEST_F(CliTest, GridPrintsTheChosenGridsInOrder) {
  const std::string a = P("a.dat");
  ASSERT_EQ(Cli({"new", "--series", "mv510", "-o", a}).code, 0);
  const test::Result all = Cli({"grid", a});
  ASSERT_EQ(all.code, 0) << all.err;
  std::string order;
  for (std::size_t at = 0; (at = all.out.find("\n# ", at)) != std::string::npos; ++at)
    order += all.out.substr(at + 3, all.out.find('\n', at + 1) - at - 3) + " ";
  EXPECT_EQ(all.out.rfind("# USA\nCH\tRX[MHz]\t", 0), 0u);
  EXPECT_EQ(order, "INTL CANADA WX EXP ");
  EXPECT_EQ(Cli({"grid", a, "--group", "PX"}).code, 2);
  // The fourth group by either of its names, in any case.
  for (const char* name : {"LMR", "lmr", "Exp"}) {
    const test::Result fourth = Cli({"grid", a, "--group", name});
    EXPECT_EQ(fourth.code, 0) << name << fourth.err;
    EXPECT_EQ(fourth.out.rfind("# EXP\nCH\tENABLE\t", 0), 0u) << name;
  }
}

// print: the listing as a PDF, with sheets added where a page runs long.
TEST_F(CliTest, PrintWritesSixPagesMoreSheetsForLongListsAndRefusesBadTargets) {
  const std::string data = P("a.dat");
  ASSERT_EQ(Cli({"new", "--series", "mv510", "-o", data}).code, 0);
  const test::Result r = Cli({"print", data, "-o", P("a.pdf"), "--paper", "letter"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out + r.err, "");
  const std::string letter = ReadBytes(P("a.pdf"));
  EXPECT_NE(letter.find("/MediaBox [0 0 612.000000 792.000000]"), std::string::npos);
  EXPECT_EQ(test::PdfPages(letter), 6);

  // Every marine channel enabled: each of the three marine pages needs at least two sheets.
  // Converting prints on A4.
  const std::string json = P("all.json");
  ASSERT_EQ(Cli({"new", "-o", json}).code, 0);
  std::string text = ReadBytes(json);
  for (std::size_t at; (at = text.find("\"Enable\": false")) != std::string::npos;)
    text.replace(at, 15, "\"Enable\": true");
  test::WriteBytes(json, text);
  ASSERT_EQ(Cli({"convert", json, "-o", P("all.pdf")}).code, 0);
  EXPECT_GE(test::PdfPages(ReadBytes(P("all.pdf"))), 3 + 3 * 2);
  EXPECT_NE(ReadBytes(P("all.pdf")).find("/MediaBox [0 0 595"), std::string::npos);

  // Other outputs, a missing input and an unwritable folder are refused.
  EXPECT_EQ(Cli({"print", P("a.dat"), "-o", P("a.txt")}).code, 2);
  EXPECT_EQ(Cli({"print", P("none.dat"), "-o", P("b.pdf")}).code, 1);
  EXPECT_FALSE(std::filesystem::exists(P("b.pdf")));
  const test::Result unwritable = Cli({"print", P("a.dat"), "-o", P("no/such/dir/c.pdf")});
  EXPECT_EQ(unwritable.code, 1);
  EXPECT_EQ(unwritable.out + unwritable.err, "FileSave Error!!\n");
}

// Files of different kinds compare in what both carry (every pair is compared where the data
// sets are); here the command's output and exit codes.
TEST_F(CliTest, DiffComparesFilesOfAnyKind) {
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
  EXPECT_NE(json.out.find(R"("field": "Scan")"), std::string::npos) << json.out;
  EXPECT_EQ(Cli({"diff", P("a.dat"), P("missing.dat")}).code, 2);
  EXPECT_EQ(Cli({"diff", P("a.dat"), P("a.txt")}).code, 2);
}

// The options in the left column of a --help text's "Options:" block, --help itself left out.
std::set<std::string> HelpOptions(const std::string& help) {
  std::set<std::string> options;
  std::istringstream in(help.substr(help.find("Options:") + 8));
  for (std::string line; std::getline(in, line) && (line.empty() || line[0] == ' ');) {
    if (line.rfind("  -", 0) != 0) continue;
    std::istringstream names(line.substr(2, line.find(' ', 2) - 2));
    for (std::string name; std::getline(names, name, ',');)
      if (name != "-h" && name != "--help") options.insert(name);
  }
  return options;
}

// The man page, its escapes undone, cut at its section headings.
std::map<std::string, std::string> ManSections() {
  std::ifstream file(QW_CLI_MANPAGE);
  std::stringstream text;
  text << file.rdbuf();
  const std::string page = std::regex_replace(text.str(), std::regex(R"(\\-)"), "-");
  std::map<std::string, std::string> sections;
  const std::regex heading(R"(^\.SH (.*)$)", std::regex::multiline);
  std::string name;
  std::size_t from = 0;
  for (std::sregex_iterator it(page.begin(), page.end(), heading), end; it != end; ++it) {
    sections[name] = page.substr(from, it->position() - from);
    name = (*it)[1];
    from = it->position() + it->length();
  }
  sections[name] = page.substr(from);
  return sections;
}

std::set<std::string> Options(const std::string& text, const std::string& pattern) {
  std::set<std::string> found;
  const std::regex option(pattern, std::regex::multiline);
  for (std::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it)
    found.insert((*it)[1]);
  return found;
}

// The man page's synopsis names every command with the options its --help lists, and its
// OPTIONS section explains each of them.
TEST_F(CliTest, ManPageListsEveryCommandAndOption) {
  const auto man = ManSections();
  ASSERT_TRUE(man.count("SYNOPSIS") && man.count("OPTIONS")) << QW_CLI_MANPAGE;
  std::map<std::string, std::set<std::string>> synopsis;
  std::istringstream blocks(std::regex_replace(man.at("SYNOPSIS"), std::regex(R"(\.br\n)"), "\f"));
  for (std::string block; std::getline(blocks, block, '\f');) {
    std::smatch command;
    if (!std::regex_search(block, command, std::regex(R"(quaywright-cli (\S+))"))) continue;
    synopsis[command[1]] = Options(block, R"((?:^\.\w+ |\[ )(--?[a-z][-a-z]*))");
  }
  const std::set<std::string> explained = Options(man.at("OPTIONS"), R"(^\.\w+ (--?[a-z][-a-z]*))");

  const test::Result top = Cli({"--help"});
  ASSERT_EQ(top.code, 0);
  std::set<std::string> commands;
  std::istringstream lines(top.out.substr(top.out.find("Subcommands:")));
  for (std::string line; std::getline(lines, line);) {
    if (line.size() > 2 && line.rfind("  ", 0) == 0 && line[2] != ' ')
      commands.insert(line.substr(2, line.find(' ', 2) - 2));
  }
  for (const std::string& option : HelpOptions(top.out)) {
    EXPECT_TRUE(synopsis.count(option)) << option << " is not in the synopsis";
    EXPECT_TRUE(explained.count(option)) << option << " is not explained";
    commands.insert(option);
  }
  std::set<std::string> listed;
  for (const auto& [command, options] : synopsis) listed.insert(command);
  EXPECT_EQ(listed, commands);

  for (const std::string& command : commands) {
    if (command.starts_with("-")) continue;
    SCOPED_TRACE(command);
    const test::Result help = Cli({command, "--help"});
    ASSERT_EQ(help.code, 0);
    EXPECT_EQ(synopsis[command], HelpOptions(help.out));
    for (const std::string& option : HelpOptions(help.out))
      EXPECT_TRUE(explained.count(option)) << option << " is not explained";
  }
}

}  // namespace
}  // namespace qw
