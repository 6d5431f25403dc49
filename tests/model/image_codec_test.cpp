// Where the encoder puts each field and what the decoder makes of the bytes, per series.
#include "model/image_codec.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "model/channel_plans.h"

namespace qw {
namespace {

std::vector<uint8_t> Bytes(const Image& image, int offset, int count) {
  return {image.begin() + offset, image.begin() + offset + count};
}

std::vector<uint8_t> Text(const std::string& s, int length) {
  std::vector<uint8_t> v(s.begin(), s.end());
  v.resize(length, 0xFF);
  return v;
}

RadioData NewData(int16_t series) {
  RadioData d;
  BuildNewDataSet(d, series);
  return d;
}

struct SeriesCase {
  int16_t series;
  bool tags;
  bool third;
};
class CodecPerSeries : public testing::TestWithParam<SeriesCase> {};
INSTANTIATE_TEST_SUITE_P(Series, CodecPerSeries,
                         testing::Values(SeriesCase{kSeriesMV710, true, false},
                                         SeriesCase{kSeriesMV510, false, false},
                                         SeriesCase{kSeriesThird, true, true}),
                         [](const auto& info) {
                           return "Series" + std::to_string(info.param.series);
                         });

TEST_P(CodecPerSeries, TagsOfEveryListAtTheirSlots) {
  const SeriesCase c = GetParam();
  RadioData d = NewData(c.series);
  d.FourthGroup[5].ChTag = "MARINA";
  EncodeImage(d);
  const Image& im = d.RadioImage;
  auto expect = [&](int offset, const std::string& tag) {
    EXPECT_EQ(Bytes(im, offset, 12), c.tags ? Text(tag, 12) : Text("", 12)) << offset;
  };
  expect(3072 + 12 * 32, "DISTRESS");  // USA 16
  expect(5952 + 12 * 26, "BRG/BRG");   // INTL 13
  expect(8832 + 12 * 12, "SAFETY");    // CANADA 06
  expect(11712 + 12 * 9, "163.275MHZ");
  expect(11840 + 12 * 5, "MARINA");
}

TEST_P(CodecPerSeries, MarineFlagBytes) {
  RadioData d = NewData(GetParam().series);
  d.USA[32].PowUp = true;
  d.USA[32].Scramble = 13;        // only the low three bits
  d.INTL[33].Duplex = true;       // 16A cannot be duplex
  d.CANADA[140].LowPower = true;  // CANADA 70 receives only: low power means nothing
  d.RadioImage[768 + 2 * 32 + 1] = 0x5A;
  EncodeImage(d);
  const Image& im = d.RadioImage;
  EXPECT_EQ(im[768 + 2 * 48], 0xE0);  // USA 24: full power, duplex
  EXPECT_EQ(im[768 + 2 * 26], 0x40);  // USA 13: low power
  EXPECT_EQ(im[768 + 2 * 30], 0x00);  // USA 15: receive only
  EXPECT_EQ(im[768 + 2 * 32], 0xDA);  // USA 16: full power, power-up, scrambler 5
  EXPECT_EQ(im[768 + 2 * 32 + 1], 0x5A);
  EXPECT_EQ(im[1280 + 2 * 33], 0xC0);
  EXPECT_EQ(im[1792 + 2 * 140], 0x00);
}

TEST_P(CodecPerSeries, HeaderBitsKeepTheirSpareBits) {
  const SeriesCase c = GetParam();
  RadioData d = NewData(c.series);
  auto& s = d.CommonSettings;
  s.Scan = false;
  s.PttScanClear = false;
  s.ResumeTime = 1;
  s.DualWatch = false;
  s.Weater = 1;
  s.TxPoDisplay = 2;
  s.OffsetTime = 0;
  s.MagneticVariation = 1;
  s.Rotary = false;
  for (int g = 0; g < 4; ++g) {
    d.UsableGroupSettings[g].Usable = g % 2 == 0;
    d.UsableGroupSettings[g].StatusIcon = g == 1;
    d.UsableGroupSettings[g].TxTot = g == 3;
    d.UsableGroupSettings[g].StatusName = "ab";
  }
  d.FourthGroup[0].Enable = true;  // keeps the fourth group usable under the third variant
  d.UsableGroupSettings[1].PriorityCh = 243;
  d.UsableGroupSettings[2].PriorityCh = kNoChannel;
  d.RadioImage[93] = 0xFF;
  EncodeImage(d);
  const Image& im = d.RadioImage;
  EXPECT_EQ(im[68], 2);
  EXPECT_EQ(im[91], 0x42);
  EXPECT_EQ(im[93], 0x5A);
  EXPECT_EQ(im[94], 0x41);
  EXPECT_EQ(Bytes(im, 84, 6), (std::vector<uint8_t>{0x00, 0x20, 0x00, 0xF3, 0xFF, 0xFF}));
  EXPECT_EQ(Bytes(im, 148, 4), c.tags ? Text("ab", 4) : Text("", 4));
  // Offset time, magnetic variation and rotary belong to the third variant.
  EXPECT_EQ(im[76], c.third ? 0x6C : 0x30);
  EXPECT_EQ(im[90], c.third ? 0xF2 : 0xF2);
  d.CommonSettings.Rotary = true;
  EncodeImage(d);
  EXPECT_EQ(im[90], c.third ? 0xF3 : 0xF2);
}

TEST_P(CodecPerSeries, FourthGroupRecordAndTones) {
  const SeriesCase c = GetParam();
  RadioData d = NewData(c.series);
  ChannelRecord& ch = d.FourthGroup[3];
  ch.Enable = true;
  ch.ScanMemory = true;
  ch.TxEnable = true;
  ch.LowPower = true;
  ch.PowUp = true;
  ch.Scramble = 2;
  ch.Narrow = true;
  ch.CHDisplayL = "7";
  ch.CHDisplayR = "AB";
  ch.Rxfreq = 156.025;
  ch.Txfreq = 151.0;
  ch.CTCSS = {12, 50};
  ch.DCS = {105, 110};
  ch.RxComp = true;
  EncodeImage(d);
  const Image& im = d.RadioImage;
  const int base = 2304 + 16 * 3;
  EXPECT_EQ(Bytes(im, base, 10),
            (std::vector<uint8_t>{0x55, '7', ' ', 'B', 0x56, 0x02, 0x50, 0x51, 0x00, 0x00}));
  const std::vector<uint8_t> tones = c.series == kSeriesMV710
                                         ? std::vector<uint8_t>{0xAC, 0x8C, 6, 1, 0, 0}
                                         : std::vector<uint8_t>(6, 0);
  EXPECT_EQ(Bytes(im, base + 10, 6), tones);
  EXPECT_EQ(im[450], 0x10);
  EXPECT_EQ(im[466], 0x10);

  RadioData back = NewData(c.series);
  back.RadioImage = im;
  DecodeImage(back);
  const ChannelRecord& r = back.FourthGroup[3];
  EXPECT_EQ(r.CHDisplayL, "7");
  EXPECT_EQ(r.CHDisplayR, "B");
  EXPECT_EQ(r.Rxfreq, 156.025);
  EXPECT_EQ(r.Txfreq, 151.0);
  EXPECT_TRUE(r.Narrow && r.LowPower && r.TxEnable && r.PowUp);
  if (c.series == kSeriesMV710) {
    EXPECT_EQ(r.CTCSS, (std::array<int16_t, 2>{12, 50}));
    EXPECT_EQ(r.DCS, (std::array<int16_t, 2>{105, 6}));  // compander: no second bank on receive
    EXPECT_TRUE(r.RxComp);
  } else {
    EXPECT_EQ(r.CTCSS, (std::array<int16_t, 2>{}));
    EXPECT_FALSE(r.RxComp);
  }
}

TEST_P(CodecPerSeries, DscDirectoriesAndCallSignsOnlyForTheThirdVariant) {
  const SeriesCase c = GetParam();
  RadioData d = NewData(c.series);
  auto& dsc = d.DscSettings;
  dsc.PosRequest = {true, false, false, true};
  dsc.Tx = {true, true, true, false};
  dsc.UserMmsi = "123456789";
  dsc.AckMenu = {false, true, true};
  d.MemoryDirectory[1] = {true, "HOME", "987654321"};
  d.AtisSettings.AtisCallSign[0] = {"ab", "1"};
  d.AtisSettings.AtisKillerGroup = {false, true, false, false};
  d.AtisSettings.UsableAtisGroup = {true, false, true, false};
  d.AtisSettings.AtisCode = "12345";
  const Image before = d.RadioImage;
  EncodeImage(d);
  const Image& im = d.RadioImage;
  EXPECT_EQ(Bytes(im, 507, 5), (std::vector<uint8_t>{0x12, 0x34, 0x5F, 0xFF, 0xFF}));
  if (!c.third) {
    EXPECT_EQ(im[505], 0xAF);
    for (int at : {160, 164, 166, 496, 12544, 12816}) EXPECT_EQ(im[at], before[at]) << at;
    return;
  }
  EXPECT_EQ(im[505], 0xA4);
  EXPECT_EQ(im[164], 0x64);
  EXPECT_EQ(im[166], 0x7F);  // bits 5..2 and 0 are no DSC field and stay set
  EXPECT_EQ(Bytes(im, 496, 5), (std::vector<uint8_t>{0x12, 0x34, 0x56, 0x78, 0x90}));
  EXPECT_EQ(Bytes(im, 12816, 16),
            (std::vector<uint8_t>{0x98, 0x76, 0x54, 0x32, 0x10, 'H', 'O', 'M', 'E', 0xFF, 0xFF,
                                  0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(Bytes(im, 12544, 6), (std::vector<uint8_t>{0xFF, 'a', 'b', 0xFF, 0xFF, '1'}));
}

TEST(Decode, MarineFlagByteWithUnknownTransmitMode) {
  RadioData d = NewData(kSeriesMV710);
  d.RadioImage[768 + 2 * 32] = 0xB6;
  DecodeImage(d);
  const ChannelRecord& ch = d.USA[32];
  EXPECT_FALSE(ch.TxEnable);
  EXPECT_FALSE(ch.LowPower);
  EXPECT_TRUE(ch.Duplex);
  EXPECT_TRUE(ch.PowUp);
  EXPECT_EQ(ch.Scramble, 3);
}

TEST(Decode, Mv510KeepsTagsAndStatusNamesButReadsFlags) {
  RadioData d = NewData(kSeriesMV510);
  d.UsableGroupSettings[0].StatusName = "OWN";
  std::fill(d.RadioImage.begin() + 3072, d.RadioImage.begin() + 3072 + 2880, 'Z');
  std::fill(d.RadioImage.begin() + 144, d.RadioImage.begin() + 160, 'Z');
  d.RadioImage[768 + 2 * 32] = 0xC6;
  DecodeImage(d);
  EXPECT_EQ(d.USA[32].ChTag, "DISTRESS");
  EXPECT_EQ(d.USA[0].ChTag, "");
  EXPECT_EQ(d.UsableGroupSettings[0].StatusName, "OWN");
  EXPECT_EQ(d.USA[32].Scramble, 3);
}

TEST(Decode, DirectoryEndsAtTheFirstEmptyMmsi) {
  RadioData d = NewData(kSeriesThird);
  Image& im = d.RadioImage;
  const uint8_t mmsi[5] = {0x12, 0x34, 0x56, 0x78, 0x90};
  for (int n : {0, 1, 3}) {
    std::copy(mmsi, mmsi + 5, im.begin() + 12800 + 16 * n);
    im[12800 + 16 * n + 5] = 'X';
  }
  d.MemoryDirectory[5] = {true, "OLD", "111"};
  DecodeImage(d);
  EXPECT_EQ(d.MemoryDirectory[0], (DirectoryEntry{true, "X", "1234567890"}));
  EXPECT_TRUE(d.MemoryDirectory[1].Enable);
  for (int n = 2; n < 40; ++n) EXPECT_EQ(d.MemoryDirectory[n], DirectoryEntry{}) << n;
}

TEST(Decode, TonesOnlyUnderMv710AndOutOfRangeCodes) {
  for (int16_t series : {kSeriesMV710, kSeriesMV510, kSeriesThird}) {
    RadioData d = NewData(series);
    d.FourthGroup[0].CTCSS = {7, 7};
    d.FourthGroup[0].DCS = {9, 9};
    // Mode 3, both CTCSS fields 63, receive DCS erased, transmit DCS 5 in the second bank.
    const uint8_t tones[4] = {0xBF, 0xFF, 0xFF, 0x05};
    std::copy(tones, tones + 4, d.RadioImage.begin() + 2304 + 10);
    DecodeImage(d);
    const ChannelRecord& ch = d.FourthGroup[0];
    if (series == kSeriesMV710) {
      EXPECT_EQ(ch.CTCSS, (std::array<int16_t, 2>{0, 0}));
      EXPECT_EQ(ch.DCS, (std::array<int16_t, 2>{109, 0}));
      EXPECT_FALSE(ch.RxComp);
    } else {
      EXPECT_EQ(ch.CTCSS, (std::array<int16_t, 2>{7, 7}));
      EXPECT_EQ(ch.DCS, (std::array<int16_t, 2>{9, 9}));
    }
  }
}

TEST(Decode, OffsetTimeAndMagneticVariationOnlyForTheThirdVariant) {
  for (int16_t series : {kSeriesThird, kSeriesMV710}) {
    RadioData d = NewData(series);
    d.RadioImage[76] = 0x5C;
    DecodeImage(d);
    EXPECT_EQ(d.CommonSettings.OffsetTime, series == kSeriesThird ? 24 : 0);
    EXPECT_EQ(d.CommonSettings.MagneticVariation, series == kSeriesThird ? 1 : 0);
    EXPECT_EQ(d.RadioImage[76], 0x5C);
  }
}

// The byte ranges the map gives each series; nothing outside them may change on an encode.
bool Assigned(int i, int16_t series) {
  struct Range {
    int first, last;
    bool third_only;
  };
  static const Range kRanges[] = {
      {68, 68, false},      {76, 76, true},       {84, 91, false},      {93, 94, false},
      {144, 159, false},    {160, 166, true},     {256, 470, false},    {496, 500, true},
      {505, 511, false},    {768, 2943, false},   {3072, 12319, false}, {12544, 12703, true},
      {12800, 13439, true}, {13568, 13727, true},
  };
  if (series == kSeriesMV510 && i >= 3072) return false;
  for (const Range& r : kRanges) {
    if (i >= r.first && i <= r.last && (!r.third_only || series == kSeriesThird)) return true;
  }
  return false;
}

TEST_P(CodecPerSeries, EncodeLeavesUnassignedBytesAlone) {
  const SeriesCase c = GetParam();
  RadioData d = NewData(c.series);
  std::mt19937 rng(7);
  for (auto& b : d.RadioImage) b = static_cast<uint8_t>(rng());
  const Image before = d.RadioImage;
  EncodeImage(d);
  for (int i = 0; i < kImageSize; ++i) {
    if (!Assigned(i, c.series)) {
      ASSERT_EQ(d.RadioImage[i], before[i]) << "offset " << i;
    }
  }
  // Spare bits of partly used header bytes.
  EXPECT_EQ(d.RadioImage[91] & 0x71, before[91] & 0x71);
  EXPECT_EQ(d.RadioImage[93] & 0x40, before[93] & 0x40);
}

}  // namespace
}  // namespace qw
