// The ASCII-hex records of the clone protocol: SOH, hex characters, checksum, CR.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace qw {

inline constexpr uint8_t kSOH = 0x01;
inline constexpr uint8_t kCR = 0x0D;
inline constexpr uint8_t kACK = 0x06;
inline constexpr uint8_t kCAN = 0x18;

inline constexpr uint8_t kCmdWriteByte = 0x11;
inline constexpr uint8_t kCmdReadByte = 0x12;
inline constexpr uint8_t kCmdWriteBlock = 0x13;
inline constexpr uint8_t kCmdReadBlock = 0x14;

inline constexpr int kBlockSize = 64;

// Reply lengths after the SOH, CR included.
inline constexpr std::size_t kReadByteReplyLength = 7;
inline constexpr std::size_t kReadBlockReplyLength = 133;

// Two upper-case hexadecimal digits, high nibble first.
std::pair<uint8_t, uint8_t> ByteToHex(uint8_t value);
// The byte two hexadecimal digits spell; lower case accepted. Non-digits count as 0.
uint8_t HexToByte(uint8_t high, uint8_t low);
// One's complement of the low 8 bits of the sum of record[first..last].
uint8_t RecordChecksum(const uint8_t* record, std::size_t first, std::size_t last);

// A request record: SOH, code, address, data, checksum, CR.
std::vector<uint8_t> BuildRequest(uint8_t code, uint16_t address, const uint8_t* data = nullptr,
                                  std::size_t count = 0);
// The record type when the checksum is right and the type is one of the four commands, else 0.
// record holds n bytes after the SOH, the last being CR.
uint8_t CheckRecord(const uint8_t* record, std::size_t n);

}  // namespace qw
