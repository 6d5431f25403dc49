// The table sections of the text report: marine, weather and fourth-group channels and the
// MMSI directories.

#include "model/channel_plans.h"
#include "report/formatters.h"
#include "report/text_sections.h"

namespace qw {

namespace {

void AddDirectory(TextImage& out, const std::string& heading, const DirectoryEntry* entries,
                  std::size_t count) {
  out.Blank();
  out.Line(heading);
  out.Line("No  ENABLE  Name         MMSI");
  out.Line("--  ------  -----------  ----------");
  for (std::size_t i = 0; i < count; ++i) {
    const auto& e = entries[i];
    out.Cells({{std::to_string(i + 1), 4},
               {EnableText(e.Enable), 8},
               {PadOrDashes(e.TagName, 11), 13},
               {PadOrDashes(e.Mmsid, 10), 10}});
  }
}

void AddFourthGroupHeader(TextImage& out, int16_t series) {
  const SeriesTraits& traits = Traits(series);
  out.Line(std::string("##### Programable ") + traits.fourthGroupReport + " Channel #####");
  if (!traits.channelNames) {
    out.Line("CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM");
    out.Line("--  ---  ------  --------  --------  ---  --  ---");
  } else if (traits.fourthGroupTones) {
    out.Line(
        "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name      W/N  RXT      CMP  "
        "TXT");
    out.Line(
        "--  ---  ------  --------  --------  ---  --  ---  --  ------------  --  -------  ---  "
        "-------");
  } else {
    // Named channels without tones.
    out.Line("CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name");
    out.Line("--  ---  ------  --------  --------  ---  --  ---  --  ------------");
  }
}

void AddFourthGroupRow(TextImage& out, const ChannelRecord& ch, int number, int16_t series) {
  std::vector<Cell> cells{{std::to_string(number), 4}, {ChannelDisplayText(ch), 5},
                          {EnableText(ch.Enable), 8},  {FreqText4(ch.Rxfreq), 10},
                          {FourthTxText(ch), 10},      {LowText(ch.LowPower), 5},
                          {UpText(ch.PowUp), 4},       {MemText(ch.ScanMemory), 5}};
  const SeriesTraits& traits = Traits(series);
  if (traits.fourthGroupTones) {
    cells.insert(cells.end(), {{ScrambleText(ch.Scramble), 4},
                               {PadOrDashes(ch.ChTag, 12), 14},
                               {NarrowText(ch.Narrow), 4},
                               {ToneText(ch, 1), 9},
                               {CmpText(ch.RxComp), 5},
                               {ToneText(ch, 0), 7}});
  } else if (traits.channelNames) {
    cells.insert(cells.end(), {{ScrambleText(ch.Scramble), 4}, {PadOrDashes(ch.ChTag, 12), 12}});
  }
  out.Cells(cells);
}

}  // namespace

void AddMarineTable(TextImage& out, const std::vector<ChannelRecord>& list,
                    const std::string& heading, int16_t series) {
  const bool named = Traits(series).channelNames;
  out.Blank();
  out.Line(heading);
  if (named) {
    out.Line("CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  CH Name");
    out.Line("---  -------  -------  --  ---  --  ---  ---  --  ------------");
  } else {
    out.Line("CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM");
    out.Line("---  -------  -------  --  ---  --  ---  ---");
  }
  for (const auto& ch : list) {
    if (!ch.Enable) continue;
    const MasterSlot& slot = MasterSlotAt(ch.Position);
    std::vector<Cell> cells{{slot.Label, 5},
                            {FreqText3(ch.Duplex ? slot.RxFreqDuplex : slot.RxFreqSimplex), 9},
                            {FreqText3Hidden(slot.TxFreq, ch.RxOnly), 9},
                            {TxText(ch.TxEnable), 4},
                            {LowText(ch.LowPower), 5},
                            {UpText(ch.PowUp), 4},
                            {DupText(ch.Duplex), 5},
                            {MemText(ch.ScanMemory), 5}};
    if (named) cells.insert(cells.end(), {{ScrambleText(ch.Scramble), 4}, {ch.ChTag, 12}});
    out.Cells(cells);
  }
}

void AddWeatherTable(TextImage& out, const RadioData& d) {
  const bool named = Traits(d.ModelSeries).channelNames;
  out.Blank();
  out.Line("##### Programable Wx Channel #####");
  out.Line(named ? "CH  ENABLE  MEM  CH Name" : "CH  ENABLE  MEM");
  out.Line(named ? "--  ------  ---  ------------" : "--  ------  ---");
  int number = 1;
  for (const auto& ch : d.WX) {
    std::vector<Cell> cells{
        {std::to_string(number++), 4}, {EnableText(ch.Enable), 8}, {MemText(ch.ScanMemory), 5}};
    if (named) cells.push_back({ch.ChTag, 12});
    out.Cells(cells);
  }
}

void AddDirectorySections(TextImage& out, const RadioData& d) {
  if (!ShowsThirdVariantSections(d.ModelSeries)) return;
  AddDirectory(out, "##### Memory ID Setting #####", d.MemoryDirectory.data(),
               d.MemoryDirectory.size());
  AddDirectory(out, "##### Group ID Setting #####", d.GroupDirectory.data(),
               d.GroupDirectory.size());
}

void AddFourthGroupTable(TextImage& out, const RadioData& d) {
  out.Blank();
  AddFourthGroupHeader(out, d.ModelSeries);
  int number = 1;
  for (auto& ch : d.FourthGroup) AddFourthGroupRow(out, ch, number++, d.ModelSeries);
}

}  // namespace qw
