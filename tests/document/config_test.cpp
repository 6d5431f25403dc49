#include "document/config.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "document/program_args.h"

namespace qw {
namespace {

TEST(Config, DefaultsForMissingOrOddNumbers) {
  MemorySettingsStore store;
  EXPECT_EQ(ReadPortSetting(store), 1);
  EXPECT_EQ(ReadModelSetting(store), 2);
  store.Set("ComPath", "ComNum", "COM3");
  EXPECT_EQ(ReadPortSetting(store), 1);
  SavePortSetting(store, 9);  // used unchanged; no menu entry gets the check mark
  EXPECT_EQ(ReadPortSetting(store), 9);
  for (auto [text, series] : {std::pair{"0", 0}, {"1", 1}, {" 2 ", 2}, {"3", 2}, {"", 2}}) {
    store.Set("ModelPath", "ModelNum", text);
    EXPECT_EQ(ReadModelSetting(store), series) << text;
  }
  SaveDestinationSetting(store, 1, "EUR");  // each series remembers its own
  EXPECT_EQ(ReadDestinationSetting(store, 1), "EUR");
  EXPECT_EQ(ReadDestinationSetting(store, 2), "usa");
}

TEST(Config, WindowPlacementComesBackOnlyWhole) {
  MemorySettingsStore store;
  EXPECT_FALSE(ReadWindowPlacement(store));
  SaveWindowPlacement(store, -150, 300, 40000, 9000);  // twips of a wide screen left of the main
  const auto p = ReadWindowPlacement(store);
  ASSERT_TRUE(p);
  EXPECT_EQ(std::make_tuple(p->left, p->top, p->width, p->height),
            std::make_tuple(-150, 300, 40000, 9000));
  // Both sizes, each on both sides of the bound: 1 is a size, 0 and below are not.
  for (const char* key : {"MainWidth", "MainHeight"}) {
    for (const char* bad : {"0", "-1", "x", ""}) {
      SaveWindowPlacement(store, -150, 300, 40000, 9000);
      store.Set("Settings", key, bad);
      EXPECT_FALSE(ReadWindowPlacement(store)) << key << "=" << bad;
    }
    store.Set("Settings", key, "1");
    EXPECT_TRUE(ReadWindowPlacement(store)) << key;
  }
}

TEST(ProgramStart, DebugSwitchIsExactlySlashD) {
  const std::pair<const char*, bool> cases[] = {{"/d", true},     {"  /D\t", true},  {"", false},
                                                {"/D /X", false}, {"/DEBUG", false}, {"-D", false},
                                                {"\"/D\"", false}};
  for (const auto& [text, debug] : cases) EXPECT_EQ(ParseDebugSwitch(text), debug) << text;
  const char* args[] = {"quaywright", "/D", "a b"};
  EXPECT_TRUE(ParseDebugSwitch(CommandLineText(2, args)));
  EXPECT_EQ(CommandLineText(3, args), "/D \"a b\"");
  EXPECT_EQ(CommandLineText(1, args), "");
}

}  // namespace
}  // namespace qw
