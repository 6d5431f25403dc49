// Which parts of the memory image cross the cable, and how, when the program reads a radio or
// programs it. The radio keeps a few ranges to itself, and the program keeps a few of its own.
#pragma once

#include <cstdint>
#include <optional>

namespace qw {

struct AddressRange {
  int32_t first;
  int32_t last;
  bool Contains(int32_t address) const { return address >= first && address <= last; }
};

// A read receives these addresses but the image keeps its own bytes there.
bool IsProgramOwn(int32_t address);

// Blocks a program run leaves alone in the radio (addresses of 64-byte blocks).
bool IsUnwrittenBlock(int32_t blockAddress);

// The byte range that a program run writes one byte at a time in place of the block at
// blockAddress, for the series; nullopt when the block is written (or skipped) whole.
std::optional<AddressRange> ByteWrittenRange(int16_t series, int32_t blockAddress);

}  // namespace qw
