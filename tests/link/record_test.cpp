#include "link/record.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(Record, RequestsAreFramedByteForByteAndReadBack) {
  EXPECT_EQ(BuildRequest(kCmdReadBlock, 0x0040),
            (Bytes{0x01, 0x31, 0x34, 0x30, 0x30, 0x34, 0x30, 0x44, 0x36, 0x0D}));
  const uint8_t data = 0xA5;
  // '1'+'1'+'1'+'F'+'F'+'E'+'A'+'5' = 0x1DA, low byte 0xDA, complement 0x25.
  const Bytes write = BuildRequest(kCmdWriteByte, 0x1FFE, &data, 1);
  EXPECT_EQ(std::string(write.begin() + 1, write.end()), "111FFEA525\r");

  // Hex digits and record checks read back what was written.
  for (int v = 0; v < 256; ++v) {
    auto [high, low] = ByteToHex(static_cast<uint8_t>(v));
    EXPECT_EQ(HexToByte(high, low), v);
    EXPECT_EQ(HexToByte(std::tolower(high), std::tolower(low)), v);
  }
  // A reply carries only hex digits; whatever else comes on the line reads as 0, so that its
  // checksum, not a stray value, decides.
  for (int c : {int{'G'}, int{'g'}, int{'/'}, int{':'}, int{'@'}, int{'`'}, int{' '}, 0x00, 0xFF}) {
    EXPECT_EQ(HexToByte(static_cast<uint8_t>(c), '1'), 0x01) << c;
    EXPECT_EQ(HexToByte('1', static_cast<uint8_t>(c)), 0x10) << c;
  }
  Bytes r = BuildRequest(kCmdReadByte, 0x1234);
  EXPECT_EQ(CheckRecord(r.data() + 1, r.size() - 1), kCmdReadByte);
  Bytes unknown = BuildRequest(0x15, 0x0040);  // checksum right, type unknown
  EXPECT_EQ(CheckRecord(unknown.data() + 1, unknown.size() - 1), 0);
  EXPECT_EQ(CheckRecord(r.data(), 3), 0);  // too short to hold anything
}

}  // namespace
}  // namespace qw
