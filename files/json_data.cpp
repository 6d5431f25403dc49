#include "files/json_data.h"

#include <array>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <span>
#include <stdexcept>
#include <vector>

namespace qw {
namespace {

using Json = nlohmann::ordered_json;

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
  void operator()(const char* name, Int& v, long long = 0, long long = 0) {
    j_[name] = static_cast<long long>(v);
  }
  template <class T, std::size_t N>
  void operator()(const char* name, std::array<T, N>& a) {
    Json arr = Json::array();
    for (auto& x : a) arr.push_back(x);
    j_[name] = arr;
  }
  template <class T, std::size_t N>
  void operator()(const char* name, std::array<T, N>& a, long long, long long) {
    (*this)(name, a);
  }

 private:
  Json& j_;
};

// Reads the visited fields that are present in a JSON object, checking type and range.
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
  void operator()(const char* name, Int& v, long long lo = std::numeric_limits<Int>::min(),
                  long long hi = std::numeric_limits<Int>::max()) {
    if (const Json* x = Find(name)) v = static_cast<Int>(Integer(*x, name, lo, hi));
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
  template <std::size_t N>
  void operator()(const char* name, std::array<int16_t, N>& a, long long lo, long long hi) {
    if (const Json* x = FindArray(name, N)) {
      for (std::size_t i = 0; i < x->size(); ++i) {
        a[i] = static_cast<int16_t>(Integer((*x)[i], Indexed(name, i), lo, hi));
      }
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
  long long Integer(const Json& x, const std::string& name, long long lo, long long hi) const {
    if (!x.is_number_integer()) Fail(name, "must be a whole number");
    long long n = x.is_number_unsigned() && x.get<unsigned long long>() > 1ULL << 62
                      ? std::numeric_limits<long long>::max()
                      : x.get<long long>();
    if (n < lo || n > hi) {
      Fail(name, "out of range (" + std::to_string(lo) + " to " + std::to_string(hi) + ")");
    }
    return n;
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

// The field lists, visited in declared order by both directions.
template <class V>
void VisitChannel(ChannelRecord& c, V& v) {
  v("Position", c.Position);
  v("Enable", c.Enable);
  v("LowPower", c.LowPower);
  v("PowUp", c.PowUp);
  v("Duplex", c.Duplex);
  v("DuplexCapable", c.DuplexCapable);
  v("TxEnable", c.TxEnable);
  v("DispayA", c.DispayA);
  v("ScanMemory", c.ScanMemory);
  v("ChTag", c.ChTag);
  v("Scramble", c.Scramble, 0, 7);
  v("RxOnly", c.RxOnly);
  v("Narrow", c.Narrow);
  v("DCS", c.DCS, 0, 208);
  v("CTCSS", c.CTCSS, 0, 50);
  v("RxComp", c.RxComp);
  v("CHDisplayL", c.CHDisplayL);
  v("CHDisplayR", c.CHDisplayR);
  v("Txfreq", c.Txfreq);
  v("Rxfreq", c.Rxfreq);
}

template <class V>
void VisitGroup(UsableGroupSettings& g, V& v) {
  v("Usable", g.Usable);
  v("TxTot", g.TxTot);
  v("PriorityCh", g.PriorityCh, 0, kNoChannel);
  v("StatusIcon", g.StatusIcon);
  v("StatusName", g.StatusName);
}

template <class V>
void VisitCommon(CommonSettings& c, V& v) {
  v("TxPoDisplay", c.TxPoDisplay, 0, 255);
  v("Scan", c.Scan);
  v("ResumeTime", c.ResumeTime, 0, 3);
  v("PttScanClear", c.PttScanClear);
  v("DualWatch", c.DualWatch);
  v("OffsetTime", c.OffsetTime, 0, 24);
  v("MagneticVariation", c.MagneticVariation, 0, 1);
  v("Weater", c.Weater, 0, 3);
  v("Rotary", c.Rotary);
}

template <class V>
void VisitDsc(DscSettings& d, V& v) {
  v("DscGroup", d.DscGroup);
  v("UserMmsi", d.UserMmsi);
  v("PosRequest", d.PosRequest);
  v("Tx", d.Tx);
  v("BeepOut", d.BeepOut);
  v("AllShipsCall", d.AllShipsCall);
  v("AllShipsCallTx", d.AllShipsCallTx);
  v("GroupCall", d.GroupCall);
  v("GroupCallTx", d.GroupCallTx);
  v("IndividualCall", d.IndividualCall);
  v("IndividualCallTx", d.IndividualCallTx);
  v("AckMenu", d.AckMenu);
}

template <class V>
void VisitCallSign(AtisCallSignEntry& e, V& v) {
  v("MID", e.MID);
  v("DISP", e.DISP);
}

template <class V>
void VisitDirectoryEntry(DirectoryEntry& e, V& v) {
  v("Enable", e.Enable);
  v("TagName", e.TagName);
  v("Mmsid", e.Mmsid);
}

template <class Record, class Visit>
Json RecordsToJson(std::span<Record> records, Visit visit) {
  Json arr = Json::array();
  for (auto& r : records) {
    Json obj = Json::object();
    Writer w(obj);
    visit(r, w);
    arr.push_back(std::move(obj));
  }
  return arr;
}

template <class Record, class Visit>
void RecordsFromJson(const Json& parent, const char* name, const std::string& path,
                     std::span<Record> records, Visit visit) {
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
    visit(records[i], r);
  }
}

template <class Record, class Visit>
void ObjectFromJson(const Json& parent, const char* name, Record& record, Visit visit) {
  auto it = parent.find(name);
  if (it == parent.end()) return;
  if (!it->is_object()) throw FieldError(std::string(name) + ": must be an object");
  Reader r(*it, name);
  visit(record, r);
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

auto channelVisit = [](ChannelRecord& c, auto& v) { VisitChannel(c, v); };
auto groupVisit = [](UsableGroupSettings& g, auto& v) { VisitGroup(g, v); };
auto entryVisit = [](DirectoryEntry& e, auto& v) { VisitDirectoryEntry(e, v); };
auto callSignVisit = [](AtisCallSignEntry& e, auto& v) { VisitCallSign(e, v); };

template <class V>
void VisitAtisScalars(AtisSettings& a, V& v) {
  v("UsableAtisGroup", a.UsableAtisGroup);
  v("AtisCode", a.AtisCode);
  v("AtisKillerGroup", a.AtisKillerGroup);
}

}  // namespace

std::string DataToJson(const RadioData& source) {
  RadioData d = source;  // the visitors take mutable references for both directions
  Json j = Json::object();
  j["ModelSeries"] = d.ModelSeries;
  j["UsableGroupSettings"] =
      RecordsToJson(std::span<UsableGroupSettings>(d.UsableGroupSettings), groupVisit);
  Json common = Json::object();
  Writer cw(common);
  VisitCommon(d.CommonSettings, cw);
  j["CommonSettings"] = common;
  Json dsc = Json::object();
  Writer dw(dsc);
  VisitDsc(d.DscSettings, dw);
  j["DscSettings"] = dsc;
  Json atis = Json::object();
  Writer aw(atis);
  VisitAtisScalars(d.AtisSettings, aw);
  atis["AtisCallSign"] =
      RecordsToJson(std::span<AtisCallSignEntry>(d.AtisSettings.AtisCallSign), callSignVisit);
  j["AtisSettings"] = atis;
  j["MemoryDirectory"] = RecordsToJson(std::span<DirectoryEntry>(d.MemoryDirectory), entryVisit);
  j["GroupDirectory"] = RecordsToJson(std::span<DirectoryEntry>(d.GroupDirectory), entryVisit);
  for (int i = 0; i < 5; ++i) {
    j[kChannelLists[i]] =
        RecordsToJson(std::span<ChannelRecord>(ChannelListByIndex(d, i)), channelVisit);
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
      if (!it->is_number_integer() || it->get<long long>() != d.ModelSeries) {
        throw FieldError("ModelSeries: the file is for another series than " +
                         std::to_string(d.ModelSeries));
      }
    }
    RecordsFromJson(j, "UsableGroupSettings", "",
                    std::span<UsableGroupSettings>(d.UsableGroupSettings), groupVisit);
    ObjectFromJson(j, "CommonSettings", d.CommonSettings,
                   [](CommonSettings& c, auto& v) { VisitCommon(c, v); });
    ObjectFromJson(j, "DscSettings", d.DscSettings,
                   [](DscSettings& s, auto& v) { VisitDsc(s, v); });
    ObjectFromJson(j, "AtisSettings", d.AtisSettings,
                   [](AtisSettings& a, auto& v) { VisitAtisScalars(a, v); });
    if (auto it = j.find("AtisSettings"); it != j.end()) {
      RecordsFromJson(*it, "AtisCallSign", "AtisSettings",
                      std::span<AtisCallSignEntry>(d.AtisSettings.AtisCallSign), callSignVisit);
    }
    RecordsFromJson(j, "MemoryDirectory", "", std::span<DirectoryEntry>(d.MemoryDirectory),
                    entryVisit);
    RecordsFromJson(j, "GroupDirectory", "", std::span<DirectoryEntry>(d.GroupDirectory),
                    entryVisit);
    for (int i = 0; i < 5; ++i) {
      RecordsFromJson(j, kChannelLists[i], "", std::span<ChannelRecord>(ChannelListByIndex(d, i)),
                      channelVisit);
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
