// The finishing step's start-up repairs, the checksum and the model check.
#include <gtest/gtest.h>

#include <vector>

#include "model/channel_plans.h"
#include "model/image_codec.h"
#include "model/image_fields.h"

namespace qw {
namespace {

RadioData NewData(int16_t series) {
  RadioData d;
  BuildNewDataSet(d, series);
  return d;
}

int Word(const Image& im, int offset) {
  return im[offset] << 8 | im[offset + 1];
}
void SetWord(Image& im, int offset, int value) {
  WriteWord(im, {offset}, value);
}

// Encodes and finishes with the current channel `current` in group `group`, marine mode.
void FinishMarine(RadioData& d, int group, int current) {
  EncodeImage(d);
  d.RadioImage[71] = 0;
  d.RadioImage[70] = static_cast<uint8_t>(group);
  SetWord(d.RadioImage, 80, current);
  FinishImage(d);
}

TEST(Finish, CurrentGroupMovesToAUsableGroup) {
  struct Case {
    int group;
    bool usa, intl, canada;
    int expected;
  };
  const Case cases[] = {
      {0, false, false, true, 2},  {0, false, true, true, 1}, {1, true, false, false, 0},
      {1, true, false, true, 2},   {2, true, true, false, 0}, {2, false, true, false, 1},
      {0, false, false, false, 0}, {1, true, true, true, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.group << c.usa << c.intl << c.canada);
    RadioData d = NewData(kSeriesMV710);
    d.UsableGroupSettings[0].Usable = c.usa;
    d.UsableGroupSettings[1].Usable = c.intl;
    d.UsableGroupSettings[2].Usable = c.canada;
    FinishMarine(d, c.group, 32);
    EXPECT_EQ(d.RadioImage[70], c.expected);
  }
}

TEST(Finish, CurrentChannelIsCheckedInTheRepairedGroup) {
  RadioData d = NewData(kSeriesMV710);
  d.UsableGroupSettings[0].Usable = false;
  d.UsableGroupSettings[1].Usable = false;
  FinishMarine(d, 0, 3);  // USA 01A, which CANADA does not have
  EXPECT_EQ(d.RadioImage[70], 2);
  EXPECT_EQ(Word(d.RadioImage, 80), 2);  // CANADA 01
  EXPECT_EQ(Word(d.RadioImage, 82), 2);
}

TEST(Finish, CurrentChannelFallsBackToTheFirstEnabledChannel) {
  RadioData d = NewData(kSeriesMV710);
  d.INTL[2].Enable = d.INTL[4].Enable = false;
  d.RadioImage[82] = d.RadioImage[83] = 0x77;
  FinishMarine(d, 1, 0xFFFF);
  EXPECT_EQ(Word(d.RadioImage, 80), 6);
  EXPECT_EQ(Word(d.RadioImage, 82), 6);

  FinishMarine(d, 1, 32);  // enabled: stays
  EXPECT_EQ(Word(d.RadioImage, 80), 32);
}

TEST(Finish, CurrentChannelFallsBackToTheFourthGroupAsAChannelNumber) {
  RadioData d = NewData(kSeriesMV710);
  for (auto& ch : d.USA) ch.Enable = false;
  d.FourthGroup[2].Enable = true;
  FinishMarine(d, 0, 32);
  EXPECT_EQ(Word(d.RadioImage, 80), 242);
  EXPECT_EQ(Word(d.RadioImage, 82), 242);

  d.FourthGroup[2].Enable = false;  // nothing enabled anywhere: nothing is written
  FinishMarine(d, 0, 32);
  EXPECT_EQ(Word(d.RadioImage, 80), 32);
  EXPECT_EQ(Word(d.RadioImage, 82), 242);
}

TEST(Finish, FourthGroupChannelCountsAsEnabledWhenItsGroupIsUsable) {
  RadioData d = NewData(kSeriesMV710);
  d.FourthGroup[4].Enable = true;
  FinishMarine(d, 0, 244);
  EXPECT_EQ(Word(d.RadioImage, 80), 244);
  d.UsableGroupSettings[kGroupFourth].Usable = false;
  FinishMarine(d, 0, 244);
  EXPECT_EQ(Word(d.RadioImage, 80), 3);  // USA 01A, the first enabled channel
}

TEST(Finish, WeatherMode) {
  struct Case {
    int wx;
    int disabled_before;  // WX channels 0..n-1 switched off
    int expected;
  };
  for (const Case& c : {Case{12, 0, 12}, Case{3, 0, 3}, Case{3, 5, 5}, Case{9, 10, 9}}) {
    SCOPED_TRACE(c.wx);
    RadioData d = NewData(kSeriesMV710);
    for (int i = 0; i < c.disabled_before; ++i) d.WX[i].Enable = false;
    EncodeImage(d);
    d.RadioImage[71] = 1;
    d.RadioImage[72] = static_cast<uint8_t>(c.wx);
    SetWord(d.RadioImage, 80, 0x4444);
    FinishImage(d);
    EXPECT_EQ(d.RadioImage[72], c.expected);
    EXPECT_EQ(Word(d.RadioImage, 80), c.disabled_before == 10 ? 0x4444 : c.expected);
  }
}

TEST(Finish, OtherChannelModesLeaveTheCurrentChannel) {
  RadioData d = NewData(kSeriesMV710);
  EncodeImage(d);
  d.RadioImage[71] = 2;
  SetWord(d.RadioImage, 80, 0x1234);
  FinishImage(d);
  EXPECT_EQ(Word(d.RadioImage, 80), 0x1234);
}

TEST(Finish, GroupChannelListsLoseDisabledEntries) {
  RadioData d = NewData(kSeriesMV710);
  d.FourthGroup[1].Enable = true;
  EncodeImage(d);
  const int entries[8] = {32, 0, 0xFFFF, 241, 242, 239, 3, 0x0100};
  for (int j = 0; j < 8; ++j) SetWord(d.RadioImage, 96 + 2 * j, entries[j]);
  SetWord(d.RadioImage, 112, 3);  // INTL has no 01A
  FinishImage(d);
  const int expected[8] = {32, 0xFFFF, 0xFFFF, 241, 0xFFFF, 0xFFFF, 3, 0xFFFF};
  for (int j = 0; j < 8; ++j) EXPECT_EQ(Word(d.RadioImage, 96 + 2 * j), expected[j]) << j;
  EXPECT_EQ(Word(d.RadioImage, 112), 0xFFFF);
}

TEST(Finish, PriorityChannelRepairForMv510AndMv710) {
  struct Case {
    int32_t priority;
    std::vector<int> disabled;  // USA slots switched off
    int favourite;              // first USA favourite
    int32_t expected;
  };
  const Case cases[] = {
      {34, {}, 0xFFFF, 34},
      {0, {}, 0xFFFF, 32},
      {0, {32}, 0xFFFF, 18},
      {0, {32, 18}, 136, 136},
      {0, {32, 18}, 0xFFFF, kNoChannel},
      {300, {}, 0xFFFF, kNoChannel},
      {-1, {}, 0xFFFF, kNoChannel},
      {kNoChannel, {}, 0xFFFF, kNoChannel},
  };
  for (int16_t series : {kSeriesMV510, kSeriesMV710}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "series " << series << " priority " << c.priority);
      RadioData d = NewData(series);
      for (int slot : c.disabled) d.USA[slot].Enable = false;
      d.UsableGroupSettings[0].PriorityCh = c.priority;
      EncodeImage(d);
      for (int j = 0; j < 8; ++j) SetWord(d.RadioImage, 96 + 2 * j, 0xFFFF);
      SetWord(d.RadioImage, 98, 400);  // not a channel: never a stand-in
      SetWord(d.RadioImage, 100, c.favourite);
      FinishImage(d);
      EXPECT_EQ(d.UsableGroupSettings[0].PriorityCh, c.expected);
      EXPECT_EQ(Word(d.RadioImage, 84), c.expected == kNoChannel ? 0xFFFF : c.expected);
    }
  }
}

