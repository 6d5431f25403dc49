#include "formats/data_file_reader.h"

#include <cmath>

#include "formats/data_file_keys.h"
#include "formats/text_util.h"
#include "model/field_table.h"

namespace qw {
namespace {

// One section's values, each converted by its field's rule; an unreadable value leaves the
// field as it is, a missing text makes it empty.
class SectionReader {
 public:
  SectionReader(const DataFileSectionTable& table, std::string_view section)
      : table_(table), sections_(table.SectionsNamed(section)) {}

  std::string_view Raw(std::string_view key) const { return table_.Value(sections_, key); }

  void operator()(std::string_view key, bool& field, const fields::FileKey&) const {
    if (auto value = ParseBool(Raw(key))) field = *value;
  }
  void operator()(std::string_view key, int16_t& field, const fields::FileKey&) const {
    if (auto value = ParseInt16(Raw(key))) field = *value;
  }
  void operator()(std::string_view key, int32_t& field, const fields::FileKey&) const {
    if (auto value = ParseInt32(Raw(key))) field = *value;
  }
  void operator()(std::string_view key, double& field, const fields::FileKey&) const {
    if (auto value = ParseNumber(Raw(key))) field = *value;
  }
  void operator()(std::string_view key, std::string& field, const fields::FileKey&) const {
    field = std::string(Raw(key));
  }

  template <class Table, class R>
  void Read(const Table& table, std::span<R> records, int16_t series) const {
    fields::WalkFile(table, records, Traits(series), *this);
  }
  template <class Table, class R>
  void Read(const Table& table, R& record, int16_t series) const {
    Read(table, std::span<R>(&record, 1), series);
  }

 private:
  const DataFileSectionTable& table_;
  const std::vector<std::size_t>& sections_;
};

std::string Numbered(std::string_view label, std::size_t n) {
  return std::string(label) + std::to_string(n);
}

void ReadSettings(const DataFileSectionTable& table, RadioData& d) {
  SectionReader(table, kUsableSection)
      .Read(fields::kGroupFields, std::span<UsableGroupSettings>(d.UsableGroupSettings),
            d.ModelSeries);
  SectionReader(table, kCommonSection).Read(fields::kCommonFields, d.CommonSettings, d.ModelSeries);
  SectionReader(table, kAtisSection).Read(fields::kAtisFields, d.AtisSettings, d.ModelSeries);
}

// The record a marine section is for: its "Position" (leading number, rounded), nullopt when
// that lies outside the list.
std::optional<std::size_t> MarineSlot(std::string_view position, std::size_t listSize) {
  double slot = RoundHalfEven(LeadingNumber(position));
  if (!(slot >= 0 && slot <= 32767 && slot < static_cast<double>(listSize))) return std::nullopt;
  return static_cast<std::size_t>(slot);
}

// The section number only chains the sections: the list ends at the first section without a
// "Position", and "Position" chooses the record.
void ReadMarine(const DataFileSectionTable& table, std::vector<ChannelRecord>& list,
                std::string_view prefix, int16_t series) {
  for (std::size_t n = 0;; ++n) {
    SectionReader s(table, Numbered(prefix, n));
    std::string_view position = s.Raw("Position");
    if (position.empty()) return;
    auto slot = MarineSlot(position, list.size());
    if (!slot) continue;
    ChannelRecord& ch = list[*slot];
    ch.Position = static_cast<int16_t>(*slot);
    s.Read(fields::kMarineEntries, ch, series);
    // A file cannot make a channel duplex that the plan does not allow.
    ch.Duplex = ch.Duplex && ch.DuplexCapable;
  }
}

// The sections of a list that are numbered by place, from `first`.
template <class Table, class R>
void ReadNumbered(const DataFileSectionTable& table, const Table& entries, std::span<R> records,
                  std::string_view prefix, std::size_t first, int16_t series) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    SectionReader(table, Numbered(prefix, i + first)).Read(entries, records[i], series);
  }
}

}  // namespace

void OverlayDataFile(const DataFileSectionTable& table, RadioData& d) {
  const int16_t series = d.ModelSeries;
  ReadSettings(table, d);
  for (int g = kGroupUSA; g <= kGroupCANADA; ++g) {
    ReadMarine(table, GroupList(d, g), kMarinePrefixes[g], series);
  }
  ReadNumbered(table, fields::kWeatherEntries, std::span<ChannelRecord>(d.WX), kWeatherPrefix, 0,
               series);
  // Files this program writes carry no directory sections, so their names and numbers empty.
  ReadNumbered(table, fields::kDirectoryFields, std::span<DirectoryEntry>(d.MemoryDirectory),
               kMemoryIdPrefix, 1, series);
  ReadNumbered(table, fields::kDirectoryFields, std::span<DirectoryEntry>(d.GroupDirectory),
               kGroupIdPrefix, 1, series);
  ReadNumbered(table, fields::kFourthEntries, std::span<ChannelRecord>(d.FourthGroup),
               kFourthPrefix, 1, series);
}

}  // namespace qw
