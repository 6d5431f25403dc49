// Master tables, plans, tone lists and the new data set with its default image.
#include "model/channel_plans.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/image_codec.h"

namespace qw {
namespace {

constexpr int16_t kAllSeries[] = {kSeriesThird, kSeriesMV510, kSeriesMV710};

std::vector<uint8_t> Bytes(const Image& image, int offset, int count) {
  return {image.begin() + offset, image.begin() + offset + count};
}

TEST(MasterTables, SlotsPairChannelsWithTheirASuffix) {
  const auto& m = ChannelMasterTable();
  struct Case {
    int slot;
    const char* label;
    double mhz;
    bool duplex;
  };
  for (const Case& c : {Case{0, "00", 156.0, true}, Case{18, "09", 156.45, true},
                        Case{32, "16", 156.8, true}, Case{33, "16A", 156.8, false},
                        Case{121, "60A", 156.025, false}, Case{238, "119", 158.975, true}}) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(m[c.slot].Label, c.label);
    EXPECT_NEAR(m[c.slot].TxFreq, c.mhz, 1e-9);
    EXPECT_NEAR(m[c.slot].RxFreqSimplex, c.mhz, 1e-9);
    EXPECT_EQ(m[c.slot].DuplexCapable, c.duplex);
    EXPECT_NEAR(m[c.slot].RxFreqDuplex, c.duplex ? c.mhz + 4.6 : 0, 1e-9);
  }
  const auto& wx = WxMasterTable();
  EXPECT_EQ(wx[0].Label, "WX01[162.550MHz]");
  EXPECT_EQ(wx[9].FreqText, "163.275MHZ");
  EXPECT_DOUBLE_EQ(wx[7].RxFreq1, 161.65);
}

TEST(MasterTables, ToneLists) {
  ASSERT_EQ(CtcssList().size(), 51u);
  ASSERT_EQ(DcsList().size(), 105u);
  EXPECT_EQ(CtcssList()[0], "Off");
  EXPECT_EQ(CtcssList()[12], "97.4Hz");
  EXPECT_EQ(CtcssList()[50], "254.1Hz");
  EXPECT_EQ(DcsList()[1], "023");
  EXPECT_EQ(DcsList()[104], "754");
}

TEST(ChannelPlans, EntryCountsAndSpotChecks) {
  EXPECT_EQ(ChannelPlan(kGroupUSA).size(), 55u);
  EXPECT_EQ(ChannelPlan(kGroupINTL).size(), 55u);
  EXPECT_EQ(ChannelPlan(kGroupCANADA).size(), 56u);

  RadioData d;
  BuildNewDataSet(d, kSeriesMV710);
  const ChannelRecord& usa16 = d.USA[32];
  EXPECT_TRUE(usa16.Enable && usa16.TxEnable);
  EXPECT_EQ(usa16.ChTag, "DISTRESS");
  const ChannelRecord& usa15 = d.USA[30];
  EXPECT_TRUE(usa15.RxOnly);
  EXPECT_FALSE(usa15.TxEnable);
  EXPECT_FALSE(usa15.DuplexCapable);
  for (int g = kGroupUSA; g <= kGroupCANADA; ++g) EXPECT_FALSE(GroupList(d, g)[0].Enable);
  EXPECT_FALSE(d.INTL[26].LowPower);
  EXPECT_TRUE(d.USA[26].LowPower);
  EXPECT_TRUE(d.CANADA[26].LowPower);
  EXPECT_TRUE(d.CANADA[40].Duplex && d.CANADA[40].LowPower);  // 20 [D, L]
  EXPECT_EQ(d.USA[12].ChTag, "SAFTY");
  EXPECT_EQ(d.CANADA[12].ChTag, "SAFETY");
  EXPECT_TRUE(d.USA[7].Enable);  // 03A, without a tag
  EXPECT_EQ(d.USA[7].ChTag, "");
  EXPECT_TRUE(d.INTL[2].Duplex && d.INTL[4].Duplex && d.INTL[6].Duplex);  // 01, 02, 03
  for (int slot = 0; slot < 240; ++slot) {
    EXPECT_EQ(d.USA[slot].Position, slot);
    if (!d.USA[slot].Enable) {
      EXPECT_TRUE(d.USA[slot].TxEnable);
    }
  }
}

TEST(NewDataSet, WeatherListAndEmptyFourthGroup) {
  RadioData d;
  BuildNewDataSet(d, kSeriesMV710);
  ASSERT_EQ(d.WX.size(), 10u);
  const ChannelRecord& wx1 = d.WX[0];
  EXPECT_EQ(wx1.Position, 1);
  EXPECT_TRUE(wx1.Enable && wx1.Duplex && wx1.DuplexCapable);
  EXPECT_FALSE(wx1.TxEnable || wx1.LowPower || wx1.DispayA || wx1.ScanMemory);
  EXPECT_EQ(wx1.ChTag, "162.550MHZ");
  ASSERT_EQ(d.FourthGroup.size(), 40u);
  for (const auto& ch : d.FourthGroup) EXPECT_EQ(ch, ChannelRecord{});
  EXPECT_EQ(d.UsableGroupSettings[kGroupFourth].PriorityCh, kNoChannel);
}

TEST(NewDataSet, GeneralSettingsComeFromTheDefaultImage) {
  for (int16_t series : kAllSeries) {
    SCOPED_TRACE(series);
    RadioData d;
    BuildNewDataSet(d, series);
    const auto& c = d.CommonSettings;
    EXPECT_TRUE(c.Scan && c.PttScanClear && c.DualWatch);
    EXPECT_EQ(c.ResumeTime, 3);
    EXPECT_EQ(c.Weater, 3);
    EXPECT_EQ(c.TxPoDisplay, 0);
    for (int g = 0; g < 3; ++g) EXPECT_EQ(d.UsableGroupSettings[g].PriorityCh, 32);
    EXPECT_EQ(d.AtisSettings.UsableAtisGroup, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_EQ(d.AtisSettings.AtisCode, "");
    const bool third = series == kSeriesThird;
    // Only the third variant reads the DSC and time-offset bytes.
    EXPECT_EQ(c.OffsetTime, third ? 12 : 0);
    const std::array<bool, 4> pos_request{third, third, third, third};
    EXPECT_EQ(d.DscSettings.PosRequest, pos_request);
    EXPECT_EQ(d.AtisSettings.AtisKillerGroup[0], third);
    // The third variant switches off the empty fourth group.
    EXPECT_EQ(d.UsableGroupSettings[kGroupFourth].Usable, !third);
    EXPECT_EQ(d.RadioImage[93], third ? 0xBE : 0xBF);
  }
}

TEST(NewDataSet, DefaultImageBytes) {
  for (int16_t series : kAllSeries) {
    SCOPED_TRACE(series);
    RadioData d;
    BuildNewDataSet(d, series);
    const Image& im = d.RadioImage;
    EXPECT_EQ(d.ImageLast, series == kSeriesMV510 ? 8191 : 16383);
    const uint16_t id = ModelIdFor(series);
    const std::vector<uint8_t> id_bytes{uint8_t(id >> 8), uint8_t(id & 0xFF)};
    EXPECT_EQ(Bytes(im, 64, 2), id_bytes);
    EXPECT_EQ(Bytes(im, SecondModelIdOffset(series), 2), id_bytes);
    EXPECT_TRUE(ModelIdsMatch(im.data(), d.ImageLast + 1, series));
    EXPECT_EQ(im[77], series == kSeriesThird ? 0x0F : 0xFF);
    EXPECT_EQ(Bytes(im, 74, 3), (std::vector<uint8_t>{0xFF, 0x00, 0x30}));
    EXPECT_EQ(Bytes(im, 80, 10),
              (std::vector<uint8_t>{0, 0x1E, 0, 0x1E, 0, 0x20, 0, 0x20, 0, 0x20}));
    EXPECT_EQ(Bytes(im, 90, 2), (std::vector<uint8_t>{0xF2, 0xCE}));
    EXPECT_EQ(im[95], 0xFF);  // the checksum waits for programming or saving
    EXPECT_EQ(Bytes(im, 161, 6), (std::vector<uint8_t>{0x60, 0x10, 0x10, 0xAC, 0xFE, 0xFF}));
    EXPECT_EQ(Bytes(im, 512, 6), (std::vector<uint8_t>{'R', 'a', 'd', 'i', 'o', 0xFF}));
    EXPECT_EQ(Bytes(im, 544, 4), (std::vector<uint8_t>{'R', 'a', 'm', '2'}));
    EXPECT_EQ(Bytes(im, 576, 3), (std::vector<uint8_t>{0x00, 0x93, 0xAE}));
    EXPECT_EQ(Bytes(im, 624, 16),
              (std::vector<uint8_t>{0x00, 0x08, 0x1C, 0x30, 0x43, 0x57, 0x6B, 0x7B, 0x8C, 0x9C,
                                    0xAA, 0xBC, 0xCB, 0xD8, 0xE0, 0xFF}));
    // Empty records; the encoder writes the blank channel display.
    EXPECT_EQ(Bytes(im, 2304, 6), (std::vector<uint8_t>{0, ' ', ' ', ' ', 0, 0}));
    EXPECT_EQ(Bytes(im, 2943 - 5, 6), std::vector<uint8_t>(6, 0));
    EXPECT_EQ(Bytes(im, 505, 7), std::vector<uint8_t>(7, 0xFF));
    EXPECT_EQ(im[0], 0xFF);
    // The plans are encoded: WX01..10 enabled, channel 16 enabled in USA.
    EXPECT_EQ(Bytes(im, 448, 2), (std::vector<uint8_t>{0xFF, 0xC0}));
    EXPECT_EQ(im[256 + 32 / 8], 0xA5);  // USA slots 32..39: 16, 17, 18A, 19A
  }
}

TEST(NewDataSet, LevelTableNeedsExactlySixteenValues) {
  Image image{};
  EXPECT_FALSE(WriteLevelTable(image, 560, "00,01,02,03,04,05,06,07,08,09,0A,0B,0C,0D,0E"));
  EXPECT_FALSE(WriteLevelTable(image, 560, "00,01,02,03,04,05,06,07,08,09,0A,0B,0C,0D,0E,0F,10"));
  EXPECT_EQ(Bytes(image, 560, 16), std::vector<uint8_t>(16, 0));
  EXPECT_TRUE(WriteLevelTable(image, 560, "00,01,02,03,04,05,06,07,08,09,0A,0B,0C,0D,0E,ff"));
  EXPECT_EQ(image[575], 0xFF);
}

}  // namespace
}  // namespace qw
