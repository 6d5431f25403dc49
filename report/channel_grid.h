// The text of the channel grids: one column table per grid (header, cell formatter, whether the
// series shows it), turned into a header row and one row of cell texts per channel. The editor's
// grids show this text, Ctrl+C copies it and the command line prints it, so all three agree.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/radio_data.h"
#include "model/series_traits.h"

namespace qw {

// The grids: the four channel groups (0..3, as ChannelGroup) and the weather list, which has
// the number the edit path gives it (kGroupWX).
inline constexpr int kGridWeather = 4;
inline constexpr int kGridCount = 5;

struct GridColumn {
  std::string_view header;
  // The cell of one channel; row is the channel's index in its list.
  std::string (*cell)(const ChannelRecord& ch, int row);
  // nullptr when every series shows the column.
  bool (*shown)(const SeriesTraits& traits);
};

struct GridText {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;  // one per channel of the list, in list order
  std::vector<bool> enabled;                   // each row's channel is switched on
};

// The columns grid `grid` shows for the series.
std::vector<const GridColumn*> GridColumns(int grid, int16_t series);
// Header and every row of a grid.
GridText BuildGridText(const RadioData& d, int grid);
// Cells joined by tabs, rows by "\n", the header first; `rows` picks rows by index (all when
// empty). Out-of-range indices are skipped.
std::string GridTsv(const GridText& text, const std::vector<std::size_t>& rows = {});
// "USA", "INTL", "CANADA", "EXP", "WX": the names the command line knows the grids by.
std::string_view GridName(int grid);
// The grid of a name (any letter case); -1 for anything else.
int GridFromName(std::string_view name);

}  // namespace qw
