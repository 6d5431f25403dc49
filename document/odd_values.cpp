#include "document/odd_values.h"

#include <any>
#include <array>
#include <cmath>
#include <cstdio>
#include <span>

#include "document/data_edit.h"
#include "model/field_table.h"
#include "model/image_codec.h"
#include "report/formatters.h"

namespace qw {
namespace {

// A frequency that comes back within this of itself is stored as it is.
constexpr double kFrequencyTolerance = 1e-7;

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string Number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6f", v);
  std::string s = text;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

// The numbers and texts of one record, in visiting order, each with its name and its value as
// text (frequencies also as numbers, since they are compared with a tolerance).
class Collector {
 public:
  struct Item {
    std::string name, text;
    double frequency = 0;
  };
  std::vector<Item> items;

  void operator()(const char*, bool&) {}
  template <std::size_t N>
  void operator()(const char*, std::array<bool, N>&) {}
  void operator()(const char* name, std::string& v) { items.push_back({name, Quoted(v)}); }
  void operator()(const char* name, double& v) { items.push_back({name, Number(v), v}); }
  template <class Int>
  void operator()(const char* name, Int& v) {
    items.push_back({name, std::to_string(v)});
  }
  template <class Int, std::size_t N>
  void operator()(const char* name, std::array<Int, N>& a) {
    for (std::size_t i = 0; i < N; ++i) {
      items.push_back({std::string(name) + "[" + std::to_string(i) + "]", std::to_string(a[i])});
    }
  }
};

template <class Record>
void CompareRecord(const std::string& path, Record record, Record back,
                   std::vector<OddValue>& out) {
  Collector before, after;
  fields::VisitFields(record, before);
  fields::VisitFields(back, after);
  for (std::size_t i = 0; i < before.items.size(); ++i) {
    const auto& a = before.items[i];
    const auto& b = after.items[i];
    const bool same =
        a.text == b.text ||
        (a.frequency != 0 && std::fabs(a.frequency - b.frequency) <= kFrequencyTolerance);
    if (!same) out.push_back({path.empty() ? a.name : path + "." + a.name, a.text, b.text});
  }
}

template <class Record>
void CompareList(const char* name, std::span<const Record> records, std::span<const Record> back,
                 std::vector<OddValue>& out) {
  for (std::size_t i = 0; i < records.size() && i < back.size(); ++i) {
    CompareRecord(std::string(name) + "[" + std::to_string(i) + "]", records[i], back[i], out);
  }
}

// Takes the values of one record in visiting order...
class Grab {
 public:
  std::vector<std::any> values;
  template <class T>
  void operator()(const char*, T& v) {
    values.push_back(v);
  }
};

// ...and puts them into the same record of another data set where they differ.
class Put {
 public:
  explicit Put(const std::vector<std::any>& values) : values_(values) {}
  template <class T>
  void operator()(const char*, T& v) {
    const T& from = std::any_cast<const T&>(values_[next_++]);
    if constexpr (std::is_same_v<T, double>) {
      if (std::fabs(v - from) <= kFrequencyTolerance) return;
    }
    v = from;
  }

