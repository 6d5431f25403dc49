// The channel lists of our CSV and the labels its rows name channels by.
#include "formats/csv_ours_lists.h"

#include <cctype>

#include "model/ascii_case.h"
#include "model/channel_plans.h"

namespace qw::csv {

std::vector<ChannelRecord>& ListOf(RadioData& d, int group) {
  return group == kWeatherList ? d.WX : GroupList(d, group);
}

std::string GroupText(int group, const SeriesTraits& t) {
  if (group == kWeatherList) return "WX";
  if (group == kGroupFourth) return t.fourthGroup;
  return kMarineGroupNames[group];
}

std::string LabelOf(const ChannelRecord& ch, RowKind kind, int index) {
  if (kind == RowKind::Programmable) return std::to_string(index + 1);
  if (kind == RowKind::Weather) {
    std::string n = std::to_string(ch.Position);
    return "WX" + std::string(n.size() < 2 ? 1 : 0, '0') + n;
  }
  return IsMarineSlot(ch.Position) ? ChannelMasterTable()[ch.Position].Label : "";
}

// Either fourth-group name is taken, so a list moves between the two series.
const ListRef* ListOfName(const std::string& name) {
  for (const ListRef& list : kLists) {
    if (list.kind == RowKind::Programmable) {
      for (const SeriesTraits& series : AllSeries()) {
        if (EqualsIgnoringCase(name, series.fourthGroup)) return &list;
      }
    } else if (EqualsIgnoringCase(name, GroupText(list.group, Traits(kDefaultSeries)))) {
      return &list;
    }
  }
  return nullptr;
}

namespace {

// Spreadsheets drop leading zeros ("06" comes back as "6"), so numbers are compared as numbers.
std::string NormalLabel(std::string label) {
  for (char& c : label) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  std::size_t zeros = 0;
  while (zeros + 1 < label.size() && label[zeros] == '0' && std::isdigit(label[zeros + 1])) ++zeros;
  return label.substr(zeros);
}

}  // namespace

int IndexOfLabel(std::vector<ChannelRecord>& list, RowKind kind, const std::string& label) {
  const std::string wanted = NormalLabel(label);
  for (std::size_t i = 0; i < list.size(); ++i) {
    std::string have = LabelOf(list[i], kind, static_cast<int>(i));
    if (kind == RowKind::Weather) {
      if (EqualsIgnoringCase(have, label)) return static_cast<int>(i);
    } else if (NormalLabel(have) == wanted) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace qw::csv
