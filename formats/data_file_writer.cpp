#include "formats/data_file_writer.h"

#include <charconv>
#include <clocale>
#include <cstdlib>

#include "formats/data_file_keys.h"
#include "model/field_table.h"

namespace qw {
namespace {

using fields::Form;

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

  // One entry of the field tables, spelt as its form says.
  void operator()(std::string_view key, bool value, const fields::FileKey&) {
    Text(key, value ? "1" : "0");
  }
  void operator()(std::string_view key, double value, const fields::FileKey&) {
    Text(key, FormatFrequency(value, separator_));
  }
  void operator()(std::string_view key, const std::string& value, const fields::FileKey& k) {
    Text(key, k.form == Form::Marked ? "#" + value : value);
  }
  template <class Int>
  void operator()(std::string_view key, Int value, const fields::FileKey& k) {
    const long long n = value;
    Text(key, std::to_string(k.form == Form::Abs ? std::llabs(n) : n));
  }

  std::string Take() { return std::move(text_); }

 private:
  char separator_;
  std::string text_;
};

template <class Table, class R>
void WriteRecords(Writer& w, const Table& table, std::span<const R> records, int16_t series) {
  fields::WalkFile(table, records, Traits(series), w);
}
template <class Table, class R>
void WriteRecord(Writer& w, const Table& table, const R& record, int16_t series) {
  WriteRecords(w, table, std::span<const R>(&record, 1), series);
}

void WriteMain(Writer& w, const RadioData& d) {
  w.Section("MAIN");
  w.Text("MODEL", std::string("#") + ModelName(d.ModelSeries));
  w.Text("TYPE", "#ZOK");
  w.Text("VERSION", "#1.00");
  w.Text("MODELTYPE", std::to_string(d.ModelSeries));
}

void WriteSettings(Writer& w, const RadioData& d) {
  w.Section(kUsableSection);
  WriteRecords(w, fields::kGroupFields, std::span<const UsableGroupSettings>(d.UsableGroupSettings),
               d.ModelSeries);
  w.Section(kCommonSection);
  WriteRecord(w, fields::kCommonFields, d.CommonSettings, d.ModelSeries);
  w.Section(kAtisSection);
  WriteRecord(w, fields::kAtisFields, d.AtisSettings, d.ModelSeries);
}

// The sections of a channel list, numbered from `first`. A marine section begins with the
// "Position" that chooses its record.
template <class Table>
void WriteList(Writer& w, const Table& entries, const std::vector<ChannelRecord>& list,
               std::string_view prefix, std::size_t first, int16_t series, bool position) {
  for (std::size_t n = 0; n < list.size(); ++n) {
    w.Section(prefix, n + first);
    if (position) w.Text("Position", std::to_string(list[n].Position));
    WriteRecord(w, entries, list[n], series);
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
  WriteSettings(w, d);
  for (int g = kGroupUSA; g <= kGroupCANADA; ++g) {
    WriteList(w, fields::kMarineEntries, GroupList(d, g), kMarinePrefixes[g], 0, d.ModelSeries,
              true);
  }
  WriteList(w, fields::kWeatherEntries, d.WX, kWeatherPrefix, 0, d.ModelSeries, false);
  WriteList(w, fields::kFourthEntries, d.FourthGroup, kFourthPrefix, 1, d.ModelSeries, false);
  return w.Take();
}

std::string DataFileText(const RadioData& d) {
  return DataFileText(d, LocaleDecimalSeparator());
}

}  // namespace qw
