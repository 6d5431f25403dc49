// The serial ports the radio commands use: Qt's where the build has Qt, the Win32 adapter in
// Windows builds without it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace qw::cli {

// Holds what the ports need while it lives (Qt's wants an application object on the thread that
// uses them); create it on that thread.
class PortAccess {
 public:
  PortAccess();
  ~PortAccess();
  PortAccess(const PortAccess&) = delete;
  PortAccess& operator=(const PortAccess&) = delete;

  // A port by number or name; never null.
  std::unique_ptr<SerialPort> Make(const std::string& nameOrNumber);
  // The ports the system knows, sorted.
  std::vector<PortInfo> List();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace qw::cli
