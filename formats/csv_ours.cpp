// Our channel-list CSV: one row per channel of every list. Reading overlays the channels the
// file lists; a cell that still says what writing would say leaves its value alone, every other
// cell is checked as the channel pane checks it, and nothing is taken unless every cell passes.
// People edit these lists in spreadsheets, which save numbers in their own shortest form: a cell
// that is the same number as the one written counts as unchanged, and a text a spreadsheet
// shortens is read back as it was written.
#include <array>
#include <set>
#include <utility>

#include "formats/csv_formats.h"
#include "formats/csv_ours_lists.h"
#include "model/channel_plans.h"
#include "model/channel_rules.h"
#include "model/series_traits.h"

namespace qw::csv {
namespace {

using Has = bool (*)(RowKind, const SeriesTraits&);
using Write = std::string (*)(const ChannelRecord&, RowKind);
// Stores the cell's value; returns why the cell is refused, or "" when taken.
using Read = std::string (*)(const std::string&, ChannelRecord&, const SeriesTraits&, RowKind);

// How a column's cells are written and read back.
enum class Cell {
  Text,    // trimmed; quoted where a spreadsheet might take it for a number
  Name,    // as Text, but blanks at the ends belong to it
  Number,  // trimmed; a decimal comma is a point in files not separated by commas
};
// What a spreadsheet's shortened text stands for; the text itself when nothing was shortened.
using Restore = std::string (*)(const std::string&);

struct Column {
  const char* name;
  Has has;
  Write write;
  Read read;
  Cell cell = Cell::Text;
  Restore restore = nullptr;
};

bool Always(RowKind, const SeriesTraits&) {
  return true;
}
bool NotWeather(RowKind k, const SeriesTraits&) {
  return k != RowKind::Weather;
}
bool MarineOnly(RowKind k, const SeriesTraits&) {
  return k == RowKind::Marine;
}
bool Programmable(RowKind k, const SeriesTraits&) {
  return k == RowKind::Programmable;
}
bool Named(RowKind, const SeriesTraits& t) {
  return t.channelNames;
}
bool Scrambled(RowKind k, const SeriesTraits& t) {
  return t.channelNames && k != RowKind::Weather;
}
bool Toned(RowKind k, const SeriesTraits& t) {
  return k == RowKind::Programmable && t.fourthGroupTones;
}

template <bool ChannelRecord::*F>
std::string WriteBool(const ChannelRecord& ch, RowKind) {
  return ch.*F ? "1" : "0";
}
template <bool ChannelRecord::*F>
std::string ReadBool(const std::string& text, ChannelRecord& ch, const SeriesTraits&, RowKind) {
  if (text != "1" && text != "0") return "expected 1 or 0";
  ch.*F = text == "1";
  return "";
}

std::string WriteRxfreq(const ChannelRecord& ch, RowKind kind) {
  if (kind == RowKind::Programmable) return MHzText(ch.Rxfreq, 4);
  if (kind == RowKind::Weather) {
    const auto& wx = WxMasterTable();
    return ch.Position >= 1 && ch.Position <= 10 ? MHzText(wx[ch.Position - 1].RxFreq1, 4) : "";
  }
  if (!IsMarineSlot(ch.Position)) return "";
  const MasterSlot& slot = ChannelMasterTable()[ch.Position];
  return MHzText(ch.Duplex ? slot.RxFreqDuplex : slot.RxFreqSimplex, 4);
}
std::string WriteTxfreq(const ChannelRecord& ch, RowKind kind) {
  if (kind == RowKind::Programmable) return MHzText(ch.Txfreq, 4);
  if (kind == RowKind::Weather || ch.RxOnly || !IsMarineSlot(ch.Position)) return "";
  return MHzText(ChannelMasterTable()[ch.Position].TxFreq, 4);
}
// A marine or weather channel's frequencies come from the channel tables: written for
// reading, ignored when read back.
std::string ReadFrequency(const std::string& text, double& f, const SeriesTraits& t) {
  FrequencyEntry entry = CheckFrequencyText(text, t);
  if (entry.verdict != FrequencyVerdict::Ok) return FrequencyVerdictText(entry.verdict);
  f = entry.mhz;
  return "";
}
std::string ReadRxfreq(const std::string& text, ChannelRecord& ch, const SeriesTraits& t,
                       RowKind kind) {
  return kind == RowKind::Programmable ? ReadFrequency(text, ch.Rxfreq, t) : "";
}
std::string ReadTxfreq(const std::string& text, ChannelRecord& ch, const SeriesTraits& t,
                       RowKind kind) {
  return kind == RowKind::Programmable ? ReadFrequency(text, ch.Txfreq, t) : "";
}

std::string WriteScramble(const ChannelRecord& ch, RowKind) {
  return ScrambleListText(ch.Scramble);
}
std::string ReadScramble(const std::string& text, ChannelRecord& ch, const SeriesTraits&, RowKind) {
  auto value = ScrambleFromText(text);
  if (!value) return "expected Off, 0, 1, 2 or 3";
  ch.Scramble = *value;
  return "";
}

std::string WriteName(const ChannelRecord& ch, RowKind) {
  return ch.ChTag;
}
std::string ReadName(const std::string& text, ChannelRecord& ch, const SeriesTraits&,
                     RowKind kind) {
  // The weather pane takes any character; the channel pane only what the radio can show.
  if (kind == RowKind::Weather ? text.size() > kChannelNameLength : !IsValidChannelName(text)) {
    return "a name has at most 12 of the characters A-Z a-z 0-9 blank - / * ( ) + . ,";
  }
  ch.ChTag = text;
  return "";
}

std::string WriteDisplayL(const ChannelRecord& ch, RowKind) {
  return ch.CHDisplayL;
}
std::string WriteDisplayR(const ChannelRecord& ch, RowKind) {
  return ch.CHDisplayR;
}
std::string ReadDisplay(const std::string& text, std::string& field, std::size_t length) {
  if (!IsValidDisplayText(text, length)) {
    return "at most " + std::to_string(length) + " of the characters 0-9 A b C d E F H L n P t U";
  }
  field = text;
  return "";
}
// Spreadsheets drop the leading zero of a display of two digits ("01" comes back as 1); a
// display of one digit is therefore read as the two the export wrote.
std::string DisplayWithZero(const std::string& text) {
  return text.size() == 1 && text[0] >= '0' && text[0] <= '9' ? "0" + text : text;
}
std::string ReadDisplayL(const std::string& text, ChannelRecord& ch, const SeriesTraits&, RowKind) {
  return ReadDisplay(text, ch.CHDisplayL, kDisplayLeftLength);
}
std::string ReadDisplayR(const std::string& text, ChannelRecord& ch, const SeriesTraits&, RowKind) {
  return ReadDisplay(text, ch.CHDisplayR, kDisplayRightLength);
}

template <int Side>
std::string WriteTone(const ChannelRecord& ch, RowKind) {
  return ToneListText(ch, Side);
}
// One cell per side sets both lists of that side, so a side never has a tone and a code.
template <int Side>
std::string ReadTone(const std::string& text, ChannelRecord& ch, const SeriesTraits&, RowKind) {
  auto tone = ToneFromText(text);
  if (!tone) return "not in the tone lists (Off, 67.0Hz..254.1Hz, N023..N754, I023..I754)";
  ch.CTCSS[Side] = tone->ctcss;
  ch.DCS[Side] = tone->dcs;
  return "";
}

// Header order is the file's column order.
const std::array<Column, 16> kColumns{{
    {"Enable", Always, WriteBool<&ChannelRecord::Enable>, ReadBool<&ChannelRecord::Enable>},
    {"TxEnable", NotWeather, WriteBool<&ChannelRecord::TxEnable>,
     ReadBool<&ChannelRecord::TxEnable>},
    {"LowPower", NotWeather, WriteBool<&ChannelRecord::LowPower>,
     ReadBool<&ChannelRecord::LowPower>},
    {"PowUp", NotWeather, WriteBool<&ChannelRecord::PowUp>, ReadBool<&ChannelRecord::PowUp>},
    {"Duplex", MarineOnly, WriteBool<&ChannelRecord::Duplex>, ReadBool<&ChannelRecord::Duplex>},
    {"ScanMemory", Always, WriteBool<&ChannelRecord::ScanMemory>,
     ReadBool<&ChannelRecord::ScanMemory>},
    {"Scramble", Scrambled, WriteScramble, ReadScramble},
    {"ChTag", Named, WriteName, ReadName, Cell::Name},
    {"CHDisplayL", Programmable, WriteDisplayL, ReadDisplayL, Cell::Text, DisplayWithZero},
    {"CHDisplayR", Programmable, WriteDisplayR, ReadDisplayR},
    {"Rxfreq", Always, WriteRxfreq, ReadRxfreq, Cell::Number},
    {"Txfreq", NotWeather, WriteTxfreq, ReadTxfreq, Cell::Number},
    {"Narrow", Toned, WriteBool<&ChannelRecord::Narrow>, ReadBool<&ChannelRecord::Narrow>},
    {"TxTone", Toned, WriteTone<0>, ReadTone<0>},
    {"RxTone", Toned, WriteTone<1>, ReadTone<1>},
    {"RxComp", Toned, WriteBool<&ChannelRecord::RxComp>, ReadBool<&ChannelRecord::RxComp>},
}};

// Rules that tie one field to another or to the channel, checked on the row as a whole.
void CheckRow(int group, int slot, const ChannelRecord& before, const ChannelRecord& ch,
              const std::set<std::string>& changed, int line, std::vector<CsvProblem>& out) {
  auto refuse = [&](const char* column, const char* reason) {
    out.push_back({line, column, reason});
  };
  if (changed.count("Duplex") && ch.Duplex && !ch.DuplexCapable) {
    refuse("Duplex", "the channel cannot be used duplex");
  }
  if (changed.count("TxEnable") && ch.TxEnable && ch.RxOnly) {
    refuse("TxEnable", "the channel is receive-only");
  }
  if (changed.count("Scramble") && IsScramblerLocked(group, slot)) {
    refuse("Scramble", "this channel's scrambler cannot be changed");
  }
  if (changed.count("ScanMemory") && IsScanMemoryLocked(group, slot)) {
    refuse("ScanMemory", "this channel's scan memory cannot be changed");
  }
  if (changed.count("RxComp") && ch.RxComp && ch.DCS[1] == 0) {
    refuse("RxComp", "COMP needs an RxTone DCS code");
  }
  if (group == kGroupFourth && ch != before && !IsProgrammableChannelComplete(ch)) {
    refuse("Enable", "an enabled channel needs an Rxfreq and a two-character CHDisplayL");
  }
}

// Reads a row's cells onto ch; returns the columns that changed it. Refusals, and values read
// back from a spreadsheet's shortened form, go into the result.
std::set<std::string> ReadCells(const std::vector<const Column*>& columns, const CsvRow& row,
                                RowKind kind, const SeriesTraits& t, bool decimalComma,
                                ChannelRecord& ch, CsvImportResult& result) {
  const ChannelRecord before = ch;
  std::set<std::string> changed;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const Column* c = columns[i];
    if (!c || !c->has(kind, t)) continue;
    // Names keep their blanks; elsewhere a spreadsheet's padding means nothing.
    const std::string shown = c->cell == Cell::Name ? row.cells[i] : Trim(row.cells[i]);
    const std::string text = c->cell == Cell::Number ? DecimalPoint(shown, decimalComma) : shown;
    const std::string written = c->write(before, kind);
    // What a spreadsheet re-saved as the same number is what was written.
    if (text == written || SameNumber(DecimalPoint(text, decimalComma), written)) continue;
    const std::string restored = c->restore ? c->restore(text) : text;
    const std::string why = c->read(restored, ch, t, kind);
    if (!why.empty()) {
      result.refused.push_back({row.line, c->name, why + " (\"" + shown + "\")"});
      continue;
    }
    changed.insert(c->name);
    if (restored != text) {
      result.notes.push_back(
          {row.line, "", std::string(c->name) + " " + text + " read as " + restored});
    }
  }
  return changed;
}

// The column of each header cell; nullptr for Group and CH. Refuses unknown and doubled names.
std::vector<const Column*> ColumnsOfHeader(const CsvRow& header, CsvImportResult& result) {
  std::vector<const Column*> columns;
  std::set<std::string> named;
  for (const std::string& cell : header.cells) {
    const std::string name = Trim(cell);
    const Column* found = nullptr;
    for (const Column& c : kColumns) {
      if (EqualsIgnoringCase(name, c.name)) found = &c;
    }
    if (!found && !EqualsIgnoringCase(name, "Group") && !EqualsIgnoringCase(name, "CH")) {
      result.refused.push_back({header.line, name, "not a column of the channel list"});
    }
    if (!named.insert(found ? found->name : name).second) {
      result.refused.push_back({header.line, name, "the column is named twice"});
    }
    columns.push_back(found);
  }
  return columns;
}

struct RowContext {
  const CsvTable& table;
  const std::vector<const Column*>& columns;
  int groupAt, labelAt;
  const SeriesTraits& traits;
  std::set<std::pair<int, int>> seen;
};

// One row taken into next, or its refusals added to the result.
void ImportRow(const CsvRow& row, RowContext& context, RadioData& next, CsvImportResult& result) {
  const CsvRow& header = context.table.rows[0];
  if (row.cells.size() != header.cells.size()) {
    result.refused.push_back({row.line, "",
                              "the row has " + std::to_string(row.cells.size()) +
                                  " fields, the header " + std::to_string(header.cells.size())});
    return;
  }
  const ListRef* list = ListOfName(Trim(row.cells[context.groupAt]));
  if (!list) {
    result.refused.push_back({row.line, "Group", "no such group"});
    return;
  }
  auto& channels = ListOf(next, list->group);
  const int index = IndexOfLabel(channels, list->kind, Trim(row.cells[context.labelAt]));
  if (index < 0) {
    result.refused.push_back({row.line, "CH", "no such channel in the group"});
    return;
  }
  if (!context.seen.insert({list->group, index}).second) {
    result.refused.push_back({row.line, "CH", "the channel is listed twice"});
    return;
  }
  ChannelRecord& ch = channels[index];
  const ChannelRecord before = ch;
  const std::size_t refusedBefore = result.refused.size();
  const std::set<std::string> changed = ReadCells(context.columns, row, list->kind, context.traits,
                                                  context.table.separator != ',', ch, result);
  // A row with a refused cell is not complete enough to judge as a whole.
  if (result.refused.size() == refusedBefore) {
    CheckRow(list->group, ch.Position, before, ch, changed, row.line, result.refused);
  }
  if (ch != before) ++result.channels;
}

}  // namespace

