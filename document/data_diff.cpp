#include "document/data_diff.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>

#include "formats/csv_channels.h"
#include "formats/data_file_parser.h"
#include "formats/data_file_reader.h"
#include "formats/data_file_writer.h"
#include "formats/json_data.h"
#include "model/channel_plans.h"
#include "model/field_table.h"
#include "model/image_codec.h"
#include "report/common_blocks.h"
#include "report/formatters.h"

namespace qw {
namespace {

using Json = nlohmann::ordered_json;
using Unit = EditWhat::Unit;

const char* const kGroupLists[] = {"USA", "INTL", "CANADA", "FourthGroup"};

// A field's caption, as the panes label it.
std::string CaptionOf(const std::string& field) {
  return field == "ModelSeries" ? "Model" : fields::CaptionOf(field);
}

// The name the user knows group g by: USA, INTL, CANADA, LMR or EXP.
std::string GroupName(int g, int16_t series) {
  return g == kGroupFourth ? FourthGroupName(series) : kGroupLists[g];
}

// Where a record sits in the data set and how the user knows it (the ATIS settings need no
// name: their captions say ATIS).
struct Place {
  std::string list;    // the data model's list or settings record ("USA", "AtisSettings")
  int index = -1;      // the element of the list, -1 for a settings record
  std::string record;  // "USA[5]", "AtisSettings.AtisCallSign[2]"
  std::string shown;   // "USA 22A", "LMR3", "WX03", "ATIS Call Sign 3", "" for common settings
};

std::string TwoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

Place PlaceOf(const std::string& list, int i, int16_t series) {
  Place p{list, i, i < 0 ? list : list + "[" + std::to_string(i) + "]", {}};
  const std::string n = std::to_string(i + 1);
  for (int g = 0; g < 3; ++g) {
    // A channel beyond the plan (a hand-edited file's extra one) is named by its place.
    const std::string& label = MasterSlotAt(i).Label;
    if (list == kGroupLists[g]) p.shown = list + " " + (label.empty() ? n : label);
  }
  if (list == "FourthGroup") p.shown = FourthGroupName(series) + n;
  if (list == "WX") p.shown = "WX" + TwoDigits(i + 1);
  if (list == "UsableGroupSettings") p.shown = GroupName(i & 3, series) + " group";
  if (list == "DscSettings") p.shown = "DSC";
  if (list == "MemoryDirectory") p.shown = "Memory ID " + n;
  if (list == "GroupDirectory") p.shown = "Group ID " + n;
  return p;
}

EditWhat WhereOf(const Place& p, const std::string& field, int element) {
  for (int g = 0; g < 4; ++g) {
    if (p.list == kGroupLists[g]) return {Unit::Channel, g, p.index, field};
  }
  if (p.list == "WX") return {Unit::Channel, kGroupWX, p.index, field};
  if (p.list == "UsableGroupSettings") return {Unit::UsableGroup, p.index, -1, field};
  if (p.list == "CommonSettings") return {Unit::Common, -1, -1, field};
  if (p.list == "DscSettings") return {Unit::Dsc, -1, -1, field};
  if (p.list == "AtisSettings") return {Unit::Atis, -1, p.index >= 0 ? p.index : element, field};
  if (p.list == "MemoryDirectory") return {Unit::MemoryDirectory, -1, p.index, field};
  if (p.list == "GroupDirectory") return {Unit::GroupDirectory, -1, p.index, field};
  return {Unit::WholeDataSet, -1, -1, field};
}

// The caption of a field, or of one element of a list field.
std::string FieldCaption(const std::string& field, int element, int16_t series) {
  if (element < 0) return CaptionOf(field);
  if (field == "DCS" || field == "CTCSS") return element == 0 ? "TX Tone" : "RX Tone";
  if ((field == "UsableAtisGroup" || field == "AtisKillerGroup") && element < 4) {
    return CaptionOf(field) + " " + GroupName(element, series);
  }
  return CaptionOf(field) + " " + std::to_string(element + 1);
}

// A number's text when a formatter has none for it.
std::string OrNumber(const std::string& text, long long v) {
  return text.empty() ? std::to_string(v) : text;
}

// A value as the panes and grids show it.
std::string ValueText(const std::string& field, const Json* v, int16_t series) {
  if (!v || v->is_null()) return "(none)";
  if (v->is_boolean()) {
    if (field == "Narrow") return *v ? "Narrow" : "Wide";
    return OnOffText(v->get<bool>());
  }
  if (v->is_string()) return v->dump();
  if (!v->is_number()) return v->dump();
  if (field == "Txfreq" || field == "Rxfreq") return FreqText4(v->get<double>());
  const long long n = v->get<long long>();
  const auto n16 = static_cast<int16_t>(n);
  if (field == "ModelSeries") return KnownSeries(n16) ? ModelName(n16) : std::to_string(n);
  if (field == "Scramble") return (n & 4) ? std::to_string(n) : "Off";
  if (field == "DCS") return n == 0 ? "Off" : OrNumber(DcsText(static_cast<int>(n)), n);
  if (field == "CTCSS") {
    const auto& tones = CtcssList();
    return n >= 0 && n < static_cast<long long>(tones.size()) ? tones[n] : std::to_string(n);
  }
  if (field == "PriorityCh") return ChannelLabelText(static_cast<int32_t>(n), series);
  // A coded setting as the reports word it, without the blank the reports keep for a sign.
  const fields::Facts* facts = fields::FindField(field);
  if (facts && facts->worded != fields::Worded::OnOff) {
    const std::string text = WordedText(facts->worded, n16);
    return OrNumber(text.substr(std::min(text.find_first_not_of(' '), text.size())), n);
  }
  return std::to_string(n);
}

// The record type a list or settings record of the JSON form holds.
std::optional<fields::Record> RecordOf(const std::string& list) {
  using fields::Record;
  if (list == "UsableGroupSettings") return Record::Group;
  if (list == "CommonSettings") return Record::Common;
  if (list == "DscSettings") return Record::Dsc;
  if (list == "AtisSettings") return Record::Atis;
  if (list == "MemoryDirectory" || list == "GroupDirectory") return Record::Directory;
  if (list == "WX") return Record::Channel;
  for (const char* group : kGroupLists) {
    if (list == group) return Record::Channel;
  }
  return std::nullopt;
}

// Fields that only some series hold: a difference in one of them is left out when the two data
// sets are of series that do not both hold it.
bool HeldByBoth(const std::string& list, const std::string& field, const SeriesTraits& a,
                const SeriesTraits& b) {
  const auto record = RecordOf(list);
  const fields::Facts* row = record ? fields::FindField(*record, field) : nullptr;
  if (!row) return true;
  const fields::Held held = list == "FourthGroup" ? row->heldFourth : row->held;
  return fields::Holds(a, held) && fields::Holds(b, held);
}

class Walker {
 public:
  Walker(int16_t seriesA, int16_t seriesB)
      : series_(seriesA), a_(Traits(seriesA)), b_(Traits(seriesB)), same_(seriesA == seriesB) {}

