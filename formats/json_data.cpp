#include "formats/json_data.h"

#include <array>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <stdexcept>
#include <vector>

#include "model/field_table.h"

namespace qw {
namespace {

using Json = nlohmann::ordered_json;

// The value of a number that is whole, however it is written (2, 2.0, 2e3); values beyond
// the range of long long come back clamped to it, which no field can hold either.
std::optional<long long> WholeNumber(const Json& x) {
  constexpr long long kMax = std::numeric_limits<long long>::max();
  constexpr long long kMin = std::numeric_limits<long long>::min();
  if (x.is_number_unsigned()) {
    const auto u = x.get<unsigned long long>();
    return u > static_cast<unsigned long long>(kMax) ? kMax : static_cast<long long>(u);
  }
  if (x.is_number_integer()) return x.get<long long>();
  if (!x.is_number_float()) return std::nullopt;
  const double f = x.get<double>();
  if (!std::isfinite(f) || f != std::trunc(f)) return std::nullopt;
  if (f >= 0x1p63) return kMax;
  if (f < -0x1p63) return kMin;
  return static_cast<long long>(f);
}

// The data set's texts are single-byte (Latin-1); JSON texts are UTF-8.
std::string Latin1ToUtf8(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (unsigned char c : s) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// nlohmann has already checked that the text is valid UTF-8.
bool Utf8ToLatin1(const std::string& s, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < s.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if ((c & 0xE0) == 0xC0 && c <= 0xC3 && i + 1 < s.size()) {
      out += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(s[++i]) & 0x3F));
    } else {
      return false;
    }
  }
  return true;
}

struct FieldError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Writes every visited field into a JSON object, in visiting order.
class Writer {
 public:
  explicit Writer(Json& j) : j_(j) {}
  void operator()(const char* name, bool& v) { j_[name] = v; }
  void operator()(const char* name, std::string& v) { j_[name] = Latin1ToUtf8(v); }
  void operator()(const char* name, double& v) { j_[name] = v; }
  template <class Int>
  void operator()(const char* name, Int& v) {
    j_[name] = static_cast<long long>(v);
  }
  template <class T, std::size_t N>
  void operator()(const char* name, std::array<T, N>& a) {
    Json arr = Json::array();
    for (auto& x : a) arr.push_back(x);
    j_[name] = arr;
  }

 private:
  Json& j_;
};

// Reads the visited fields that are present in a JSON object, checking each value's type and that
// it fits the field. Whether the radio can store it is not this reader's business: whatever the
// writer wrote comes back.
class Reader {
 public:
  Reader(const Json& j, std::string path) : j_(j), path_(std::move(path)) {}

  void operator()(const char* name, bool& v) {
    if (const Json* x = Find(name)) {
      if (!x->is_boolean()) Fail(name, "must be true or false");
      v = x->get<bool>();
    }
  }
  void operator()(const char* name, std::string& v) {
    if (const Json* x = Find(name)) {
      if (!x->is_string()) Fail(name, "must be a text");
      std::string latin;
      if (!Utf8ToLatin1(x->get<std::string>(), latin)) {
        Fail(name, "holds a character outside the single-byte set");
      }
      v = latin;
    }
  }
  void operator()(const char* name, double& v) {
    if (const Json* x = Find(name)) {
      if (!x->is_number()) Fail(name, "must be a number");
      double f = x->get<double>();
      if (!std::isfinite(f)) Fail(name, "must be a finite number");
      v = f;
    }
  }
  template <class Int>
  void operator()(const char* name, Int& v) {
    if (const Json* x = Find(name)) v = Integer<Int>(*x, name);
  }
  template <std::size_t N>
  void operator()(const char* name, std::array<bool, N>& a) {
    if (const Json* x = FindArray(name, N)) {
      for (std::size_t i = 0; i < x->size(); ++i) {
        if (!(*x)[i].is_boolean()) Fail(Indexed(name, i), "must be true or false");
        a[i] = (*x)[i].get<bool>();
      }
    }
  }
  template <class Int, std::size_t N>
  void operator()(const char* name, std::array<Int, N>& a) {
    if (const Json* x = FindArray(name, N)) {
      for (std::size_t i = 0; i < x->size(); ++i) a[i] = Integer<Int>((*x)[i], Indexed(name, i));
    }
  }

 private:
  const Json* Find(const char* name) const {
    auto it = j_.find(name);
    return it == j_.end() ? nullptr : &*it;
  }
  const Json* FindArray(const char* name, std::size_t max) const {
    const Json* x = Find(name);
    if (!x) return nullptr;
    if (!x->is_array()) Fail(name, "must be a list");
    if (x->size() > max) Fail(name, "has more than " + std::to_string(max) + " entries");
    return x;
  }
  // A whole number that fits the field's type. JSON has one kind of number, so 2.0 is as whole
  // as 2; 2.5 is not.
  template <class Int>
  Int Integer(const Json& x, const std::string& name) const {
    const long long lo = std::numeric_limits<Int>::min(), hi = std::numeric_limits<Int>::max();
    const auto n = WholeNumber(x);
    if (!n) Fail(name, "must be a whole number");
    if (*n < lo || *n > hi) {
      Fail(name,
           "does not fit the field (" + std::to_string(lo) + " to " + std::to_string(hi) + ")");
    }
    return static_cast<Int>(*n);
  }
  static std::string Indexed(const std::string& name, std::size_t i) {
    return name + "[" + std::to_string(i) + "]";
  }
  [[noreturn]] void Fail(const std::string& name, const std::string& why) const {
    throw FieldError((path_.empty() ? "" : path_ + ".") + name + ": " + why);
  }

