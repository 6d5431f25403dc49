// The common channel-list CSV of radio tools, for the fourth group. Each row is one channel
// (Location 1..40); a row the radio cannot hold is skipped and listed with the reason, the
// others are taken. Frequencies are worked in whole hertz so that Frequency + Offset lands
// exactly where the file means it.
#include <charconv>
#include <cstdint>
#include <optional>
#include <set>

#include "formats/csv_formats.h"
#include "model/channel_plans.h"
#include "model/channel_rules.h"
#include "model/series_traits.h"

namespace qw::csv {
namespace {

constexpr const char* kHeader[] = {"Location", "Name",         "Frequency",  "Duplex",
                                   "Offset",   "Tone",         "rToneFreq",  "cToneFreq",
                                   "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode",
                                   "Mode",     "Skip",         "Power"};
constexpr int kChannels = 40;
constexpr double kLowPowerBelowWatts = 2.0;

// "146.52" -> 146520000 Hz; digits beyond the hertz are dropped. Nothing a radio tunes comes
// near a petahertz: larger numbers are no frequency (and would overflow).
std::optional<int64_t> ParseHz(const std::string& text) {
  constexpr int64_t kMaxHz = 1'000'000'000'000'000;
  if (text.empty() || text.size() > 20) return std::nullopt;
  int64_t hz = 0;
  int decimals = -1;
  for (char c : text) {
    if (c == '.' && decimals < 0) {
      decimals = 0;
    } else if (c >= '0' && c <= '9') {
      if (decimals >= 6) continue;
      hz = hz * 10 + (c - '0');
      if (hz > kMaxHz) return std::nullopt;
      if (decimals >= 0) ++decimals;
    } else {
      return std::nullopt;
    }
  }
  for (int d = decimals < 0 ? 0 : decimals; d < 6; ++d) {
    if (hz > kMaxHz / 10) return std::nullopt;
    hz *= 10;
  }
  return hz;
}

std::string HzText(int64_t hz) {
  std::string frac = std::to_string(hz % 1000000);
  return std::to_string(hz / 1000000) + "." + std::string(6 - frac.size(), '0') + frac;
}

int64_t HzOf(double mhz) {
  return static_cast<int64_t>(mhz * 1e6 + 0.5);
}

// Checks a frequency as the channel pane would and gives it in MHz; reason on refusal.
std::optional<double> ChannelFrequency(int64_t hz, const SeriesTraits& t, std::string& why) {
  const std::string text = HzText(hz);
  FrequencyEntry entry = CheckFrequencyText(text, t);
  if (entry.verdict != FrequencyVerdict::Ok) {
    why = text.substr(0, text.size() - 2) + " MHz " + FrequencyVerdictText(entry.verdict);
    return std::nullopt;
  }
  return entry.mhz;
}

std::optional<int> DcsIndex(const std::string& code) {
  const auto& dcs = DcsList();
  std::string padded = std::string(code.size() < 3 ? 3 - code.size() : 0, '0') + code;
  for (std::size_t i = 1; i < dcs.size(); ++i) {
    if (dcs[i] == padded) return static_cast<int>(i);
  }
  return std::nullopt;
}

bool IsLowPower(const std::string& power) {
  if (EqualsIgnoringCase(power, "Low")) return true;
  std::string number = power;
  if (!number.empty() && (number.back() == 'W' || number.back() == 'w')) number.pop_back();
  double watts = 0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), watts);
  return ec == std::errc() && end == number.data() + number.size() && watts < kLowPowerBelowWatts;
}

// One row read into a channel; `why` says why the radio cannot hold it.
struct RowReader {
  const std::vector<std::string>& header;
  const std::vector<std::string>& cells;
  const SeriesTraits& traits;
  bool decimalComma;
  int line;
  std::vector<CsvProblem>& notes;
  std::string why;

  std::string Cell(const char* name) const {
    int at = FindColumn(header, name);
    return at >= 0 && at < static_cast<int>(cells.size()) ? Trim(cells[at]) : "";
  }
  std::string Number(const char* name) const { return DecimalPoint(Cell(name), decimalComma); }

  bool Fail(std::string reason) {
    why = std::move(reason);
    return false;
  }

