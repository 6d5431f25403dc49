// The program's side of the clone protocol on one serial port: requests framed as records, the
// cable's echo read back, replies awaited with fixed time-outs and checked, and a failed exchange
// repeated once after a CAN byte.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "link/steady_clock.h"
#include "link/transfer.h"
#include "model/radio_data.h"

namespace qw {

// How one exchange with the radio ended. Cancelled: the caller asked to stop, which it stays
// asking (a cancel is never forgotten between exchanges).
enum class [[nodiscard]] ExchangeResult { Ok, Failed, Cancelled };

// How a wait for the radio's answer ended.
enum class WaitResult {
  Received,
  Cancelled,
  TimedOut,
  BadTerminator,  // a whole record arrived but its last byte is not CR
};

class SerialLink {
 public:
  using Ms = std::chrono::milliseconds;

  SerialLink(SerialPort& port, const TransferControl& control, int16_t series);

  // Exchanges are tried 1 + RetryCount times.
  int RetryCount = 1;

  // False with the reason in plain words when the port cannot be opened.
  bool PortOpen(std::string& error);
  void ClosePort();

  ExchangeResult ReadBlockExchange(int address, uint8_t* buffer);
  ExchangeResult ReadByteExchange(int address, uint8_t* buffer);
  ExchangeResult WriteBlockExchange(int address, const Image& image);
  ExchangeResult WriteByteExchange(int address, const Image& image);
  // Stops the radio after an interrupted read: CAN, then up to 10 s for its ACK.
  void CancelSequence();

  bool CancelRequested() const { return control_.Cancel && control_.Cancel->load(); }
  const TransferControl& Control() const { return control_; }

 private:
  // Sends request (after a CAN when repeated) and lets replyStep take the answer.
  template <typename ReplyStep>
  ExchangeResult Exchange(const std::string& label, const std::vector<uint8_t>& request,
                          Ms echoTimeout, ReplyStep replyStep);
  ExchangeResult ReadExchange(uint8_t code, int address, uint8_t* buffer, int count,
                              Ms echoTimeout);
  ExchangeResult WriteExchange(uint8_t code, int address, const Image& image, int count);

  void FlushInput();
  // Reads back the cable's echo of count bytes. Whether it came is not checked: the reply's wait
  // decides, and a reply taken for the echo's missing part shows as a reply that never comes.
  void DrainEcho(std::size_t count, Ms timeout);
  WaitResult WaitForByte(uint8_t expected, Ms timeout, bool honourCancel = true);
  // Fills record with exactly n bytes (the reply after its SOH, CR included).
  WaitResult ReceiveRecord(std::vector<uint8_t>& record, std::size_t n, Ms timeout);

  void Send(const std::vector<uint8_t>& bytes);
  std::size_t Take(uint8_t* out, std::size_t n);
  void Pause(Ms length);
  // Waits for `want` bytes to be waiting when `have` are: first on the cancel flag for as long as
  // the line needs to carry the rest, then on the port until more than want - 1 bytes wait, the
  // deadline passes or (in slices of a few milliseconds) a cancel may have arrived.
  void Await(std::size_t have, std::size_t want, SteadyClock::time_point deadline,
             bool honourCancel = true);
  bool PastDeadline(SteadyClock::time_point deadline) const;

  SerialPort& port_;
  const TransferControl& control_;
  const SteadyClock& clock_;
  int16_t series_;
  // Waited on between looks at the port; the caller's flag, or one never raised.
  CancelFlag unused_;
  const CancelFlag& cancel_;
};

}  // namespace qw
