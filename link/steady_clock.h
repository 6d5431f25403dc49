// The clock every link time-out is measured on. Injected so that tests of 10 s time-outs run in
// milliseconds: a manual clock advances only when a fake port waits on it.
#pragma once

#include <chrono>

namespace qw {

class SteadyClock {
 public:
  using duration = std::chrono::steady_clock::duration;
  using time_point = std::chrono::steady_clock::time_point;
  virtual ~SteadyClock() = default;
  virtual time_point Now() const = 0;
};

// The machine's steady clock. Stateless, so one shared instance is harmless.
const SteadyClock& RealSteadyClock();

// A clock that moves only when told to; for tests and the in-memory radio.
class ManualClock final : public SteadyClock {
 public:
  time_point Now() const override { return now_; }
  void Advance(duration d) { now_ += d; }
  void AdvanceTo(time_point t) {
    if (t > now_) now_ = t;
  }

 private:
  time_point now_{};
};

}  // namespace qw
