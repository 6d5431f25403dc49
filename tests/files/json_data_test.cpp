#include "files/json_data.h"

#include <gtest/gtest.h>

#include <random>

namespace qw {
namespace {

// A data set with every field away from its default, texts with non-ASCII bytes included.
RadioData VariedData(unsigned seed) {
  std::mt19937 rng(seed);
  auto flip = [&] { return (rng() & 1) != 0; };
  auto small = [&](int n) { return static_cast<int16_t>(rng() % n); };
  auto text = [&](std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += static_cast<char>(0x20 + rng() % 0xDF);
    return s;
  };
  RadioData d;
  d.ModelSeries = kSeriesThird;
  for (auto* list : {&d.USA, &d.INTL, &d.CANADA}) list->resize(240);
  d.WX.resize(10);
  d.FourthGroup.resize(40);
  for (auto* list : {&d.USA, &d.INTL, &d.CANADA, &d.WX, &d.FourthGroup}) {
    for (auto& c : *list) {
      c.Position = small(240), c.Enable = flip(), c.LowPower = flip(), c.PowUp = flip();
      c.Duplex = flip(), c.DuplexCapable = flip(), c.TxEnable = flip(), c.DispayA = flip();
      c.ScanMemory = flip(), c.ChTag = text(12), c.Scramble = small(8), c.RxOnly = flip();
      c.Narrow = flip(), c.DCS = {small(209), small(209)}, c.CTCSS = {small(51), small(51)};
      c.RxComp = flip(), c.CHDisplayL = text(2), c.CHDisplayR = text(1);
      c.Txfreq = 156.0 + small(10000) / 10000.0;
      c.Rxfreq = 160.0 + small(10000) / 7.0;  // not on any raster
    }
  }
  for (auto& g : d.UsableGroupSettings) g = {flip(), flip(), small(280), flip(), text(4)};
  d.CommonSettings = {small(256), flip(),   small(4), flip(), flip(),
                      small(25),  small(2), small(4), flip()};
  d.DscSettings.UserMmsi = "123456789";
  d.DscSettings.BeepOut[5] = true;
  d.DscSettings.AckMenu[2] = true;
  d.AtisSettings.AtisCode = "0123456789";
  d.AtisSettings.UsableAtisGroup = {true, false, true, false};
  d.AtisSettings.AtisKillerGroup = {false, true, false, true};
  d.AtisSettings.AtisCallSign[19] = {"12A", "xyz"};
  d.MemoryDirectory[0] = {true, text(11), "987654321"};
  d.GroupDirectory[9] = {false, "GROUP", "0123"};
  return d;
}

// Every field comes back, and a channel's fields are written in the order they are declared.
TEST(JsonData, WholeDataSetSurvivesARoundTripWithFieldsInDeclaredOrder) {
  for (unsigned seed : {1u, 2u, 3u}) {
    RadioData original = VariedData(seed);
    std::string json = DataToJson(original);
    RadioData back = original;
    back.USA.assign(240, ChannelRecord{});
    back.FourthGroup.assign(40, ChannelRecord{});
    back.CommonSettings = {};
    back.AtisSettings = {};
    std::string error;
    ASSERT_TRUE(JsonToData(json, back, error)) << error;
    EXPECT_EQ(back, original);
    EXPECT_EQ(DataToJson(back), json);
  }
  const std::string json = DataToJson(VariedData(4));
  std::size_t at = json.find("\"USA\"");
  for (const char* key :
       {"Position", "Enable",     "LowPower",   "PowUp",      "Duplex", "DuplexCapable", "TxEnable",
        "DispayA",  "ScanMemory", "ChTag",      "Scramble",   "RxOnly", "Narrow",        "DCS",
        "CTCSS",    "RxComp",     "CHDisplayL", "CHDisplayR", "Txfreq", "Rxfreq"}) {
    const std::size_t next = json.find(std::string("\"") + key + "\"", at);
    ASSERT_NE(next, std::string::npos) << key;
    at = next;
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
