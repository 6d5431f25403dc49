#include "link/qt_serial_port.h"

#include <QSerialPort>
#include <QSerialPortInfo>
#include <algorithm>
#include <cstring>

#ifndef _WIN32
#include <unistd.h>

#include <cerrno>

#include "link/posix_serial_port.h"
#endif

#include "model/messages.h"

namespace qw {
namespace {

class QtSerialPort final : public SerialPort {
 public:
  explicit QtSerialPort(std::string name) : name_(std::move(name)) {}

  bool Open(std::string& error) override {
    if (port_.isOpen()) return true;
    port_.setPortName(QString::fromStdString(name_));
    // A device that babbles cannot make the port hold more than this.
    port_.setReadBufferSize(1 << 16);
    if (!port_.open(QIODevice::ReadWrite) || !port_.setBaudRate(QSerialPort::Baud9600) ||
        !port_.setDataBits(QSerialPort::Data8) || !port_.setParity(QSerialPort::NoParity) ||
        !port_.setStopBits(QSerialPort::OneStop) ||
        !port_.setFlowControl(QSerialPort::NoFlowControl)) {
      error = Reason();
      port_.close();
      return false;
    }
    return true;
  }
  void Close() override { port_.close(); }
  bool IsOpen() const override { return port_.isOpen(); }
  std::size_t BytesWaiting() override {
    if (!port_.isOpen()) return 0;
    // Without an event loop, only a wait moves the driver's bytes into the port's buffer.
    if (port_.bytesAvailable() == 0) port_.waitForReadyRead(0);
    CheckLost();
    return static_cast<std::size_t>(std::max<qint64>(0, port_.bytesAvailable()));
  }
  std::size_t Read(uint8_t* out, std::size_t n) override {
    qint64 got = port_.read(reinterpret_cast<char*>(out), static_cast<qint64>(n));
    return got > 0 ? static_cast<std::size_t>(got) : 0;
  }
  bool Write(const uint8_t* data, std::size_t n) override {
    if (!port_.isOpen()) return false;
    qint64 put = port_.write(reinterpret_cast<const char*>(data), static_cast<qint64>(n));
    port_.waitForBytesWritten(0);
    return put == static_cast<qint64>(n);
  }
  bool WaitForInput(std::size_t have, std::chrono::milliseconds timeout) override {
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + timeout;
    while (port_.isOpen()) {
      if (static_cast<std::size_t>(port_.bytesAvailable()) > have) return true;
      auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
      if (left <= 0) return false;
      if (!port_.waitForReadyRead(static_cast<int>(left))) {
        CheckLost();
        if (static_cast<std::size_t>(port_.bytesAvailable()) <= have) return false;
      }
    }
    return false;
  }
  std::string Name() const override { return name_; }

 private:
  // An unplugged adapter shows as a resource error; the port is then of no more use.
  void CheckLost() {
    if (port_.error() == QSerialPort::ResourceError) port_.close();
  }

  std::string Reason() const {
    switch (port_.error()) {
      case QSerialPort::DeviceNotFoundError:
        return CannotOpen(name_, kNoSuchPort);
      case QSerialPort::OpenError:
        return CannotOpen(name_, "the port is already open.");
      case QSerialPort::PermissionError:
#ifndef _WIN32
        // Qt says "permission" for a port locked by another program too.
        if (::access(name_.c_str(), R_OK | W_OK) != 0) return OpenFailureReason(name_, EACCES);
#endif
        return CannotOpen(name_, kPortBusy);
      default:
        return CannotOpen(name_, port_.errorString().toStdString() + ".");
    }
  }

  std::string name_;
  QSerialPort port_;
};

// A port number that names no port: opening it says why.
class MissingPort final : public SerialPort {
 public:
  MissingPort(std::string name, std::string reason)
      : name_(std::move(name)), reason_(std::move(reason)) {}
  bool Open(std::string& error) override {
    error = reason_;
    return false;
  }
  void Close() override {}
  bool IsOpen() const override { return false; }
  std::size_t BytesWaiting() override { return 0; }
  std::size_t Read(uint8_t*, std::size_t) override { return 0; }
  bool Write(const uint8_t*, std::size_t) override { return false; }
  bool WaitForInput(std::size_t, std::chrono::milliseconds) override { return false; }
  std::string Name() const override { return name_; }

 private:
  std::string name_, reason_;
};

// A port given as a number: 1..4 from the menu, or any other stored number, which is used as it
// is. -1 when the text is not a number.
int PortNumber(const std::string& text) {
  if (text.empty() || text.size() > 3) return -1;
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

bool IsPseudoTerminal(const std::string& path) {
  return path.rfind("/dev/pts/", 0) == 0 || path.rfind("/dev/ttys", 0) == 0 ||
         path.rfind("/dev/pty", 0) == 0;
}

}  // namespace

std::vector<PortInfo> ListSerialPorts() {
  std::vector<PortInfo> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    std::string description = info.description().toStdString();
    if (!info.manufacturer().isEmpty())
      description += " (" + info.manufacturer().toStdString() + ")";
    ports.push_back({info.systemLocation().toStdString(), description});
  }
  std::sort(ports.begin(), ports.end(),
            [](const PortInfo& a, const PortInfo& b) { return a.name < b.name; });
  return ports;
}

std::unique_ptr<SerialPort> MakeSerialPort(const std::string& nameOrNumber) {
  std::string name = nameOrNumber;
  if (int number = PortNumber(nameOrNumber); number >= 0) {
#ifdef _WIN32
    name = "COM" + std::to_string(number);
#else
    auto ports = ListSerialPorts();
    if (number == 0 || static_cast<std::size_t>(number) > ports.size()) {
      return std::make_unique<MissingPort>(
          nameOrNumber, "There is no serial port number " + nameOrNumber + ": the system lists " +
                            std::to_string(ports.size()) + " serial port(s).");
    }
    name = ports[number - 1].name;
#endif
  }
#ifndef _WIN32
  if (IsPseudoTerminal(name)) return std::make_unique<PosixSerialPort>(name);
#endif
  return std::make_unique<QtSerialPort>(name);
}

}  // namespace qw
