// The model check, the block read and the write address plan against the in-memory radio.
#include "link/clone_procedures.h"

#include <gtest/gtest.h>

#include "link/record.h"
#include "sim/memory_port.h"
#include "sim/simulated_radio.h"

namespace qw {
namespace {

using Request = SimulatedRadio::Request;

std::vector<uint8_t> RadioMemory(int16_t series) {
  std::vector<uint8_t> m(ImageLastFor(series) + 1);
  for (std::size_t i = 0; i < m.size(); ++i) m[i] = static_cast<uint8_t>(i * 7 + 3);
  const uint16_t id = ModelIdFor(series);
  const int second = SecondModelIdOffset(series);
  m[0x40] = m[second] = id >> 8;
  m[0x41] = m[second + 1] = id & 0xFF;
  return m;
}

class CloneTest : public ::testing::Test {
 protected:
  void Use(int16_t series) {
    series_ = series;
    radio = std::make_unique<SimulatedRadio>(series, RadioMemory(series));
    port = std::make_unique<MemoryPort>(*radio, clock);
    link = std::make_unique<SerialLink>(*port, control, series);
  }
  std::vector<Request> Requests(uint8_t command) const {
    std::vector<Request> out;
    for (const Request& r : radio->Requests())
      if (r.command == command) out.push_back(r);
    return out;
  }

