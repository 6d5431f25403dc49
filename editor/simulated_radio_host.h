// The "Simulated radio" port: a simulated radio of the current series on a pseudo-terminal,
// inside the program. Its memory is kept between runs as a raw image in the user's data folder.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <string>

namespace qw {

class SimulatedRadioHost {
 public:
  // folder: where the memory images live; empty = the user's application data folder.
  explicit SimulatedRadioHost(QString folder);
  ~SimulatedRadioHost();

  // Runs a radio of the series, restarting it when the series changed; false with the reason.
  bool Ensure(int16_t series, std::string& error);
  // The pseudo-terminal the radio answers on.
  std::string PortPath() const;
  // Writes the radio's memory to its file (atomically); quiet on failure.
  void Save();
  // The file that keeps the memory of a series.
  QString MemoryFile(int16_t series) const;

 private:
  struct Running;
  QString folder_;
  std::unique_ptr<Running> running_;
};

}  // namespace qw
