// The memory image a new data set starts from.
#include <algorithm>
#include <cstring>

#include "model/channel_plans.h"
#include "model/image_fields.h"
#include "model/image_layout.h"

namespace qw {
namespace {

struct DefaultBytes {
  int offset;
  std::initializer_list<uint8_t> bytes;
};

// Start-up state: USA group, marine mode, channel 15 current, channel 16 as priority in every
// group, scan and dual watch on, every group usable, ATIS on.
const DefaultBytes kDefaults[] = {
    {layout::kHeaderSumFirst, {0, 0, 0, 0, 0, 0, 0, 0}},
    // Two bytes the radio keeps for itself, then the offset-time byte.
    {layout::kOffsetTimeByte - 2, {0xFF, 0x00, 0x30}},
    {layout::kCurrentChannel.offset, {0x00, 0x1E, 0x00, 0x1E}},
    {layout::PriorityCh(0).offset, {0x00, 0x20, 0x00, 0x20, 0x00, 0x20}},
    {layout::kSettingFlagsByte, {0xF2, 0xCE, 0x00, 0xBF, 0x00}},
    {layout::AllShipsCall(0).offset, {0x60, 0x10, 0x10, 0xAC, 0xFE, 0xFF}},
    // Bytes the radio keeps for itself after the DSC settings, cleared.
    {176, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {layout::kFourthRegions.enable.base, {0, 0, 0, 0, 0}},
    {layout::kFourthRegions.scan.base, {0, 0, 0, 0, 0}},
    {layout::kUserMmsi.offset, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}},
    {layout::UsableAtisGroup(0).offset, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
};

const char* const kNameTexts[3] = {"Radio", "Ram1", "Ram2"};
constexpr int kNameSpacing = 16;

const char* const kLevelTableTexts[5] = {
    "00,00,10,20,30,40,50,60,70,80,90,A0,B0,C0,D0,FF",
    "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC,FF",
    "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC,FF",
    "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC,FF",
    "00,08,1C,30,43,57,6B,7B,8C,9C,AA,BC,CB,D8,E0,FF",
};

constexpr int kFourthRecordsBytes = 40 * 16;
// The third variant's radios start with the low four bits of byte 77 set.
constexpr int kThirdVariantByteOffset = layout::kOffsetTimeByte + 1;
constexpr uint8_t kThirdVariantByte = 0x0F;

// One hexadecimal value of a level table; -1 when it is not one.
int ParseHexByte(const std::string& piece) {
  const auto first = piece.find_first_not_of(' ');
  const auto last = piece.find_last_not_of(' ');
  if (first == std::string::npos) return -1;
  int value = 0;
  for (auto i = first; i <= last; ++i) {
    const char c = piece[i];
    int digit = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                       : -1;
    if (digit < 0 || value > 0xFF) return -1;
    value = value * 16 + digit;
  }
  return value > 0xFF ? -1 : value;
}

}  // namespace

bool WriteLevelTable(Image& image, int offset, const std::string& text) {
  std::vector<uint8_t> values;
  std::size_t start = 0;
  while (true) {
    const auto comma = text.find(',', start);
    const int v = ParseHexByte(text.substr(start, comma - start));
    if (v < 0) return false;
    values.push_back(static_cast<uint8_t>(v));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (values.size() != layout::kLevelTableLength) return false;
  if (offset < 0 || offset + layout::kLevelTableLength > kImageSize) return false;
  std::copy(values.begin(), values.end(), image.begin() + offset);
  return true;
}

void BuildDefaultImage(Image& image, int16_t series) {
  image.fill(0xFF);
  for (const auto& d : kDefaults)
    std::copy(d.bytes.begin(), d.bytes.end(), image.begin() + d.offset);
  for (int i = 0; i < 3; ++i) {
    const char* text = kNameTexts[i];
    std::copy(text, text + std::strlen(text),
              image.begin() + layout::kNameTexts + kNameSpacing * i);
  }
  for (int i = 0; i < 5; ++i) {
    WriteLevelTable(image, layout::kLevelTables + layout::kLevelTableLength * i,
                    kLevelTableTexts[i]);
  }
  std::fill_n(image.begin() + layout::kFourthRegions.flagBase, kFourthRecordsBytes, uint8_t{0});
  WriteWord(image, layout::kModelId, ModelIdFor(series));
  WriteWord(image, {SecondModelIdOffset(series)}, ModelIdFor(series));
  if (Traits(series).thirdVariantSettings) image[kThirdVariantByteOffset] = kThirdVariantByte;
}

}  // namespace qw
