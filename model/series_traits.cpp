#include "model/series_traits.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "model/radio_data.h"

namespace qw {
namespace {

constexpr std::array<SeriesTraits, 3> kRows{{
    {kSeriesMV710, "mv710", "MV710", 16383, 0x02C6, "LMR", "LMR",
     /*statusNames*/ true, /*channelNames*/ true, /*fourthGroupTones*/ true,
     /*thirdVariantSettings*/ false, /*echoesCommands*/ true, /*wideRadioPicture*/ false,
     /*frequencyRaster*/ false, /*programsNameTexts*/ false},
    {kSeriesMV510, "mv510", "MV510", 8191, 0x01FE, "EXP", "Exp",
     /*statusNames*/ false, /*channelNames*/ false, /*fourthGroupTones*/ false,
     /*thirdVariantSettings*/ false, /*echoesCommands*/ true, /*wideRadioPicture*/ false,
     /*frequencyRaster*/ false, /*programsNameTexts*/ false},
    {kSeriesThird, "0", "MV510", 16383, 0x1BBC, "EXP", "Exp",
     /*statusNames*/ true, /*channelNames*/ true, /*fourthGroupTones*/ false,
     /*thirdVariantSettings*/ true, /*echoesCommands*/ false, /*wideRadioPicture*/ true,
     /*frequencyRaster*/ true, /*programsNameTexts*/ true},
}};

}  // namespace

const SeriesTraits& Traits(int16_t series) {
  for (const auto& row : kRows)
    if (row.series == series) return row;
  return kRows[2];
}

std::span<const SeriesTraits> AllSeries() { return kRows; }

std::optional<int16_t> SeriesFromName(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const auto& row : kRows) {
    if (lower == row.cliName || lower == std::to_string(row.series)) return row.series;
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

}  // namespace qw
