#include "link/steady_clock.h"

namespace qw {
namespace {

class MachineClock final : public SteadyClock {
 public:
  time_point Now() const override { return std::chrono::steady_clock::now(); }
};

}  // namespace

const SteadyClock& RealSteadyClock() {
  static const MachineClock clock;
  return clock;
}

}  // namespace qw
