// Properties over many random data sets: decode(encode(x)) is x with the losses the image format
// implies, and encoding is repeatable. (Arbitrary bytes are the raw-image fuzzer's.)
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "model_test_support.h"

namespace qw::test {
namespace {

class Random {
 public:
  explicit Random(unsigned seed) : rng_(seed) {}
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Bool() { return Int(0, 1) == 1; }
  int16_t Small(int hi) { return static_cast<int16_t>(Int(0, hi)); }
  // Mostly characters the radio can show; now and then one it cannot (the last four).
  std::string Text(int max_length) {
    static const std::string kChars = "ABCXYZabz0189-+().*/ ,#_%\xE9";
    const int last = static_cast<int>(kChars.size()) - (Int(0, 5) == 0 ? 1 : 5);
    std::string s;
    for (int n = Int(0, max_length); n > 0; --n) s.push_back(kChars[Int(0, last)]);
    return s;
  }
  std::string Digits(int max_length) {
    std::string s;
    for (int n = Int(0, max_length); n > 0; --n) s.push_back(static_cast<char>('0' + Int(0, 9)));
    return s;
  }
  // In band with sub-step digits, none, out of band, or rounding up to 200 MHz.
  double Frequency() {
    const double odd[] = {0, 99.5, 250.0, 199.99996};
    const int k = Int(0, 6);
    return k < 4 ? odd[k] : 100.0 + Int(1, 999999) / 10000.0 + Int(0, 99) / 1e6;
  }
  template <std::size_t N>
  std::array<bool, N> Bools() {
    std::array<bool, N> a;
    for (auto& b : a) b = Bool();
    return a;
  }