  std::vector<DataDifference> found;

  // A record (object): each field, in x's order and then the fields only y has.
  void Record(const Json& x, const Json& y, const Place& place) {
    for (auto it = x.begin(); it != x.end(); ++it) {
      Field(place, it.key(), &*it, y.contains(it.key()) ? &y.at(it.key()) : nullptr);
    }
    for (auto it = y.begin(); it != y.end(); ++it) {
      if (!x.contains(it.key())) Field(place, it.key(), nullptr, &*it);
    }
  }

  // A list of records, element by element.
  void List(const Json& x, const Json& y, const std::string& list, const std::string& parent) {
    const Json empty = Json::object();
    for (std::size_t i = 0; i < std::max(x.size(), y.size()); ++i) {
      Place place = PlaceOf(list, static_cast<int>(i), series_);
      if (!parent.empty()) {
        place = PlaceOf(parent, static_cast<int>(i), series_);
        place.record = parent + "." + list + "[" + std::to_string(i) + "]";
        place.shown = "ATIS Call Sign " + std::to_string(i + 1);
      }
      Record(i < x.size() ? x[i] : empty, i < y.size() ? y[i] : empty, place);
    }
  }

  // One top-level member of the JSON form.
  void Member(const std::string& key, const Json& x, const Json& y) {
    if (IsRecordList(x) || IsRecordList(y)) {
      List(x.is_array() ? x : Json::array(), y.is_array() ? y : Json::array(), key, "");
    } else if (x.is_object()) {
      Record(x, y.is_object() ? y : Json::object(), PlaceOf(key, -1, series_));
    } else {
      Field(Place{"", -1, "", ""}, key, &x, y.is_null() ? nullptr : &y);
    }
  }