CsvImportResult ImportOurs(const CsvTable& table, RadioData& d) {
  CsvImportResult result;
  const CsvRow& header = table.rows[0];
  const std::vector<const Column*> columns = ColumnsOfHeader(header, result);
  if (!result.refused.empty()) return result;
  RowContext context{table,
                     columns,
                     FindColumn(header.cells, "Group"),
                     FindColumn(header.cells, "CH"),
                     Traits(d.ModelSeries),
                     {}};
  RadioData next = d;
  for (std::size_t r = 1; r < table.rows.size(); ++r)
    ImportRow(table.rows[r], context, next, result);
  if (result.refused.empty()) {
    result.applied = result.channels > 0;
    if (result.applied) d = std::move(next);
  }
  return result;
}

}  // namespace qw::csv

namespace qw {

std::string ChannelsToCsv(const RadioData& d) {
  const SeriesTraits& t = Traits(d.ModelSeries);
  std::vector<std::string> cells{"Group", "CH"};
  // Every cell but the frequencies is a text: quoted where a spreadsheet might reshape it.
  std::vector<bool> texts{true, true};
  for (const csv::Column& c : csv::kColumns) {
    cells.push_back(c.name);
    texts.push_back(c.cell != csv::Cell::Number);
  }
  std::string out = CsvLine(cells);
  for (const csv::ListRef& list : csv::kLists) {
    const auto& channels = csv::ListOf(const_cast<RadioData&>(d), list.group);
    for (std::size_t i = 0; i < channels.size(); ++i) {
      const ChannelRecord& ch = channels[i];
      cells = {csv::GroupText(list.group, t), csv::LabelOf(ch, list.kind, static_cast<int>(i))};
      for (const csv::Column& c : csv::kColumns) {
        cells.push_back(c.has(list.kind, t) ? c.write(ch, list.kind) : "");
      }
      out += CsvLine(cells, texts);
    }
  }
  return out;
}

}  // namespace qw
