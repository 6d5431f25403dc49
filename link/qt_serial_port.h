// Serial ports for real radios: the QSerialPort adapter and the way a user names a port.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace qw {

// A port by number 1..4 (COM1..COM4 on Windows; elsewhere the first four serial devices the
// system lists, sorted by name; a stored number beyond 4 counts on the same way) or by device
// path. Pseudo-terminals get a termios adapter. Never
// null: a port that cannot exist fails to open with the reason. Create and use it on the thread
// that runs the transfer.
std::unique_ptr<SerialPort> MakeSerialPort(const std::string& nameOrNumber);

// The serial ports the system knows, sorted by name, with descriptions.
std::vector<PortInfo> ListSerialPorts();

}  // namespace qw
