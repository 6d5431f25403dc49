#include <QCoreApplication>

#include "cli/serial_ports.h"
#include "link/qt_serial_port.h"

namespace qw::cli {

struct PortAccess::Impl {
  int argc = 1;
  char name[16] = "quaywright-cli";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<QCoreApplication> app;
};

PortAccess::PortAccess() : impl_(std::make_unique<Impl>()) {
  if (!QCoreApplication::instance()) {
    impl_->app = std::make_unique<QCoreApplication>(impl_->argc, impl_->argv);
  }
}

PortAccess::~PortAccess() = default;

std::unique_ptr<SerialPort> PortAccess::Make(const std::string& nameOrNumber) {
  return MakeSerialPort(nameOrNumber);
}

std::vector<PortInfo> PortAccess::List() {
  return ListSerialPorts();
}

}  // namespace qw::cli
