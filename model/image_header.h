// The image's header read by name: the two copies of the model number, the header checksum and
// the marine groups' channel lists. Callers outside model/ use these instead of offsets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "model/radio_data.h"

namespace qw {

// Where the first copy of the model number sits (big-endian, two bytes); the second copy is the
// image's last two bytes (SecondModelIdOffset). Blocks below it are the radio's own.
inline constexpr int kFirstModelIdOffset = 0x40;

// The first copy of the model number in raw image bytes; nullopt when there are too few bytes.
std::optional<uint16_t> FirstModelIdIn(const uint8_t* bytes, std::size_t size);

// What a description of an image shows about its header: where each value sits and what it is.
struct ImageHeaderFacts {
  int firstModelIdOffset;
  uint16_t firstModelId;
  int secondModelIdOffset;
  uint16_t secondModelId;
  int checksumOffset;
  uint8_t storedChecksum;
  int checksumFirst;  // the checksum sums bytes checksumFirst..checksumLast
  int checksumLast;
  uint8_t computedChecksum;
};
ImageHeaderFacts HeaderFacts(const Image& image, int16_t series);

// Entry j (0..7) of a marine group's channel list: a channel number (a marine slot, or 240 and
// up for the fourth group), or 65535 for none.
inline constexpr int kGroupChannelListLength = 8;
int32_t GroupChannelListEntry(const Image& image, int group, int j);

}  // namespace qw
