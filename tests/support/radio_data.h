// Data sets and radio memories the tests start from.
#pragma once

#include <cstdint>
#include <vector>

#include "model/channel_plans.h"
#include "model/radio_data.h"

namespace qw::test {

inline RadioData NewData(int16_t series) {
  RadioData d;
  BuildNewDataSet(d, series);
  return d;
}

// A radio's whole memory: a pattern no encoder writes (byte i is i * step + 1), with the series'
// model number in both of its places.
inline std::vector<uint8_t> PatternMemory(int16_t series, int step = 13) {
  std::vector<uint8_t> m(ImageLastFor(series) + 1);
  for (std::size_t i = 0; i < m.size(); ++i) m[i] = static_cast<uint8_t>(i * step + 1);
  for (int at : {0x40, SecondModelIdOffset(series)}) {
    m[at] = static_cast<uint8_t>(ModelIdFor(series) >> 8);
    m[at + 1] = static_cast<uint8_t>(ModelIdFor(series) & 0xFF);
  }
  return m;
}

}  // namespace qw::test
