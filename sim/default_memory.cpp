#include "model/channel_plans.h"
#include "model/image_codec.h"
#include "sim/simulated_radio.h"

namespace qw {

std::vector<uint8_t> DefaultRadioMemory(int16_t series) {
  RadioData d;
  BuildNewDataSet(d, series);
  PrepareImageForRadio(d);
  return std::vector<uint8_t>(d.RadioImage.begin(), d.RadioImage.begin() + d.ImageLast + 1);
}

}  // namespace qw
