// The transport against a scripted line: every way an exchange can fail, and what it costs.
#include "link/serial_link.h"

#include <gtest/gtest.h>

#include "link/record.h"
#include "scripted_port.h"

namespace qw {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;

Bytes ReplyRecord(uint8_t type, const Bytes& data) {
  Bytes r{kSOH};
  auto put = [&r](uint8_t v) {
    auto [h, l] = ByteToHex(v);
    r.push_back(h), r.push_back(l);
  };
  put(type);
  for (uint8_t b : data) put(b);
  put(RecordChecksum(r.data(), 1, r.size() - 1));
  r.push_back(kCR);
  return r;
}

Bytes Block(uint8_t seed) {
  Bytes b(64);
  for (int i = 0; i < 64; ++i) b[i] = static_cast<uint8_t>(seed + i);
  return b;
}

class LinkTest : public ::testing::Test {
 protected:
  // Each request gets the echo (unless echo is off) and then the next scripted answer.
  void Answer(std::vector<Bytes> answers) {
    answers_ = std::move(answers);
    next_ = 0;
    port.onWrite = [this](const Bytes& bytes) {
      if (echo) port.Deliver(bytes);
      if (bytes == Bytes{kCAN}) return port.Deliver({kACK}, 2ms);
      if (next_ < answers_.size()) port.Deliver(answers_[next_++], 20ms, atOnce);
    };
  }
  std::vector<Bytes> Requests() const {
    std::vector<Bytes> out;
    for (const auto& s : port.sent)
      if (s.bytes != Bytes{kCAN}) out.push_back(s.bytes);
    return out;
  }
  int CanCount() const {
    int n = 0;
    for (const auto& s : port.sent) n += s.bytes == Bytes{kCAN};
    return n;
  }
  SerialLink MakeLink(int16_t series = kSeriesMV710) { return SerialLink(port, control, series); }

  ManualClock clock;
  test::ScriptedPort port{clock};
  std::atomic<bool> cancel{false};
  test::RecordingTrace trace;
  TransferControl control{nullptr, &cancel, &clock, &trace};
  bool echo = true;
  bool atOnce = false;
  Image buffer{};

