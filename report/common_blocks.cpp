#include "report/common_blocks.h"

#include <cstddef>
#include <type_traits>

#include "model/field_table.h"
#include "report/formatters.h"

namespace qw {

std::string WordedText(fields::Worded worded, int16_t v) {
  using enum fields::Worded;
  switch (worded) {
    case TxPoDisplay:
      return TxPoDisplayText(v);
    case ResumeTime:
      return ResumeTimeText(v);
    case Weater:
      return WeaterText(v);
    case MagneticVariation:
      return MagneticVariationText(v);
    case OffsetTime: {
      const auto& list = OffsetTimeList();
      return v >= 0 && static_cast<std::size_t>(v) < list.size() ? list[static_cast<std::size_t>(v)]
                                                                 : std::string();
    }
    case OnOff:
      break;
  }
  return OnOffText(v != 0);
}

std::vector<GroupLine> GroupLines(const RadioData& d) {
  std::vector<GroupLine> lines;
  const SeriesTraits& series = Traits(d.ModelSeries);
  fields::ForEachRow(fields::kGroupFields, [&](const auto& row) {
    if (!fields::Holds(series, row.held)) return;
    GroupLine line{row.shown.label ? row.shown.label : row.caption, {}};
    for (std::size_t g = 0; g < d.UsableGroupSettings.size(); ++g) {
      const auto& value = d.UsableGroupSettings[g].*row.member;
      using T = std::remove_cvref_t<decltype(value)>;
      if constexpr (std::is_same_v<T, bool>) {
        line.texts.push_back(OnOffText(value));
      } else if constexpr (std::is_same_v<T, std::string>) {
        line.texts.push_back(TextOrDashes(value));
      } else if (static_cast<int>(g) != kGroupFourth) {
        // A channel number; the fourth group has no priority channel.
        line.texts.push_back(ChannelLabelText(value, d.ModelSeries));
      }
    }
    lines.push_back(std::move(line));
  });
  return lines;
}

namespace {

template <class Row, class T>
SettingLine LineOf(const Row& row, const T& value) {
  SettingLine line{
      std::string(row.shown.label ? row.shown.label : row.caption) + ":", {}, fields::kIsArray<T>};
  if constexpr (fields::kIsArray<T>) {
    for (bool on : value) line.texts.push_back(OnOffText(on));
  } else {
    line.texts.push_back(value);
  }
  return line;
}

}  // namespace

std::vector<SettingLine> DscLines(const DscSettings& dsc, fields::Section section) {
  std::vector<SettingLine> lines;
  fields::ForEachRow(fields::kDscFields, [&](const auto& row) {
    if (row.shown.section == section) lines.push_back(LineOf(row, dsc.*row.member));
  });
  return lines;
}

std::vector<SettingLine> AtisLines(const AtisSettings& atis,
                                   const std::function<bool(fields::Held)>& shows) {
  std::vector<SettingLine> lines;
  for (bool lists : {true, false}) {
    fields::ForEachRow(fields::kAtisFields, [&](const auto& row) {
      SettingLine line = LineOf(row, atis.*row.member);
      if (line.list == lists && shows(row.held)) lines.push_back(std::move(line));
    });
  }
  return lines;
}

std::vector<CommonBlock> CommonBlocks(const CommonSettings& c,
                                      const std::function<bool(fields::Held)>& shows) {
  std::vector<CommonBlock> blocks;
  for (std::size_t s = 0; s < std::size(fields::kSectionTitles); ++s) {
    CommonBlock block{std::string("[") + fields::kSectionTitles[s] + "]", {}};
    fields::ForEachRow(fields::kCommonFields, [&](const auto& row) {
      if (static_cast<std::size_t>(row.shown.section) != s || !shows(row.held)) return;
      const char* label = row.shown.label ? row.shown.label : row.caption;
      const auto value = static_cast<int16_t>(c.*row.member);
      block.lines.push_back(
          {std::string(label) + ":", WordedText(row.shown.worded, value), row.shown.worded});
    });
    if (!block.lines.empty()) blocks.push_back(std::move(block));
  }
  return blocks;
}

}  // namespace qw
