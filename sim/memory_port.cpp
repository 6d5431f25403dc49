#include "sim/memory_port.h"

#include <algorithm>
#include <cstring>

namespace qw {

bool MemoryPort::Open(std::string& error) {
  if (!openFailure_.empty()) {
    error = std::move(openFailure_);
    openFailure_.clear();
    return false;
  }
  if (!open_) {
    incoming_.clear();
    head_ = 0;
    ++opens_;
  }
  open_ = true;
  return true;
}

std::size_t MemoryPort::Read(uint8_t* out, std::size_t n) {
  std::size_t take = std::min(n, incoming_.size() - head_);
  std::memcpy(out, incoming_.data() + head_, take);
  head_ += take;
  if (head_ == incoming_.size()) {
    incoming_.clear();
    head_ = 0;
  }
  return take;
}

bool MemoryPort::Write(const uint8_t* data, std::size_t n) {
  if (!open_) return false;
  if (n >= unplugAfter_) {
    unplugAfter_ = static_cast<std::size_t>(-1);
    open_ = false;
    return false;
  }
  if (unplugAfter_ != static_cast<std::size_t>(-1)) unplugAfter_ -= n;
  radio_.Receive(data, n, incoming_);
  return true;
}

bool MemoryPort::WaitForInput(std::size_t have, std::chrono::milliseconds timeout) {
  if (BytesWaiting() > have) return true;
  // The radio has already said all it will say until the next write.
  clock_.Advance(timeout);
  return false;
}

}  // namespace qw
