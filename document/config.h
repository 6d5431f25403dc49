// What the program remembers between runs, in the per-user settings store: the serial port,
// the series, each series' destination and the main window's placement.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "document/settings_store.h"

namespace qw {

// ComPath/ComNum, default 1. A stored number outside 1..4 comes back unchanged.
int16_t ReadPortSetting(const SettingsStore& store);
void SavePortSetting(SettingsStore& store, int16_t port);

// ModelPath/ModelNum, default 2 (MV710). 0 selects the third variant; anything else that is not
// 0, 1 or 2 gives the default.
int16_t ReadModelSetting(const SettingsStore& store);
void SaveModelSetting(SettingsStore& store, int16_t series);

// IniFilePath / "IniFileName_" + series, default "usa": each series remembers its own.
std::string ReadDestinationSetting(const SettingsStore& store, int16_t series);
void SaveDestinationSetting(SettingsStore& store, int16_t series, const std::string& name);

// Settings/MainLeft, MainTop, MainWidth, MainHeight, in twips.
void SaveWindowPlacement(SettingsStore& store, int left, int top, int width, int height);
struct WindowPlacement {
  int left, top, width, height;
};
// The placement saved last; nullopt unless all four values are numbers and the size is positive.
std::optional<WindowPlacement> ReadWindowPlacement(const SettingsStore& store);

}  // namespace qw
