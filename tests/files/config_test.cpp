#include "files/config.h"

#include <gtest/gtest.h>

#include "files/program_args.h"

namespace qw {
namespace {

TEST(Config, DefaultsWhenNothingOrNoNumberIsStored) {
  MemorySettingsStore store;
  EXPECT_EQ(ReadPortSetting(store), 1);
  EXPECT_EQ(ReadModelSetting(store), 2);
  EXPECT_EQ(ReadDestinationSetting(store, 2), "usa");
  store.Set("ComPath", "ComNum", "COM3");
  store.Set("ModelPath", "ModelNum", "");
  EXPECT_EQ(ReadPortSetting(store), 1);
  EXPECT_EQ(ReadModelSetting(store), 2);
}

TEST(Config, ValuesAreStoredUnderTheirSectionsAndKeys) {
  MemorySettingsStore store;
  SavePortSetting(store, 3);
  SaveModelSetting(store, 1);
  SaveDestinationSetting(store, 1, "EUR");
  SaveWindowPlacement(store, 1200, -15, 9000, 7500);
  EXPECT_EQ(store.Get("ComPath", "ComNum"), "3");
  EXPECT_EQ(store.Get("ModelPath", "ModelNum"), "1");
  EXPECT_EQ(store.Get("IniFilePath", "IniFileName_1"), "EUR");
  EXPECT_EQ(store.Get("Settings", "MainLeft"), "1200");
  EXPECT_EQ(store.Get("Settings", "MainTop"), "-15");
  EXPECT_EQ(store.Get("Settings", "MainWidth"), "9000");
  EXPECT_EQ(store.Get("Settings", "MainHeight"), "7500");
  EXPECT_EQ(ReadPortSetting(store), 3);
  EXPECT_EQ(ReadModelSetting(store), 1);
  // Each series remembers its own destination.
  EXPECT_EQ(ReadDestinationSetting(store, 1), "EUR");
  EXPECT_EQ(ReadDestinationSetting(store, 2), "usa");
  EXPECT_EQ(HelpFilePath("/opt/qw"), std::filesystem::path("/opt/qw") / "QL24.HLP");
}

TEST(Config, OddStoredNumbers) {
  MemorySettingsStore store;
  store.Set("ComPath", "ComNum", "9");  // used unchanged; no menu entry gets the check mark
  EXPECT_EQ(ReadPortSetting(store), 9);
  for (auto [text, series] : {std::pair{"0", 0}, {"1", 1}, {" 2 ", 2}, {"3", 2}, {"-1", 2}}) {
    store.Set("ModelPath", "ModelNum", text);
    EXPECT_EQ(ReadModelSetting(store), series) << text;
  }
}

TEST(ProgramStart, DebugSwitchIsExactlySlashD) {
  struct Case {
    const char* text;
    bool debug;
  } cases[] = {{"/D", true}, {"/d", true},     {"  /d  ", true}, {"\t/D", true},
               {"", false},  {"/D /X", false}, {"-D", false},    {"/DEBUG", false},
               {"D", false}, {"\"/D\"", false}};
  for (const Case& c : cases) EXPECT_EQ(ParseDebugSwitch(c.text), c.debug) << c.text;

  const char* one[] = {"quaywright", "/d"};
  EXPECT_TRUE(ParseDebugSwitch(CommandLineText(2, one)));
  const char* two[] = {"quaywright", "/D", "file.dat"};
  EXPECT_EQ(CommandLineText(3, two), "/D file.dat");
  EXPECT_FALSE(ParseDebugSwitch(CommandLineText(3, two)));
  const char* spaced[] = {"quaywright", "a b"};
  EXPECT_EQ(CommandLineText(2, spaced), "\"a b\"");
  EXPECT_EQ(CommandLineText(1, one), "");
}

}  // namespace
}  // namespace qw
