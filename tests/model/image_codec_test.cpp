// Where the encoder puts each field and what the decoder makes of the bytes, per series and
// per field.
#include "model/image_codec.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "model_test_support.h"

namespace qw::test {
namespace {

class CodecPerSeries : public testing::TestWithParam<int16_t> {
 protected:
  int16_t series = GetParam();
  bool tags = series != kSeriesMV510;
  bool third = series == kSeriesThird;
  RadioData d = NewData(series);
};
INSTANTIATE_TEST_SUITE_P(Series, CodecPerSeries, testing::ValuesIn(kAllSeries),
                         [](const auto& info) { return "Series" + std::to_string(info.param); });

// The channel records' bytes: the tags of every list, the marine flag bytes, and a fourth-group
// record with its tones and its enable and scan bits.
TEST_P(CodecPerSeries, ChannelRecordsAtTheirPlaces) {
  d.FourthGroup[5].ChTag = "MARINA";
  d.USA[32].PowUp = true;
  d.USA[32].Scramble = 13;        // only the low three bits
  d.INTL[33].Duplex = true;       // 16A cannot be duplex
  d.CANADA[140].LowPower = true;  // CANADA 70 receives only: low power means nothing
  d.RadioImage[768 + 2 * 32 + 1] = 0x5A;
  ChannelRecord& ch = d.FourthGroup[3];
  ch.Enable = ch.ScanMemory = ch.TxEnable = ch.LowPower = ch.PowUp = ch.Narrow = true;
  ch.Scramble = 2, ch.CHDisplayL = "7", ch.CHDisplayR = "AB", ch.Rxfreq = 156.025;
  ch.Txfreq = 151.0, ch.CTCSS = {12, 50}, ch.DCS = {105, 110}, ch.RxComp = true;
  EncodeImage(d);
  const Image& im = d.RadioImage;
  auto expect = [&](int offset, const std::string& tag) {
    EXPECT_EQ(Bytes(im, offset, 12), Text(tags ? tag : "", 12)) << offset;
  };
  expect(3072 + 12 * 32, "DISTRESS");  // USA 16
  expect(5952 + 12 * 26, "BRG/BRG");   // INTL 13
  expect(8832 + 12 * 12, "SAFETY");    // CANADA 06
  expect(11712 + 12 * 9, "163.275MHZ");
  expect(11840 + 12 * 5, "MARINA");
  // USA 24: full power, duplex; USA 13: low power; USA 15: receive only; USA 16: full power,
  // power-up, scrambler 5, its second byte kept; INTL 16A; CANADA 70.
  const std::pair<int, int> bytes[] = {
      {768 + 2 * 48, 0xE0},     {768 + 2 * 26, 0x40},  {768 + 2 * 30, 0x00},  {768 + 2 * 32, 0xDA},
      {768 + 2 * 32 + 1, 0x5A}, {1280 + 2 * 33, 0xC0}, {1792 + 2 * 140, 0x00}};
  for (auto [offset, value] : bytes) EXPECT_EQ(im[offset], value) << offset;
  const int base = 2304 + 16 * 3;
  EXPECT_EQ(Bytes(im, base, 10),
            (std::vector<uint8_t>{0x55, '7', ' ', 'B', 0x56, 0x02, 0x50, 0x51, 0x00, 0x00}));
  const std::vector<uint8_t> tones = series == kSeriesMV710
                                         ? std::vector<uint8_t>{0xAC, 0x8C, 6, 1, 0, 0}
                                         : std::vector<uint8_t>(6, 0);
  EXPECT_EQ(Bytes(im, base + 10, 6), tones);
  EXPECT_EQ(im[450], 0x10);
  EXPECT_EQ(im[466], 0x10);
}

TEST_P(CodecPerSeries, HeaderBitsKeepTheirSpareBits) {
  auto& s = d.CommonSettings;
  s = {2, false, 1, false, false, 0, 1, 1, false};
  for (int g = 0; g < 4; ++g) d.UsableGroupSettings[g] = {g % 2 == 0, g == 3, 32, g == 1, "ab"};
  d.FourthGroup[0].Enable = true;  // keeps the fourth group usable under the third variant
  d.UsableGroupSettings[1].PriorityCh = 243, d.UsableGroupSettings[2].PriorityCh = kNoChannel;
  d.RadioImage[93] = 0xFF;
  EncodeImage(d);
  const Image& im = d.RadioImage;
  EXPECT_EQ((std::vector<int>{im[68], im[91], im[93], im[94]}),
            (std::vector<int>{2, 0x42, 0x5A, 0x41}));
  EXPECT_EQ(Bytes(im, 84, 6), (std::vector<uint8_t>{0x00, 0x20, 0x00, 0xF3, 0xFF, 0xFF}));
  EXPECT_EQ(Bytes(im, 148, 4), Text(tags ? "ab" : "", 4));
  // Offset time, magnetic variation and rotary belong to the third variant.
  EXPECT_EQ(im[76], third ? 0x6C : 0x30);
  s.Rotary = true;
  EncodeImage(d);
  EXPECT_EQ(im[90], third ? 0xF3 : 0xF2);
}

TEST_P(CodecPerSeries, DscDirectoriesAndCallSignsOnlyForTheThirdVariant) {
  auto& dsc = d.DscSettings;
  dsc.PosRequest = {true, false, false, true}, dsc.Tx = {true, true, true, false};
  dsc.UserMmsi = "123456789", dsc.AckMenu = {false, true, true};
  d.MemoryDirectory[1] = {true, "HOME", "987654321"}, d.AtisSettings.AtisCallSign[0] = {"ab", "1"};
  d.AtisSettings.AtisKillerGroup = {false, true, false, false};
  d.AtisSettings.UsableAtisGroup = {true, false, true, false}, d.AtisSettings.AtisCode = "12345";
  EncodeImage(d);
  const Image& im = d.RadioImage;
  EXPECT_EQ(Bytes(im, 507, 5), (std::vector<uint8_t>{0x12, 0x34, 0x5F, 0xFF, 0xFF}));
  if (!third) {
    EXPECT_EQ(im[505], 0xAF);  // the other regions are checked with the unassigned bytes
    return;
  }
  // Bits 5..2 and 0 of byte 166 are no DSC field and stay set.
  EXPECT_EQ((std::vector<int>{im[164], im[166], im[505]}), (std::vector<int>{0x64, 0x7F, 0xA4}));
  // The MMSI's tenth digit is always 0.
  EXPECT_EQ(Bytes(im, 496, 5), (std::vector<uint8_t>{0x12, 0x34, 0x56, 0x78, 0x90}));
  EXPECT_EQ(Bytes(im, 12816, 16),
            (std::vector<uint8_t>{0x98, 0x76, 0x54, 0x32, 0x10, 'H', 'O', 'M', 'E', 0xFF, 0xFF,
                                  0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(Bytes(im, 12544, 6), (std::vector<uint8_t>{0xFF, 'a', 'b', 0xFF, 0xFF, '1'}));
}

// Byte patterns the encoder never writes, and fields a series does not have.
TEST_P(CodecPerSeries, DecodeOfForeignBytes) {
  Image& im = d.RadioImage;
  im[768 + 2 * 32] = 0xB6;  // transmit mode 2, duplex, power-up, scrambler 3
  std::fill(im.begin() + 144, im.begin() + 160, 'Z');
  std::fill(im.begin() + 3072, im.begin() + 3072 + 12 * 33, 'Z');
  d.FourthGroup[0].CTCSS = d.FourthGroup[0].DCS = {7, 7};
  // Mode 3, both CTCSS fields 63, receive DCS erased, transmit DCS 5 in the second bank.
  const uint8_t tones[4] = {0xBF, 0xFF, 0xFF, 0x05};
  std::copy(tones, tones + 4, im.begin() + 2304 + 10);
  DecodeImage(d);
  const ChannelRecord& usa16 = d.USA[32];
  EXPECT_FALSE(usa16.TxEnable || usa16.LowPower);
  EXPECT_TRUE(usa16.Duplex && usa16.PowUp);
  EXPECT_EQ(usa16.Scramble, 3);
  // Without tags the radio's bytes there are not ours: the data set keeps its own.
  EXPECT_EQ(usa16.ChTag, tags ? "ZZZZZZZZZZZZ" : "DISTRESS");
  EXPECT_EQ(d.UsableGroupSettings[0].StatusName, tags ? "ZZZZ" : "");
  const ChannelRecord& ch = d.FourthGroup[0];
  if (series == kSeriesMV710) {
    EXPECT_EQ(ch.CTCSS, (std::array<int16_t, 2>{0, 0}));
    EXPECT_EQ(ch.DCS, (std::array<int16_t, 2>{109, 0}));
    EXPECT_FALSE(ch.RxComp);
  } else {
    EXPECT_EQ(ch.CTCSS, (std::array<int16_t, 2>{7, 7}));
    EXPECT_EQ(ch.DCS, (std::array<int16_t, 2>{7, 7}));
  }
}

// Single fields: edge values and byte patterns the round trips never produce.

using Bytes3 = std::vector<uint8_t>;

// Frequencies written at the edges of the band, and read up to the first nibble that is no digit.
TEST(ImageFields, EdgesOfTheBandForeignNibblesAndOffsetTimesOutOfRange) {
  const std::pair<double, Bytes3> cases[] = {
      {100.0001, {0x00, 0x00, 0x01}},
      {199.9999, {0x99, 0x99, 0x99}},
      {156.01234, {0x56, 0x01, 0x23}},
      {100, {0, 0, 0}},
      {200, {0, 0, 0}},
      {199.99996, {0, 0, 0}},  // rounds to 200
  };
  for (const auto& [mhz, bytes] : cases) {
    Image image;
    image.fill(0xFF);
    WriteFrequency(image, {40}, mhz);
    EXPECT_EQ(Bytes(image, 40, 3), bytes) << mhz;
  }
  const std::pair<Bytes3, double> reads[] = {
      {{0xFF, 0xFF, 0xFF}, 0}, {{0x00, 0x00, 0x00}, 0},     {{0x5A, 0x12, 0x34}, 105},
      {{0xA5, 0x00, 0x00}, 0}, {{0x56, 0x8F, 0x12}, 156.8},
  };
  for (const auto& [bytes, mhz] : reads) {
    Image image{};
    std::copy(bytes.begin(), bytes.end(), image.begin() + 40);
    EXPECT_EQ(ReadFrequency(image, {40}), mhz);
  }
  // Offset times out of range, and codes the encoder never writes.
  EXPECT_EQ(std::pair(EncodeOffsetTime(-3), EncodeOffsetTime(30)), std::pair(0x0C, 0x1C));
  // 0x0F: magnitude above 12 taken as 12; 0x3C: bits above the field ignored.
  EXPECT_EQ((std::vector<int>{DecodeOffsetTime(0x00), DecodeOffsetTime(0x1F),
                              DecodeOffsetTime(0x0F), DecodeOffsetTime(0x3C)}),
            (std::vector<int>{12, 12, 0, 24}));
}

// The byte ranges the map gives each series; nothing outside them may change on an encode.
bool Assigned(int i, int16_t series) {
  // First and last offset, and whether only the third variant has the range.
  static const std::tuple<int, int, bool> kRanges[] = {
      {68, 68, false},      {76, 76, true},       {84, 91, false},      {93, 94, false},
      {144, 159, false},    {160, 166, true},     {256, 470, false},    {496, 500, true},
      {505, 511, false},    {768, 2943, false},   {3072, 12319, false}, {12544, 12703, true},
      {12800, 13439, true}, {13568, 13727, true},
  };
  if (series == kSeriesMV510 && i >= 3072) return false;
  for (const auto& [first, last, third_only] : kRanges)
    if (i >= first && i <= last && (!third_only || series == kSeriesThird)) return true;
  return false;
}

TEST_P(CodecPerSeries, EncodeLeavesUnassignedBytesAlone) {
  std::mt19937 rng(7);
  for (auto& b : d.RadioImage) b = static_cast<uint8_t>(rng());
  const Image before = d.RadioImage;
  EncodeImage(d);
  for (int i = 0; i < kImageSize; ++i)
    ASSERT_TRUE(Assigned(i, series) || d.RadioImage[i] == before[i]) << "offset " << i;
  // Spare bits of partly used header bytes.
  EXPECT_EQ(d.RadioImage[91] & 0x71, before[91] & 0x71);
  EXPECT_EQ(d.RadioImage[93] & 0x40, before[93] & 0x40);
}

}  // namespace
}  // namespace qw::test
