// Single image fields, byte for byte.
#include "model/image_fields.h"

#include <gtest/gtest.h>

#include <vector>

namespace qw {
namespace {

std::vector<uint8_t> Bytes(const Image& image, int offset, int count) {
  return {image.begin() + offset, image.begin() + offset + count};
}

Image Erased() {
  Image image;
  image.fill(0xFF);
  return image;
}

TEST(ImageText, StoresPermittedCharactersAndErasesTheRest) {
  Image image = Erased();
  WriteText(image, {100, 12}, "AB#CD");
  EXPECT_EQ(Bytes(image, 100, 12), (std::vector<uint8_t>{0x41, 0x42, 0xFF, 0x43, 0x44, 0xFF, 0xFF,
                                                         0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(ReadText(image, {100, 12}), "AB");
}

TEST(ImageDigits, MmsiForcesTheTenthDigitToZero) {
  Image image = Erased();
  WriteDigits(image, {496, true}, "123456789");
  EXPECT_EQ(Bytes(image, 496, 5), (std::vector<uint8_t>{0x12, 0x34, 0x56, 0x78, 0x90}));
  EXPECT_EQ(ReadDigits(image, {496, true}), "1234567890");
}

TEST(ImageDigits, AtisCodeKeepsNoDigitNibbles) {
  Image image = Erased();
  WriteDigits(image, {507, false}, "12345");
  EXPECT_EQ(Bytes(image, 507, 5), (std::vector<uint8_t>{0x12, 0x34, 0x5F, 0xFF, 0xFF}));
  EXPECT_EQ(ReadDigits(image, {507, false}), "12345");
}

TEST(ImageDigits, EmptyOrBlankTextErasesAllFiveBytes) {
  for (const char* text : {"", "   "}) {
    Image image{};
    WriteDigits(image, {20, true}, text);
    EXPECT_EQ(Bytes(image, 20, 5), std::vector<uint8_t>(5, 0xFF)) << '"' << text << '"';
    EXPECT_EQ(ReadDigits(image, {20, true}), "");
  }
}

TEST(ImageDigits, NonDigitEndsTheNumberWhenRead) {
  Image image = Erased();
  WriteDigits(image, {20, false}, "12x45");
  EXPECT_EQ(Bytes(image, 20, 3), (std::vector<uint8_t>{0x12, 0xF4, 0x5F}));
  EXPECT_EQ(ReadDigits(image, {20, false}), "12");
}

TEST(ImageFrequency, BytesForTypicalAndOutOfRangeValues) {
  struct Case {
    double mhz;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {156.025, {0x56, 0x02, 0x50}},
      {156.8, {0x56, 0x80, 0x00}},
      {162.55, {0x62, 0x55, 0x00}},
      {100.0001, {0x00, 0x00, 0x01}},
      {199.9999, {0x99, 0x99, 0x99}},
      {156.01234, {0x56, 0x01, 0x23}},
      {0, {0, 0, 0}},
      {100, {0, 0, 0}},
      {-5, {0, 0, 0}},
      {200, {0, 0, 0}},
      {250.5, {0, 0, 0}},
      {199.99996, {0, 0, 0}},  // rounds to 200
  };
  for (const Case& c : cases) {
    Image image = Erased();
    WriteFrequency(image, {40}, c.mhz);
    EXPECT_EQ(Bytes(image, 40, 3), c.bytes) << c.mhz;
  }
}

TEST(ImageFrequency, ReadStopsAtTheFirstNonDigitNibble) {
  struct Case {
    std::vector<uint8_t> bytes;
    double mhz;
  };
  const Case cases[] = {
      {{0x56, 0x02, 0x50}, 156.025},  {{0xFF, 0xFF, 0xFF}, 0},     {{0x00, 0x00, 0x00}, 0},
      {{0x5A, 0x12, 0x34}, 105},      {{0x56, 0x8F, 0x12}, 156.8}, {{0xA5, 0x00, 0x00}, 0},
      {{0x00, 0x00, 0x01}, 100.0001},
  };
  for (const Case& c : cases) {
    Image image = Erased();
    std::copy(c.bytes.begin(), c.bytes.end(), image.begin() + 40);
    EXPECT_EQ(ReadFrequency(image, {40}), c.mhz);
  }
}

TEST(ImageCallSign, RightAlignedWithErasedPadding) {
  Image image = Erased();
  WriteCallSign(image, {12544}, "AB");
  EXPECT_EQ(Bytes(image, 12544, 3), (std::vector<uint8_t>{0xFF, 'A', 'B'}));
  EXPECT_EQ(ReadCallSign(image, {12544}), "AB");
  WriteCallSign(image, {12544}, "WXYZ");  // keeps the last three
  EXPECT_EQ(Bytes(image, 12544, 3), (std::vector<uint8_t>{'X', 'Y', 'Z'}));
  WriteCallSign(image, {12544}, "A B");  // a blank inside becomes an erased byte too
  EXPECT_EQ(Bytes(image, 12544, 3), (std::vector<uint8_t>{'A', 0xFF, 'B'}));
  EXPECT_EQ(ReadCallSign(image, {12544}), "AB");
  EXPECT_EQ(ReadCallSign(Erased(), {12547}), "");
}

TEST(ImageOffsetTime, CodesBothWays) {
  EXPECT_EQ(EncodeOffsetTime(0), 0x0C);
  EXPECT_EQ(EncodeOffsetTime(24), 0x1C);
  EXPECT_EQ(EncodeOffsetTime(12), 0x10);
  EXPECT_EQ(EncodeOffsetTime(-3), 0x0C);  // clamped
  EXPECT_EQ(EncodeOffsetTime(30), 0x1C);
  for (int v = 0; v <= 24; ++v) EXPECT_EQ(DecodeOffsetTime(EncodeOffsetTime(v)), v);
  EXPECT_EQ(DecodeOffsetTime(0x00), 12);
  EXPECT_EQ(DecodeOffsetTime(0x1F), 12);
  EXPECT_EQ(DecodeOffsetTime(0x0F), 0);  // magnitude above 12 taken as 12
  EXPECT_EQ(DecodeOffsetTime(0x1E), 24);
}

}  // namespace
}  // namespace qw
