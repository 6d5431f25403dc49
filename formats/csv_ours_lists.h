// The channel lists our CSV writes, and how its rows name them and their channels.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "formats/csv_formats.h"
#include "model/radio_data.h"
#include "model/series_traits.h"

namespace qw::csv {

enum class RowKind { Marine, Weather, Programmable };

struct ListRef {
  int group;  // 0..3 as ChannelGroup, or kWeatherList
  RowKind kind;
};

inline constexpr int kWeatherList = 4;
// In the order the rows are written.
inline constexpr std::array<ListRef, 5> kLists{{{kGroupUSA, RowKind::Marine},
                                                {kGroupINTL, RowKind::Marine},
                                                {kGroupCANADA, RowKind::Marine},
                                                {kWeatherList, RowKind::Weather},
                                                {kGroupFourth, RowKind::Programmable}}};

std::vector<ChannelRecord>& ListOf(RadioData& d, int group);
// The Group cell: "USA", "INTL", "CANADA", "WX", or the series' fourth-group name.
std::string GroupText(int group, const SeriesTraits& t);
// The CH cell of the channel at index of its list.
std::string LabelOf(const ChannelRecord& ch, RowKind kind, int index);
// The list a Group cell names (any letter case); nullptr when none.
const ListRef* ListOfName(const std::string& name);
// The index of the channel a CH cell names; -1 when none.
int IndexOfLabel(std::vector<ChannelRecord>& list, RowKind kind, const std::string& label);

}  // namespace qw::csv
