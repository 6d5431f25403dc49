#include "formats/json_data.h"

#include <gtest/gtest.h>

#include <random>
#include <span>

#include "model/field_table.h"
#include "tests/support/radio_data.h"

namespace qw {
namespace {

// Sets every field of the records it visits away from its default, texts with non-ASCII bytes.
struct Vary {
  std::mt19937 rng;
  void operator()(const char*, bool& v) { v = (rng() & 1) != 0; }
  void operator()(const char*, double& v) { v = 160.0 + rng() % 10000 / 7.0; }
  void operator()(const char*, std::string& v) {
    v.clear();
    for (int i = 0; i < 6; ++i) v += static_cast<char>(0x20 + rng() % 0xDF);
  }
  template <class Int>
  void operator()(const char*, Int& v) {
    v = static_cast<Int>(rng() % 300);
  }
  template <class T, std::size_t N>
  void operator()(const char* name, std::array<T, N>& list) {
    for (T& v : list) (*this)(name, v);
  }
  template <class R>
  void All(std::span<R> records) {
    for (R& r : records) fields::VisitFields(r, *this);
  }
};

// A new data set of the third variant with every field of its records varied.
RadioData VariedData(unsigned seed) {
  Vary vary{std::mt19937(seed)};
  RadioData d = test::NewData(kSeriesThird);
  for (auto* list : {&d.USA, &d.INTL, &d.CANADA, &d.WX, &d.FourthGroup})
    vary.All(std::span<ChannelRecord>(*list));
  vary.All(std::span<UsableGroupSettings>(d.UsableGroupSettings));
  fields::VisitFields(d.CommonSettings, vary);
  fields::VisitFields(d.DscSettings, vary);
  fields::VisitFields(d.AtisSettings, vary);
  vary.All(std::span<AtisCallSignEntry>(d.AtisSettings.AtisCallSign));
  vary.All(std::span<DirectoryEntry>(d.MemoryDirectory));
  vary.All(std::span<DirectoryEntry>(d.GroupDirectory));
  return d;
}

// Every field comes back, and the form written again is the same.
TEST(JsonData, WholeDataSetSurvivesARoundTrip) {
  for (unsigned seed : {1u, 2u, 3u}) {
    RadioData original = VariedData(seed);
    std::string json = DataToJson(original);
    RadioData back = test::NewData(kSeriesThird);
    std::string error;
    ASSERT_TRUE(JsonToData(json, back, error)) << error;
    EXPECT_EQ(back, original);
    EXPECT_EQ(DataToJson(back), json);
  }
}

TEST(JsonData, AnOverlayChangesOnlyWhatItNames) {
  RadioData d = VariedData(5);
  RadioData expected = d;
  expected.CommonSettings.Weater = 0;
  expected.USA[2].ChTag = "HARBOUR";
  expected.USA[2].Enable = true;
  expected.USA[2].DCS = {-3, 200};
  expected.UsableGroupSettings[1].PriorityCh = 70000;
  // Whole numbers count however they are written.
  std::string error;
  ASSERT_TRUE(JsonToData(R"({"ModelSeries": 0.0, "CommonSettings": {"Weater": 0.0},
      "UsableGroupSettings": [{}, {"PriorityCh": 7e4}],
      "USA": [{}, {}, {"ChTag": "HARBOUR", "Enable": true, "DCS": [-3.0, 200]}]})",
                         d, error))
      << error;
  EXPECT_EQ(d, expected);
}

TEST(JsonData, BadInputIsRefusedNamingTheFieldAndChangesNothing) {
  struct Case {
    const char* json;
    const char* message;
  } cases[] = {
      {R"({"USA": [{}, {"Scramble": 32768}]})",
       "USA[1].Scramble: does not fit the field (-32768 to 32767)"},
      {R"({"FourthGroup": [{"DCS": [1, -40000]}]})", "FourthGroup[0].DCS[1]: does not fit"},
      {R"({"UsableGroupSettings": [{"PriorityCh": 4294967296}]})",
       "UsableGroupSettings[0].PriorityCh: does not fit"},
      {R"({"CommonSettings": {"Scan": 1}})", "CommonSettings.Scan: must be true or false"},
      {R"({"CommonSettings": {"ResumeTime": 1.5}})", "CommonSettings.ResumeTime: must be a whole"},
      {R"({"USA": [{"Scramble": 32768.0}]})", "USA[0].Scramble: does not fit"},
      {R"({"USA": [{"Scramble": 1e300}]})", "USA[0].Scramble: does not fit"},
      {R"({"ModelSeries": 0.5})", "ModelSeries: the file is for another series"},
      {R"({"UsableGroupSettings": [{}, {}, {}, {}, {}]})", "UsableGroupSettings: has more than 4"},
      {R"({"WX": [{"Rxfreq": "162.55"}]})", "WX[0].Rxfreq: must be a number"},
      {R"({"AtisSettings": {"AtisCallSign": [{"MID": 7}]}})",
       "AtisSettings.AtisCallSign[0].MID: must be a text"},
      {R"({"ModelSeries": 2})", "ModelSeries: the file is for another series"},
      {R"({"USA": [{"ChTag": "\u20ac"}]})", "USA[0].ChTag: holds a character outside"},
      {R"({"USA": )", "not valid JSON"},
      {R"([1, 2])", "the document must be a JSON object"},
  };
  for (const auto& c : cases) {
    RadioData d = VariedData(6);
    RadioData before = d;
    std::string error;
    EXPECT_FALSE(JsonToData(c.json, d, error)) << c.json;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.json << " gave: " << error;
    EXPECT_EQ(d, before) << c.json;
  }
}

}  // namespace
}  // namespace qw
