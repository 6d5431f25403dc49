// How the program starts the editor; tests shorten the waits and plug in their own port.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

namespace qw {

class SerialPort;
class SteadyClock;

// The pauses the editor makes so that the user sees what happened. Zero runs the next step at
// once, which tests use.
struct EditorTimings {
  int newDelayMs = 100;  // File New waits for the menu to close
  int pauseMs = 500;     // after showing "General" before a rebuild; before "Complete!!"
};

// Creates the port for a transfer. Runs on the transfer's worker thread.
using PortFactory = std::function<std::unique_ptr<SerialPort>()>;

struct EditorOptions {
  std::filesystem::path programFolder;  // logo, help, destination images
  bool debug = false;                   // "/D": raw image keys and error log
  EditorTimings timings;
  bool simulate = false;     // start with the simulated radio as the port
  QString simulatorFolder;   // where the simulated radio keeps its memory; empty = user data
  std::filesystem::path backupFolder;  // backups of transfers; empty keeps none
  PortFactory portOverride;  // tests: every transfer uses this port
  const SteadyClock* transferClock = nullptr;  // tests: time-outs on their clock
};

}  // namespace qw
