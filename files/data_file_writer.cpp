#include "files/data_file_writer.h"

#include <charconv>
#include <clocale>
#include <cstdlib>

#include "files/data_file_keys.h"

namespace qw {
namespace {

class Writer {
 public:
  explicit Writer(char separator) : separator_(separator) { text_.reserve(256 * 1024); }

  void Section(std::string_view name) {
    text_ += '[';
    text_ += name;
    text_ += "]\r\n";
  }
  void Section(std::string_view prefix, std::size_t number) {
    Section(std::string(prefix) + std::to_string(number));
  }
  void Text(std::string_view key, std::string_view value) {
    text_ += key;
    text_ += '=';
    text_ += value;
    text_ += "\r\n";
  }
  // Texts whose "#" mark keeps leading blanks (the reader removes it after trimming).
  void Marked(std::string_view key, std::string_view value) { Text(key, "#" + std::string(value)); }
  void Bool(std::string_view key, bool value) { Text(key, value ? "1" : "0"); }
  void Int(std::string_view key, long long value) { Text(key, std::to_string(value)); }
  void Abs(std::string_view key, long long value) { Int(key, std::llabs(value)); }
  void Frequency(std::string_view key, double value) {
    Text(key, FormatFrequency(value, separator_));
  }
  // Key made of a label and a digit ("TX TOT 0", "Usable ATIS CH Group0").
  static std::string Numbered(std::string_view label, int n) {
    return std::string(label) + std::to_string(n);
  }

  std::string Take() { return std::move(text_); }

