// Serves a SimulatedRadio with its echoing cable on a new pseudo-terminal, on its own thread, so
// that the real program (editor or CLI) can talk to it as to a radio on a serial port.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "sim/simulated_radio.h"

namespace qw {

enum class Pacing {
  Real,  // every byte takes as long as on a 9600-baud 8N1 line
  None,  // everything is sent at once
};

class PtyRadioHost {
 public:
  explicit PtyRadioHost(SimulatedRadio radio, Pacing pacing = Pacing::Real);
  ~PtyRadioHost();
  PtyRadioHost(const PtyRadioHost&) = delete;
  PtyRadioHost& operator=(const PtyRadioHost&) = delete;

  // Creates the pseudo-terminal and starts serving; false with the reason in error.
  bool Start(std::string& error);
  // The device path the program opens, e.g. "/dev/pts/7".
  std::string PortPath() const { return path_; }
  // Stops serving and closes the pseudo-terminal, as if the cable were pulled.
  void Stop();
  bool Running() const { return thread_.joinable(); }

  // Runs fn with the radio while the serving thread keeps off it.
  void WithRadio(const std::function<void(SimulatedRadio&)>& fn);

 private:
  void Serve();

  SimulatedRadio radio_;
  Pacing pacing_;
  std::mutex mutex_;
  std::thread thread_;
  std::string path_;
  int master_ = -1;
  int slave_ = -1;  // kept open so that the line does not hang up between the program's opens
  int wake_[2] = {-1, -1};
};

}  // namespace qw
