#include "link/cancel_flag.h"

namespace qw {

bool CancelFlag::exchange(bool value) {
  bool was = false;
  {
    std::lock_guard lock(mutex_);
    was = set_.exchange(value);
  }
  if (value) raised_.notify_all();
  return was;
}

bool CancelFlag::WaitFor(std::chrono::steady_clock::duration length) const {
  if (set_.load()) return true;
  if (length <= length.zero()) return false;
  std::unique_lock lock(mutex_);
  return raised_.wait_for(lock, length, [this] { return set_.load(); });
}

}  // namespace qw