  const Json& j_;
  std::string path_;
};

template <class Record>
Json RecordToJson(Record& record) {
  Json obj = Json::object();
  Writer w(obj);
  fields::VisitFields(record, w);
  return obj;
}

template <class Record>
Json RecordsToJson(std::span<Record> records) {
  Json arr = Json::array();
  for (auto& r : records) arr.push_back(RecordToJson(r));
  return arr;
}

template <class Record>
void RecordsFromJson(const Json& parent, const char* name, const std::string& path,
                     std::span<Record> records) {
  auto it = parent.find(name);
  if (it == parent.end()) return;
  std::string where = path.empty() ? name : path + "." + name;
  if (!it->is_array()) throw FieldError(where + ": must be a list");
  if (it->size() > records.size()) {
    throw FieldError(where + ": has more than " + std::to_string(records.size()) + " entries");
  }
  for (std::size_t i = 0; i < it->size(); ++i) {
    const Json& item = (*it)[i];
    std::string itemPath = where + "[" + std::to_string(i) + "]";
    if (!item.is_object()) throw FieldError(itemPath + ": must be an object");
    Reader r(item, itemPath);
    fields::VisitFields(records[i], r);
  }
}

template <class Record>
void ObjectFromJson(const Json& parent, const char* name, Record& record) {
  auto it = parent.find(name);
  if (it == parent.end()) return;
  if (!it->is_object()) throw FieldError(std::string(name) + ": must be an object");
  Reader r(*it, name);
  fields::VisitFields(record, r);
}

constexpr const char* kChannelLists[] = {"USA", "INTL", "CANADA", "WX", "FourthGroup"};

std::vector<ChannelRecord>& ChannelListByIndex(RadioData& d, int i) {
  switch (i) {
    case 0:
      return d.USA;
    case 1:
      return d.INTL;
    case 2:
      return d.CANADA;
    case 3:
      return d.WX;
    default:
      return d.FourthGroup;
  }
}

}  // namespace

std::string DataToJson(const RadioData& source) {
  RadioData d = source;  // the visitors take mutable references for both directions
  Json j = Json::object();
  j["ModelSeries"] = d.ModelSeries;
  j["UsableGroupSettings"] = RecordsToJson(std::span<UsableGroupSettings>(d.UsableGroupSettings));
  j["CommonSettings"] = RecordToJson(d.CommonSettings);
  j["DscSettings"] = RecordToJson(d.DscSettings);
  Json atis = RecordToJson(d.AtisSettings);
  atis["AtisCallSign"] = RecordsToJson(std::span<AtisCallSignEntry>(d.AtisSettings.AtisCallSign));
  j["AtisSettings"] = atis;
  j["MemoryDirectory"] = RecordsToJson(std::span<DirectoryEntry>(d.MemoryDirectory));
  j["GroupDirectory"] = RecordsToJson(std::span<DirectoryEntry>(d.GroupDirectory));
  for (int i = 0; i < 5; ++i) {
    j[kChannelLists[i]] = RecordsToJson(std::span<ChannelRecord>(ChannelListByIndex(d, i)));
  }
  return j.dump(2) + "\n";
}

bool JsonToData(const std::string& text, RadioData& target, std::string& error) {
  Json j = Json::parse(text, nullptr, false);
  if (j.is_discarded()) {
    error = "not valid JSON";
    return false;
  }
  if (!j.is_object()) {
    error = "the document must be a JSON object";
    return false;
  }
  RadioData d = target;
  try {
    if (auto it = j.find("ModelSeries"); it != j.end()) {
      if (WholeNumber(*it) != d.ModelSeries) {
        throw FieldError("ModelSeries: the file is for another series than " +
                         std::to_string(d.ModelSeries));
      }
    }
    RecordsFromJson(j, "UsableGroupSettings", "",
                    std::span<UsableGroupSettings>(d.UsableGroupSettings));
    ObjectFromJson(j, "CommonSettings", d.CommonSettings);
    ObjectFromJson(j, "DscSettings", d.DscSettings);
    ObjectFromJson(j, "AtisSettings", d.AtisSettings);
    if (auto it = j.find("AtisSettings"); it != j.end()) {
      RecordsFromJson(*it, "AtisCallSign", "AtisSettings",
                      std::span<AtisCallSignEntry>(d.AtisSettings.AtisCallSign));
    }
    RecordsFromJson(j, "MemoryDirectory", "", std::span<DirectoryEntry>(d.MemoryDirectory));
    RecordsFromJson(j, "GroupDirectory", "", std::span<DirectoryEntry>(d.GroupDirectory));
    for (int i = 0; i < 5; ++i) {
      RecordsFromJson(j, kChannelLists[i], "", std::span<ChannelRecord>(ChannelListByIndex(d, i)));
    }
  } catch (const FieldError& e) {
    error = e.what();
    return false;
  } catch (const nlohmann::json::exception& e) {
    error = e.what();
    return false;
  }
  target = std::move(d);
  return true;
}

}  // namespace qw
