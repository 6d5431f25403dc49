// The channel groups of a data set, their sizes and names, and how a channel is numbered where
// the radio lists channels of several groups together (priority channel, group channel lists).
#pragma once

#include <cstdint>

namespace qw {

// Three marine groups of 240 slots each; a marine channel's index is its slot in the master
// table (even slots the channel, odd ones its "A" twin).
inline constexpr int kMarineSlots = 240;
inline constexpr const char* kMarineGroupNames[3] = {"USA", "INTL", "CANADA"};
// The fourth group: 40 programmable channels.
inline constexpr int kFourthGroupChannels = 40;
// The weather channels.
inline constexpr int kWeatherChannels = 10;

// Channel numbers: a marine slot 0..239, then 240 + the fourth group's index.
inline constexpr int32_t kFirstFourthChannel = kMarineSlots;
inline constexpr int32_t kChannelNumberEnd = kFirstFourthChannel + kFourthGroupChannels;

constexpr bool IsMarineSlot(int slot) {
  return slot >= 0 && slot < kMarineSlots;
}

}  // namespace qw
