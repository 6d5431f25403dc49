// The radio's side of the protocol, byte for byte, and its faults.
#include "sim/simulated_radio.h"

#include <gtest/gtest.h>

#include "link/record.h"
#include "model/image_codec.h"
#include "tests/support/radio_data.h"

namespace qw {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Feed(SimulatedRadio& radio, const Bytes& in) {
  Bytes out;
  radio.Receive(in.data(), in.size(), out);
  return out;
}

SimulatedRadio Radio(int16_t series = kSeriesMV510) {
  return SimulatedRadio(series, test::PatternMemory(series));
}

// What the radio holds arriving is the clone procedures' test; here the echo and the image's end.
TEST(SimulatedRadio, EchoesThenAnswersReads) {
  SimulatedRadio radio = Radio();
  Bytes request = BuildRequest(kCmdReadByte, 0x0041);
  Bytes out = Feed(radio, request);
  ASSERT_EQ(out.size(), request.size() + 8);
  EXPECT_EQ(Bytes(out.begin(), out.begin() + 10), request);
  EXPECT_EQ(Feed(radio, BuildRequest(kCmdReadBlock, 0x1FC0)).size(), 10u + 134);
  // A block past the end of the image is not answered.
  EXPECT_EQ(Feed(radio, BuildRequest(kCmdReadBlock, 0x2000)).size(), 10u);
  // The third variant's cable does not echo.
  SimulatedRadio third = Radio(kSeriesThird);
  EXPECT_EQ(Feed(third, BuildRequest(kCmdReadByte, 0x3FFE)).size(), 8u);
}

TEST(SimulatedRadio, LoneCanIsAcknowledgedAndBadRecordsIgnored) {
  SimulatedRadio radio = Radio();
  EXPECT_EQ(Feed(radio, {kCAN}), (Bytes{kCAN, kACK}));
  Bytes bad = BuildRequest(kCmdReadByte, 0x40);
  bad[7] ^= 1;
  EXPECT_EQ(Feed(radio, bad), bad);  // echo only
  Bytes noise(1000, 'A');
  noise.insert(noise.begin(), kSOH);
  EXPECT_EQ(Feed(radio, noise).size(), noise.size());
  // Still in step after the noise.
  EXPECT_EQ(Feed(radio, BuildRequest(kCmdReadByte, 0x40)).size(), 18u);
}

// Each fault spoils as many answers as it counts. (What the link makes of each is its own test.)
TEST(SimulatedRadio, FaultsApplyToTheNextAnswersOnly) {
  SimulatedRadio radio = Radio();
  Bytes request = BuildRequest(kCmdReadByte, 0x40);
  radio.Faults().corruptChecksum = 1;
  radio.Faults().wrongType = 2;
  for (int type : {0, int{kCmdWriteBlock}, int{kCmdReadByte}}) {
    const Bytes out = Feed(radio, request);
    EXPECT_EQ(CheckRecord(out.data() + 11, 7), type);
  }
}

TEST(SimulatedRadio, StartsWithTheSeriesDefaultImageAndItsModelNumber) {
  for (int16_t series : {kSeriesMV510, kSeriesMV710, kSeriesThird}) {
    SimulatedRadio radio(series);
    const auto& m = radio.Memory();
    EXPECT_TRUE(ModelIdsMatch(m.data(), m.size(), series)) << series;
  }
  SimulatedRadio radio(kSeriesMV510);
  radio.SetModelWords(0x01FE, 0x02C6);
  EXPECT_EQ(radio.Memory()[8190], 0x02);
  EXPECT_EQ(radio.Memory()[0x41], 0xFE);
}

}  // namespace
}  // namespace qw
