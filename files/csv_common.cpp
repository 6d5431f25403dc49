// The common channel-list CSV of radio tools, for the fourth group. Each row is one channel
// (Location 1..40); a row the radio cannot hold is skipped and listed with the reason, the
// others are taken. Frequencies are worked in whole hertz so that Frequency + Offset lands
// exactly where the file means it.
#include <charconv>
#include <cstdint>
#include <optional>
#include <set>

#include "files/csv_formats.h"
#include "model/channel_plans.h"
#include "model/channel_rules.h"
#include "model/series_traits.h"

namespace qw::csv {
namespace {

constexpr const char* kHeader[] = {"Location", "Name",      "Frequency", "Duplex",   "Offset",
                                   "Tone",     "rToneFreq", "cToneFreq", "DtcsCode", "DtcsPolarity",
                                   "Mode",     "Skip",      "Power"};
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
  if (SameIgnoringCase(power, "Low")) return true;
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
  int line;
  std::vector<CsvProblem>& notes;
  std::string why;

  std::string Cell(const char* name) const {
    int at = FindColumn(header, name);
    return at >= 0 && at < static_cast<int>(cells.size()) ? Trim(cells[at]) : "";
  }

  bool Fail(std::string reason) {
    why = std::move(reason);
    return false;
  }

  bool Frequencies(ChannelRecord& ch) {
    auto rx = ParseHz(Cell("Frequency"));
    if (!rx) return Fail("Frequency \"" + Cell("Frequency") + "\" is not a number");
    auto rxMHz = ChannelFrequency(*rx, traits, why);
    if (!rxMHz) return false;
    const std::string duplex = Cell("Duplex");
    ch.Rxfreq = *rxMHz;
    ch.TxEnable = !SameIgnoringCase(duplex, "off");
    if (!ch.TxEnable) {
      ch.Txfreq = 0;
      return true;
    }
    auto offset = ParseHz(Cell("Offset").empty() ? "0" : Cell("Offset"));
    if (!offset) return Fail("Offset \"" + Cell("Offset") + "\" is not a number");
    int64_t tx = *rx;
    if (duplex == "+") {
      tx = *rx + *offset;
    } else if (duplex == "-") {
      tx = *rx - *offset;
    } else if (SameIgnoringCase(duplex, "split")) {
      tx = *offset;
    } else if (!duplex.empty()) {
      return Fail("Duplex \"" + duplex + "\" is not one the radio knows");
    }
    auto txMHz = ChannelFrequency(tx, traits, why);
    if (!txMHz) return Fail("transmit " + why);
    ch.Txfreq = *txMHz;
    return true;
  }

  bool Tones(ChannelRecord& ch) {
    const std::string mode = Cell("Tone");
    ch.CTCSS = {0, 0};
    ch.DCS = {0, 0};
    if (mode.empty()) return true;
    if (!traits.fourthGroupTones) {
      notes.push_back({line, "Tone", "tones left out: the radio has none on these channels"});
      return true;
    }
    if (mode == "Tone" || mode == "TSQL") {
      const char* column = mode == "Tone" ? "rToneFreq" : "cToneFreq";
      auto tone = CtcssIndexOfHz(Cell(column));
      if (!tone) return Fail(std::string(column) + " \"" + Cell(column) + "\" is not a CTCSS tone");
      ch.CTCSS = {*tone, static_cast<int16_t>(mode == "TSQL" ? *tone : 0)};
      return true;
    }
    if (mode != "DTCS")
      return Fail("Tone \"" + mode + "\" is a tone mode the radio cannot express");
    auto code = DcsIndex(Cell("DtcsCode"));
    if (!code) return Fail("DtcsCode \"" + Cell("DtcsCode") + "\" is not a DCS code");
    std::string polarity = Cell("DtcsPolarity").empty() ? "NN" : Cell("DtcsPolarity");
    if (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos) {
      return Fail("DtcsPolarity \"" + polarity + "\" is not NN, NR, RN or RR");
    }
    const int bank = static_cast<int>(DcsList().size()) - 1;
    for (int side = 0; side < 2; ++side) {
      ch.DCS[side] = static_cast<int16_t>(*code + (polarity[side] == 'R' ? bank : 0));
    }
    return true;
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
    ch.ScanMemory = !SameIgnoringCase(Cell("Skip"), "S");
    ch.LowPower = IsLowPower(Cell("Power"));
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

// The tone columns of one channel; false when the format cannot say what the channel has.
bool ToneCells(const ChannelRecord& ch, std::vector<std::string>& cells) {
  const auto& ctcss = CtcssList();
  const int bank = static_cast<int>(DcsList().size()) - 1;
  auto hz = [&](int i) { return ctcss[i].substr(0, ctcss[i].size() - 2); };
  std::string mode, rTone = "88.5", cTone = "88.5", code = "023", polarity = "NN";
  const auto [txTone, rxTone] = std::pair{ch.CTCSS[0], ch.CTCSS[1]};
  const auto [txCode, rxCode] = std::pair{ch.DCS[0], ch.DCS[1]};
  const bool anyCode = txCode != 0 || rxCode != 0;
  bool ok = true;
  if (txTone == 0 && rxTone == 0 && !anyCode) {
  } else if (!anyCode && txTone > 0 && txTone <= 50 && rxTone == 0) {
    mode = "Tone";
    rTone = hz(txTone);
  } else if (!anyCode && txTone > 0 && txTone <= 50 && rxTone == txTone) {
    mode = "TSQL";
    cTone = hz(txTone);
  } else if (txTone == 0 && rxTone == 0 && txCode > 0 && rxCode > 0 && txCode <= 2 * bank &&
             rxCode <= 2 * bank && (txCode - 1) % bank == (rxCode - 1) % bank) {
    mode = "DTCS";
    code = DcsList()[(txCode - 1) % bank + 1];
    polarity = std::string(1, txCode > bank ? 'R' : 'N') + (rxCode > bank ? 'R' : 'N');
  } else {
    ok = false;
  }
  for (const std::string& cell : {mode, rTone, cTone, code, polarity}) cells.push_back(cell);
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
    RowReader reader{header, row.cells, t, row.line, notes, {}};
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
  std::string out =
      CsvLine(std::vector<std::string>(std::begin(csv::kHeader), std::end(csv::kHeader)));
  for (int i = 0; i < static_cast<int>(d.FourthGroup.size()) && i < csv::kChannels; ++i) {
    const ChannelRecord& ch = d.FourthGroup[i];
    if (!ch.Enable) continue;
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
    out += CsvLine(cells);
  }
  return out;
}

}  // namespace qw
