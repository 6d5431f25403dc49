#include "cli/serial_ports.h"
#include "link/win32_serial_port.h"

namespace qw::cli {

struct PortAccess::Impl {};

PortAccess::PortAccess() = default;
PortAccess::~PortAccess() = default;

std::unique_ptr<SerialPort> PortAccess::Make(const std::string& nameOrNumber) {
  return MakeWin32SerialPort(nameOrNumber);
}

std::vector<PortInfo> PortAccess::List() {
  return ListWin32SerialPorts();
}

}  // namespace qw::cli
