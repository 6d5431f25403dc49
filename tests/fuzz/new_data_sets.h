// What the fuzz targets start from and what they check after every input.
#pragma once

#include <array>
#include <cstdint>

#include "model/channel_plans.h"

namespace qw::fuzz {

// A new data set of each series (0, 1, 2), built once: a new data set is far dearer than a copy
// of one, and every fuzz input starts from all three.
inline const std::array<RadioData, 3>& NewDataSets() {
  static const std::array<RadioData, 3> sets = [] {
    std::array<RadioData, 3> built;
    for (int16_t series = 0; series < 3; ++series) BuildNewDataSet(built[series], series);
    return built;
  }();
  return sets;
}

// Whatever a reader took, the data set keeps its lists and every marine channel its slot.
inline void CheckShape(const RadioData& d) {
  if (d.WX.size() != 10 || d.FourthGroup.size() != 40) __builtin_trap();
  for (int group = 0; group < 3; ++group) {
    const auto& list = GroupList(d, group);
    if (list.size() != 240) __builtin_trap();
    for (const ChannelRecord& ch : list)
      if (ch.Position < 0 || ch.Position >= 240) __builtin_trap();
  }
}

// No marine channel is duplex where its plan forbids it. The data file and CSV readers promise
// this for what they take; an image decodes as the radio holds it (a set duplex bit on a simplex
// slot reads as Duplex), and only what is prepared for the radio promises it.
inline void CheckDuplexOnlyWhereAllowed(const RadioData& d) {
  for (int group = 0; group < 3; ++group)
    for (const ChannelRecord& ch : GroupList(d, group))
      if (ch.Duplex && !ch.DuplexCapable) __builtin_trap();
}

}  // namespace qw::fuzz
