// A serial port wired straight to a SimulatedRadio in the same thread, for unit tests. The radio
// answers at once; when nothing more can come, a wait moves the manual clock on by its time-out.
#pragma once

#include <string>
#include <vector>

#include "link/serial_port.h"
#include "link/steady_clock.h"
#include "sim/simulated_radio.h"

namespace qw {

class MemoryPort final : public SerialPort {
 public:
  MemoryPort(SimulatedRadio& radio, ManualClock& clock) : radio_(radio), clock_(clock) {}

  bool Open(std::string& error) override;
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  std::size_t BytesWaiting() override { return incoming_.size() - head_; }
  std::size_t Read(uint8_t* out, std::size_t n) override;
  bool Write(const uint8_t* data, std::size_t n) override;
  bool WaitForInput(std::size_t have, std::chrono::milliseconds timeout) override;
  std::chrono::microseconds ByteTime() const override { return {}; }
  std::string Name() const override { return "memory"; }

  // The next Open fails with this reason.
  void FailOpen(std::string reason) { openFailure_ = std::move(reason); }
  // After this many more written bytes the cable is pulled: the port closes itself.
  void UnplugAfter(std::size_t bytes) { unplugAfter_ = bytes; }
  int OpenCount() const { return opens_; }

 private:
  SimulatedRadio& radio_;
  ManualClock& clock_;
  bool open_ = false;
  int opens_ = 0;
  std::string openFailure_;
  std::size_t unplugAfter_ = static_cast<std::size_t>(-1);
  std::vector<uint8_t> incoming_;
  std::size_t head_ = 0;
};

}  // namespace qw
