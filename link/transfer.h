// How a caller steers and watches a radio transfer.
#pragma once

#include <atomic>
#include <functional>

namespace qw {

class SteadyClock;
class TraceSink;

struct TransferControl {
  // Percent 0..100, called on the transfer's thread.
  std::function<void(int)> Progress;
  // Set from any thread to cancel; the running wait notices it within a few milliseconds.
  std::atomic<bool>* Cancel = nullptr;
  // Time-outs are measured on this clock; nullptr means the real steady clock.
  const SteadyClock* Clock = nullptr;
  // Every byte sent and received, for support; may be nullptr.
  TraceSink* Trace = nullptr;
};

}  // namespace qw
