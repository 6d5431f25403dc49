#include "model/clone_ranges.h"

#include <algorithm>
#include <array>

#include "model/series_traits.h"

namespace qw {
namespace {

// 0x00C0-0x00FF and most of 0x3600 up hold what the radio was built with; the first 64 bytes
// are the program's own header. The second model number at 0x3FFE is the radio's.
constexpr std::array<AddressRange, 3> kProgramOwn{{
    {0x0000, 0x003F},
    {0x00C0, 0x00FF},
    {0x3600, 0x3FFD},
}};

constexpr std::array<AddressRange, 4> kUnwritten{{
    {0x0000, 0x003F},
    {0x00C0, 0x00FF},
    {0x0200, 0x02FF},
    {0x3600, 0x3FFF},
}};

// The header block: its model number stays, the rest goes byte by byte.
constexpr AddressRange kHeaderBytes{0x0042, 0x007F};
// The three name texts, on the series that program them.
constexpr AddressRange kNameTextBytes{0x0200, 0x022F};

}  // namespace

bool IsProgramOwn(int32_t address) {
  return std::any_of(kProgramOwn.begin(), kProgramOwn.end(),
                     [address](const AddressRange& r) { return r.Contains(address); });
}

bool IsUnwrittenBlock(int32_t blockAddress) {
  return std::any_of(kUnwritten.begin(), kUnwritten.end(),
                     [blockAddress](const AddressRange& r) { return r.Contains(blockAddress); });
}

std::optional<AddressRange> ByteWrittenRange(int16_t series, int32_t blockAddress) {
  if (blockAddress == 0x0040) return kHeaderBytes;
  if (blockAddress == kNameTextBytes.first && Traits(series).programsNameTexts)
    return kNameTextBytes;
  return std::nullopt;
}

}  // namespace qw
