// What the clone protocol needs from a serial line. Adapters: QSerialPort for real ports, and
// in-memory / pseudo-terminal peers for tests and the simulated radio.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace qw {

// A serial port the system knows, as the ports command lists it.
struct PortInfo {
  std::string name;         // what to pass to MakeSerialPort: "/dev/ttyUSB0", "COM3"
  std::string description;  // "USB-Serial Controller (Prolific)"
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;
  // Opens the port at 9600 baud, no parity, 8 data bits, 1 stop bit, binary. On failure returns
  // false and puts the reason in plain words into error. Opening an open port succeeds at once.
  virtual bool Open(std::string& error) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // Received bytes waiting to be read.
  virtual std::size_t BytesWaiting() = 0;
  // Reads up to n waiting bytes without blocking; returns how many were read.
  virtual std::size_t Read(uint8_t* out, std::size_t n) = 0;
  // Queues the bytes for sending without waiting for them to leave; false when the port failed.
  virtual bool Write(const uint8_t* data, std::size_t n) = 0;
  // Blocks until at least one more byte than `have` is waiting, or the time-out passes.
  // Returns true when that many bytes are waiting. Never spins.
  virtual bool WaitForInput(std::size_t have, std::chrono::milliseconds timeout) = 0;
  // How long one byte takes on the line: 10 bits at 9600 baud. A waiter for n more bytes need not
  // look at the port before n of these have passed. Zero for ports that deliver at once.
  virtual std::chrono::microseconds ByteTime() const { return std::chrono::microseconds{1042}; }
  // The port's name as the user gave it ("/dev/ttyUSB0", "COM3").
  virtual std::string Name() const = 0;
};

}  // namespace qw
