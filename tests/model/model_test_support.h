// Helpers shared by the model tests.
#pragma once

#include <cstdint>
#include <vector>

#include "model/channel_plans.h"
#include "model/image_codec.h"
#include "model/image_fields.h"
#include "tests/support/radio_data.h"

namespace qw::test {

inline constexpr int16_t kAllSeries[] = {kSeriesThird, kSeriesMV510, kSeriesMV710};

inline std::vector<uint8_t> Bytes(const Image& image, int offset, int count) {
  return {image.begin() + offset, image.begin() + offset + count};
}

// A text field's bytes: the text, then erased bytes.
inline std::vector<uint8_t> Text(const std::string& s, int length) {
  std::vector<uint8_t> v(s.begin(), s.end());
  v.resize(length, 0xFF);
  return v;
}

inline int Word(const Image& im, int offset) {
  return im[offset] << 8 | im[offset + 1];
}

}  // namespace qw::test