  bool Frequencies(ChannelRecord& ch) {
    auto rx = ParseHz(Number("Frequency"));
    if (!rx) return Fail("Frequency \"" + Cell("Frequency") + "\" is not a number");
    auto rxMHz = ChannelFrequency(*rx, traits, why);
    if (!rxMHz) return false;
    const std::string duplex = Cell("Duplex");
    ch.Rxfreq = *rxMHz;
    ch.TxEnable = !EqualsIgnoringCase(duplex, "off");
    if (!ch.TxEnable) {
      ch.Txfreq = 0;
      return true;
    }
    auto offset = ParseHz(Cell("Offset").empty() ? "0" : Number("Offset"));
    if (!offset) return Fail("Offset \"" + Cell("Offset") + "\" is not a number");
    int64_t tx = *rx;
    if (duplex == "+") {
      tx = *rx + *offset;
    } else if (duplex == "-") {
      tx = *rx - *offset;
    } else if (EqualsIgnoringCase(duplex, "split")) {
      tx = *offset;
    } else if (!duplex.empty()) {
      return Fail("Duplex \"" + duplex + "\" is not one the radio knows");
    }
    auto txMHz = ChannelFrequency(tx, traits, why);
    if (!txMHz) return Fail("transmit " + why);
    ch.Txfreq = *txMHz;
    return true;
  }

  // One side's tone: kind "Tone" takes the CTCSS tone of toneColumn, "DTCS" the code of
  // codeColumn in the bank of the side's polarity letter (N: the N codes, R: the I codes).
  bool Side(ChannelRecord& ch, int side, const std::string& kind, const char* toneColumn,
            const char* codeColumn, const std::string& polarity) {
    if (kind == "Tone") {
      auto tone = CtcssIndexOfHz(Number(toneColumn));
      if (!tone)
        return Fail(std::string(toneColumn) + " \"" + Cell(toneColumn) + "\" is not a CTCSS tone");
      ch.CTCSS[side] = *tone;
    } else if (kind == "DTCS") {
      auto code = DcsIndex(Cell(codeColumn));
      if (!code)
        return Fail(std::string(codeColumn) + " \"" + Cell(codeColumn) + "\" is not a DCS code");
      const int bank = static_cast<int>(DcsList().size()) - 1;
      ch.DCS[side] = static_cast<int16_t>(*code + (polarity[side] == 'R' ? bank : 0));
    }
    return true;
  }

  // Every mode gives each side at most one tone or code, which is what the radio holds.
  bool Tones(ChannelRecord& ch) {
    const std::string mode = Cell("Tone");
    ch.CTCSS = {0, 0};
    ch.DCS = {0, 0};
    if (mode.empty()) return true;
    if (!traits.fourthGroupTones) {
      notes.push_back({line, "Tone", "tones left out: the radio has none on these channels"});
      return true;
    }
    std::string tx, rx;
    const char* txTone = "rToneFreq";
    // Files written before RxDtcsCode existed give one code for both sides.
    const char* rxCode = FindColumn(header, "RxDtcsCode") >= 0 ? "RxDtcsCode" : "DtcsCode";
    if (mode == "Tone") {
      tx = "Tone";
    } else if (mode == "TSQL") {
      tx = rx = "Tone";
      txTone = "cToneFreq";
    } else if (mode == "DTCS") {
      tx = rx = "DTCS";
      rxCode = "DtcsCode";
    } else if (mode == "Cross") {
      // An empty CrossMode is the format's default, Tone->Tone.
      const std::string cross = Cell("CrossMode").empty() ? "Tone->Tone" : Cell("CrossMode");
      const auto arrow = cross.find("->");
      auto known = [](const std::string& k) { return k.empty() || k == "Tone" || k == "DTCS"; };
      if (arrow != std::string::npos) {
        tx = cross.substr(0, arrow);
        rx = cross.substr(arrow + 2);
      }
      if (arrow == std::string::npos || !known(tx) || !known(rx) || (tx.empty() && rx.empty()))
        return Fail("CrossMode \"" + cross + "\" is not a cross mode the format knows");
    } else {
      return Fail("Tone \"" + mode + "\" is a tone mode the radio cannot express");
    }
    std::string polarity = Cell("DtcsPolarity").empty() ? "NN" : Cell("DtcsPolarity");
    if ((tx == "DTCS" || rx == "DTCS") &&
        (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos)) {
      return Fail("DtcsPolarity \"" + polarity + "\" is not NN, NR, RN or RR");
    }
    return Side(ch, 0, tx, txTone, "DtcsCode", polarity) &&
           Side(ch, 1, rx, "cToneFreq", rxCode, polarity);
  }

