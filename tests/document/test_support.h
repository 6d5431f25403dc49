// Helpers the file tests share: a temporary folder, whole-file reads and writes, data sets
// with something in every field the files carry, and a spreadsheet's re-save of a CSV.
#pragma once

#include <random>
#include <regex>
#include <string>

#include "formats/csv_table.h"
#include "tests/support/radio_data.h"
#include "tests/support/temp_folder.h"

namespace qw::test {

// Values in every field the data file of d's series carries, chosen so that they survive a
// save and open (no blanks at the ends of unmarked texts, non-negative where the file writes abs).
inline void FillCarriedFields(RadioData& d, unsigned seed) {
  std::mt19937 random(seed);
  auto flag = [&] { return random() % 2 == 1; };
  auto small = [&](int n) { return static_cast<int16_t>(random() % n); };
  const char* tags[] = {"MARINA", "  AB", "HARBOUR 1", "", "X#Y", "#HASH"};
  auto tag = [&] { return std::string(tags[random() % 6]); };
  const bool mv510 = d.ModelSeries == kSeriesMV510, mv710 = d.ModelSeries == kSeriesMV710;
  for (auto& g : d.UsableGroupSettings) {
    g.Usable = flag(), g.TxTot = flag(), g.StatusIcon = flag();
    g.PriorityCh = flag() ? kNoChannel : static_cast<int32_t>(random() % 280);
    if (!mv510) g.StatusName = flag() ? "GRP" : "";
  }
  auto& c = d.CommonSettings;
  c.TxPoDisplay = small(256), c.Scan = flag(), c.ResumeTime = small(4);
  c.PttScanClear = flag(), c.DualWatch = flag(), c.OffsetTime = small(25);
  c.MagneticVariation = small(2), c.Weater = small(4);
  for (auto& b : d.AtisSettings.UsableAtisGroup) b = flag();
  if (d.ModelSeries == kSeriesThird)
    for (auto& b : d.AtisSettings.AtisKillerGroup) b = flag();
  d.AtisSettings.AtisCode = flag() ? "1234567890" : "";
  for (int group = 0; group < 3; ++group) {
    for (auto& ch : GroupList(d, group)) {
      ch.Enable = flag(), ch.LowPower = flag(), ch.PowUp = flag();
      ch.Duplex = flag() && ch.DuplexCapable;
      ch.TxEnable = flag(), ch.DispayA = flag(), ch.ScanMemory = flag();
      if (!mv510) ch.Scramble = small(8), ch.ChTag = tag();
    }
  }
  for (auto& wx : d.WX) wx.Enable = flag(), wx.ScanMemory = flag(), wx.ChTag = tag();
  const double freqs[] = {0, 156.05, 157.1, 161.6, 156.025, 149.9875, 173.225};
  for (auto& ch : d.FourthGroup) {
    ch.Enable = flag(), ch.LowPower = flag(), ch.PowUp = flag(), ch.ScanMemory = flag();
    ch.CHDisplayL = flag() ? "P1" : "", ch.CHDisplayR = flag() ? "A" : "";
    ch.Rxfreq = freqs[random() % 7], ch.Txfreq = freqs[random() % 7];
    if (!mv710) continue;
    ch.Scramble = small(8), ch.ChTag = tag(), ch.Narrow = flag(), ch.RxComp = flag();
    ch.DCS = {small(209), small(209)}, ch.CTCSS = {small(51), small(51)};
  }
}

// How a spreadsheet saves a CSV with its defaults: in English, or in a language that writes
// decimal commas (and then ';' between fields).
struct SpreadsheetSave {
  char separator = ',';
  bool decimalComma = false;
  const char* lineEnd = "\r\n";
  bool byteOrderMark = false;
};

// A decimal number in the shortest form a spreadsheet saves it in ("-012.50" as -12.5); "" when
// the text is no such number.
inline std::string ShortestNumber(const std::string& text, bool decimalComma) {
  static const std::regex number(R"((-?)0*(\d+?)(?:\.(\d*?)0*)?)");
  std::smatch m;
  if (!std::regex_match(text, m, number)) return "";
  return m.str(1) + m.str(2) + (m.length(3) ? (decimalComma ? "," : ".") + m.str(3) : "");
}

// A CSV opened in a spreadsheet and saved again with its defaults: every cell that reads as a
// number is saved in its shortest form ("01" as 1, "156.0500" as 156.05), every other cell is a
// text and saved quoted.
inline std::string SpreadsheetResave(const std::string& csv, const SpreadsheetSave& save) {
  std::string out = save.byteOrderMark ? "\xEF\xBB\xBF" : "";
  for (const CsvRow& row : ParseCsv(csv).rows) {
    for (std::size_t i = 0; i < row.cells.size(); ++i) {
      const std::string& cell = row.cells[i];
      const std::string number = ShortestNumber(cell, save.decimalComma);
      if (i > 0) out += save.separator;
      if (cell.empty() || !number.empty()) {
        out += number;
        continue;
      }
      out += '"';
      for (char c : cell) out += c == '"' ? std::string(2, c) : std::string(1, c);
      out += '"';
    }
    out += save.lineEnd;
  }
  return out;
}

}  // namespace qw::test