  ManualClock clock;
  std::atomic<bool> cancel{false};
  std::vector<int> progress;
  TransferControl control{[this](int p) { progress.push_back(p); }, &cancel, &clock, nullptr};
  std::unique_ptr<SimulatedRadio> radio;
  std::unique_ptr<MemoryPort> port;
  std::unique_ptr<SerialLink> link;
  int16_t series_ = kSeriesMV710;
};

TEST_F(CloneTest, ModelCheckReadsBothCopiesOfTheModelNumber) {
  for (int16_t series : {kSeriesMV510, kSeriesMV710, kSeriesThird}) {
    Use(series);
    CloneResult r = ReadDataChkModel(*link, series, kReadTitle);
    EXPECT_TRUE(r.outcome.ok()) << series;
    const uint16_t second = SecondModelIdOffset(series);
    EXPECT_EQ(radio->Requests(), (std::vector<Request>{{kCmdReadByte, 0x40},
                                                       {kCmdReadByte, 0x41},
                                                       {kCmdReadByte, second},
                                                       {kCmdReadByte, uint16_t(second + 1)}}));
    EXPECT_FALSE(port->IsOpen());
  }
}

TEST_F(CloneTest, ModelCheckRefusesAnotherOrInconsistentRadio) {
  const Message typeError{kModelTypeError, kReadTitle, MessageIcon::Stop};
  Use(kSeriesMV710);
  auto other = ReadDataChkModel(*link, kSeriesMV510, kProgramToRadioTitle);
  EXPECT_EQ(other.outcome.message, typeError);  // titled "Read from Radio" for programming too

  Use(kSeriesMV710);
  radio->Memory()[16383] ^= 1;  // only the second copy is wrong
  auto copy = ReadDataChkModel(*link, kSeriesMV710, kReadTitle);
  EXPECT_TRUE(copy.outcome.failed());
  EXPECT_EQ(copy.outcome.message, typeError);
  EXPECT_TRUE(link->OperationFailed);
}

TEST_F(CloneTest, ModelCheckCommunicationFailure) {
  Use(kSeriesMV710);
  radio->Faults().dropReply = 2;  // the first byte fails twice; nothing after it is asked
  auto r = ReadDataChkModel(*link, kSeriesMV710, kReadTitle);
  EXPECT_EQ(r.outcome.message, (Message{kCommunicationError, kModelCheckTitle, MessageIcon::Stop}));
  EXPECT_EQ(radio->Requests().size(), 2u);
}

TEST_F(CloneTest, ReadOfAnMV510Reads128BlocksAndEndsAt99Percent) {
  Use(kSeriesMV510);
  Image buffer{};
  buffer.fill(0xEE);
  auto r = ReadData(*link, buffer, ImageLastFor(kSeriesMV510));
  ASSERT_TRUE(r.outcome.ok());
  auto blocks = Requests(kCmdReadBlock);
  ASSERT_EQ(blocks.size(), 128u);
  EXPECT_EQ(blocks.front().address, 0);
  EXPECT_EQ(blocks.back().address, 0x1FC0);
  EXPECT_TRUE(std::equal(radio->Memory().begin(), radio->Memory().end(), buffer.begin()));
  EXPECT_EQ(buffer[8192], 0xEE);  // beyond the MV510 image nothing is received
  EXPECT_EQ(progress.front(), 0);
  EXPECT_EQ(progress.back(), 99);
}

TEST_F(CloneTest, ReadOfAnMV710EndsAt100Percent) {
  Use(kSeriesMV710);
  Image buffer{};
  ASSERT_TRUE(ReadData(*link, buffer, 16383).outcome.ok());
  EXPECT_EQ(Requests(kCmdReadBlock).size(), 256u);
  EXPECT_EQ(progress.back(), 100);
}

TEST_F(CloneTest, ReadSurvivesOneBadReplyButNotTwo) {
  Use(kSeriesMV710);
  Image buffer{};
  radio->Faults().corruptChecksum = 1;
  EXPECT_TRUE(ReadData(*link, buffer, 16383).outcome.ok());

  Use(kSeriesMV710);
  radio->Faults().wrongType = 2;
  auto r = ReadData(*link, buffer, 16383);
  EXPECT_EQ(r.outcome.message, (Message{kCommunicationError, kReadTitle, MessageIcon::Stop}));
  EXPECT_EQ(Requests(kCmdReadBlock).size(), 2u);
}

TEST_F(CloneTest, CancelledReadStopsTheRadioWithCan) {
  Use(kSeriesMV710);
  Image buffer{};
  // Cancel from the progress callback when a third of the image is done.
  control.Progress = [this](int p) {
    if (p >= 33) cancel = true;
  };
  radio->Faults().dropReply = 0;
  auto r = ReadData(*link, buffer, 16383);
  EXPECT_TRUE(r.outcome.cancelled());
  EXPECT_FALSE(r.outcome.message.has_value());
  EXPECT_LT(Requests(kCmdReadBlock).size(), 100u);
  EXPECT_FALSE(port->IsOpen());
}

TEST_F(CloneTest, WritePlanOfAnMV710) {
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
  for (int a = 0; a <= 16383; ++a) {
    const bool written =
        (a >= 0x42 && a <= 0xBF) || (a >= 0x100 && a <= 0x1FF) || (a >= 0x300 && a <= 0x35FF);
    ASSERT_EQ(radio->Memory()[a], written ? image[a] : before[a]) << a;
  }
  EXPECT_EQ(progress.back(), 100);
}

TEST_F(CloneTest, WritePlanOfTheThirdVariantWritesItsBytesAt0x200) {
  auto plan = WritePlan(kSeriesThird);
  auto at = std::find_if(plan.begin(), plan.end(), [](auto& s) { return s.address == 0x200; });
  ASSERT_NE(at, plan.end());
  EXPECT_EQ(at->kind, WriteStep::Bytes);
  EXPECT_EQ(at->first, 0x200);
  EXPECT_EQ(at->last, 0x22F);
  EXPECT_EQ(WritePlan(kSeriesMV510).back().address, 0x1FC0);
  EXPECT_EQ(WritePlan(kSeriesMV510).back().kind, WriteStep::Block);
}

TEST_F(CloneTest, WriteFailureAndCancel) {
  Use(kSeriesMV510);
  Image image{};
  radio->Faults().dropReply = 1000;
  auto r = WriteData(*link, image, kSeriesMV510);
  EXPECT_EQ(r.outcome.message,
            (Message{kWriteCommunicationError, kProgramToRadioTitle, MessageIcon::Stop}));

  Use(kSeriesMV510);
  control.Progress = [this](int p) {
    if (p >= 50) cancel = true;
  };
  auto c = WriteData(*link, image, kSeriesMV510);
  EXPECT_TRUE(c.outcome.cancelled());
  EXPECT_LT(Requests(kCmdWriteBlock).size(), 70u);
}

TEST_F(CloneTest, PortThatWillNotOpenSaysWhy) {
  Use(kSeriesMV710);
  port->FailOpen("Cannot open /dev/ttyUSB0: there is no such port.");
  auto r = ReadDataChkModel(*link, kSeriesMV710, kReadTitle);
  EXPECT_TRUE(r.outcome.failed());
  EXPECT_EQ(r.portError, "Cannot open /dev/ttyUSB0: there is no such port.");
  EXPECT_EQ(r.outcome.message->Text, r.portError);
  EXPECT_TRUE(radio->Requests().empty());
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
