#include "model/series_traits.h"

#include <algorithm>
#include <array>
#include <string>

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

constexpr std::array<SeriesTraits, 3> kRows{{
    {kSeriesMV710, "mv710", "MV710", 16383, 0x02C6, "LMR", "LMR", "&MV710 Series", kHandheldSteps,
     /*statusNames*/ true, /*statusNameField*/ false, /*channelNames*/ true,
     /*fourthGroupTones*/ true,
     /*thirdVariantSettings*/ false, /*echoesCommands*/ true, /*wideRadioPicture*/ false,
     /*frequencyRaster*/ false, /*programsNameTexts*/ false},
    {kSeriesMV510, "mv510", "MV510", 8191, 0x01FE, "EXP", "Exp", "M&V510 Series", kHandheldSteps,
     /*statusNames*/ false, /*statusNameField*/ false, /*channelNames*/ false,
     /*fourthGroupTones*/ false,
     /*thirdVariantSettings*/ false, /*echoesCommands*/ true, /*wideRadioPicture*/ false,
     /*frequencyRaster*/ false, /*programsNameTexts*/ false},
    {kSeriesThird, "0", "MV510", 16383, 0x1BBC, "EXP", "Exp", nullptr, kDistressScanSteps,
     /*statusNames*/ true, /*statusNameField*/ true, /*channelNames*/ true,
     /*fourthGroupTones*/ false,
     /*thirdVariantSettings*/ true, /*echoesCommands*/ false, /*wideRadioPicture*/ true,
     /*frequencyRaster*/ true, /*programsNameTexts*/ true},
}};

}  // namespace

const SeriesTraits& Traits(int16_t series) {
  for (const auto& row : kRows)
    if (row.series == series) return row;
  return kRows[2];
}

std::span<const SeriesTraits> AllSeries() {
  return kRows;
}

bool KnownSeries(int16_t series) {
  return std::any_of(kRows.begin(), kRows.end(), [series](auto& r) { return r.series == series; });
}

std::optional<int16_t> SeriesFromName(std::string_view name) {
  for (const auto& row : kRows) {
    if (EqualsIgnoringCase(name, row.cliName) || name == std::to_string(row.series))
      return row.series;
  }
  return std::nullopt;
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