 private:
  char separator_;
  std::string text_;
};

void WriteMain(Writer& w, const RadioData& d) {
  w.Section("MAIN");
  w.Marked("MODEL", ModelName(d.ModelSeries));
  w.Marked("TYPE", "ZOK");
  w.Marked("VERSION", "1.00");
  w.Int("MODELTYPE", d.ModelSeries);
}

void WriteUsableGroups(Writer& w, const RadioData& d) {
  w.Section(kUsableSection);
  const auto groupKeys = SplitList(kUsableGroupKeys);
  const auto& groups = d.UsableGroupSettings;
  for (int g = 0; g < 4; ++g) w.Bool(groupKeys[g], groups[g].Usable);
  for (int g = 0; g < 4; ++g) w.Bool(Writer::Numbered(kTxTotKey, g), groups[g].TxTot);
  for (int g = 0; g < 4; ++g) w.Abs(Writer::Numbered(kPriorityKey, g), groups[g].PriorityCh);
  for (int g = 0; g < 4; ++g) w.Bool(Writer::Numbered(kStatusIconKey, g), groups[g].StatusIcon);
  if (!Traits(d.ModelSeries).statusNames) return;
  for (int g = 0; g < 4; ++g) w.Text(Writer::Numbered(kStatusNameKey, g), groups[g].StatusName);
}

void WriteCommon(Writer& w, const RadioData& d) {
  const auto& c = d.CommonSettings;
  w.Section(kCommonSection);
  w.Abs("TX Po Display", c.TxPoDisplay);
  w.Bool("SCAN", c.Scan);
  w.Int("Resume Time", c.ResumeTime);
  w.Bool("PTT SCAN Clear", c.PttScanClear);
  w.Bool("Dual Watch", c.DualWatch);
  w.Int("Offset Time", c.OffsetTime);
  w.Abs("Magnetic Variation", c.MagneticVariation);
  w.Abs("Weater", c.Weater);
}

void WriteAtis(Writer& w, const RadioData& d) {
  const auto& a = d.AtisSettings;
  w.Section(kAtisSection);
  for (int g = 0; g < 4; ++g) w.Bool(Writer::Numbered(kAtisGroupKey, g), a.UsableAtisGroup[g]);
  w.Marked("Atis Code", a.AtisCode);
  if (!Traits(d.ModelSeries).thirdVariantSettings) return;
  for (int g = 0; g < 4; ++g) w.Bool(Writer::Numbered(kAtisKillerKey, g), a.AtisKillerGroup[g]);
}

void WriteMarine(Writer& w, const std::vector<ChannelRecord>& list, std::string_view prefix,
                 int16_t series) {
  for (std::size_t n = 0; n < list.size(); ++n) {
    const ChannelRecord& ch = list[n];
    w.Section(prefix, n);
    w.Int("Position", ch.Position);
    w.Bool("Enable", ch.Enable);
    w.Bool("LowPower", ch.LowPower);
    w.Bool("PowUp", ch.PowUp);
    w.Bool("Duplex", ch.Duplex);
    w.Bool("TxEnable", ch.TxEnable);
    w.Bool("DispayA", ch.DispayA);
    w.Bool("ScanMemory", ch.ScanMemory);
    if (!Traits(series).channelNames) continue;
    w.Int("Scramble", ch.Scramble);
    w.Marked("ChTag", ch.ChTag);
  }
}

void WriteWeather(Writer& w, const RadioData& d) {
  for (std::size_t i = 0; i < d.WX.size(); ++i) {
    w.Section(kWeatherPrefix, i);
    w.Bool("Enable", d.WX[i].Enable);
    w.Bool("ScanMemory", d.WX[i].ScanMemory);
    w.Marked("ChTag", d.WX[i].ChTag);
  }
}

void WriteFourthGroup(Writer& w, const RadioData& d) {
  for (std::size_t k = 0; k < d.FourthGroup.size(); ++k) {
    const ChannelRecord& ch = d.FourthGroup[k];
    w.Section(kFourthPrefix, k + 1);
    w.Bool("Enable", ch.Enable);
    w.Text("CHDisplayL", ch.CHDisplayL);
    w.Text("CHDisplayR", ch.CHDisplayR);
    w.Frequency("Rxfreq", ch.Rxfreq);
    w.Frequency("Txfreq", ch.Txfreq);
    w.Bool("LowPower", ch.LowPower);
    w.Bool("PowUp", ch.PowUp);
    w.Bool("ScanMemory", ch.ScanMemory);
    if (!Traits(d.ModelSeries).fourthGroupTones) continue;
    w.Int("Scramble", ch.Scramble);
    w.Marked("ChTag", ch.ChTag);
    w.Bool("Narrow", ch.Narrow);
    w.Int("TxDCS", ch.DCS[0]);
    w.Int("RxDCS", ch.DCS[1]);
    w.Bool("RxComp", ch.RxComp);
    w.Int("TxCTCSS", ch.CTCSS[0]);
    w.Int("RxCTCSS", ch.CTCSS[1]);
  }
}

}  // namespace

std::string FormatFrequency(double mhz, char decimalSeparator) {
  char text[64];
  auto [end, ec] = std::to_chars(text, text + sizeof text, mhz, std::chars_format::general, 15);
  if (ec != std::errc()) return "0";
  std::string result(text, end);
  for (char& c : result) {
    if (c == '.') c = decimalSeparator;
  }
  return result;
}

char LocaleDecimalSeparator() {
  const std::lconv* conventions = std::localeconv();
  if (!conventions || !conventions->decimal_point || !conventions->decimal_point[0]) return '.';
  return conventions->decimal_point[0];
}

std::string DataFileText(const RadioData& d, char decimalSeparator) {
  Writer w(decimalSeparator);
  WriteMain(w, d);
  WriteUsableGroups(w, d);
  WriteCommon(w, d);
  WriteAtis(w, d);
  WriteMarine(w, d.USA, kMarinePrefixes[0], d.ModelSeries);
  WriteMarine(w, d.INTL, kMarinePrefixes[1], d.ModelSeries);
  WriteMarine(w, d.CANADA, kMarinePrefixes[2], d.ModelSeries);
  WriteWeather(w, d);
  WriteFourthGroup(w, d);
  return w.Take();
}

std::string DataFileText(const RadioData& d) {
  return DataFileText(d, LocaleDecimalSeparator());
}

}  // namespace qw
