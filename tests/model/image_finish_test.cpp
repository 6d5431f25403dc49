// The finishing step's start-up repairs, the checksum and the model check.
#include <gtest/gtest.h>

#include <tuple>

#include "model/priority_channels.h"
#include "model_test_support.h"

namespace qw::test {
namespace {

// Encodes and finishes in channel mode `mode` with current group, channel and weather channel.
void Finish(RadioData& d, int mode, int group, int current, int wx = 0) {
  EncodeImage(d);
  d.RadioImage[70] = static_cast<uint8_t>(group);
  d.RadioImage[71] = static_cast<uint8_t>(mode);
  d.RadioImage[72] = static_cast<uint8_t>(wx);
  WriteWord(d.RadioImage, {80}, current);
  WriteWord(d.RadioImage, {82}, 0x7777);
  FinishImage(d);
}

TEST(Finish, CurrentGroupMovesToAUsableGroup) {
  // Current group, usable USA, INTL, CANADA, repaired group.
  const std::tuple<int, bool, bool, bool, int> cases[] = {
      {0, false, false, true, 2},  {0, false, true, true, 1}, {1, true, false, false, 0},
      {1, true, false, true, 2},   {2, true, true, false, 0}, {2, false, true, false, 1},
      {0, false, false, false, 0}, {1, true, true, true, 1},
  };
  for (const auto& [group, usa, intl, canada, expected] : cases) {
    RadioData d = NewData(kSeriesMV710);
    auto& g = d.UsableGroupSettings;
    g[0].Usable = usa, g[1].Usable = intl, g[2].Usable = canada;
    Finish(d, 0, group, 32);
    EXPECT_EQ(d.RadioImage[70], expected) << group << usa << intl << canada;
  }
}

// Current channel and current marine channel after finishing; the latter stays 0x7777 when
// nothing is written.
template <class Setup>
std::pair<int, int> MarineAfter(Setup setup, int group, int current) {
  RadioData d = NewData(kSeriesMV710);
  setup(d);
  Finish(d, 0, group, current);
  return {Word(d.RadioImage, 80), Word(d.RadioImage, 82)};
}

TEST(Finish, CurrentMarineChannel) {
  using P = std::pair<int, int>;
  auto usa_off = [](RadioData& d) {
    for (auto& ch : d.USA) ch.Enable = false;
  };
  EXPECT_EQ(MarineAfter([](RadioData&) {}, 1, 32), P(32, 32));
  // The first enabled channel of the group.
  EXPECT_EQ(
      MarineAfter([](RadioData& d) { d.INTL[2].Enable = d.INTL[4].Enable = false; }, 1, 0xFFFF),
      P(6, 6));
  // Checked in the repaired group: INTL has no 01A.
  EXPECT_EQ(MarineAfter([](RadioData& d) { d.UsableGroupSettings[0].Usable = false; }, 0, 3),
            P(2, 2));
  // A fourth-group fallback is written as a channel number.
  EXPECT_EQ(MarineAfter([&](RadioData& d) { usa_off(d), d.FourthGroup[2].Enable = true; }, 0, 32),
            P(242, 242));
  EXPECT_EQ(MarineAfter(usa_off, 0, 32), P(32, 0x7777));
  // A fourth-group channel counts only while its group is usable.
  auto fourth = [](bool usable) {
    return [usable](RadioData& d) {
      d.FourthGroup[4].Enable = true, d.UsableGroupSettings[kGroupFourth].Usable = usable;
    };
  };
  EXPECT_EQ(MarineAfter(fourth(true), 0, 244), P(244, 244));
  EXPECT_EQ(MarineAfter(fourth(false), 0, 244), P(3, 3));
}

TEST(Finish, WeatherAndOtherChannelModes) {
  // Mode, current WX, WX channels 0..n-1 switched off, expected WX and current channel.
  const std::tuple<int, int, int, int, int> cases[] = {
      {1, 12, 0, 12, 12},    {1, 3, 0, 3, 3},      {1, 3, 5, 5, 5},
      {1, 9, 10, 9, 0x4444}, {2, 3, 5, 3, 0x4444},
  };
  for (const auto& [mode, wx, disabled, expected_wx, expected_channel] : cases) {
    RadioData d = NewData(kSeriesMV710);
    for (int i = 0; i < disabled; ++i) d.WX[i].Enable = false;
    Finish(d, mode, 0, 0x4444, wx);
    EXPECT_EQ(d.RadioImage[72], expected_wx) << mode << " " << wx;
    EXPECT_EQ(Word(d.RadioImage, 80), expected_channel) << mode << " " << wx;
  }
}

TEST(Finish, GroupChannelListsLoseDisabledEntries) {
  RadioData d = NewData(kSeriesMV710);
  d.FourthGroup[1].Enable = true;
  EncodeImage(d);
  const int entries[8] = {32, 0, 0xFFFF, 241, 242, 239, 3, 0x0100};
  for (int j = 0; j < 8; ++j) WriteWord(d.RadioImage, {96 + 2 * j}, entries[j]);
  WriteWord(d.RadioImage, {112}, 3);  // INTL has no 01A
  FinishImage(d);
  const int expected[8] = {32, 0xFFFF, 0xFFFF, 241, 0xFFFF, 0xFFFF, 3, 0xFFFF};
  for (int j = 0; j < 8; ++j) EXPECT_EQ(Word(d.RadioImage, 96 + 2 * j), expected[j]) << j;
  EXPECT_EQ(Word(d.RadioImage, 112), 0xFFFF);
}

TEST(Finish, PriorityChannelRepairForMv510AndMv710) {
  // Priority, USA slots switched off, first USA favourite, repaired priority.
  const std::tuple<int32_t, std::vector<int>, int, int32_t> cases[] = {
      {34, {}, 0xFFFF, 34},
      {0, {}, 0xFFFF, 32},
      {0, {32}, 0xFFFF, 18},
      {0, {32, 18}, 136, 136},
      {0, {32, 18}, 0xFFFF, kNoChannel},
      {300, {}, 0xFFFF, kNoChannel},
  };
  for (int16_t series : {kSeriesMV510, kSeriesMV710}) {
    for (const auto& [priority, disabled, favourite, expected] : cases) {
      SCOPED_TRACE(testing::Message() << "series " << series << " priority " << priority);
      RadioData d = NewData(series);
      for (int slot : disabled) d.USA[slot].Enable = false;
      d.UsableGroupSettings[0].PriorityCh = priority;
      EncodeImage(d);
      for (int j = 0; j < 8; ++j) WriteWord(d.RadioImage, {96 + 2 * j}, 0xFFFF);
      WriteWord(d.RadioImage, {98}, 400);  // not a channel: never a stand-in
      WriteWord(d.RadioImage, {100}, favourite);
      FinishImage(d);
      EXPECT_EQ(d.UsableGroupSettings[0].PriorityCh, expected);
      EXPECT_EQ(Word(d.RadioImage, 84), expected == kNoChannel ? 0xFFFF : expected);
    }
  }
}

// The favourites are the group's eight words and no more: its last is offered, the next
// group's first is not, though the channel it names is enabled here too.
TEST(Finish, PriorityChoicesOfferTheGroupsOwnFavouritesOnly) {
  RadioData d = NewData(kSeriesMV710);
  for (int g = kGroupUSA; g <= kGroupCANADA; ++g)
    for (int j = 0; j < layout::kGroupChannelListLength; ++j)
      WriteWord(d.RadioImage, layout::GroupChannelListEntry(g, j), 0xFFFF);
  std::vector<int32_t> enabled;
  for (int32_t slot = 0; slot < static_cast<int32_t>(d.USA.size()) && enabled.size() < 2; ++slot) {
    if (d.USA[slot].Enable && slot != kSlotChannel09 && slot != kSlotChannel16)
      enabled.push_back(slot);
  }
  ASSERT_EQ(enabled.size(), 2u);
  WriteWord(d.RadioImage,
            layout::GroupChannelListEntry(kGroupUSA, layout::kGroupChannelListLength - 1),
            enabled[0]);
  WriteWord(d.RadioImage, layout::GroupChannelListEntry(kGroupINTL, 0), enabled[1]);
  std::vector<int32_t> offered;
  for (const PriorityChoice& c : PriorityChoices(d, kGroupUSA)) offered.push_back(c.id);
  EXPECT_EQ(offered,
            (std::vector<int32_t>{kNoChannel, enabled[0], kSlotChannel09, kSlotChannel16}));
}

TEST(Finish, OnlyTheThirdVariantWritesAtisModesAndKeepsPriorityChannels) {
  RadioData d = NewData(kSeriesThird);
  d.UsableGroupSettings[0].PriorityCh = 0;  // disabled slot
  d.AtisSettings.UsableAtisGroup = {true, false, true, false};
  PrepareImageForRadio(d);
  EXPECT_EQ(d.UsableGroupSettings[0].PriorityCh, 0);
  EXPECT_EQ(Word(d.RadioImage, 84), 0);
  EXPECT_EQ(d.RadioImage[506], 0x44);          // on, call-sign table empty
  d.AtisSettings.AtisCallSign[19].DISP = "X";  // DISP alone does not fill the table
  PrepareImageForRadio(d);
  EXPECT_EQ(d.RadioImage[506], 0x44);
  d.AtisSettings.AtisCallSign[19].MID = "X";
  PrepareImageForRadio(d);
  EXPECT_EQ(d.RadioImage[506], 0x88);

  RadioData mv710 = NewData(kSeriesMV710);
  PrepareImageForRadio(mv710);
  EXPECT_EQ(mv710.RadioImage[506], 0xFF);

  // Any byte of any entry's MID fills the table: the first and last byte of the first and last.
  for (int n : {0, layout::kCallSignCount - 1}) {
    for (int i : {0, 2}) {
      RadioData third = NewData(kSeriesThird);
      third.AtisSettings.UsableAtisGroup = {true, false, true, false};
      PrepareImageForRadio(third);
      third.RadioImage[layout::CallSignMid(n).offset + i] = 0x12;
      FinishImage(third);
      EXPECT_EQ(third.RadioImage[506], 0x88) << "entry " << n << ", byte " << i;
    }
  }
}

TEST(Checksum, HeaderSumAt95AndBothModelNumberCopies) {
  Image im{};
  std::fill(im.begin() + 66, im.begin() + 95, 0xFF);
  StoreHeaderChecksum(im);
  EXPECT_EQ(im[95], 0xE3);

  // The model check reads both copies of the model number.
  for (int16_t series : kAllSeries) {
    SCOPED_TRACE(series);
    const Image ids = NewData(series).RadioImage;
    const std::size_t size = ImageLastFor(series) + 1;
    EXPECT_FALSE(ModelIdsMatch(ids.data(), size - 1, series));
    for (int16_t other : kAllSeries)
      EXPECT_EQ(ModelIdsMatch(ids.data(), size, other), other == series) << other;
    for (int at : {64, SecondModelIdOffset(series) + 1}) {
      Image broken = ids;
      broken[at] ^= 1;
      EXPECT_FALSE(ModelIdsMatch(broken.data(), size, series)) << at;
    }
  }
}

}  // namespace
}  // namespace qw::test
