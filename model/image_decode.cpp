#include "model/image_codec.h"
#include "model/image_walk.h"

namespace qw {

// The reader refers to the image inside the data set it fills; it only ever writes fields
// outside RadioImage, so the reference stays valid and unchanged.

void DecodeImage(RadioData& d) {
  ImageReader reader(d.RadioImage);
  walk::Everything(d, reader);
}

void DecodeGeneral(RadioData& d) {
  ImageReader reader(d.RadioImage);
  walk::General(d, reader);
}

void DecodeFourthGroup(RadioData& d) {
  ImageReader reader(d.RadioImage);
  walk::FourthGroup(d, reader);
}

}  // namespace qw
