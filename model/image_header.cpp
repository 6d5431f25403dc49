#include "model/image_header.h"

#include "model/image_codec.h"
#include "model/image_fields.h"
#include "model/image_layout.h"

namespace qw {

static_assert(kFirstModelIdOffset == layout::kModelId.offset);

std::optional<uint16_t> FirstModelIdIn(const uint8_t* bytes, std::size_t size) {
  const auto at = static_cast<std::size_t>(layout::kModelId.offset);
  if (bytes == nullptr || size < at + 2) return std::nullopt;
  return static_cast<uint16_t>(bytes[at] << 8 | bytes[at + 1]);
}

ImageHeaderFacts HeaderFacts(const Image& image, int16_t series) {
  const int second = SecondModelIdOffset(series);
  const int last = layout::kHeaderSumFirst + layout::kHeaderSumCount - 1;
  return {layout::kModelId.offset,
          static_cast<uint16_t>(ReadWord(image, layout::kModelId)),
          second,
          static_cast<uint16_t>(ReadWord(image, {second})),
          layout::kHeaderChecksum,
          image[layout::kHeaderChecksum],
          layout::kHeaderSumFirst,
          last,
          ImageChecksum(image, layout::kHeaderSumFirst, layout::kHeaderSumCount)};
}

int32_t GroupChannelListEntry(const Image& image, int group, int j) {
  return ReadWord(image, layout::GroupChannelListEntry(group, j));
}

}  // namespace qw
