#include "link/record.h"

namespace qw {
namespace {

uint8_t NibbleValue(uint8_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

void PutHex(std::vector<uint8_t>& out, uint8_t value) {
  auto [high, low] = ByteToHex(value);
  out.push_back(high);
  out.push_back(low);
}

}  // namespace

std::pair<uint8_t, uint8_t> ByteToHex(uint8_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {static_cast<uint8_t>(kDigits[value >> 4]), static_cast<uint8_t>(kDigits[value & 0xF])};
}

uint8_t HexToByte(uint8_t high, uint8_t low) {
  return static_cast<uint8_t>(NibbleValue(high) << 4 | NibbleValue(low));
}

uint8_t RecordChecksum(const uint8_t* record, std::size_t first, std::size_t last) {
  unsigned sum = 0;
  for (std::size_t i = first; i <= last; ++i) sum += record[i];
  return static_cast<uint8_t>(255 - (sum & 0xFF));
}

std::vector<uint8_t> BuildRequest(uint8_t code, uint16_t address, const uint8_t* data,
                                  std::size_t count) {
  std::vector<uint8_t> out;
  out.reserve(10 + 2 * count);
  out.push_back(kSOH);
  PutHex(out, code);
  PutHex(out, static_cast<uint8_t>(address >> 8));
  PutHex(out, static_cast<uint8_t>(address & 0xFF));
  for (std::size_t i = 0; i < count; ++i) PutHex(out, data[i]);
  PutHex(out, RecordChecksum(out.data(), 1, out.size() - 1));
  out.push_back(kCR);
  return out;
}

uint8_t CheckRecord(const uint8_t* record, std::size_t n) {
  if (n < 5) return 0;
  auto [high, low] = ByteToHex(RecordChecksum(record, 0, n - 4));
  if (high != record[n - 3] || low != record[n - 2]) return 0;
  uint8_t type = HexToByte(record[0], record[1]);
  if (type < kCmdWriteByte || type > kCmdReadBlock) return 0;
  return type;
}

}  // namespace qw
