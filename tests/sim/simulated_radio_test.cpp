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

// What the radio answers, ignores and spoils. (The echo and the answers are every transfer's, the
// clone procedures' tests; what the link makes of each fault is its own test.)
TEST(SimulatedRadio, AnswersIgnoresAndSpoilsRequestsOneByOne) {
  SimulatedRadio radio(kSeriesMV510, test::PatternMemory(kSeriesMV510));
  EXPECT_EQ(Feed(radio, BuildRequest(kCmdReadBlock, 0x1FC0)).size(), 10u + 134);
  // A block past the end of the image is not answered.
  EXPECT_EQ(Feed(radio, BuildRequest(kCmdReadBlock, 0x2000)).size(), 10u);
  // A lone CAN is acknowledged; a bad record, and noise after a SOH, are echoed only.
  EXPECT_EQ(Feed(radio, {kCAN}), (Bytes{kCAN, kACK}));
  const Bytes request = BuildRequest(kCmdReadByte, 0x40);
  Bytes bad = request;
  bad[7] ^= 1;
  EXPECT_EQ(Feed(radio, bad), bad);
  Bytes noise(1000, 'A');
  noise.insert(noise.begin(), kSOH);
  EXPECT_EQ(Feed(radio, noise).size(), noise.size());
  // Still in step after the noise; each fault spoils as many answers as it counts.
  radio.Faults().corruptChecksum = 1;
  radio.Faults().wrongType = 2;
  for (int type : {0, int{kCmdWriteBlock}, int{kCmdReadByte}}) {
    const Bytes out = Feed(radio, request);
    ASSERT_EQ(out.size(), 18u);
    EXPECT_EQ(CheckRecord(out.data() + 11, 7), type);
  }
  // The third variant's cable does not echo.
  SimulatedRadio third(kSeriesThird, test::PatternMemory(kSeriesThird));
  EXPECT_EQ(Feed(third, BuildRequest(kCmdReadByte, 0x3FFE)).size(), 8u);
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
