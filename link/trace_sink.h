// A record of every byte that crossed the line, for support: `--trace FILE`.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

namespace qw {

enum class TraceDirection { Sent, Received };

class TraceSink {
 public:
  virtual ~TraceSink() = default;
  // Starts a new line for the next exchange ("read block 0040").
  virtual void BeginExchange(const std::string& label) = 0;
  virtual void Bytes(TraceDirection direction, const uint8_t* data, std::size_t n) = 0;
};

// Writes one exchange per line: the label, then runs of bytes in hex, each run opened by its
// direction (">" sent, "<" received) and the milliseconds since the trace began. The lines go to
// a temporary file beside the trace, renamed into place when the sink is destroyed.
class FileTraceSink final : public TraceSink {
 public:
  // Check Ok() after construction; a trace that cannot be written is silently dropped.
  explicit FileTraceSink(const std::string& path);
  ~FileTraceSink() override;
  bool Ok() const { return out_.good(); }

  void BeginExchange(const std::string& label) override;
  void Bytes(TraceDirection direction, const uint8_t* data, std::size_t n) override;

 private:
  long long ElapsedMs() const;

  std::string path_;
  std::string temp_;
  std::ofstream out_;
  std::chrono::steady_clock::time_point start_;
  bool lineOpen_ = false;
  bool haveDirection_ = false;
  TraceDirection last_ = TraceDirection::Sent;
};

}  // namespace qw
