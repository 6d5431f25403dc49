#include "model/image_codec.h"
#include "model/image_walk.h"

namespace qw {
namespace {

bool AnyEnabled(const std::vector<ChannelRecord>& list) {
  for (const auto& ch : list) {
    if (ch.Enable) return true;
  }
  return false;
}

}  // namespace

void EncodeImage(RadioData& d) {
  if (walk::Row(d).hidesEmptyGroups) {
    for (int g = 0; g < 4; ++g) {
      if (!AnyEnabled(GroupList(d, g))) d.UsableGroupSettings[g].Usable = false;
    }
  }
  ImageWriter writer(d.RadioImage);
  walk::Everything(d, writer);
}

}  // namespace qw
