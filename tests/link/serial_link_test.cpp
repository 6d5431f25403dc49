// The transport against a scripted line: every way an exchange can fail, and what it costs.
#include "link/serial_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <numeric>
#include <tuple>

#include "link/record.h"

namespace qw {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;
using Ms = std::chrono::milliseconds;

// A read-block reply carrying seed, seed + 1, ... seed + 63: framed like a request whose address
// is the first two of them.
Bytes Reply(uint8_t type, uint8_t seed) {
  Bytes data(kBlockSize);
  std::iota(data.begin(), data.end(), seed);
  return BuildRequest(type, uint16_t(data[0] << 8 | data[1]), &data[2], kBlockSize - 2);
}

// A scripted line on a manual clock, so that time-outs of seconds take no real time: a wait moves
// the clock to the next arrival, the cancel moment or the end of the time-out. Each request gets
// the cable's echo (unless off) and then the next scripted answer 20 ms later; a CAN gets an ACK.
class Line final : public SerialPort {
 public:
  using Time = SteadyClock::time_point;
  explicit Line(std::vector<Bytes> answers, bool echo = true, bool atOnce = false)
      : answers_(std::move(answers)), echo_(echo), atOnce_(atOnce) {}

  SerialLink Link(int16_t series = kSeriesMV710) { return SerialLink(*this, control, series); }
  // Bytes that arrive after the delay, one after the other (or all at once).
  void Deliver(const Bytes& bytes, Ms delay = {}, bool atOnce = false) {
    auto at = clock.Now() + delay;
    for (uint8_t b : bytes) pending_.emplace(atOnce ? at : at += 1us, b);
  }
  std::vector<Bytes> Requests() const {
    std::vector<Bytes> out;
    for (const auto& [bytes, at] : sent)
      if (bytes != Bytes{kCAN}) out.push_back(bytes);
    return out;
  }
  Ms Elapsed() const { return std::chrono::duration_cast<Ms>(clock.Now().time_since_epoch()); }

  bool Open(std::string&) override { return true; }
  void Close() override {}
  bool IsOpen() const override { return true; }
  std::size_t BytesWaiting() override {
    return std::distance(pending_.begin(), pending_.upper_bound(clock.Now()));
  }
  std::size_t Read(uint8_t* out, std::size_t n) override {
    std::size_t k = 0;
    for (const auto end = pending_.upper_bound(clock.Now()); k < n && pending_.begin() != end; ++k)
      out[k] = pending_.extract(pending_.begin()).mapped();
    return k;
  }
  bool Write(const uint8_t* data, std::size_t n) override {
    const Bytes& bytes = sent.emplace_back(Bytes(data, data + n), clock.Now()).first;
    if (echo_) Deliver(bytes);
    if (bytes == Bytes{kCAN}) {
      Deliver({kACK}, 2ms);
    } else if (next_ < answers_.size()) {
      Deliver(answers_[next_++], 20ms, atOnce_);
    }
    return true;
  }
  bool WaitForInput(std::size_t have, Ms timeout) override {
    const Time end = clock.Now() + timeout;
    while (BytesWaiting() <= have) {
      const auto later = pending_.upper_bound(clock.Now());
      const Time wake =
          std::min({later == pending_.end() ? Time::max() : later->first, cancelAt, end});
      clock.AdvanceTo(wake);
      if (wake == cancelAt) {
        cancel = true;
        cancelAt = Time::max();
        return false;
      }
      if (wake == end) return BytesWaiting() > have;
    }
    return true;
  }
  std::chrono::microseconds ByteTime() const override { return {}; }
  std::string Name() const override { return "scripted"; }

  ManualClock clock;
  CancelFlag cancel;
  Time cancelAt = Time::max();  // the cancel flag is raised as the clock passes this
  TransferControl control{nullptr, &cancel, &clock, nullptr};
  std::vector<std::pair<Bytes, Time>> sent;
  Image buffer{};