 private:
  std::mt19937 rng_;
};

// Sets every field the codec carries for the series, and nothing else.
void RandomiseChannel(ChannelRecord& ch, Random& r, bool tags) {
  ch.Enable = r.Bool(), ch.ScanMemory = r.Bool();
  if (tags) ch.ChTag = r.Text(14);
  ch.TxEnable = r.Bool(), ch.LowPower = r.Bool(), ch.PowUp = r.Bool(), ch.Scramble = r.Small(15);
}

void Randomise(RadioData& d, Random& r) {
  const bool third = d.ModelSeries == kSeriesThird;
  const bool tags = d.ModelSeries != kSeriesMV510;
  for (int g = 0; g < 4; ++g) {
    auto& s = d.UsableGroupSettings[g];
    s = {.Usable = r.Bool(),
         .TxTot = r.Bool(),
         .PriorityCh = g == 3 || r.Int(0, 5) == 0 ? kNoChannel : r.Int(0, 279),
         .StatusIcon = r.Bool(),
         .StatusName = tags ? r.Text(5) : s.StatusName};
  }
  // Braced initialisers are evaluated in order, so a seed always gives the same data set.
  d.CommonSettings = {.TxPoDisplay = r.Small(255),
                      .Scan = r.Bool(),
                      .ResumeTime = r.Small(3),
                      .PttScanClear = r.Bool(),
                      .DualWatch = r.Bool(),
                      .OffsetTime = third ? r.Small(24) : int16_t{0},
                      .MagneticVariation = third ? r.Small(1) : int16_t{0},
                      .Weater = r.Small(3),
                      .Rotary = third && r.Bool()};
  d.AtisSettings.UsableAtisGroup = r.Bools<4>(), d.AtisSettings.AtisCode = r.Digits(10);
  if (third) {
    const auto tx = r.Bools<4>();
    d.DscSettings = {r.Bools<3>(), r.Digits(10), r.Bools<4>(), {false, false, tx[2], tx[3]},
                     r.Bools<8>(), r.Bools<4>(), r.Bools<4>(), r.Bools<4>(),
                     r.Bools<4>(), r.Bools<4>(), r.Bools<4>(), r.Bools<3>()};
    d.AtisSettings.AtisKillerGroup = r.Bools<4>();
    for (auto& e : d.AtisSettings.AtisCallSign) e = {r.Text(4), r.Text(4)};
    for (auto& e : d.MemoryDirectory) e = {r.Bool(), r.Text(12), r.Int(0, 9) ? r.Digits(10) : ""};
    for (auto& e : d.GroupDirectory) e = {r.Bool(), r.Text(12), r.Int(0, 3) ? r.Digits(10) : ""};
  }
  for (int g = kGroupUSA; g <= kGroupCANADA; ++g) {
    for (auto& ch : GroupList(d, g)) {
      RandomiseChannel(ch, r, tags);
      ch.Duplex = r.Bool();
    }
  }
  for (auto& ch : d.WX) {
    ch.Enable = r.Bool(), ch.ScanMemory = r.Bool();
    if (tags) ch.ChTag = r.Text(14);
  }
  for (auto& ch : d.FourthGroup) {
    RandomiseChannel(ch, r, tags);
    ch.Narrow = r.Bool(), ch.CHDisplayL = r.Text(3), ch.CHDisplayR = r.Text(2);
    ch.Rxfreq = r.Frequency(), ch.Txfreq = r.Frequency();
    if (d.ModelSeries != kSeriesMV710) continue;
    ch.CTCSS = {r.Small(50), r.Small(50)}, ch.DCS = {r.Small(208), r.Small(208)};
    ch.RxComp = r.Bool();
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

// Right-aligned in three bytes; blanks and commas become erased bytes.
std::string NormaliseCallSign(const std::string& s) {
  std::string out;
  for (char ch : ("   " + s).substr(s.size()))
    if (ch != ' ' && ch != ',' && IsTextCharacter(static_cast<uint8_t>(ch))) out.push_back(ch);
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

// A directory is the run of entries up to the first one without an MMSI.
template <std::size_t N>
void NormaliseDirectory(std::array<DirectoryEntry, N>& entries) {
  bool ended = false;
  for (auto& e : entries) {
    e.Mmsid = NormaliseMmsi(e.Mmsid);
    ended = ended || e.Mmsid.empty();
    e = ended ? DirectoryEntry{} : DirectoryEntry{true, NormaliseText(e.TagName, 11), e.Mmsid};
  }
}

// The data set as decoding its own encoded image gives it back.
RadioData Normalise(RadioData d) {
  for (auto& s : d.UsableGroupSettings) s.StatusName = NormaliseText(s.StatusName, 4);
  for (int g = kGroupUSA; g <= kGroupCANADA; ++g)
    for (auto& ch : GroupList(d, g)) NormaliseChannel(ch, true);
  for (auto& ch : d.WX) ch.ChTag = NormaliseText(ch.ChTag, 12);
  for (auto& ch : d.FourthGroup) {
    NormaliseChannel(ch, false);
    std::string display = (ch.CHDisplayL.substr(0, 2) + "  ").substr(0, 2);
    display.push_back(ch.CHDisplayR.empty() ? ' ' : ch.CHDisplayR.back());
    ch.CHDisplayL = NormaliseText(display.substr(0, 2), 2);
    ch.CHDisplayR = NormaliseText(display.substr(2), 1), ch.Rxfreq = QuantiseFrequency(ch.Rxfreq);
    ch.Txfreq = QuantiseFrequency(ch.Txfreq);
    if (ch.RxComp && ch.DCS[1] > 104) ch.DCS[1] -= 104;  // no second bank with the compander
  }
  d.DscSettings.UserMmsi = NormaliseMmsi(d.DscSettings.UserMmsi);
  for (auto& e : d.AtisSettings.AtisCallSign)
    e = {NormaliseCallSign(e.MID), NormaliseCallSign(e.DISP)};
  NormaliseDirectory(d.MemoryDirectory);
  NormaliseDirectory(d.GroupDirectory);
  return d;
}

TEST(RoundTrip, DecodeOfEncodeGivesTheNormalisedDataSet) {
  for (int16_t series : kAllSeries) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
      SCOPED_TRACE(testing::Message() << "series " << series << " seed " << seed);
      Random r(seed * 7919 + series);
      RadioData x = NewData(series);
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
      EXPECT_EQ(y, Normalise(x));
    }
  }
}

}  // namespace
}  // namespace qw::test
