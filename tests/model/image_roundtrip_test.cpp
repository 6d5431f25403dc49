// Properties over many random data sets and images: decode(encode(x)) is x with the losses the
// image format implies, encoding is repeatable, and no byte pattern upsets the decoder.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/channel_plans.h"
#include "model/image_codec.h"
#include "model/image_fields.h"

namespace qw {
namespace {

constexpr int16_t kAllSeries[] = {kSeriesThird, kSeriesMV510, kSeriesMV710};

class Random {
 public:
  explicit Random(unsigned seed) : rng_(seed) {}
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Bool() { return Int(0, 1) == 1; }
  // Mostly permitted characters, now and then one the radio cannot show.
  std::string Text(int max_length) {
    static const std::string kChars =
        "ABCXYZabz0189-+().*/ ,#_%\xE9";  // the last four are not permitted
    std::string s;
    for (int n = Int(0, max_length); n > 0; --n) {
      s.push_back(kChars[Int(0, Int(0, 5) == 0 ? kChars.size() - 1 : kChars.size() - 5)]);
    }
    return s;
  }
  std::string Digits(int max_length) {
    std::string s;
    for (int n = Int(0, max_length); n > 0; --n) s.push_back(static_cast<char>('0' + Int(0, 9)));
    return s;
  }
  double Frequency() {
    switch (Int(0, 5)) {
      case 0:
        return 0;
      case 1:
        return Int(0, 1) ? 99.5 : 250.0;
      case 2:
        return 199.99996;
      default:
        return 100.0 + Int(1, 999999) / 10000.0 + Int(0, 99) / 1e6;
    }
  }