  bool Rest(ChannelRecord& ch, int location) {
    const std::string mode = Cell("Mode");
    if (mode == "NFM") {
      ch.Narrow = true;
    } else if (mode == "FM" || mode.empty()) {
      ch.Narrow = false;
    } else {
      return Fail("Mode \"" + mode + "\" is not FM or NFM");
    }
    if (ch.DCS[1] == 0) ch.RxComp = false;
    ch.ScanMemory = !EqualsIgnoringCase(Cell("Skip"), "S");
    ch.LowPower = IsLowPower(Number("Power"));
    if (traits.channelNames) {
      const std::string name = Cell("Name");
      ch.ChTag = CleanChannelName(name);
      if (ch.ChTag != name) notes.push_back({line, "Name", "cut to \"" + ch.ChTag + "\""});
    }
    if (ch.CHDisplayL.size() < kDisplayLeftLength) {
      ch.CHDisplayL = (location < 10 ? "0" : "") + std::to_string(location);
    }
    ch.Enable = true;
    return true;
  }
};

std::optional<int> ParseLocation(const std::string& text) {
  int location = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), location);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (location < 1 || location > kChannels) return std::nullopt;
  return location;
}

// One side of a channel as the format says it: kind "", "Tone" or "DTCS", the tone in Hz or the
// code, and the code's polarity letter. ok is false for a side the format cannot say (a tone and
// a code at once, or a value no list holds).
struct SideTone {
  std::string kind, value;
  char polarity = 'N';
  bool ok = true;
};

SideTone SideOf(const ChannelRecord& ch, int side) {
  const auto& ctcss = CtcssList();
  const auto& dcs = DcsList();
  const int bank = static_cast<int>(dcs.size()) - 1;
  const int tone = ch.CTCSS[side], code = ch.DCS[side];
  if (tone == 0 && code == 0) return {};
  if (code == 0 && tone > 0 && tone < static_cast<int>(ctcss.size()))
    return {"Tone", ctcss[tone].substr(0, ctcss[tone].size() - 2)};
  if (tone == 0 && code > 0 && code <= 2 * bank)
    return {"DTCS", dcs[(code - 1) % bank + 1], code > bank ? 'R' : 'N'};
  return {"", "", 'N', false};
}

// The tone columns of one channel, from Tone to CrossMode; false when the format cannot say
// what the channel has (the columns then say no tone). Unused columns carry the format's
// defaults.
bool ToneCells(const ChannelRecord& ch, std::vector<std::string>& cells) {
  const SideTone tx = SideOf(ch, 0), rx = SideOf(ch, 1);
  std::string mode, rTone = "88.5", cTone = "88.5", code = "023", rxCode = "023";
  std::string cross = "Tone->Tone", polarity = "NN";
  const bool ok = tx.ok && rx.ok;
  if (!ok || (tx.kind.empty() && rx.kind.empty())) {
  } else if (tx.kind == "Tone" && rx.kind.empty()) {
    mode = "Tone";
    rTone = tx.value;
  } else if (tx.kind == "Tone" && rx.kind == "Tone" && tx.value == rx.value) {
    mode = "TSQL";
    cTone = tx.value;
  } else if (tx.kind == "DTCS" && rx.kind == "DTCS" && tx.value == rx.value) {
    mode = "DTCS";
    code = rxCode = tx.value;
  } else {
    mode = "Cross";
    cross = tx.kind + "->" + rx.kind;
    if (tx.kind == "Tone") rTone = tx.value;
    if (tx.kind == "DTCS") code = tx.value;
    if (rx.kind == "Tone") cTone = rx.value;
    if (rx.kind == "DTCS") rxCode = rx.value;
  }
  if (ok) polarity = {tx.polarity, rx.polarity};
  for (const std::string& cell : {mode, rTone, cTone, code, polarity, rxCode, cross})
    cells.push_back(cell);
  return ok;
}

}  // namespace

