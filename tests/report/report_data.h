// Data sets the report tests print, and the whole outputs expected of them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/radio_data.h"
#include "tests/support/temp_folder.h"

#pragma GCC diagnostic push
// The data sets name only the fields that matter; the rest keep their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace qw::test {

// A whole expected output, kept in golden/ beside the tests.
inline std::string Golden(const std::string& name) {
  return ReadBytes(std::string(QW_REPORT_GOLDEN) + "/" + name);
}

// A data set of the series with every marine slot in its place and nothing enabled.
inline RadioData EmptyDataSet(int16_t series) {
  RadioData d;
  d.ModelSeries = series;
  for (auto* list : {&d.USA, &d.INTL, &d.CANADA}) {
    list->resize(240);
    for (int i = 0; i < 240; ++i) (*list)[i].Position = static_cast<int16_t>(i);
  }
  return d;
}

// An MV710 data set that shows every column: cut and uncut texts, hidden TX, duplex, scrambler,
// tones of both kinds, fourth-group frequencies on and off the raster.
inline RadioData Mv710DataSet() {
  RadioData d = EmptyDataSet(kSeriesMV710);
  d.UsableGroupSettings = {{{true, false, 32, true, "USA1"},
                            {true, true, 250, false, ""},
                            {false, false, kNoChannel, false, "  "},
                            {true, true, 40, true, "LMRX"}}};
  d.CommonSettings = {1, true, 2, false, true, 17, 1, 3, false};  // DualWatch on, Rotary off
  d.AtisSettings.UsableAtisGroup = {true, false, true, false};
  // clang-format off
  // 01A with a tag longer than the column, a Position outside the master table, 15 receive only,
  // 16 scrambled, 17 not enabled so not listed, 24 duplex (receives 4.6 MHz higher).
  d.USA[3] = {.Position = 3, .Enable = true, .PowUp = true, .TxEnable = true, .ChTag = "ABCDEFGHIJKLMN"};
  d.USA[5] = {.Position = 9999, .Enable = true};
  d.USA[30] = {.Position = 30, .Enable = true, .LowPower = true, .ChTag = "COMMERCIAL", .RxOnly = true};
  d.USA[32] = {.Position = 32, .Enable = true, .TxEnable = true, .ScanMemory = true, .ChTag = "DISTRESS", .Scramble = 5};
  d.USA[34] = {.Position = 34, .TxEnable = true, .ChTag = "HIDDEN"};
  d.USA[48] = {.Position = 48, .Enable = true, .Duplex = true, .TxEnable = true, .ChTag = "TELEPHONE"};
  d.WX = {{.Position = 1, .Enable = true, .ScanMemory = true, .ChTag = "162.550MHZ"}, {.Position = 2}};
  // Entry 1 receives off both rasters and transmits on the 12.5 kHz one; CTCSS wins over DCS.
  // Entry 3 has a three-character display text and holds a transmit frequency the radio has not
  // let it use.
  d.FourthGroup.resize(40);
  d.FourthGroup[0] = {.Enable = true, .LowPower = true, .TxEnable = true, .ScanMemory = true, .Scramble = 7, .Narrow = true,
                      .DCS = {5, 105}, .CTCSS = {12, 0}, .RxComp = true, .CHDisplayL = "1", .CHDisplayR = "A",
                      .Txfreq = 156.0125, .Rxfreq = 156.0137};
  d.FourthGroup[2] = {.Enable = true, .PowUp = true, .ChTag = "WORKBOAT", .DCS = {0, 104}, .CTCSS = {50, 0},
                      .CHDisplayL = "123", .Txfreq = 162.0075, .Rxfreq = 462.5625};
  // clang-format on
  return d;
}

// Every flag of a channel, for tests that set each one alone: a column that reads the wrong flag
// shows itself only when the others are off.
inline const std::vector<std::pair<std::string, bool ChannelRecord::*>>& ChannelFlags() {
  static const std::vector<std::pair<std::string, bool ChannelRecord::*>> flags{
      {"Enable", &ChannelRecord::Enable},
      {"LowPower", &ChannelRecord::LowPower},
      {"PowUp", &ChannelRecord::PowUp},
      {"Duplex", &ChannelRecord::Duplex},
      {"DuplexCapable", &ChannelRecord::DuplexCapable},
      {"TxEnable", &ChannelRecord::TxEnable},
      {"DispayA", &ChannelRecord::DispayA},
      {"ScanMemory", &ChannelRecord::ScanMemory},
      {"RxOnly", &ChannelRecord::RxOnly},
      {"Narrow", &ChannelRecord::Narrow},
      {"RxComp", &ChannelRecord::RxComp}};
  return flags;
}

// The cells of `row` that differ from `base`, as "column=text" joined by spaces.
inline std::string ChangedCells(const std::vector<std::string>& header,
                                const std::vector<std::string>& base,
                                const std::vector<std::string>& row) {
  std::string changed;
  for (std::size_t k = 0; k < row.size(); ++k) {
    if (row[k] != base[k]) changed += (changed.empty() ? "" : " ") + header[k] + "=" + row[k];
  }
  return changed;
}

}  // namespace qw::test

#pragma GCC diagnostic pop
