// The flag a caller raises to stop a transfer, and that the transfer can sleep on: a wait for
// bytes that cannot have arrived yet blocks here, so a cancel still ends it at once.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace qw {

class CancelFlag {
 public:
  bool load() const { return set_.load(); }
  void store(bool value) { exchange(value); }
  // Raises or lowers the flag and returns what it was; safe from any thread.
  bool exchange(bool value);
  CancelFlag& operator=(bool value) {
    store(value);
    return *this;
  }

  // Blocks until the flag is raised or the time has passed; true when it is raised.
  bool WaitFor(std::chrono::steady_clock::duration length) const;

 private:
  std::atomic<bool> set_{false};
  mutable std::mutex mutex_;
  mutable std::condition_variable raised_;
};

}  // namespace qw