CsvImportResult ImportCommon(const CsvTable& table, RadioData& d) {
  CsvImportResult result;
  result.common = true;
  const SeriesTraits& t = Traits(d.ModelSeries);
  const std::vector<std::string>& header = table.rows[0].cells;
  RadioData next = d;
  std::set<int> seen;
  for (std::size_t r = 1; r < table.rows.size(); ++r) {
    const CsvRow& row = table.rows[r];
    std::vector<CsvProblem> notes;
    RowReader reader{header, row.cells, t, table.separator != ',', row.line, notes, {}};
    auto location = ParseLocation(reader.Cell("Location"));
    if (!location) {
      result.refused.push_back(
          {row.line, "", "Location \"" + reader.Cell("Location") + "\" is outside 1..40"});
      continue;
    }
    if (!seen.insert(*location).second) {
      result.refused.push_back(
          {row.line, "", "Location " + std::to_string(*location) + " is listed twice"});
      continue;
    }
    ChannelRecord ch = next.FourthGroup[*location - 1];
    if (!reader.Frequencies(ch) || !reader.Tones(ch) || !reader.Rest(ch, *location)) {
      result.refused.push_back(
          {row.line, "", "Location " + std::to_string(*location) + ": " + reader.why});
      continue;
    }
    result.notes.insert(result.notes.end(), notes.begin(), notes.end());
    if (ch != next.FourthGroup[*location - 1]) ++result.channels;
    next.FourthGroup[*location - 1] = std::move(ch);
  }
  result.applied = result.channels > 0;
  if (result.applied) d = std::move(next);
  return result;
}

}  // namespace qw::csv

namespace qw {

std::string FourthGroupToCommonCsv(const RadioData& d, std::vector<std::string>* notes) {
  const SeriesTraits& t = Traits(d.ModelSeries);
  const std::vector<std::string> header(std::begin(csv::kHeader), std::end(csv::kHeader));
  std::string out = CsvLine(header);
  // Names and DTCS codes are texts ("023"): quoted where a spreadsheet might reshape them.
  std::vector<bool> texts(header.size(), false);
  for (const char* column : {"Name", "DtcsCode", "RxDtcsCode"}) {
    texts[csv::FindColumn(header, column)] = true;
  }
  std::string receiveOnly;  // channels whose transmit frequency the file cannot carry
  for (int i = 0; i < static_cast<int>(d.FourthGroup.size()) && i < csv::kChannels; ++i) {
    const ChannelRecord& ch = d.FourthGroup[i];
    if (!ch.Enable) continue;
    if (!ch.TxEnable && ch.Txfreq > 0) {
      receiveOnly +=
          (receiveOnly.empty() ? "" : ", ") + std::string(t.fourthGroup) + std::to_string(i + 1);
    }
    const int64_t rx = csv::HzOf(ch.Rxfreq), tx = csv::HzOf(ch.Txfreq);
    std::string duplex, offset = "0.000000";
    if (!ch.TxEnable) {
      duplex = "off";
    } else if (tx != rx) {
      duplex = tx > rx ? "+" : "-";
      offset = csv::HzText(tx > rx ? tx - rx : rx - tx);
    }
    std::vector<std::string> cells{std::to_string(i + 1), t.channelNames ? ch.ChTag : "",
                                   csv::HzText(rx), duplex, offset};
    ChannelRecord toned = ch;
    if (!t.fourthGroupTones) toned.CTCSS = toned.DCS = {0, 0};
    if (!csv::ToneCells(toned, cells) && notes) {
      notes->push_back(std::string(t.fourthGroup) + std::to_string(i + 1) +
                       ": its tones cannot be written in this format and are left out");
    }
    cells.push_back(ch.Narrow ? "NFM" : "FM");
    cells.push_back(ch.ScanMemory ? "" : "S");
    cells.push_back(ch.LowPower ? "Low" : "High");
    out += CsvLine(cells, texts);
  }
  if (!receiveOnly.empty() && notes) {
    notes->push_back(receiveOnly +
                     ": transmit is set in the radio and these channels receive only; they are "
                     "written with Duplex off, without their Tx frequency");
  }
  return out;
}

}  // namespace qw
