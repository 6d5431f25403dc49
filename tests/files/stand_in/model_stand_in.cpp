// Until the model library has landed: just enough of it for the file tests to link and run.
// Only built while model/ holds no sources.
#include <algorithm>

#include "model/channel_plans.h"
#include "model/image_codec.h"

namespace qw {

void BuildNewDataSet(RadioData& d, int16_t series) {
  d = RadioData{};
  d.ModelSeries = series;
  d.ImageLast = ImageLastFor(series);
  d.USA.assign(240, {});
  d.INTL.assign(240, {});
  d.CANADA.assign(240, {});
  d.WX.assign(10, {});
  d.FourthGroup.assign(40, {});
  for (int i = 0; i < 240; ++i) {
    d.USA[i].Position = d.INTL[i].Position = d.CANADA[i].Position = static_cast<int16_t>(i);
    d.USA[i].DuplexCapable = d.INTL[i].DuplexCapable = d.CANADA[i].DuplexCapable = i % 2 == 0;
  }
  for (int i = 0; i < 10; ++i) d.WX[i].Position = static_cast<int16_t>(i + 1);
  uint16_t id = ModelIdFor(series);
  d.RadioImage[0x40] = d.RadioImage[SecondModelIdOffset(series)] = id >> 8;
  d.RadioImage[0x41] = d.RadioImage[SecondModelIdOffset(series) + 1] = id & 0xFF;
}

void DecodeImage(RadioData& d) {
  d.CommonSettings.TxPoDisplay = d.RadioImage[0x80];
}

void PrepareImageForRadio(RadioData& d) {
  d.RadioImage[0x80] = static_cast<uint8_t>(d.CommonSettings.TxPoDisplay);
  StoreHeaderChecksum(d.RadioImage);
}

uint8_t ImageChecksum(const Image& image, int start, int count) {
  unsigned sum = 0;
  for (int i = start; i < start + count; ++i) sum += image[i];
  return static_cast<uint8_t>(sum);
}

void StoreHeaderChecksum(Image& image) {
  image[95] = ImageChecksum(image, 66, 29);
}

bool ModelIdsMatch(const uint8_t* bytes, std::size_t size, int16_t series) {
  std::size_t e = static_cast<std::size_t>(SecondModelIdOffset(series));
  if (size < e + 2) return false;
  int id = ModelIdFor(series);
  return (bytes[0x40] << 8 | bytes[0x41]) == id && (bytes[e] << 8 | bytes[e + 1]) == id;
}

}  // namespace qw
