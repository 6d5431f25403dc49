#include "link/trace_sink.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace qw {

FileTraceSink::FileTraceSink(const std::string& path)
    : path_(path),
      temp_(path + ".tmp"),
      out_(temp_, std::ios::binary | std::ios::trunc),
      start_(std::chrono::steady_clock::now()) {}

FileTraceSink::~FileTraceSink() {
  if (lineOpen_) out_ << '\n';
  out_.close();
  std::error_code ignored;
  if (out_) std::filesystem::rename(temp_, path_, ignored);
}

long long FileTraceSink::ElapsedMs() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now() - start_).count();
}

void FileTraceSink::BeginExchange(const std::string& label) {
  if (lineOpen_) out_ << '\n';
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%9lld ", ElapsedMs());
  out_ << stamp << label << ':';
  lineOpen_ = true;
  haveDirection_ = false;
}

void FileTraceSink::Bytes(TraceDirection direction, const uint8_t* data, std::size_t n) {
  if (n == 0) return;
  if (!lineOpen_) BeginExchange("line");
  if (!haveDirection_ || direction != last_) {
    out_ << "  " << (direction == TraceDirection::Sent ? '>' : '<') << ElapsedMs();
    haveDirection_ = true;
    last_ = direction;
  }
  char hex[4];
  for (std::size_t i = 0; i < n; ++i) {
    std::snprintf(hex, sizeof hex, " %02X", data[i]);
    out_ << hex;
  }
  out_.flush();
}

}  // namespace qw
