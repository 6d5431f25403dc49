#include "model/series_traits.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/ascii_case.h"
#include "model/radio_data.h"

namespace qw {
namespace {

constexpr const char* kHandheldSteps =
    "2.On the radio, press and hold the [DOWN]+[H/L]+[MEM] keys\r\n"
    "   while turning on.\r\n";
constexpr const char* kDistressScanSteps =
    "2.On the radio, press and hold [DISTRESS] and [SCAN] keys while\r\n"
    "   turning the power on.\r\n"
    "   The radios display will show UART.\r\n";

static_assert(kDefaultSeries == kSeriesMV710);

constexpr SeriesTraits kRows[] = {
    {.series = kSeriesMV710,
     .cliName = "mv710",
     .modelName = "MV710",
     .imageLast = 16383,
     .modelId = 0x02C6,
     .fourthGroup = "LMR",
     .fourthGroupReport = "LMR",
     .menuEntry = "&MV710 Series",
     .cloneModeSteps = kHandheldSteps,
     .statusNames = true,
     .statusNameField = false,
     .channelNames = true,
     .fourthGroupTones = true,
     .thirdVariantSettings = false,
     .echoesCommands = true,
     .wideRadioPicture = false,
     .frequencyRaster = false,
     .programsNameTexts = false,
     .dscRegions = false,
     .hidesEmptyGroups = false,
     .repairsPriority = true},
    {.series = kSeriesMV510,
     .cliName = "mv510",
     .modelName = "MV510",
     .imageLast = 8191,
     .modelId = 0x01FE,
     .fourthGroup = "EXP",
     .fourthGroupReport = "Exp",
     .menuEntry = "M&V510 Series",
     .cloneModeSteps = kHandheldSteps,
     .statusNames = false,
     .statusNameField = false,
     .channelNames = false,
     .fourthGroupTones = false,
     .thirdVariantSettings = false,
     .echoesCommands = true,
     .wideRadioPicture = false,
     .frequencyRaster = false,
     .programsNameTexts = false,
     .dscRegions = false,
     .hidesEmptyGroups = false,
     .repairsPriority = true},
    {.series = kSeriesThird,
     .cliName = "0",
     .modelName = "MV510",
     .imageLast = 16383,
     .modelId = 0x1BBC,
     .fourthGroup = "EXP",
     .fourthGroupReport = "Exp",
     .menuEntry = nullptr,
     .cloneModeSteps = kDistressScanSteps,
     .statusNames = true,
     .statusNameField = true,
     .channelNames = true,
     .fourthGroupTones = false,
     .thirdVariantSettings = true,
     .echoesCommands = false,
     .wideRadioPicture = true,
     .frequencyRaster = true,
     .programsNameTexts = true,
     .dscRegions = true,
     .hidesEmptyGroups = true,
     .repairsPriority = false},
};

}  // namespace

const SeriesTraits& Traits(int16_t series) {
  for (const auto& row : kRows)
    if (row.series == series) return row;
  throw std::out_of_range("no radio series " + std::to_string(series));
}

std::span<const SeriesTraits> AllSeries() {
  return kRows;
}

bool KnownSeries(int16_t series) {
  return std::any_of(std::begin(kRows), std::end(kRows), [series](auto& r) { return r.series == series; });
}

std::optional<int16_t> SeriesFromName(std::string_view name) {
  for (const auto& row : kRows) {
    if (EqualsIgnoringCase(name, row.cliName) || name == std::to_string(row.series))
      return row.series;
  }
  return std::nullopt;
}

std::string SeriesNamesText() {
  // Names before numbers, each in alphabetical order.
  std::vector<std::string> names;
  for (const auto& row : kRows) names.emplace_back(row.cliName);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const bool da = std::isdigit(static_cast<unsigned char>(a[0])) != 0;
    const bool db = std::isdigit(static_cast<unsigned char>(b[0])) != 0;
    return da != db ? db : a < b;
  });
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
    text += names[i];
  }
  return text;
}

std::optional<int16_t> SeriesOfImage(std::size_t length, uint16_t modelId) {
  for (const auto& row : kRows) {
    if (static_cast<std::size_t>(row.ImageLength()) == length && row.modelId == modelId)
      return row.series;
  }
  return std::nullopt;
}

std::optional<int16_t> GuessSeriesOfImage(std::size_t length, uint16_t modelId) {
  if (auto exact = SeriesOfImage(length, modelId)) return exact;
  for (const auto& row : kRows) {
    if (static_cast<std::size_t>(row.ImageLength()) == length) return row.series;
  }
  return std::nullopt;
}

}  // namespace qw
