// libFuzzer target: any bytes as a raw image or destination image of each series; an accepted
// image is decoded. Inputs whose first byte is odd are laid over an image of the right length
// with both model numbers in place, so the loader's acceptance path and the decode get fuzzed too.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "files/image_file.h"
#include "model/channel_plans.h"
#include "model/image_codec.h"

namespace {

std::vector<uint8_t> Framed(const uint8_t* data, std::size_t size, int16_t series) {
  std::vector<uint8_t> bytes(static_cast<std::size_t>(qw::ImageLastFor(series)) + 1);
  for (std::size_t i = 0; i < size && i < bytes.size(); ++i) bytes[i] = data[i];
  uint16_t id = qw::ModelIdFor(series);
  for (std::size_t at : {std::size_t{0x40}, std::size_t(qw::SecondModelIdOffset(series))}) {
    bytes[at] = static_cast<uint8_t>(id >> 8);
    bytes[at + 1] = static_cast<uint8_t>(id & 0xFF);
  }
  return bytes;
}

// Built once: a new data set is far dearer than a copy of one.
const std::array<qw::RadioData, 3>& NewDataSets() {
  static const std::array<qw::RadioData, 3> sets = [] {
    std::array<qw::RadioData, 3> built;
    for (int16_t series = 0; series < 3; ++series) qw::BuildNewDataSet(built[series], series);
    return built;
  }();
  return sets;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const bool framed = size > 0 && (data[0] & 1) != 0;
  for (const qw::RadioData& base : NewDataSets()) {
    qw::RadioData d = base;
    const int16_t series = d.ModelSeries;
    std::vector<uint8_t> bytes =
        framed ? Framed(data, size, series) : std::vector<uint8_t>(data, data + size);
    if (qw::ImageFromBytes(bytes.data(), bytes.size(), series, d.RadioImage) ==
        qw::ImageFileStatus::Ok) {
      qw::DecodeImage(d);
    }
  }
  return 0;
}
