// A new data set of each series (0, 1, 2), built once: a new data set is far dearer than a copy
// of one, and every fuzz input starts from all three.
#pragma once

#include <array>
#include <cstdint>

#include "model/channel_plans.h"

namespace qw::fuzz {

inline const std::array<RadioData, 3>& NewDataSets() {
  static const std::array<RadioData, 3> sets = [] {
    std::array<RadioData, 3> built;
    for (int16_t series = 0; series < 3; ++series) BuildNewDataSet(built[series], series);
    return built;
  }();
  return sets;
}

}  // namespace qw::fuzz