  static bool IsRecordList(const Json& v) {
    return v.is_array() && !v.empty() && v.front().is_object();
  }

 private:
  void Field(const Place& place, const std::string& field, const Json* x, const Json* y) {
    if (!same_ && !HeldByBoth(place.list, field, a_, b_)) return;
    const Json& some = x ? *x : *y;
    if (IsRecordList(some)) {
      List(x ? *x : Json::array(), y ? *y : Json::array(), field, place.list);
    } else if (some.is_array()) {
      const std::size_t n = std::max(x ? x->size() : 0, y ? y->size() : 0);
      for (std::size_t i = 0; i < n; ++i) {
        const Json* u = x && i < x->size() ? &(*x)[i] : nullptr;
        const Json* v = y && i < y->size() ? &(*y)[i] : nullptr;
        Leaf(place, field, static_cast<int>(i), u, v);
      }
    } else {
      Leaf(place, field, -1, x, y);
    }
  }

  void Leaf(const Place& place, const std::string& field, int element, const Json* x,
            const Json* y) {
    if (x && y && *x == *y) return;
    DataDifference d;
    d.where = WhereOf(place, field, element);
    const std::string caption = FieldCaption(field, element, series_);
    d.name = place.shown.empty() ? caption : place.shown + " " + caption;
    d.left = ValueText(field, x, series_);
    d.right = ValueText(field, y, series_);
    d.record = place.record;
    d.field = element < 0 ? field : field + "[" + std::to_string(element) + "]";
    d.rawLeft = x ? x->dump() : "null";
    d.rawRight = y ? y->dump() : "null";
    // Values the radio shows alike (two odd scrambler codes) still differ: say how.
    if (d.left == d.right) {
      d.left += " (" + d.rawLeft + ")";
      d.right += " (" + d.rawRight + ")";
    }
    found.push_back(std::move(d));
  }

  int16_t series_;  // names the fourth group and the priority channels
  const SeriesTraits& a_;
  const SeriesTraits& b_;
  bool same_;
};

}  // namespace

std::vector<DataDifference> CompareDataSets(const RadioData& a, const RadioData& b) {
  const Json ja = Json::parse(DataToJson(a));
  const Json jb = Json::parse(DataToJson(b));
  Walker w(a.ModelSeries, b.ModelSeries);
  for (auto it = ja.begin(); it != ja.end(); ++it) {
    w.Member(it.key(), *it, jb.contains(it.key()) ? jb.at(it.key()) : Json());
  }
  return w.found;
}

std::string DifferencesJson(const std::vector<DataDifference>& differences) {
  Json out = Json::array();
  for (const DataDifference& d : differences) {
    out.push_back({{"where", d.record},
                   {"field", d.field},
                   {"from", Json::parse(d.rawLeft)},
                   {"to", Json::parse(d.rawRight)}});
  }
  return out.dump(2);
}

RadioData ThroughKind(const RadioData& d, FileKind kind) {
  if (kind == FileKind::Json) return d;  // the JSON form carries every field
  RadioData out;
  BuildNewDataSet(out, d.ModelSeries);
  if (kind == FileKind::RawImage) {
    RadioData encoded = d;
    PrepareImageForRadio(encoded);
    out.RadioImage = encoded.RadioImage;
    DecodeImage(out);
  } else if (kind == FileKind::Csv) {
    ImportChannelsCsv(ChannelsToCsv(d), out);
  } else if (auto table = ParseDataFileText(DataFileText(d, '.'))) {
    OverlayDataFile(*table, out);
  }
  return out;
}

std::vector<DataDifference> CompareFiles(const RadioData& a, FileKind kindA, const RadioData& b,
                                         FileKind kindB) {
  if (kindA == kindB) return CompareDataSets(a, b);
  return CompareDataSets(ThroughKind(a, kindB), ThroughKind(b, kindA));
}

}  // namespace qw
