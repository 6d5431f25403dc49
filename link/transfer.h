// How a caller steers and watches a radio transfer.
#pragma once

#include <functional>

#include "link/cancel_flag.h"

namespace qw {

class SteadyClock;
class TraceSink;

struct TransferControl {
  // Percent 0..100, called on the transfer's thread.
  std::function<void(int)> Progress;
  // Raised from any thread to cancel; the running wait wakes for it at once.
  CancelFlag* Cancel = nullptr;
  // Time-outs are measured on this clock; nullptr means the real steady clock.
  const SteadyClock* Clock = nullptr;
  // Every byte sent and received, for support; may be nullptr.
  TraceSink* Trace = nullptr;
};

}  // namespace qw