 private:
  std::vector<Bytes> answers_;
  std::size_t next_ = 0;
};

TEST_F(LinkTest, ReadBlockStoresTheDataAtTheAddress) {
  Answer({ReplyRecord(0x14, Block(7))});
  auto link = MakeLink();
  link.ReadBlockExchange(0x0040, buffer.data());
  EXPECT_FALSE(link.OperationFailed);
  EXPECT_EQ(Bytes(buffer.begin() + 0x40, buffer.begin() + 0x80), Block(7));
  EXPECT_EQ(buffer[0x3F], 0);
  EXPECT_EQ(Requests(), std::vector<Bytes>{BuildRequest(kCmdReadBlock, 0x40)});
  EXPECT_EQ(CanCount(), 0);  // the first attempt never sends CAN
  EXPECT_LT(clock.Now().time_since_epoch(), 1s);
}

TEST_F(LinkTest, BadRepliesAreRepeatedOnceAfterCanAndAPause) {
  Bytes wrongType = ReplyRecord(0x13, Block(1));
  Bytes badSum = ReplyRecord(0x14, Block(1));
  badSum[badSum.size() - 2] ^= 1;
  Bytes badEnd = ReplyRecord(0x14, Block(1));
  badEnd.back() = 'X';
  Bytes noise = {0x00, 0x55, 0x7F};
  Bytes good = ReplyRecord(0x14, Block(9));
  Bytes garbled = noise;
  garbled.insert(garbled.end(), good.begin(), good.end());
  for (const Bytes& first : {wrongType, badSum, badEnd, Bytes{}}) {
    port.sent.clear();
    buffer = {};
    Answer({first, garbled});  // bytes before SOH are dropped on the second try
    auto link = MakeLink();
    link.ReadBlockExchange(0x0100, buffer.data());
    EXPECT_FALSE(link.OperationFailed);
    EXPECT_EQ(Bytes(buffer.begin() + 0x100, buffer.begin() + 0x140), Block(9));
    ASSERT_EQ(port.sent.size(), 3u);
    EXPECT_EQ(port.sent[1].bytes, Bytes{kCAN});
    EXPECT_GE(port.sent[2].at - port.sent[1].at, 50ms);
    EXPECT_LT(port.sent[2].at - port.sent[1].at, 60ms);
  }
}

TEST_F(LinkTest, TwoFailuresLeaveTheBufferUntouched) {
  Bytes badSum = ReplyRecord(0x14, Block(1));
  badSum[badSum.size() - 3] ^= 1;
  Answer({badSum, badSum, badSum});
  auto link = MakeLink();
  link.ReadBlockExchange(0x0040, buffer.data());
  EXPECT_TRUE(link.OperationFailed);
  EXPECT_FALSE(link.OperationCancelled);
  EXPECT_EQ(buffer, Image{});
  EXPECT_EQ(Requests().size(), 2u);
}

TEST_F(LinkTest, SilenceCostsTheTimeOutsOfBothAttempts) {
  Answer({});
  auto link = MakeLink();
  link.ReadBlockExchange(0, buffer.data());
  EXPECT_TRUE(link.OperationFailed);
  // Echo arrives at once; 10 s for the SOH each time, plus the 50 ms pause.
  EXPECT_GE(clock.Now().time_since_epoch(), 20s + 50ms);
  EXPECT_LT(clock.Now().time_since_epoch(), 20s + 100ms);
}

TEST_F(LinkTest, MoreBytesThanTheRecordMakeTheReceiveTimeOut) {
  Bytes tooLong = ReplyRecord(0x14, Block(1));
  tooLong.push_back(0x33);
  atOnce = true;
  Answer({tooLong, ReplyRecord(0x14, Block(2))});
  auto link = MakeLink();
  link.ReadBlockExchange(0, buffer.data());
  EXPECT_FALSE(link.OperationFailed);
  EXPECT_EQ(buffer[0], 2);
  EXPECT_GE(port.sent[1].at.time_since_epoch(), 1s);  // the CAN followed the 1 s time-out
}

TEST_F(LinkTest, WithoutEchoTheReplyIsEatenAsEchoAndTheExchangeFails) {
  echo = false;
  Answer({ReplyRecord(0x12, {0x02}), ReplyRecord(0x12, {0x02})});
  auto link = MakeLink();
  link.ReadByteExchange(0x40, buffer.data());
  EXPECT_TRUE(link.OperationFailed);
  EXPECT_EQ(buffer[0x40], 0);
}

TEST_F(LinkTest, TheThirdVariantReadsNoEcho) {
  echo = false;
  Answer({ReplyRecord(0x12, {0x1B})});
  auto link = MakeLink(kSeriesThird);
  link.ReadByteExchange(0x40, buffer.data());
  EXPECT_FALSE(link.OperationFailed);
  EXPECT_EQ(buffer[0x40], 0x1B);
}

TEST_F(LinkTest, WritesWaitForAck) {
  Image image{};
  image[0x42] = 0x5A;
  Answer({{}, {0x41, kACK}});  // first try unanswered, second acknowledged after noise
  auto link = MakeLink();
  link.WriteByteExchange(0x42, image);
  EXPECT_FALSE(link.OperationFailed);
  EXPECT_EQ(Requests().front(), BuildRequest(kCmdWriteByte, 0x42, &image[0x42], 1));
  EXPECT_EQ(CanCount(), 1);

  port.sent.clear();
  Answer({{}, {}});
  link.WriteBlockExchange(0x80, image);
  EXPECT_TRUE(link.OperationFailed);
  EXPECT_EQ(Requests().front().size(), 138u);
}

// A cancel is noticed in whichever wait is running, and ends the exchange without a retry.
TEST_F(LinkTest, CancelStopsEveryWait) {
  struct Case {
    const char* where;
    std::chrono::milliseconds at;
    Bytes reply;
    bool echo;
  };
  Bytes partial = ReplyRecord(0x14, Block(0));
  partial.resize(60);
  for (const Case& c : {Case{"echo", 500ms, {}, false}, Case{"SOH", 3s, {}, true},
                        Case{"record", 300ms, partial, true}}) {
    SCOPED_TRACE(c.where);
    ManualClock localClock;
    clock = localClock;
    port.sent.clear();
    cancel = false;
    echo = c.echo;
    Answer({c.reply, c.reply});
    port.cancelFlag = &cancel;
    port.cancelAt = clock.Now() + c.at;
    auto link = MakeLink();
    link.ReadBlockExchange(0, buffer.data());
    EXPECT_TRUE(link.OperationCancelled);
    EXPECT_TRUE(link.OperationFailed);
    EXPECT_EQ(CanCount(), 0);
    EXPECT_LE(clock.Now().time_since_epoch(), c.at + 10ms);
  }
}

TEST_F(LinkTest, CancelDuringTheCanPauseSkipsTheRepeat) {
  Answer({});
  port.cancelFlag = &cancel;
  port.cancelAt = clock.Now() + 10s + 20ms;  // inside the pause after CAN
  auto link = MakeLink();
  link.ReadBlockExchange(0, buffer.data());
  EXPECT_TRUE(link.OperationCancelled);
  EXPECT_LT(clock.Now().time_since_epoch(), 10s + 50ms);
}

TEST_F(LinkTest, CancelSequenceSendsCanAndWaitsForAckDespiteTheCancel) {
  Answer({});
  cancel = true;
  auto link = MakeLink();
  link.CancelSequence();
  EXPECT_EQ(port.sent.back().bytes, Bytes{kCAN});
  EXPECT_TRUE(link.OperationCancelled);
  EXPECT_GE(clock.Now().time_since_epoch(), 2ms);  // it waited for the ACK
}

TEST_F(LinkTest, AnUnpluggedPortFailsAtOnce) {
  port.onWrite = [this](const Bytes&) { port.Unplug(); };
  auto link = MakeLink();
  link.ReadBlockExchange(0, buffer.data());
  EXPECT_TRUE(link.OperationFailed);
  EXPECT_LT(clock.Now().time_since_epoch(), 100ms);
}

TEST_F(LinkTest, TraceHasOneLabelPerAttempt) {
  Answer({{}, ReplyRecord(0x14, Block(0))});
  auto link = MakeLink();
  link.ReadBlockExchange(0x40, buffer.data());
  EXPECT_EQ(trace.labels, (std::vector<std::string>{"read block 0040", "read block 0040 again"}));
  EXPECT_EQ(trace.sent.size(), 1u + 10 + 10);
}

}  // namespace
}  // namespace qw
