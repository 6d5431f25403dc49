#include "document/config.h"

#include "formats/text_util.h"
#include "model/outcome.h"
#include "model/radio_data.h"

namespace qw {
namespace {

// A stored whole number; nullopt when absent, not a number or outside the 16-bit range.
std::optional<int16_t> StoredInt16(const SettingsStore& store, const char* section,
                                   const char* key) {
  auto text = store.Get(section, key);
  if (!text) return std::nullopt;
  return ParseInt16(*text);
}

}  // namespace

int16_t ReadPortSetting(const SettingsStore& store) {
  return StoredInt16(store, "ComPath", "ComNum").value_or(1);
}

void SavePortSetting(SettingsStore& store, int16_t port) {
  store.Set("ComPath", "ComNum", std::to_string(port));
}

int16_t ReadModelSetting(const SettingsStore& store) {
  auto series = StoredInt16(store, "ModelPath", "ModelNum");
  if (!series || !KnownSeries(*series)) return kDefaultSeries;
  return *series;
}

void SaveModelSetting(SettingsStore& store, int16_t series) {
  store.Set("ModelPath", "ModelNum", std::to_string(series));
}

std::string ReadDestinationSetting(const SettingsStore& store, int16_t series) {
  return store.Get("IniFilePath", "IniFileName_" + std::to_string(series)).value_or("usa");
}

void SaveDestinationSetting(SettingsStore& store, int16_t series, const std::string& name) {
  store.Set("IniFilePath", "IniFileName_" + std::to_string(series), name);
}

void SaveWindowPlacement(SettingsStore& store, int left, int top, int width, int height) {
  store.Set("Settings", "MainLeft", std::to_string(left));
  store.Set("Settings", "MainTop", std::to_string(top));
  store.Set("Settings", "MainWidth", std::to_string(width));
  store.Set("Settings", "MainHeight", std::to_string(height));
}

std::optional<WindowPlacement> ReadWindowPlacement(const SettingsStore& store) {
  std::optional<int32_t> v[4];
  const char* keys[4] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
  for (int i = 0; i < 4; ++i) {
    const auto text = store.Get("Settings", keys[i]);
    if (text) v[i] = ParseInt32(*text);
    if (!v[i]) return std::nullopt;
  }
  if (*v[2] <= 0 || *v[3] <= 0) return std::nullopt;
  return WindowPlacement{*v[0], *v[1], *v[2], *v[3]};
}

}  // namespace qw