 private:
  const std::vector<std::any>& values_;
  std::size_t next_ = 0;
};

template <class Record>
void TakeRecord(Record& record, Record back) {
  Grab grab;
  fields::VisitFields(back, grab);
  Put put(grab.values);
  fields::VisitFields(record, put);
}

template <class Record>
void TakeList(std::span<Record> records, std::span<Record> back) {
  for (std::size_t i = 0; i < records.size() && i < back.size(); ++i)
    TakeRecord(records[i], back[i]);
}

// Every value of d as the radio would give it back (frequencies within the tolerance stay).
void TakeRadioValues(RadioData& d) {
  RadioData back = d;
  EncodeImage(back);
  DecodeImage(back);
  TakeList<UsableGroupSettings>(d.UsableGroupSettings, back.UsableGroupSettings);
  TakeRecord(d.CommonSettings, back.CommonSettings);
  TakeRecord(d.DscSettings, back.DscSettings);
  TakeRecord(d.AtisSettings, back.AtisSettings);
  TakeList<AtisCallSignEntry>(d.AtisSettings.AtisCallSign, back.AtisSettings.AtisCallSign);
  TakeList<DirectoryEntry>(d.MemoryDirectory, back.MemoryDirectory);
  TakeList<DirectoryEntry>(d.GroupDirectory, back.GroupDirectory);
  for (int list = 0; list <= kGroupWX; ++list) {
    auto& mine = list == kGroupWX ? d.WX : GroupList(d, list);
    auto& theirs = list == kGroupWX ? back.WX : GroupList(back, list);
    TakeList<ChannelRecord>(mine, theirs);
  }
}

}  // namespace

std::vector<OddValue> FindOddValues(const RadioData& data) {
  const RadioData& d = data;
  RadioData back = data;
  EncodeImage(back);
  DecodeImage(back);

  std::vector<OddValue> out;
  CompareList<UsableGroupSettings>("UsableGroupSettings", d.UsableGroupSettings,
                                   back.UsableGroupSettings, out);
  CompareRecord("CommonSettings", d.CommonSettings, back.CommonSettings, out);
  CompareRecord("DscSettings", d.DscSettings, back.DscSettings, out);
  CompareRecord("AtisSettings", d.AtisSettings, back.AtisSettings, out);
  CompareList<AtisCallSignEntry>("AtisSettings.AtisCallSign", d.AtisSettings.AtisCallSign,
                                 back.AtisSettings.AtisCallSign, out);
  CompareList<DirectoryEntry>("MemoryDirectory", d.MemoryDirectory, back.MemoryDirectory, out);
  CompareList<DirectoryEntry>("GroupDirectory", d.GroupDirectory, back.GroupDirectory, out);
  CompareList<ChannelRecord>("USA", d.USA, back.USA, out);
  CompareList<ChannelRecord>("INTL", d.INTL, back.INTL, out);
  CompareList<ChannelRecord>("CANADA", d.CANADA, back.CANADA, out);
  CompareList<ChannelRecord>("WX", d.WX, back.WX, out);
  CompareList<ChannelRecord>("FourthGroup", d.FourthGroup, back.FourthGroup, out);
  return out;
}

std::vector<std::string> OddValueLines(const std::vector<OddValue>& values) {
  std::vector<std::string> lines;
  for (const OddValue& v : values) {
    lines.push_back(v.Field + " = " + v.Value + " (the radio will store " + v.Stored + ")");
  }
  return lines;
}

std::string OffRasterLine(int16_t series, std::size_t index, bool rx, double from, double to) {
  return FourthGroupName(series) + std::to_string(index + 1) + (rx ? " Rx " : " Tx ") +
         Number(from) + " -> " + FreqText4(to) + ": off the radio's raster";
}

std::vector<std::string> SnapOffRasterFrequencies(RadioData& d) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < d.FourthGroup.size(); ++i) {
    ChannelRecord& ch = d.FourthGroup[i];
    for (const bool rx : {true, false}) {
      double& f = rx ? ch.Rxfreq : ch.Txfreq;
      if (!std::isfinite(f) || f <= 0) continue;
      const double snapped = SnapFrequency(f);
      if (snapped == f) continue;
      lines.push_back(OffRasterLine(d.ModelSeries, i, rx, f, snapped));
      f = snapped;
    }
  }
  return lines;
}

std::vector<std::string> ClearLowPowerWithoutTx(RadioData& d) {
  std::vector<std::string> lines;
  for (int group = 0; group <= kGroupFourth; ++group) {
    auto& list = GroupList(d, group);
    for (std::size_t i = 0; i < list.size(); ++i) {
      ChannelRecord& ch = list[i];
      if (!ch.LowPower || ch.TxEnable) continue;
      const std::string name =
          group == kGroupFourth
              ? FourthGroupName(d.ModelSeries) + std::to_string(i + 1)
              : std::string(kMarineGroupNames[group]) + " " + MasterSlotAt(ch.Position).Label;
      lines.push_back(name + " Low Power Only -> off: the channel does not transmit");
      ch.LowPower = false;
    }
  }
  return lines;
}

std::vector<std::string> BringIntoRadioForm(RadioData& d) {
  std::vector<std::string> lines = SnapOffRasterFrequencies(d);
  for (std::string& line : ClearLowPowerWithoutTx(d)) lines.push_back(std::move(line));
  const std::vector<OddValue> odd = FindOddValues(d);
  for (std::string& line : OddValueLines(odd)) lines.push_back(std::move(line));
  if (!odd.empty()) TakeRadioValues(d);
  return lines;
}

std::vector<std::string> RadioFormLines(const RadioData& d) {
  RadioData copy = d;
  return BringIntoRadioForm(copy);
}

}  // namespace qw
