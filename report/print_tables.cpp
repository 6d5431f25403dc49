// Pages 2 to 6 of the printed listing: the marine, weather and fourth-group tables.
#include <array>

#include "model/series_traits.h"
#include "report/formatters.h"
#include "report/print_sections.h"

namespace qw {

namespace {

struct Column {
  const char* header;
  const char* separator;
};

// Marine tables: CH, RX, TX, TX, LOW, UP, DUP, MEM, then VS and CH Name for named channels.
constexpr std::array<Column, 10> kMarineColumns{{{"CH", "---"},
                                                 {"RX(MHz)", "-------"},
                                                 {"TX(MHz)", "-------"},
                                                 {"TX", "--"},
                                                 {"LOW", "---"},
                                                 {"UP", "--"},
                                                 {"DUP", "---"},
                                                 {"MEM", "---"},
                                                 {"VS", "--"},
                                                 {"CH Name", "------------"}}};
constexpr std::size_t kMarineBasicColumns = 8;

constexpr std::array<Column, 4> kWeatherColumns{
    {{"CH", "--"}, {"ENABLE", "-----"}, {"MEM", "---"}, {"CH Name", "------------"}}};
constexpr std::array<int, 4> kWeatherPositions{0, 9, 28, 40};
constexpr std::size_t kWeatherBasicColumns = 3;

// Fourth group: up to MEM for every series, the rest only where the channels carry tones.
constexpr std::array<Column, 14> kFourthColumns{{{"CH", "--"},
                                                 {"CHD", "---"},
                                                 {"ENABLE", "------"},
                                                 {"RX(MHz)", "--------"},
                                                 {"TX(MHz)", "--------"},
                                                 {"LOW", "---"},
                                                 {"UP", "--"},
                                                 {"MEM", "---"},
                                                 {"VS", "--"},
                                                 {"CH Name", "------------"},
                                                 {"W/N", "--"},
                                                 {"RXT", "-------"},
                                                 {"CMP", "---"},
                                                 {"TXT", "-------"}}};
constexpr std::size_t kFourthBasicColumns = 8;

const std::vector<int>& MarinePositions() {
  static const std::vector<int> positions = ColumnPositions("0, 12, 17, 17, 8, 9, 8, 9, 9, 8");
  return positions;
}

const std::vector<int>& FourthPositions() {
  static const std::vector<int> positions =
      ColumnPositions("0, 7, 10, 17, 19, 19, 8, 10, 7, 10, 10, 7, 22, 7, 15, 7, 15", {6, 9, 16});
  return positions;
}

// The texts of a row placed at the columns' positions.
template <typename Positions>
PrintLine Placed(const Positions& positions, std::vector<std::string> texts) {
  PrintLine line;
  for (std::size_t k = 0; k < texts.size() && k < positions.size(); ++k)
    line.push_back({positions[k], std::move(texts[k])});
  return line;
}

// A page that starts with its title, the column header and the separator; a sheet that continues
// the page repeats them.
template <typename Columns, typename Positions>
PageBuilder TablePage(int16_t series, const std::string& title, const Columns& columns,
                      const Positions& positions, std::size_t count) {
  PageBuilder page(series);
  page.Text(title);
  std::vector<std::string> headers, separators;
  for (std::size_t k = 0; k < count; ++k) {
    headers.push_back(columns[k].header);
    separators.push_back(columns[k].separator);
  }
  page.Line(Placed(positions, std::move(headers)));
  page.Line(Placed(positions, std::move(separators)));
  page.RepeatLinesSoFar();
  return page;
}

}  // namespace

PrintPage MarineTablePage(const std::vector<ChannelRecord>& list, const std::string& title,
                          int16_t series) {
  const bool named = Traits(series).channelNames;
  PageBuilder page = TablePage(series, title, kMarineColumns, MarinePositions(),
                               named ? kMarineColumns.size() : kMarineBasicColumns);
  for (const auto& ch : list) {
    if (!ch.Enable) continue;
    const MasterSlot& slot = MasterSlotAt(ch.Position);
    std::vector<std::string> texts{slot.Label,
                                   FreqText3(ch.Duplex ? slot.RxFreqDuplex : slot.RxFreqSimplex),
                                   FreqText3Hidden(slot.TxFreq, ch.RxOnly),
                                   TxText(ch.TxEnable),
                                   LowText(ch.LowPower),
                                   UpText(ch.PowUp),
                                   DupText(ch.Duplex),
                                   MemText(ch.ScanMemory)};
    if (named) texts.insert(texts.end(), {ScrambleText(ch.Scramble), ch.ChTag});
    page.Line(Placed(MarinePositions(), std::move(texts)));
  }
  return page.Take();
}

PrintPage WeatherTablePage(const RadioData& d) {
  const bool named = Traits(d.ModelSeries).channelNames;
  PageBuilder page =
      TablePage(d.ModelSeries, "##### Programable WX Channel #####", kWeatherColumns,
                kWeatherPositions, named ? kWeatherColumns.size() : kWeatherBasicColumns);
  int number = 1;
  for (const auto& ch : d.WX) {
    std::vector<std::string> texts{std::to_string(number++), EnableText(ch.Enable),
                                   MemText(ch.ScanMemory)};
    if (named) texts.push_back(ch.ChTag);
    page.Line(Placed(kWeatherPositions, std::move(texts)));
  }
  return page.Take();
}

PrintPage FourthGroupTablePage(const RadioData& d) {
  const SeriesTraits& traits = Traits(d.ModelSeries);
  const std::string title =
      std::string("##### Programable ") + traits.fourthGroup + " Channel #####";
  PageBuilder page =
      TablePage(d.ModelSeries, title, kFourthColumns, FourthPositions(),
                traits.fourthGroupTones ? kFourthColumns.size() : kFourthBasicColumns);
  int number = 1;
  for (const auto& ch : d.FourthGroup) {
    std::vector<std::string> texts{std::to_string(number++), ChannelDisplayText(ch),
                                   EnableText(ch.Enable),    FreqText4(ch.Rxfreq),
                                   FourthTxText(ch),         LowText(ch.LowPower),
                                   UpText(ch.PowUp),         MemText(ch.ScanMemory)};
    if (traits.fourthGroupTones) {
      texts.insert(texts.end(),
                   {ScrambleText(ch.Scramble), PadOrDashes(ch.ChTag, 12), NarrowText(ch.Narrow),
                    ToneText(ch, 1), CmpText(ch.RxComp), ToneText(ch, 0)});
    }
    page.Line(Placed(FourthPositions(), std::move(texts)));
  }
  return page.Take();
}

}  // namespace qw
