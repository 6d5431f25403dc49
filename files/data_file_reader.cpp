#include "files/data_file_reader.h"

#include <cmath>

#include "files/data_file_keys.h"
#include "files/text_util.h"

namespace qw {
namespace {

// One section's values, each converted by its field's rule.
class SectionReader {
 public:
  SectionReader(const DataFileSectionTable& table, std::string_view section)
      : table_(table), sections_(table.SectionsNamed(section)) {}

  std::string_view Raw(std::string_view key) const { return table_.Value(sections_, key); }

  void Bool(std::string_view key, bool& field) const {
    if (auto value = ParseBool(Raw(key))) field = *value;
  }
  void Int16(std::string_view key, int16_t& field) const {
    if (auto value = ParseInt16(Raw(key))) field = *value;
  }
  void Int32(std::string_view key, int32_t& field) const {
    if (auto value = ParseInt32(Raw(key))) field = *value;
  }
  void Number(std::string_view key, double& field) const {
    if (auto value = ParseNumber(Raw(key))) field = *value;
  }
  void Text(std::string_view key, std::string& field) const { field = std::string(Raw(key)); }

 private:
  const DataFileSectionTable& table_;
  const std::vector<std::size_t>& sections_;
};

std::string Numbered(std::string_view label, std::size_t n) {
  return std::string(label) + std::to_string(n);
}

void ReadUsableGroups(const DataFileSectionTable& table, RadioData& d) {
  SectionReader s(table, kUsableSection);
  const auto groupKeys = SplitList(kUsableGroupKeys);
  for (int g = 0; g < 4; ++g) {
    auto& group = d.UsableGroupSettings[g];
    s.Bool(groupKeys[g], group.Usable);
    s.Bool(Numbered(kTxTotKey, g), group.TxTot);
    s.Int32(Numbered(kPriorityKey, g), group.PriorityCh);
    s.Bool(Numbered(kStatusIconKey, g), group.StatusIcon);
    if (Traits(d.ModelSeries).statusNames) s.Text(Numbered(kStatusNameKey, g), group.StatusName);
  }
}

void ReadCommon(const DataFileSectionTable& table, RadioData& d) {
  SectionReader s(table, kCommonSection);
  auto& c = d.CommonSettings;
  s.Int16("TX Po Display", c.TxPoDisplay);
  s.Bool("SCAN", c.Scan);
  s.Int16("Resume Time", c.ResumeTime);
  s.Bool("PTT SCAN Clear", c.PttScanClear);
  s.Bool("Dual Watch", c.DualWatch);
  s.Int16("Offset Time", c.OffsetTime);
  s.Int16("Magnetic Variation", c.MagneticVariation);
  s.Int16("Weater", c.Weater);
}

void ReadAtis(const DataFileSectionTable& table, RadioData& d) {
  SectionReader s(table, kAtisSection);
  auto& a = d.AtisSettings;
  for (int g = 0; g < 4; ++g) s.Bool(Numbered(kAtisGroupKey, g), a.UsableAtisGroup[g]);
  s.Text("Atis Code", a.AtisCode);
  if (!Traits(d.ModelSeries).thirdVariantSettings) return;
  for (int g = 0; g < 4; ++g) s.Bool(Numbered(kAtisKillerKey, g), a.AtisKillerGroup[g]);
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
    s.Bool("Enable", ch.Enable);
    s.Bool("LowPower", ch.LowPower);
    s.Bool("PowUp", ch.PowUp);
    s.Bool("Duplex", ch.Duplex);
    // A file cannot make a channel duplex that the plan does not allow.
    ch.Duplex = ch.Duplex && ch.DuplexCapable;
    s.Bool("TxEnable", ch.TxEnable);
    s.Bool("DispayA", ch.DispayA);
    s.Bool("ScanMemory", ch.ScanMemory);
    if (!Traits(series).channelNames) continue;
    s.Int16("Scramble", ch.Scramble);
    s.Text("ChTag", ch.ChTag);
  }
}

void ReadWeather(const DataFileSectionTable& table, RadioData& d) {
  for (std::size_t i = 0; i < d.WX.size(); ++i) {
    SectionReader s(table, Numbered(kWeatherPrefix, i));
    s.Bool("Enable", d.WX[i].Enable);
    s.Bool("ScanMemory", d.WX[i].ScanMemory);
    s.Text("ChTag", d.WX[i].ChTag);
  }
}

// Files this program writes carry no directory sections, so their names and numbers empty.
template <std::size_t N>
void ReadDirectory(const DataFileSectionTable& table, std::array<DirectoryEntry, N>& directory,
                   std::string_view prefix) {
  for (std::size_t i = 0; i < N; ++i) {
    SectionReader s(table, Numbered(prefix, i + 1));
    s.Bool("Enable", directory[i].Enable);
    s.Text("TagName", directory[i].TagName);
    s.Text("Mmsid", directory[i].Mmsid);
  }
}

void ReadFourthGroup(const DataFileSectionTable& table, RadioData& d) {
  for (std::size_t k = 0; k < d.FourthGroup.size(); ++k) {
    SectionReader s(table, Numbered(kFourthPrefix, k + 1));
    ChannelRecord& ch = d.FourthGroup[k];
    s.Bool("Enable", ch.Enable);
    s.Text("CHDisplayL", ch.CHDisplayL);
    s.Text("CHDisplayR", ch.CHDisplayR);
    s.Number("Rxfreq", ch.Rxfreq);
    s.Number("Txfreq", ch.Txfreq);
    s.Bool("LowPower", ch.LowPower);
    s.Bool("PowUp", ch.PowUp);
    s.Bool("ScanMemory", ch.ScanMemory);
    if (!Traits(d.ModelSeries).fourthGroupTones) continue;
    s.Int16("Scramble", ch.Scramble);
    s.Text("ChTag", ch.ChTag);
    s.Bool("Narrow", ch.Narrow);
    s.Int16("TxDCS", ch.DCS[0]);
    s.Int16("RxDCS", ch.DCS[1]);
    s.Bool("RxComp", ch.RxComp);
    s.Int16("TxCTCSS", ch.CTCSS[0]);
    s.Int16("RxCTCSS", ch.CTCSS[1]);
  }
}

}  // namespace

void OverlayDataFile(const DataFileSectionTable& table, RadioData& d) {
  ReadUsableGroups(table, d);
  ReadCommon(table, d);
  ReadAtis(table, d);
  ReadMarine(table, d.USA, kMarinePrefixes[0], d.ModelSeries);
  ReadMarine(table, d.INTL, kMarinePrefixes[1], d.ModelSeries);
  ReadMarine(table, d.CANADA, kMarinePrefixes[2], d.ModelSeries);
  ReadWeather(table, d);
  ReadDirectory(table, d.MemoryDirectory, kMemoryIdPrefix);
  ReadDirectory(table, d.GroupDirectory, kGroupIdPrefix);
  ReadFourthGroup(table, d);
}

}  // namespace qw