TEST(Finish, ThirdVariantKeepsPriorityChannelsAndWritesAtisModes) {
  RadioData d = NewData(kSeriesThird);
  d.UsableGroupSettings[0].PriorityCh = 0;  // disabled slot
  d.AtisSettings.UsableAtisGroup = {true, false, true, false};
  EncodeImage(d);
  FinishImage(d);
  EXPECT_EQ(d.UsableGroupSettings[0].PriorityCh, 0);
  EXPECT_EQ(Word(d.RadioImage, 84), 0);
  EXPECT_EQ(d.RadioImage[506], 0x44);  // on, call-sign table empty

  d.AtisSettings.AtisCallSign[19].DISP = "X";  // DISP alone does not fill the table
  EncodeImage(d);
  FinishImage(d);
  EXPECT_EQ(d.RadioImage[506], 0x44);
  d.AtisSettings.AtisCallSign[19].MID = "X";
  EncodeImage(d);
  FinishImage(d);
  EXPECT_EQ(d.RadioImage[506], 0x88);
}

TEST(Finish, AtisModesOnlyForTheThirdVariant) {
  RadioData d = NewData(kSeriesMV710);
  PrepareImageForRadio(d);
  EXPECT_EQ(d.RadioImage[506], 0xFF);
}

TEST(Checksum, HeaderSum) {
  Image im{};
  std::fill(im.begin() + 66, im.begin() + 95, 0xFF);
  StoreHeaderChecksum(im);
  EXPECT_EQ(im[95], 0xE3);
  EXPECT_EQ(ImageChecksum(im, 60, 10), 0xFC);  // four 0xFF bytes

  RadioData d = NewData(kSeriesMV710);
  PrepareImageForRadio(d);
  unsigned sum = 0;
  for (int i = 66; i <= 94; ++i) sum += d.RadioImage[i];
  EXPECT_EQ(d.RadioImage[95], sum % 256);
}

TEST(Checksum, ModelIdsMatchChecksBothCopies) {
  for (int16_t series : {kSeriesThird, kSeriesMV510, kSeriesMV710}) {
    SCOPED_TRACE(series);
    RadioData d = NewData(series);
    const std::size_t size = ImageLastFor(series) + 1;
    EXPECT_TRUE(ModelIdsMatch(d.RadioImage.data(), size, series));
    EXPECT_FALSE(ModelIdsMatch(d.RadioImage.data(), size - 1, series));
    EXPECT_FALSE(ModelIdsMatch(nullptr, size, series));
    for (int16_t other : {kSeriesThird, kSeriesMV510, kSeriesMV710}) {
      if (other != series) {
        EXPECT_FALSE(ModelIdsMatch(d.RadioImage.data(), kImageSize, other));
      }
    }
    Image broken = d.RadioImage;
    broken[SecondModelIdOffset(series) + 1] ^= 1;
    EXPECT_FALSE(ModelIdsMatch(broken.data(), size, series));
    broken = d.RadioImage;
    broken[64] ^= 1;
    EXPECT_FALSE(ModelIdsMatch(broken.data(), size, series));
  }
  const uint8_t tiny[70] = {};
  EXPECT_FALSE(ModelIdsMatch(tiny, sizeof tiny, kSeriesMV510));
}

}  // namespace
}  // namespace qw
