// A serial port on a POSIX terminal device through termios. Serves pseudo-terminals (the
// simulated radio), which the Qt serial port does not handle well, and any tty by path.
#pragma once

#ifndef _WIN32

#include <termios.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace qw {

class PosixSerialPort final : public SerialPort {
 public:
  explicit PosixSerialPort(std::string path);
  ~PosixSerialPort() override;

  bool Open(std::string& error) override;
  void Close() override;
  bool IsOpen() const override { return fd_ >= 0; }
  std::size_t BytesWaiting() override;
  std::size_t Read(uint8_t* out, std::size_t n) override;
  bool Write(const uint8_t* data, std::size_t n) override;
  bool WaitForInput(std::size_t have, std::chrono::milliseconds timeout) override;
  std::string Name() const override { return path_; }

 private:
  // Moves whatever the driver holds into buffer_; closes the port when the device has gone.
  void Pump();
  void Fail();
  // Lets poll report input only once this many bytes are there, to wake once per record.
  void WakeAfter(std::size_t bytes);

  std::string path_;
  int fd_ = -1;
  std::vector<uint8_t> buffer_;
  std::size_t head_ = 0;  // first unread byte of buffer_
  int wakeAfter_ = 1;
  termios line_{};  // the line settings in force
};

// The plain-words reason an open failed with errno err, e.g. "permission denied (add yourself
// to the dialout group)".
std::string OpenFailureReason(const std::string& path, int err);

}  // namespace qw

#endif