 private:
  std::vector<Bytes> answers_;
  std::size_t next_ = 0;
  bool echo_, atOnce_;
  std::multimap<Time, uint8_t> pending_;
};

TEST(SerialLink, EveryFaultOfAReplyIsRepeatedOnceAfterCanAndThenFails) {
  const Bytes good = Reply(0x14, 9);
  Bytes badSum = Reply(0x14, 1), badEnd = Reply(0x14, 1), tooLong = Reply(0x14, 1);
  badSum[badSum.size() - 2] ^= 1;
  badEnd.back() = 'X';
  tooLong.push_back(0x33);
  Bytes noisy = good;
  noisy.insert(noisy.begin(), {0x00, 0x55, 0x7F});
  struct Row {
    const char* fault;
    std::vector<Bytes> answers;
    bool ok;
    Ms from, to;  // how long the exchange takes
    enum { Plain, AtOnce, Babble, NoEcho, ThirdVariant } line = Plain;
  };
  // Replies come 20 ms after their request; the program waits 10 s for a SOH, 1 s for the rest of
  // the record, and 50 ms after the CAN. Without the echo the reply's start is taken for the echo.
  const Row rows[] = {
      {"none", {good}, true, 20ms, 30ms},
      {"bytes before the SOH", {noisy}, true, 20ms, 30ms},
      {"wrong type", {Reply(0x13, 1), good}, true, 90ms, 100ms},
      {"checksum mismatch", {badSum, good}, true, 90ms, 100ms},
      {"wrong terminator", {badEnd, good}, true, 90ms, 100ms},
      {"no SOH within 10 s", {{}, good}, true, 10s + 70ms, 10s + 80ms},
      {"more bytes than the record", {tooLong, good}, true, 1s + 90ms, 1s + 100ms, Row::AtOnce},
      {"third variant's cable, which does not echo", {good}, true, 20ms, 30ms, Row::ThirdVariant},
      {"silence", {}, false, 20s + 50ms, 20s + 60ms},
      {"noise that outlasts every time-out", {}, false, 20s + 50ms, 20s + 60ms, Row::Babble},
      {"checksum mismatch twice", {badSum, badSum}, false, 90ms, 100ms},
      {"missing echo", {good, good}, false, 20s + 90ms, 20s + 100ms, Row::NoEcho},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.fault);
    Line line(row.answers, row.line < Row::Babble, row.line == Row::AtOnce);
    for (int k = 0; row.line == Row::Babble && k < 600; ++k)
      line.Deliver(Bytes(50, 0x55), k * 50ms);
    SerialLink link = line.Link(row.line == Row::ThirdVariant ? kSeriesThird : kSeriesMV710);
    EXPECT_EQ(link.ReadBlockExchange(0x100, line.buffer.data()),
              row.ok ? ExchangeResult::Ok : ExchangeResult::Failed);
    EXPECT_GE(line.Elapsed(), row.from);
    EXPECT_LE(line.Elapsed(), row.to);
    Image expected{};
    for (int i = 0; row.ok && i < kBlockSize; ++i) expected[0x100 + i] = uint8_t(9 + i);
    EXPECT_EQ(line.buffer, expected);
    const bool repeated = line.Requests().size() == 2;
    for (const Bytes& request : line.Requests())
      EXPECT_EQ(request, BuildRequest(kCmdReadBlock, 0x100));
    // A repeat is sent 50 ms after a CAN, never on the first attempt.
    ASSERT_EQ(line.sent.size(), repeated ? 3u : 1u);
    if (repeated) {
      EXPECT_EQ(line.sent[1].first, Bytes{kCAN});
      EXPECT_GE(line.sent[2].second - line.sent[1].second, 50ms);
      EXPECT_LT(line.sent[2].second - line.sent[1].second, 60ms);
    }
  }
}

// A cancel is noticed in whichever wait is running and ends the exchange without a repeat.
TEST(SerialLink, CancelStopsEveryWait) {
  Bytes partial = Reply(0x14, 0);
  partial.resize(60);
  // The wait, when the cancel comes, the reply, whether the cable echoes, CANs sent.
  using Case = std::tuple<const char*, Ms, Bytes, bool, std::size_t>;
  for (const auto& [where, at, reply, echo, cans] :
       {Case{"echo", 500ms, {}, false, 0}, Case{"SOH", 3s, {}, true, 0},
        Case{"record", 300ms, partial, true, 0},
        Case{"pause after CAN", 10s + 20ms, {}, true, 1}}) {
    SCOPED_TRACE(where);
    Line line({reply, reply}, echo);
    line.cancelAt = line.clock.Now() + at;
    SerialLink link = line.Link();
    EXPECT_EQ(link.ReadBlockExchange(0, line.buffer.data()), ExchangeResult::Cancelled);
    EXPECT_EQ(line.sent.size() - line.Requests().size(), cans);
    EXPECT_LE(line.Elapsed(), at + 10ms);
  }
}

TEST(SerialLink, CancelSequenceSendsCanAndWaitsForAckDespiteTheCancel) {
  Line line({});
  line.cancel = true;
  SerialLink link = line.Link();
  link.CancelSequence();
  EXPECT_EQ(line.sent.back().first, Bytes{kCAN});
  EXPECT_GE(line.Elapsed(), 2ms);  // it waited for the ACK
}

// A wait of no time says whether the flag is up, and nothing else.
TEST(CancelFlag, AWaitOfNoTimeOnlyLooks) {
  CancelFlag flag;
  EXPECT_FALSE(flag.WaitFor(0ms) || flag.WaitFor(-5ms));
  flag.exchange(true);
  EXPECT_TRUE(flag.WaitFor(0ms) && flag.WaitFor(-5ms));
}

}  // namespace
}  // namespace qw
