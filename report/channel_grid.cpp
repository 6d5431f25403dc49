#include "report/channel_grid.h"

#include <array>
#include <span>

#include "model/ascii_case.h"
#include "model/channel_plans.h"
#include "model/channel_rules.h"
#include "report/formatters.h"

namespace qw {
namespace {

const MasterSlot& SlotAt(int row) {
  static const MasterSlot kNone{};
  if (!IsMarineSlot(row)) return kNone;
  return ChannelMasterTable()[static_cast<std::size_t>(row)];
}

bool Named(const SeriesTraits& t) {
  return t.channelNames;
}

std::string Freq4(double f) {
  return FreqText4(f);
}

constexpr std::array<GridColumn, 10> kMarineColumns{{
    {"CH", [](const ChannelRecord&, int row) { return SlotAt(row).Label; }, nullptr},
    {"RX[MHz]",
     [](const ChannelRecord& ch, int row) {
       const MasterSlot& s = SlotAt(row);
       return FreqText3(ch.Duplex ? s.RxFreqDuplex : s.RxFreqSimplex);
     },
     nullptr},
    {"TX[MHz]",
     [](const ChannelRecord& ch, int row) {
       return FreqText3Hidden(SlotAt(row).TxFreq, ch.RxOnly);
     },
     nullptr},
    {"TX", [](const ChannelRecord& ch, int) { return TxText(ch.TxEnable); }, nullptr},
    {"LOW", [](const ChannelRecord& ch, int) { return LowText(ch.LowPower); }, nullptr},
    {"UP", [](const ChannelRecord& ch, int) { return UpText(ch.PowUp); }, nullptr},
    {"DUP", [](const ChannelRecord& ch, int) { return DupText(ch.Duplex); }, nullptr},
    {"MEM", [](const ChannelRecord& ch, int) { return MemText(ch.ScanMemory); }, nullptr},
    {"VS", [](const ChannelRecord& ch, int) { return ScrambleText(ch.Scramble); }, Named},
    {"CH Name", [](const ChannelRecord& ch, int) { return ch.ChTag; }, Named},
}};

// Every series but the MV510 shows the full fourth-group set, the third variant included.
constexpr std::array<GridColumn, 14> kFourthColumns{{
    {"CH", [](const ChannelRecord&, int row) { return std::to_string(row + 1); }, nullptr},
    {"ENABLE",
     [](const ChannelRecord& ch, int) { return std::string(ch.Enable ? "[Enable]" : ""); },
     nullptr},
    {"DISP", [](const ChannelRecord& ch, int) { return ChannelDisplayText(ch); }, nullptr},
    {"RX[MHz]", [](const ChannelRecord& ch, int) { return Freq4(ch.Rxfreq); }, nullptr},
    {"TX[MHz]", [](const ChannelRecord& ch, int) { return FourthTxText(ch); }, nullptr},
    {"LOW", [](const ChannelRecord& ch, int) { return LowText(ch.LowPower); }, nullptr},
    {"UP", [](const ChannelRecord& ch, int) { return UpText(ch.PowUp); }, nullptr},
    {"MEM", [](const ChannelRecord& ch, int) { return MemText(ch.ScanMemory); }, nullptr},
    {"VS", [](const ChannelRecord& ch, int) { return ScrambleText(ch.Scramble); }, Named},
    {"CH Name", [](const ChannelRecord& ch, int) { return ch.ChTag; }, Named},
    {"W/N", [](const ChannelRecord& ch, int) { return NarrowText(ch.Narrow); }, Named},
    {"RxTone", [](const ChannelRecord& ch, int) { return ToneListText(ch, 1); }, Named},
    {"Comp", [](const ChannelRecord& ch, int) { return CmpText(ch.RxComp); }, Named},
    {"TxTone", [](const ChannelRecord& ch, int) { return ToneListText(ch, 0); }, Named},
}};

std::string Flag(bool v) {
  return v ? "1" : "0";
}

constexpr std::array<GridColumn, 4> kWeatherColumns{{
    {"CH",
     [](const ChannelRecord& ch, int) {
       const auto& wx = WxMasterTable();
       const bool known = ch.Position >= 1 && ch.Position <= static_cast<int>(wx.size());
       return known ? wx[static_cast<std::size_t>(ch.Position - 1)].Label : std::string();
     },
     nullptr},
    {"ENABLE", [](const ChannelRecord& ch, int) { return Flag(ch.Enable); }, nullptr},
    {"MEM", [](const ChannelRecord& ch, int) { return Flag(ch.ScanMemory); }, nullptr},
    {"CH Name", [](const ChannelRecord& ch, int) { return ch.ChTag; }, nullptr},
}};

std::span<const GridColumn> ColumnTable(int grid) {
  if (grid == kGridWeather) return kWeatherColumns;
  if (grid == kGroupFourth) return kFourthColumns;
  return kMarineColumns;
}

const std::vector<ChannelRecord>& GridList(const RadioData& d, int grid) {
  return grid == kGridWeather ? d.WX : GroupList(d, grid);
}

constexpr std::array<std::string_view, kGridCount> kNames{"USA", "INTL", "CANADA", "EXP", "WX"};

}  // namespace

std::vector<const GridColumn*> GridColumns(int grid, int16_t series) {
  const SeriesTraits& traits = Traits(series);
  std::vector<const GridColumn*> columns;
  for (const GridColumn& c : ColumnTable(grid))
    if (!c.shown || c.shown(traits)) columns.push_back(&c);
  return columns;
}

GridText BuildGridText(const RadioData& d, int grid) {
  const auto columns = GridColumns(grid, d.ModelSeries);
  GridText text;
  text.header.reserve(columns.size());
  for (const GridColumn* c : columns) text.header.emplace_back(c->header);
  const auto& list = GridList(d, grid);
  text.rows.reserve(list.size());
  text.enabled.reserve(list.size());
  for (std::size_t i = 0; i < list.size(); ++i) {
    text.enabled.push_back(list[i].Enable);
    std::vector<std::string>& row = text.rows.emplace_back();
    row.reserve(columns.size());
    for (const GridColumn* c : columns) row.push_back(c->cell(list[i], static_cast<int>(i)));
  }
  return text;
}

std::string GridTsv(const GridText& text, const std::vector<std::size_t>& rows) {
  std::string out;
  auto line = [&out](const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i) out += '\t';
      out += cells[i];
    }
    out += '\n';
  };
  line(text.header);
  if (rows.empty()) {
    for (const auto& r : text.rows) line(r);
  } else {
    for (std::size_t i : rows)
      if (i < text.rows.size()) line(text.rows[i]);
  }
  return out;
}

std::string_view GridName(int grid) {
  return grid >= 0 && grid < kGridCount ? kNames[static_cast<std::size_t>(grid)] : "";
}

int GridFromName(std::string_view name) {
  for (int g = 0; g < kGridCount; ++g) {
    if (EqualsIgnoringCase(name, kNames[static_cast<std::size_t>(g)])) return g;
  }
  return -1;
}

}  // namespace qw
