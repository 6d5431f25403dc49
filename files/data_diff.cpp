#include "files/data_diff.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "files/csv_channels.h"
#include "files/data_file_parser.h"
#include "files/data_file_reader.h"
#include "files/data_file_writer.h"
#include "files/json_data.h"
#include "model/channel_plans.h"
#include "model/image_codec.h"

namespace qw {
namespace {

using Json = nlohmann::ordered_json;
using Unit = EditWhat::Unit;

const char* const kGroupNames[] = {"USA", "INTL", "CANADA", "FourthGroup"};

// How one element of a list is named: marine channels by their label, the groups' settings by
// the group, everything else by its position from 1.
std::string ElementName(const std::string& list, std::size_t i) {
  if (list == "USA" || list == "INTL" || list == "CANADA") {
    return i < ChannelMasterTable().size() ? ChannelMasterTable()[i].Label : std::to_string(i + 1);
  }
  if (list == "UsableGroupSettings" && i < 4) return kGroupNames[i];
  return std::to_string(i + 1);
}

EditWhat WhereOf(const std::string& list, int index, const std::string& field) {
  for (int g = 0; g < 4; ++g) {
    if (list == kGroupNames[g]) return {Unit::Channel, g, index, field};
  }
  if (list == "WX") return {Unit::Channel, kGroupWX, index, field};
  if (list == "UsableGroupSettings") return {Unit::UsableGroup, index, -1, field};
  if (list == "CommonSettings") return {Unit::Common, -1, -1, field};
  if (list == "DscSettings") return {Unit::Dsc, -1, -1, field};
  if (list == "AtisSettings") return {Unit::Atis, -1, index, field};
  if (list == "MemoryDirectory") return {Unit::MemoryDirectory, -1, index, field};
  if (list == "GroupDirectory") return {Unit::GroupDirectory, -1, index, field};
  return {Unit::WholeDataSet, -1, -1, field};
}

std::string ValueText(const std::string& field, const Json* v) {
  if (!v) return "(none)";
  if (v->is_number() && field.size() > 4 && field.ends_with("freq")) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", v->get<double>());
    return text;
  }
  return v->dump();
}

class Walker {
 public:
  std::vector<DataDifference> found;

  // A record (object): each field, in a's order; nested lists of records go one level down.
  void Record(const Json& a, const Json& b, const std::string& prefix, const std::string& list,
              int index) {
    for (auto it = a.begin(); it != a.end(); ++it) {
      const std::string& field = it.key();
      const Json* other = b.contains(field) ? &b.at(field) : nullptr;
      if (IsRecordList(*it)) {
        List(*it, other ? *other : Json::array(), prefix + " " + field, list, field);
      } else if (!other || *other != *it) {
        found.push_back({WhereOf(list, index, field), prefix + " " + field, ValueText(field, &*it),
                         ValueText(field, other)});
      }
    }
  }

  // A list of records: element by element, named as the list names them.
  void List(const Json& a, const Json& b, const std::string& prefix, const std::string& list,
            const std::string& listField) {
    const std::size_t n = std::max(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
      const std::string name = prefix + " " + ElementName(listField, i);
      const Json empty = Json::object();
      const Json& x = i < a.size() ? a[i] : empty;
      const Json& y = i < b.size() ? b[i] : empty;
      Record(x, y, name, list, static_cast<int>(i));
      // Fields only the second has (a list that is longer there).
      for (auto it = y.begin(); it != y.end(); ++it) {
        if (!x.contains(it.key())) {
          found.push_back({WhereOf(list, static_cast<int>(i), it.key()), name + " " + it.key(),
                           "(none)", ValueText(it.key(), &*it)});
        }
      }
    }
  }

  static bool IsRecordList(const Json& v) {
    return v.is_array() && !v.empty() && v.front().is_object();
  }
};

}  // namespace

std::vector<DataDifference> CompareDataSets(const RadioData& a, const RadioData& b) {
  const Json ja = Json::parse(DataToJson(a));
  const Json jb = Json::parse(DataToJson(b));
  Walker w;
  for (auto it = ja.begin(); it != ja.end(); ++it) {
    const std::string& key = it.key();
    const Json& other = jb.contains(key) ? jb.at(key) : Json();
    if (Walker::IsRecordList(*it)) {
      w.List(*it, other, key, key, key);
    } else if (it->is_object()) {
      w.Record(*it, other.is_object() ? other : Json::object(), key, key, -1);
    } else if (*it != other) {
      w.found.push_back({WhereOf(key, -1, key), key, ValueText(key, &*it), ValueText(key, &other)});
    }
  }
  return w.found;
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
