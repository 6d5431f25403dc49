// A radio in clone mode with its ZOK cable: the cable echoes every byte the program sends, and
// the radio answers records the way the real one does. Faults can be injected for tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/radio_data.h"

namespace qw {

// Each counter applies to that many of the next answers, then runs out.
struct RadioFaults {
  int corruptChecksum = 0;   // reply records with a wrong checksum
  int dropReply = 0;         // requests left unanswered
  int wrongType = 0;         // reply records typed "13" (checksum right)
  int garbageBeforeSoh = 0;  // stray bytes before a reply's SOH
  int storeWrong = 0;        // blocks acknowledged but stored with their middle byte changed
  bool noEcho = false;       // a cable that does not echo
};

class SimulatedRadio {
 public:
  struct Request {
    uint8_t command;
    uint16_t address;
    bool operator==(const Request&) const = default;
  };

  // memory: the radio's whole image, ImageLastFor(series) + 1 bytes (cut or padded with 0xFF).
  SimulatedRadio(int16_t series, std::vector<uint8_t> memory);
  // A radio fresh from the factory: the series' new default image.
  explicit SimulatedRadio(int16_t series);

  // Bytes from the program; appends what comes back on the line (echo, then answers) to out.
  void Receive(const uint8_t* data, std::size_t n, std::vector<uint8_t>& out);

  int16_t Series() const { return series_; }
  const std::vector<uint8_t>& Memory() const { return memory_; }
  std::vector<uint8_t>& Memory() { return memory_; }
  RadioFaults& Faults() { return faults_; }
  // Puts model numbers into both places a model check reads, e.g. another series' or two that
  // disagree.
  void SetModelWords(uint16_t first, uint16_t second);
  // The valid requests answered so far, in order (a bounded log, for tests).
  const std::vector<Request>& Requests() const { return requests_; }
  void ClearRequests() { requests_.clear(); }

 private:
  void HandleRecord(std::vector<uint8_t>& out);
  void Reply(uint8_t type, int address, int count, std::vector<uint8_t>& out);
  void Ack(std::vector<uint8_t>& out);
  bool TakeFault(int& counter);

  int16_t series_;
  std::vector<uint8_t> memory_;
  RadioFaults faults_;
  bool inRecord_ = false;
  std::vector<uint8_t> record_;
  std::vector<Request> requests_;
};

// The memory of a radio fresh from the factory: the series' new default image, prepared as
// programming would send it.
std::vector<uint8_t> DefaultRadioMemory(int16_t series);

}  // namespace qw
