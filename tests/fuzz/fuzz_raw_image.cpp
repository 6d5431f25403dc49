// libFuzzer target: any bytes as a raw image or destination image of each series; an accepted
// image is decoded. Inputs whose first byte is odd are laid over an image of the right length
// with both model numbers in place, so the loader's acceptance path and the decode get fuzzed too.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "files/image_file.h"
#include "model/image_codec.h"
#include "model/image_header.h"
#include "tests/fuzz/new_data_sets.h"

namespace {

std::vector<uint8_t> Framed(const uint8_t* data, std::size_t size, int16_t series) {
  std::vector<uint8_t> bytes(static_cast<std::size_t>(qw::ImageLastFor(series)) + 1);
  for (std::size_t i = 0; i < size && i < bytes.size(); ++i) bytes[i] = data[i];
  uint16_t id = qw::ModelIdFor(series);
  for (std::size_t at :
       {std::size_t{qw::kFirstModelIdOffset}, std::size_t(qw::SecondModelIdOffset(series))}) {
    bytes[at] = static_cast<uint8_t>(id >> 8);
    bytes[at + 1] = static_cast<uint8_t>(id & 0xFF);
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const bool framed = size > 0 && (data[0] & 1) != 0;
  for (const qw::RadioData& base : qw::fuzz::NewDataSets()) {
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
