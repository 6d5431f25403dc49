// Which channels a marine group's priority channel may be.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/radio_data.h"

namespace qw {

// The slots of channels 09 and 16, which every group offers as its priority channel.
inline constexpr int32_t kSlotChannel09 = 18;
inline constexpr int32_t kSlotChannel16 = 32;

struct PriorityChoice {
  int32_t id;           // PriorityCh value; kNoChannel for "Off"
  std::string caption;  // "Off", a marine label ("16"), or the fourth group's "LMR6"

  bool operator==(const PriorityChoice&) const = default;
};

// "Off" first, then the enabled channels of the group's channel list in the image, then
// channels 09 and 16 when the list lacks them and they are enabled. The fourth group has no
// priority channel: only "Off".
std::vector<PriorityChoice> PriorityChoices(const RadioData& d, int group);

}  // namespace qw
