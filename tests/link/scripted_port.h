// A serial port whose replies a test scripts, on a manual clock: waits move the clock to the next
// arrival (or by the whole time-out), so time-outs of seconds take no real time.
#pragma once

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "link/steady_clock.h"
#include "link/trace_sink.h"

namespace qw::test {

class ScriptedPort final : public SerialPort {
 public:
  using Clock = SteadyClock;
  struct Sent {
    std::vector<uint8_t> bytes;
    Clock::time_point at;
  };

  explicit ScriptedPort(ManualClock& clock) : clock_(clock) {}

  // Called for every write; the test answers with Deliver().
  std::function<void(const std::vector<uint8_t>&)> onWrite;
  // When set, the cancel flag is raised as the clock passes this moment.
  std::atomic<bool>* cancelFlag = nullptr;
  Clock::time_point cancelAt = Clock::time_point::max();
  std::vector<Sent> sent;

  // Bytes that arrive after the given delay from now, one after the other (or all at once).
  void Deliver(const std::vector<uint8_t>& bytes, std::chrono::milliseconds delay = {},
               bool atOnce = false) {
    auto at = clock_.Now() + delay;
    for (uint8_t b : bytes) {
      pending_.emplace(at, b);
      if (!atOnce) at += std::chrono::microseconds(1);
    }
  }
  void Unplug() { open_ = false; }

  bool Open(std::string&) override { return open_ = true; }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  std::size_t BytesWaiting() override {
    Arrive();
    return arrived_.size();
  }
  std::size_t Read(uint8_t* out, std::size_t n) override {
    Arrive();
    std::size_t k = 0;
    while (k < n && !arrived_.empty())
      out[k++] = arrived_.front(), arrived_.erase(arrived_.begin());
    return k;
  }
  bool Write(const uint8_t* data, std::size_t n) override {
    sent.push_back({std::vector<uint8_t>(data, data + n), clock_.Now()});
    if (onWrite) onWrite(sent.back().bytes);
    return open_;
  }
  bool WaitForInput(std::size_t have, std::chrono::milliseconds timeout) override {
    const auto end = clock_.Now() + timeout;
    for (;;) {
      if (BytesWaiting() > have) return true;
      auto next = pending_.empty() ? Clock::time_point::max() : pending_.begin()->first;
      auto wake = std::min({next, cancelAt, end});
      clock_.AdvanceTo(wake);
      if (CheckCancel()) return false;
      if (wake == end) return BytesWaiting() > have;
    }
  }
  std::string Name() const override { return "scripted"; }

 private:
  bool CheckCancel() {
    if (!cancelFlag || clock_.Now() < cancelAt) return false;
    cancelFlag->store(true);
    cancelAt = Clock::time_point::max();
    return true;
  }
  void Arrive() {
    while (!pending_.empty() && pending_.begin()->first <= clock_.Now()) {
      arrived_.push_back(pending_.begin()->second);
      pending_.erase(pending_.begin());
    }
  }

  ManualClock& clock_;
  bool open_ = true;
  std::multimap<Clock::time_point, uint8_t> pending_;
  std::vector<uint8_t> arrived_;
};

// Collects what a trace would write, without a file.
class RecordingTrace final : public TraceSink {
 public:
  std::vector<std::string> labels;
  std::vector<uint8_t> sent, received;
  void BeginExchange(const std::string& label) override { labels.push_back(label); }
  void Bytes(TraceDirection d, const uint8_t* data, std::size_t n) override {
    auto& to = d == TraceDirection::Sent ? sent : received;
    to.insert(to.end(), data, data + n);
  }
};

}  // namespace qw::test
