// A field of bits in one byte of the memory image.
#pragma once

namespace qw::layout {

// Bits are numbered 7 (top) to 0; a field of `width` bits occupies bits top..top-width+1.
struct BitField {
  int offset;
  int top;
  int width;
};

constexpr BitField Bit(int offset, int bit) {
  return {offset, bit, 1};
}

}  // namespace qw::layout
