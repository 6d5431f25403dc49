#include "sim/simulated_radio.h"

#include "link/record.h"
#include "model/image_header.h"
#include "model/series_traits.h"

namespace qw {
namespace {

// A longer run without CR is noise; the radio forgets it.
constexpr std::size_t kMaxRecord = 140;
constexpr std::size_t kMaxLoggedRequests = 100000;

}  // namespace

SimulatedRadio::SimulatedRadio(int16_t series, std::vector<uint8_t> memory)
    : series_(series), memory_(std::move(memory)) {
  memory_.resize(static_cast<std::size_t>(ImageLastFor(series)) + 1, 0xFF);
  // The third variant's cable does not echo.
  faults_.noEcho = !Traits(series).echoesCommands;
}

SimulatedRadio::SimulatedRadio(int16_t series)
    : SimulatedRadio(series, DefaultRadioMemory(series)) {}

void SimulatedRadio::SetModelWords(uint16_t first, uint16_t second) {
  const std::size_t copy = memory_.size() - 2;
  memory_[kFirstModelIdOffset] = first >> 8;
  memory_[kFirstModelIdOffset + 1] = first & 0xFF;
  memory_[copy] = second >> 8;
  memory_[copy + 1] = second & 0xFF;
}

bool SimulatedRadio::TakeFault(int& counter) {
  if (counter <= 0) return false;
  --counter;
  return true;
}

void SimulatedRadio::Receive(const uint8_t* data, std::size_t n, std::vector<uint8_t>& out) {
  for (std::size_t i = 0; i < n; ++i) {
    const uint8_t b = data[i];
    if (!faults_.noEcho) out.push_back(b);
    if (!inRecord_) {
      if (b == kSOH) {
        inRecord_ = true;
        record_.clear();
      } else if (b == kCAN) {
        Ack(out);
      }
      continue;
    }
    record_.push_back(b);
    if (b == kCR) {
      inRecord_ = false;
      HandleRecord(out);
    } else if (record_.size() > kMaxRecord) {
      inRecord_ = false;
    }
  }
}

void SimulatedRadio::HandleRecord(std::vector<uint8_t>& out) {
  const uint8_t type = CheckRecord(record_.data(), record_.size());
  if (type == 0 || record_.size() < 9) return;  // the radio ignores a bad record
  const int address = HexToByte(record_[2], record_[3]) << 8 | HexToByte(record_[4], record_[5]);
  const bool block = type == kCmdWriteBlock || type == kCmdReadBlock;
  const bool write = type == kCmdWriteByte || type == kCmdWriteBlock;
  const int count = block ? kBlockSize : 1;
  const std::size_t expected = 9 + (write ? 2u * count : 0u);
  if (record_.size() != expected || address + count > static_cast<int>(memory_.size())) return;
  if (requests_.size() < kMaxLoggedRequests) {
    requests_.push_back({type, static_cast<uint16_t>(address)});
  }
  if (TakeFault(faults_.dropReply)) return;
  if (write) {
    for (int i = 0; i < count; ++i) {
      memory_[address + i] = HexToByte(record_[6 + 2 * i], record_[7 + 2 * i]);
    }
    if (block && TakeFault(faults_.storeWrong)) memory_[address + count / 2] ^= 0x10;
    Ack(out);
  } else {
    Reply(type, address, count, out);
  }
}

void SimulatedRadio::Ack(std::vector<uint8_t>& out) {
  out.push_back(kACK);
}

void SimulatedRadio::Reply(uint8_t type, int address, int count, std::vector<uint8_t>& out) {
  if (TakeFault(faults_.garbageBeforeSoh)) {
    for (uint8_t junk : {0x00, 0x41, 0x7F}) out.push_back(junk);
  }
  if (TakeFault(faults_.wrongType)) type = kCmdWriteBlock;
  std::vector<uint8_t> reply{kSOH};
  auto put = [&reply](uint8_t v) {
    auto [high, low] = ByteToHex(v);
    reply.push_back(high);
    reply.push_back(low);
  };
  put(type);
  for (int i = 0; i < count; ++i) put(memory_[address + i]);
  uint8_t sum = RecordChecksum(reply.data(), 1, reply.size() - 1);
  if (TakeFault(faults_.corruptChecksum)) sum ^= 0x5A;
  put(sum);
  reply.push_back(kCR);
  out.insert(out.end(), reply.begin(), reply.end());
}

}  // namespace qw
