// The model check, the block read and the write address plan against the in-memory radio.
#include "link/clone_procedures.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "link/record.h"
#include "link/trace_sink.h"
#include "sim/memory_port.h"
#include "sim/simulated_radio.h"
#include "tests/support/radio_data.h"

namespace qw {
namespace {

using Request = SimulatedRadio::Request;

// The exchanges' names, as a trace would show them.
struct Labels : TraceSink {
  std::vector<std::string> seen;
  void BeginExchange(const std::string& label) override { seen.push_back(label); }
  void Bytes(TraceDirection, const uint8_t*, std::size_t) override {}
};

class CloneTest : public ::testing::Test {
 protected:
  void Use(int16_t series) {
    radio = std::make_unique<SimulatedRadio>(series, test::PatternMemory(series));
    port = std::make_unique<MemoryPort>(*radio, clock);
    link = std::make_unique<SerialLink>(*port, control, series);
  }

  ManualClock clock;
  CancelFlag cancel;
  std::vector<int> progress;
  Labels labels;
  TransferControl control{[this](int p) { progress.push_back(p); }, &cancel, &clock, &labels};
  std::unique_ptr<SimulatedRadio> radio;
  std::unique_ptr<MemoryPort> port;
  std::unique_ptr<SerialLink> link;
};

// The last block starts short of the image's end, so an MV510 read ends at 99 %.
TEST_F(CloneTest, ReadCoversTheImageBlockByBlock) {
  for (auto [series, blocks, lastPercent] :
       {std::tuple{kSeriesMV510, 128u, 99}, std::tuple{kSeriesMV710, 256u, 100}}) {
    SCOPED_TRACE(series);
    Use(series);
    progress.clear();
    Image buffer{};
    buffer.fill(0xEE);
    ASSERT_TRUE(ReadData(*link, buffer, ImageLastFor(series)).outcome.ok());
    const auto& reads = radio->Requests();
    ASSERT_EQ(reads.size(), blocks);
    EXPECT_EQ(reads.back().address, ImageLastFor(series) + 1 - kBlockSize);
    EXPECT_TRUE(std::equal(radio->Memory().begin(), radio->Memory().end(), buffer.begin()));
    EXPECT_TRUE(series != kSeriesMV510 || buffer[8192] == 0xEE);  // nothing beyond the image
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), lastPercent);
    // A read that went through ends with its last block, no cancel after it.
    EXPECT_EQ(labels.seen.back(), series == kSeriesMV510 ? "read block 1FC0" : "read block 3FC0");
    labels.seen.clear();
  }
}

TEST_F(CloneTest, ProgramWritesExactlyThePlannedRanges) {
  Use(kSeriesMV710);
  Image image{};
  for (int i = 0; i < kImageSize; ++i) image[i] = static_cast<uint8_t>(i ^ 0x5A);
  const std::vector<uint8_t> before = radio->Memory();
  ASSERT_TRUE(WriteData(*link, image, kSeriesMV710).outcome.ok());

  std::vector<Request> expected;
  for (int a = 0x42; a <= 0x7F; ++a) expected.push_back({kCmdWriteByte, uint16_t(a)});
  expected.push_back({kCmdWriteBlock, 0x80});
  for (int a = 0x100; a <= 0x1C0; a += 64) expected.push_back({kCmdWriteBlock, uint16_t(a)});
  for (int a = 0x300; a <= 0x35C0; a += 64) expected.push_back({kCmdWriteBlock, uint16_t(a)});
  EXPECT_EQ(radio->Requests(), expected);
  EXPECT_EQ(labels.seen.front(), "write byte 0042");
  EXPECT_EQ(labels.seen.at(0x7F - 0x42 + 1), "write block 0080");
  for (int a = 0; a <= 16383; ++a) {
    const bool written =
        (a >= 0x42 && a <= 0xBF) || (a >= 0x100 && a <= 0x1FF) || (a >= 0x300 && a <= 0x35FF);
    ASSERT_EQ(radio->Memory()[a], written ? image[a] : before[a]) << a;
  }
  EXPECT_EQ(progress.back(), 100);

  // The other series' plans: the third variant writes its bytes at 0x200, the MV510 stops at its
  // end.
  auto plan = WritePlan(kSeriesThird);
  auto at = std::find_if(plan.begin(), plan.end(), [](auto& s) { return s.address == 0x200; });
  ASSERT_NE(at, plan.end());
  EXPECT_EQ(std::tuple(at->kind, at->first, at->last), std::tuple(WriteStep::Bytes, 0x200, 0x22F));
  const WriteStep last = WritePlan(kSeriesMV510).back();  // the MV510's plan ends with its image
  EXPECT_EQ(std::tuple(last.kind, last.address), std::tuple(WriteStep::Block, 0x1FC0));
}

// Every byte the plan writes is read back, none other: a radio that differs at the first and
// last byte of every written range and everywhere outside them is reported at those edges only.
TEST_F(CloneTest, VerifyComparesTheFirstAndLastByteOfEveryWrittenRange) {
  for (int16_t series : {kSeriesMV510, kSeriesMV710, kSeriesThird}) {
    SCOPED_TRACE(series);
    Use(series);
    progress.clear();
    Image image{};
    std::copy(radio->Memory().begin(), radio->Memory().end(), image.begin());
    std::vector<bool> written(radio->Memory().size());
    std::vector<int32_t> edges;
    for (const WriteStep& s : WritePlan(series)) {
      if (s.kind == WriteStep::Skip) continue;
      const bool block = s.kind == WriteStep::Block;
      const int first = block ? s.address : s.first, last = block ? s.address + 63 : s.last;
      std::fill(written.begin() + first, written.begin() + last + 1, true);
      edges.insert(edges.end(), {first, last});
    }
    for (std::size_t a = 0; a < written.size(); ++a) {
      if (!written[a] || std::count(edges.begin(), edges.end(), int32_t(a)))
        radio->Memory()[a] ^= 1;
    }
    std::vector<int32_t> differing{7};  // left from an earlier run
    ASSERT_TRUE(VerifyData(*link, image, series, differing).outcome.ok());
    EXPECT_EQ(differing, edges);
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 100);
  }
}

TEST_F(CloneTest, TakeOverKeepsTheProgramsOwnRanges) {
  Image received, image;
  received.fill(1);
  image.fill(2);
  TakeOverReadImage(received, image, 16383);
  for (int a : {0x00, 0x3F, 0xC0, 0xFF, 0x3600, 0x3FFD}) EXPECT_EQ(image[a], 2) << a;
  for (int a : {0x40, 0xBF, 0x100, 0x35FF, 0x3FFE, 0x3FFF}) EXPECT_EQ(image[a], 1) << a;
}

}  // namespace
}  // namespace qw
