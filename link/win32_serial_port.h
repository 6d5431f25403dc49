// A serial port on Windows through the Win32 communications API, for builds without Qt.
#pragma once

#ifdef _WIN32

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace qw {

class Win32SerialPort final : public SerialPort {
 public:
  // name: "COM7" (also "com7" or "\\.\COM7").
  explicit Win32SerialPort(std::string name);
  ~Win32SerialPort() override;

  bool Open(std::string& error) override;
  void Close() override;
  bool IsOpen() const override { return handle_ != nullptr; }
  std::size_t BytesWaiting() override;
  std::size_t Read(uint8_t* out, std::size_t n) override;
  bool Write(const uint8_t* data, std::size_t n) override;
  bool WaitForInput(std::size_t have, std::chrono::milliseconds timeout) override;
  std::string Name() const override { return name_; }

 private:
  // Reads up to n bytes into buffer_, waiting at most `wait` for all of them (zero: take what is
  // there). Closes the port when the device has gone.
  void ReadIn(std::size_t n, std::chrono::milliseconds wait);
  void Fail();

  std::string name_;
  void* handle_ = nullptr;  // the port's HANDLE; null when closed
  std::vector<uint8_t> buffer_;
  std::size_t head_ = 0;  // first unread byte of buffer_
  long waitSet_ = -1;     // the read time-out in force, in ms; -1 before the first read
};

// "COM7" for "7", "com7", "COM7" and "\\.\COM7"; other names as they are.
std::string ComPortName(const std::string& nameOrNumber);
// The plain-words reason opening COMn failed with the system error err.
std::string ComOpenFailureReason(const std::string& name, unsigned long err);
// A port by number or name; never null: a port that cannot exist fails to open with the reason.
std::unique_ptr<SerialPort> MakeWin32SerialPort(const std::string& nameOrNumber);
// The serial ports the system lists (HARDWARE\DEVICEMAP\SERIALCOMM), in number order.
std::vector<PortInfo> ListWin32SerialPorts();

}  // namespace qw

#endif
