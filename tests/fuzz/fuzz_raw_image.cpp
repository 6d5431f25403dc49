// libFuzzer target: any bytes as a raw image or destination image of each series; an accepted
// image is decoded, must give values inside the radio's ranges, must come back from being
// prepared for the radio without duplex where the plan forbids it, and must prepare the same way
// twice. Inputs whose first byte is odd are laid over an image of the right length with
// both model numbers in place, so the loader's acceptance path and the decode get fuzzed too.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "formats/image_file.h"
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

void CheckDecoded(const qw::RadioData& d) {
  qw::fuzz::CheckShape(d);
  for (const auto& ch : d.FourthGroup) {
    if (!(ch.Rxfreq == 0 || (ch.Rxfreq > 100 && ch.Rxfreq < 200))) __builtin_trap();
    if (ch.Scramble < 0 || ch.Scramble > 7) __builtin_trap();
    for (int side : {0, 1}) {
      if (ch.CTCSS[side] < 0 || ch.CTCSS[side] >= 63) __builtin_trap();
      if (ch.DCS[side] < 0 || ch.DCS[side] > 359) __builtin_trap();
    }
  }
  if (d.CommonSettings.OffsetTime < 0 || d.CommonSettings.OffsetTime > 24) __builtin_trap();
  for (const auto& e : d.MemoryDirectory)
    if (e.Mmsid.size() > 10) __builtin_trap();
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
      CheckDecoded(d);
      qw::PrepareImageForRadio(d);
      qw::DecodeImage(d);
      qw::fuzz::CheckDuplexOnlyWhereAllowed(d);
      qw::PrepareImageForRadio(d);
      const qw::Image again = d.RadioImage;
      qw::PrepareImageForRadio(d);
      if (d.RadioImage != again) __builtin_trap();
    }
  }
  return 0;
}