 private:
  std::mt19937 rng_;
};

// Sets every field the codec carries for the series to a random value, and nothing else.
void RandomiseCommon(ChannelRecord& ch, Random& r) {
  ch.Enable = r.Bool();
  ch.ScanMemory = r.Bool();
  ch.ChTag = r.Text(14);
  ch.TxEnable = r.Bool();
  ch.LowPower = r.Bool();
  ch.PowUp = r.Bool();
  ch.Scramble = static_cast<int16_t>(r.Int(0, 15));
}

void RandomiseMarine(ChannelRecord& ch, Random& r) {
  RandomiseCommon(ch, r);
  ch.Duplex = r.Bool();
}

void RandomiseFourth(ChannelRecord& ch, Random& r, bool tones) {
  RandomiseCommon(ch, r);
  ch.Narrow = r.Bool();
  ch.CHDisplayL = r.Text(3);
  ch.CHDisplayR = r.Text(2);
  ch.Rxfreq = r.Frequency();
  ch.Txfreq = r.Frequency();
  if (tones) {
    ch.CTCSS = {static_cast<int16_t>(r.Int(0, 50)), static_cast<int16_t>(r.Int(0, 50))};
    ch.DCS = {static_cast<int16_t>(r.Int(0, 208)), static_cast<int16_t>(r.Int(0, 208))};
    ch.RxComp = r.Bool();
  }
}

template <std::size_t N>
void RandomiseBools(std::array<bool, N>& a, Random& r) {
  for (auto& b : a) b = r.Bool();
}

void Randomise(RadioData& d, Random& r) {
  const bool third = d.ModelSeries == kSeriesThird;
  const bool tags = d.ModelSeries != kSeriesMV510;
  for (int g = 0; g < 4; ++g) {
    auto& s = d.UsableGroupSettings[g];
    s.Usable = r.Bool();
    s.TxTot = r.Bool();
    s.StatusIcon = r.Bool();
    if (g < 3) s.PriorityCh = r.Int(0, 5) == 0 ? kNoChannel : r.Int(0, 279);
    if (tags) s.StatusName = r.Text(5);
  }
  auto& c = d.CommonSettings;
  c.TxPoDisplay = static_cast<int16_t>(r.Int(0, 255));
  c.Scan = r.Bool();
  c.ResumeTime = static_cast<int16_t>(r.Int(0, 3));
  c.PttScanClear = r.Bool();
  c.DualWatch = r.Bool();
  c.Weater = static_cast<int16_t>(r.Int(0, 3));
  if (third) {
    c.OffsetTime = static_cast<int16_t>(r.Int(0, 24));
    c.MagneticVariation = static_cast<int16_t>(r.Int(0, 1));
    c.Rotary = r.Bool();
    auto& s = d.DscSettings;
    for (auto* a : {&s.PosRequest, &s.AllShipsCall, &s.AllShipsCallTx, &s.GroupCall, &s.GroupCallTx,
                    &s.IndividualCall, &s.IndividualCallTx}) {
      RandomiseBools(*a, r);
    }
    RandomiseBools(s.DscGroup, r);
    RandomiseBools(s.BeepOut, r);
    RandomiseBools(s.AckMenu, r);
    s.Tx[2] = r.Bool();
    s.Tx[3] = r.Bool();
    s.UserMmsi = r.Digits(10);
    RandomiseBools(d.AtisSettings.AtisKillerGroup, r);
    for (auto& e : d.AtisSettings.AtisCallSign) e = {r.Text(4), r.Text(4)};
    for (auto& e : d.MemoryDirectory) e = {r.Bool(), r.Text(12), r.Int(0, 9) ? r.Digits(10) : ""};
    for (auto& e : d.GroupDirectory) e = {r.Bool(), r.Text(12), r.Int(0, 3) ? r.Digits(10) : ""};
  }
  RandomiseBools(d.AtisSettings.UsableAtisGroup, r);
  d.AtisSettings.AtisCode = r.Digits(10);
  for (int g = kGroupUSA; g <= kGroupCANADA; ++g) {
    for (auto& ch : GroupList(d, g)) {
      const std::string tag = ch.ChTag;
      RandomiseMarine(ch, r);
      if (!tags) ch.ChTag = tag;
    }
  }
  for (auto& ch : d.WX) {
    ch.Enable = r.Bool();
    ch.ScanMemory = r.Bool();
    if (tags) ch.ChTag = r.Text(14);
  }
  for (auto& ch : d.FourthGroup) {
    const std::string tag = ch.ChTag;
    RandomiseFourth(ch, r, d.ModelSeries == kSeriesMV710);
    if (!tags) ch.ChTag = tag;
  }
}

// What a text becomes after a trip through a field of `length` bytes.
std::string NormaliseText(std::string s, std::size_t length) {
  s = s.substr(0, length);
  std::size_t n = 0;
  while (n < s.size() && IsTextCharacter(static_cast<uint8_t>(s[n]))) ++n;
  s.resize(n);
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

std::string NormaliseCallSign(const std::string& s) {
  std::string padded = "   " + s;
  padded = padded.substr(padded.size() - 3);
  std::string out;
  for (char ch : padded) {
    if (ch != ' ' && ch != ',' && IsTextCharacter(static_cast<uint8_t>(ch))) out.push_back(ch);
  }
  return out;
}

std::string NormaliseMmsi(const std::string& s) {
  return s.size() >= 9 ? s.substr(0, 9) + "0" : s;
}

void NormaliseChannel(ChannelRecord& ch, bool marine) {
  if (!ch.TxEnable) ch.LowPower = false;
  if (marine && !ch.DuplexCapable) ch.Duplex = false;
  ch.Scramble &= 7;
  ch.ChTag = NormaliseText(ch.ChTag, 12);
}

void NormaliseDirectory(DirectoryEntry* entries, int count) {
  bool ended = false;
  for (int n = 0; n < count; ++n) {
    auto& e = entries[n];
    e.Mmsid = NormaliseMmsi(e.Mmsid);
    e.TagName = NormaliseText(e.TagName, 11);
    ended = ended || e.Mmsid.empty();
    e = ended ? DirectoryEntry{} : DirectoryEntry{true, e.TagName, e.Mmsid};
  }
}

// The data set as decoding its own encoded image gives it back.
RadioData Normalise(RadioData d) {
  for (auto& s : d.UsableGroupSettings) s.StatusName = NormaliseText(s.StatusName, 4);
  for (int g = kGroupUSA; g <= kGroupCANADA; ++g) {
    for (auto& ch : GroupList(d, g)) NormaliseChannel(ch, true);
  }
  for (auto& ch : d.WX) ch.ChTag = NormaliseText(ch.ChTag, 12);
  for (auto& ch : d.FourthGroup) {
    NormaliseChannel(ch, false);
    std::string display = (ch.CHDisplayL.substr(0, 2) + "  ").substr(0, 2);
    display.push_back(ch.CHDisplayR.empty() ? ' ' : ch.CHDisplayR.back());
    ch.CHDisplayL = NormaliseText(display.substr(0, 2), 2);
    ch.CHDisplayR = NormaliseText(display.substr(2), 1);
    ch.Rxfreq = QuantiseFrequency(ch.Rxfreq);
    ch.Txfreq = QuantiseFrequency(ch.Txfreq);
    if (ch.RxComp && ch.DCS[1] > 104) ch.DCS[1] -= 104;
  }
  d.DscSettings.UserMmsi = NormaliseMmsi(d.DscSettings.UserMmsi);
  for (auto& e : d.AtisSettings.AtisCallSign) {
    e.MID = NormaliseCallSign(e.MID);
    e.DISP = NormaliseCallSign(e.DISP);
  }
  NormaliseDirectory(d.MemoryDirectory.data(), 40);
  NormaliseDirectory(d.GroupDirectory.data(), 10);
  return d;
}

void ExpectSameLists(const RadioData& got, const RadioData& want) {
  for (int g = 0; g < 4; ++g) {
    const auto& a = GroupList(got, g);
    const auto& b = GroupList(want, g);
    for (std::size_t i = 0; i < a.size(); ++i) {
      ASSERT_EQ(a[i], b[i]) << "group " << g << " index " << i << " tag '" << a[i].ChTag << "' vs '"
                            << b[i].ChTag << "'";
    }
  }
}

TEST(RoundTrip, DecodeOfEncodeGivesTheNormalisedDataSet) {
  for (int16_t series : kAllSeries) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
      SCOPED_TRACE(testing::Message() << "series " << series << " seed " << seed);
      Random r(seed * 7919 + series);
      RadioData x;
      BuildNewDataSet(x, series);
      Randomise(x, r);
      EncodeImage(x);
      const Image once = x.RadioImage;
      EncodeImage(x);
      ASSERT_EQ(x.RadioImage, once) << "a second encode changed the image";

      // Decode into a data set whose carried fields all differ, so none can pass by luck.
      RadioData y = x;
      Random other(seed + 100000);
      Randomise(y, other);
      y.RadioImage = x.RadioImage;
      DecodeImage(y);
      const RadioData want = Normalise(x);
      ExpectSameLists(y, want);
      EXPECT_EQ(y.UsableGroupSettings, want.UsableGroupSettings);
      EXPECT_EQ(y.CommonSettings, want.CommonSettings);
      EXPECT_EQ(y.DscSettings, want.DscSettings);
      EXPECT_EQ(y.AtisSettings, want.AtisSettings);
      EXPECT_EQ(y.MemoryDirectory, want.MemoryDirectory);
      EXPECT_EQ(y.GroupDirectory, want.GroupDirectory);
      EXPECT_EQ(y, want);
    }
  }
}

TEST(RoundTrip, DecodeFinishAndEncodeSurviveAnyBytes) {
  for (int16_t series : kAllSeries) {
    RadioData d;
    BuildNewDataSet(d, series);
    for (unsigned seed = 1; seed <= 60; ++seed) {
      std::mt19937 rng(seed);
      // Some images are mostly erased or zeroed, to reach the special codes.
      const int bias = seed % 3;
      for (auto& b : d.RadioImage) {
        const uint8_t v = static_cast<uint8_t>(rng());
        b = bias == 1 && (v & 1) ? 0xFF : bias == 2 && (v & 1) ? 0x00 : v;
      }
      DecodeImage(d);
      for (const auto& ch : d.FourthGroup) {
        ASSERT_TRUE(ch.Rxfreq == 0 || (ch.Rxfreq > 100 && ch.Rxfreq < 200));
        ASSERT_LE(ch.CHDisplayL.size(), 2u);
        ASSERT_LE(ch.ChTag.size(), 12u);
        ASSERT_TRUE(ch.Scramble >= 0 && ch.Scramble <= 7);
        ASSERT_TRUE(ch.CTCSS[0] >= 0 && ch.CTCSS[0] < 63 && ch.CTCSS[1] >= 0 && ch.CTCSS[1] < 63);
        ASSERT_TRUE(ch.DCS[0] >= 0 && ch.DCS[0] <= 359 && ch.DCS[1] >= 0 && ch.DCS[1] <= 359);
      }
      ASSERT_TRUE(d.CommonSettings.OffsetTime >= 0 && d.CommonSettings.OffsetTime <= 24);
      for (const auto& e : d.MemoryDirectory) ASSERT_LE(e.Mmsid.size(), 10u);
      PrepareImageForRadio(d);
      DecodeImage(d);
      const Image again = (PrepareImageForRadio(d), d.RadioImage);
      PrepareImageForRadio(d);
      ASSERT_EQ(d.RadioImage, again) << "preparing is not repeatable, seed " << seed;
    }
  }
}

}  // namespace
}  // namespace qw
