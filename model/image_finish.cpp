// The finishing step: makes the radio's start-up state (current group and channel, favourite
// lists, priority channels, ATIS modes) agree with the channels that are enabled in the image.
#include <optional>

#include "model/image_codec.h"
#include "model/image_fields.h"
#include "model/image_layout.h"
#include "model/series_traits.h"

namespace qw {
namespace {

constexpr int kChannelModeMarine = 0;
constexpr int kChannelModeWeather = 1;
constexpr int kSlotChannel16 = 32;
constexpr int kSlotChannel09 = 18;

bool GroupUsable(const Image& image, int group) {
  return GetBits(image, layout::Usable(group)) != 0;
}

// Whether channel number c can be selected while group g is current.
bool ChannelEnabled(const Image& image, int group, int32_t c) {
  if (IsMarineSlot(c)) {
    return GroupUsable(image, group) && GetArrayBit(image, layout::kMarineRegions[group].enable, c);
  }
  if (c >= kFirstFourthChannel && c < kChannelNumberEnd) {
    return GroupUsable(image, kGroupFourth) &&
           GetArrayBit(image, layout::kFourthRegions.enable, c - kFirstFourthChannel);
  }
  return false;
}

std::optional<int> FirstEnabledIndex(const std::vector<ChannelRecord>& list) {
  for (int i = 0; i < static_cast<int>(list.size()); ++i) {
    if (list[i].Enable) return i;
  }
  return std::nullopt;
}

// The current group moves to the next usable marine group when its own is switched off.
int RepairCurrentGroup(const Image& image, int g) {
  auto usable = [&](int group) { return GroupUsable(image, group); };
  if (g == kGroupUSA && !usable(kGroupUSA)) {
    if (usable(kGroupINTL)) return kGroupINTL;
    if (usable(kGroupCANADA)) return kGroupCANADA;
  } else if (g == kGroupINTL && !usable(kGroupINTL)) {
    if (usable(kGroupCANADA)) return kGroupCANADA;
    if (usable(kGroupUSA)) return kGroupUSA;
  } else if (g == kGroupCANADA && !usable(kGroupCANADA)) {
    if (usable(kGroupUSA)) return kGroupUSA;
    if (usable(kGroupINTL)) return kGroupINTL;
  }
  return g;
}

void FinishMarineMode(RadioData& d) {
  Image& image = d.RadioImage;
  const int g = RepairCurrentGroup(image, image[layout::kCurrentGroup]);
  image[layout::kCurrentGroup] = static_cast<uint8_t>(g);
  if (g > kGroupCANADA) return;
  const int32_t current = ReadWord(image, layout::kCurrentChannel);
  std::optional<int32_t> result;
  if (ChannelEnabled(image, g, current)) {
    result = current;
  } else if (auto first = FirstEnabledIndex(GroupList(d, g))) {
    result = *first;
  } else if (auto fourth = FirstEnabledIndex(d.FourthGroup)) {
    result = *fourth + kFirstFourthChannel;  // a channel number, as everywhere else
  }
  if (!result) return;
  WriteWord(image, layout::kCurrentChannel, *result);
  WriteWord(image, layout::kCurrentMarineChannel, *result);
}

void FinishWeatherMode(RadioData& d) {
  Image& image = d.RadioImage;
  int w = image[layout::kCurrentWx];
  if (w <= 9 && !GetArrayBit(image, layout::kWxRegions.enable, w)) {
    auto first = FirstEnabledIndex(d.WX);
    if (!first) return;
    w = *first;
  }
  image[layout::kCurrentWx] = static_cast<uint8_t>(w);
  WriteWord(image, layout::kCurrentChannel, w);
}

void EraseDisabledFavourites(Image& image) {
  for (int g = kGroupUSA; g <= kGroupCANADA; ++g) {
    for (int j = 0; j < layout::kGroupChannelListLength; ++j) {
      const auto entry = layout::GroupChannelListEntry(g, j);
      if (!ChannelEnabled(image, g, ReadWord(image, entry))) WriteWord(image, entry, -1);
    }
  }
}

// Channel 16, then channel 09, then the group's favourites stand in for a disabled priority
// channel.
int32_t RepairPriority(const Image& image, int g, int32_t p) {
  if (p < 0 || p >= kChannelNumberEnd) return -1;
  if (ChannelEnabled(image, g, p)) return p;
  for (int32_t c : {kSlotChannel16, kSlotChannel09}) {
    if (ChannelEnabled(image, g, c)) return c;
  }
  for (int j = 0; j < layout::kGroupChannelListLength; ++j) {
    const int32_t c = ReadWord(image, layout::GroupChannelListEntry(g, j));
    if (c < kChannelNumberEnd && ChannelEnabled(image, g, c)) return c;
  }
  return -1;
}

void RepairPriorityChannels(RadioData& d) {
  for (int g = kGroupUSA; g <= kGroupCANADA; ++g) {
    auto& setting = d.UsableGroupSettings[g].PriorityCh;
    const int32_t p = RepairPriority(d.RadioImage, g, setting);
    setting = p < 0 ? kNoChannel : p;
    WriteWord(d.RadioImage, layout::PriorityCh(g), p);
  }
}

bool CallSignTableEmpty(const Image& image) {
  for (int n = 0; n < layout::kCallSignCount; ++n) {
    const int base = layout::CallSignMid(n).offset;
    for (int i = 0; i < 3; ++i) {
      if (image[base + i] != 0xFF) return false;
    }
  }
  return true;
}

void WriteAtisModes(Image& image) {
  const int on_mode = CallSignTableEmpty(image) ? 1 : 2;
  for (int g = 0; g < 4; ++g) {
    const bool atis = GetBits(image, layout::UsableAtisGroup(g)) != 0;
    SetBits(image, layout::AtisMode(g), atis ? on_mode : 0);
  }
}

}  // namespace

void FinishImage(RadioData& d) {
  const int mode = d.RadioImage[layout::kChannelMode];
  if (mode == kChannelModeMarine) {
    FinishMarineMode(d);
  } else if (mode == kChannelModeWeather) {
    FinishWeatherMode(d);
  }
  EraseDisabledFavourites(d.RadioImage);
  const SeriesTraits& row = Traits(d.ModelSeries);
  if (row.repairsPriority) RepairPriorityChannels(d);
  if (row.dscRegions) WriteAtisModes(d.RadioImage);
}

uint8_t ImageChecksum(const Image& image, int start, int count) {
  unsigned sum = 0;
  for (int i = start; i < start + count && i < kImageSize; ++i) sum += image[i];
  return static_cast<uint8_t>(sum & 0xFF);
}

void StoreHeaderChecksum(Image& image) {
  image[layout::kHeaderChecksum] =
      ImageChecksum(image, layout::kHeaderSumFirst, layout::kHeaderSumCount);
}

void PrepareImageForRadio(RadioData& d) {
  EncodeImage(d);
  FinishImage(d);
  StoreHeaderChecksum(d.RadioImage);
}

bool ModelIdsMatch(const uint8_t* bytes, std::size_t size, int16_t series) {
  const auto second = static_cast<std::size_t>(SecondModelIdOffset(series));
  if (bytes == nullptr || size < second + 2) return false;
  const uint16_t id = ModelIdFor(series);
  auto holds_id = [&](std::size_t at) {
    return bytes[at] == (id >> 8) && bytes[at + 1] == (id & 0xFF);
  };
  return holds_id(layout::kModelId.offset) && holds_id(second);
}

}  // namespace qw
