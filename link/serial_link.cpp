#include "link/serial_link.h"

#include <algorithm>
#include <cstdio>

#include "link/record.h"
#include "link/steady_clock.h"
#include "link/trace_sink.h"
#include "model/series_traits.h"

namespace qw {
namespace {

using Ms = SerialLink::Ms;

// How long one wait may block before the cancel flag is looked at again.
constexpr Ms kCancelSlice{10};
constexpr Ms kShortTimeout{1000};
constexpr Ms kLongTimeout{10000};
constexpr Ms kCanPause{50};

ExchangeResult Ended(WaitResult wait) {
  switch (wait) {
    case WaitResult::Received:
      return ExchangeResult::Ok;
    case WaitResult::Cancelled:
      return ExchangeResult::Cancelled;
    default:
      return ExchangeResult::Failed;
  }
}

std::string Label(const char* what, int address) {
  char text[48];
  std::snprintf(text, sizeof text, "%s %04X", what, address);
  return text;
}

}  // namespace

SerialLink::SerialLink(SerialPort& port, const TransferControl& control, int16_t series)
    : port_(port),
      control_(control),
      clock_(control.Clock ? *control.Clock : RealSteadyClock()),
      series_(series),
      cancel_(control.Cancel ? *control.Cancel : unused_) {}

bool SerialLink::PortOpen(std::string& error) {
  if (port_.IsOpen()) return true;
  return port_.Open(error);
}

void SerialLink::ClosePort() {
  if (port_.IsOpen()) port_.Close();
}

bool SerialLink::PastDeadline(SteadyClock::time_point deadline) const {
  return clock_.Now() > deadline;
}

void SerialLink::Send(const std::vector<uint8_t>& bytes) {
  if (control_.Trace) control_.Trace->Bytes(TraceDirection::Sent, bytes.data(), bytes.size());
  port_.Write(bytes.data(), bytes.size());
}

std::size_t SerialLink::Take(uint8_t* out, std::size_t n) {
  std::size_t got = port_.Read(out, n);
  if (control_.Trace) control_.Trace->Bytes(TraceDirection::Received, out, got);
  return got;
}

void SerialLink::Await(std::size_t have, std::size_t want, SteadyClock::time_point deadline,
                       bool honourCancel) {
  // A terminal wakes its reader for every byte that comes in. The bytes still missing cannot be
  // here before the line has carried them, so until then only a cancel is worth waking for.
  if (want > have && port_.ByteTime().count() > 0) {
    const auto carried = clock_.Now() + port_.ByteTime() * static_cast<int64_t>(want - have);
    const auto until = std::min(carried, deadline);
    if (cancel_.WaitFor(until - clock_.Now()) && honourCancel) return;
  }
  // One tick past the deadline, so that the caller's "strictly later" test can become true.
  auto left = std::chrono::ceil<Ms>(deadline - clock_.Now()) + Ms{1};
  if (left < Ms{1}) left = Ms{1};
  if (honourCancel && control_.Cancel) left = std::min(left, kCancelSlice);
  port_.WaitForInput(want > have ? want - 1 : have, left);
}

void SerialLink::Pause(Ms length) {
  const auto deadline = clock_.Now() + length;
  while (!PastDeadline(deadline) && !CancelRequested() && port_.IsOpen()) {
    // Whatever arrives meanwhile stays waiting for the echo reader.
    const std::size_t waiting = port_.BytesWaiting();
    Await(waiting, waiting + 1, deadline);
  }
}

void SerialLink::FlushInput() {
  // Only what is there now: a line that never stops talking must not keep us here.
  std::size_t left = port_.BytesWaiting();
  uint8_t scratch[256];
  while (left > 0) {
    std::size_t got = Take(scratch, std::min(left, sizeof scratch));
    if (got == 0) break;
    left -= got;
  }
}

void SerialLink::DrainEcho(std::size_t count, Ms timeout) {
  // The third variant's cable does not echo.
  if (!Traits(series_).echoesCommands) return;
  const auto deadline = clock_.Now() + timeout;
  uint8_t scratch[256];
  std::size_t got = 0;
  for (;;) {
    std::size_t waiting = port_.BytesWaiting();
    if (waiting > 0) {
      std::size_t took = Take(scratch, std::min({waiting, count - got, sizeof scratch}));
      got += took;
      waiting -= took;
    }
    if (CancelRequested() || PastDeadline(deadline) || got == count) return;
    if (waiting == 0) {
      if (!port_.IsOpen()) return;
      // The rest of the echo comes as one piece; no need to wake for each byte of it.
      Await(0, count - got, deadline);
    }
  }
}

WaitResult SerialLink::WaitForByte(uint8_t expected, Ms timeout, bool honourCancel) {
  const auto deadline = clock_.Now() + timeout;
  int last = -1;
  for (;;) {
    std::size_t waiting = port_.BytesWaiting();
    if (waiting > 0) {
      uint8_t byte = 0;
      if (Take(&byte, 1) == 1) last = byte;
      --waiting;
    }
    if (honourCancel && CancelRequested()) return WaitResult::Cancelled;
    if (PastDeadline(deadline)) return WaitResult::TimedOut;
    if (last == expected) return WaitResult::Received;
    if (waiting == 0) {
      // A port that has gone away answers nothing more: no point in waiting out the time-out.
      if (!port_.IsOpen()) return WaitResult::TimedOut;
      Await(0, 1, deadline, honourCancel);
    }
  }
}

WaitResult SerialLink::ReceiveRecord(std::vector<uint8_t>& record, std::size_t n, Ms timeout) {
  const auto deadline = clock_.Now() + timeout;
  for (;;) {
    // Exactly the record length: more bytes than that mean the line is out of step.
    std::size_t waiting = port_.BytesWaiting();
    if (waiting == n) break;
    if (CancelRequested()) return WaitResult::Cancelled;
    if (PastDeadline(deadline)) return WaitResult::TimedOut;
    if (!port_.IsOpen()) return WaitResult::TimedOut;
    Await(waiting, waiting < n ? n : waiting + 1, deadline);
  }
  record.assign(n, 0);
  if (Take(record.data(), n) != n || record[n - 1] != kCR) return WaitResult::BadTerminator;
  return WaitResult::Received;
}

template <typename ReplyStep>
ExchangeResult SerialLink::Exchange(const std::string& label, const std::vector<uint8_t>& request,
                                    Ms echoTimeout, ReplyStep replyStep) {
  for (int attempt = 0; attempt <= RetryCount; ++attempt) {
    if (control_.Trace) control_.Trace->BeginExchange(attempt == 0 ? label : label + " again");
    FlushInput();
    if (attempt > 0) {
      // The CAN puts the radio back to waiting for a record's SOH.
      Send({kCAN});
      Pause(kCanPause);
      // A cancel during the pause ends the exchange before the radio gets another request.
      if (CancelRequested()) return ExchangeResult::Cancelled;
    }
    Send(request);
    DrainEcho(request.size(), echoTimeout);
    const ExchangeResult result = replyStep();
    if (result == ExchangeResult::Ok) return result;
    if (result == ExchangeResult::Cancelled || CancelRequested()) return ExchangeResult::Cancelled;
  }
  return ExchangeResult::Failed;
}

ExchangeResult SerialLink::ReadExchange(uint8_t code, int address, uint8_t* buffer, int count,
                                        Ms echoTimeout) {
  const auto request = BuildRequest(code, static_cast<uint16_t>(address));
  const std::size_t length = count == 1 ? kReadByteReplyLength : kReadBlockReplyLength;
  std::vector<uint8_t> record;
  return Exchange(Label(count == 1 ? "read byte" : "read block", address), request, echoTimeout,
                  [&] {
                    const WaitResult soh = WaitForByte(kSOH, kLongTimeout);
                    if (soh != WaitResult::Received) return Ended(soh);
                    const WaitResult reply = ReceiveRecord(record, length, kShortTimeout);
                    if (reply != WaitResult::Received) return Ended(reply);
                    if (CheckRecord(record.data(), record.size()) != code) {
                      return ExchangeResult::Failed;
                    }
                    for (int i = 0; i < count; ++i)
                      buffer[address + i] = HexToByte(record[2 * i + 2], record[2 * i + 3]);
                    return ExchangeResult::Ok;
                  });
}

ExchangeResult SerialLink::WriteExchange(uint8_t code, int address, const Image& image,
                                         int count) {
  const auto request = BuildRequest(code, static_cast<uint16_t>(address), &image[address],
                                    static_cast<std::size_t>(count));
  return Exchange(Label(count == 1 ? "write byte" : "write block", address), request,
                  kShortTimeout, [&] { return Ended(WaitForByte(kACK, kLongTimeout)); });
}

ExchangeResult SerialLink::ReadBlockExchange(int address, uint8_t* buffer) {
  return ReadExchange(kCmdReadBlock, address, buffer, kBlockSize, kShortTimeout);
}

ExchangeResult SerialLink::ReadByteExchange(int address, uint8_t* buffer) {
  return ReadExchange(kCmdReadByte, address, buffer, 1, kLongTimeout);
}

ExchangeResult SerialLink::WriteBlockExchange(int address, const Image& image) {
  return WriteExchange(kCmdWriteBlock, address, image, kBlockSize);
}

ExchangeResult SerialLink::WriteByteExchange(int address, const Image& image) {
  return WriteExchange(kCmdWriteByte, address, image, 1);
}

void SerialLink::CancelSequence() {
  if (control_.Trace) control_.Trace->BeginExchange("cancel");
  FlushInput();
  Send({kCAN});
  // The cancel is what brought us here, so this wait does not stop for it.
  (void)WaitForByte(kACK, kLongTimeout, false);
}

}  // namespace qw
