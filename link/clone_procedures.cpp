#include "link/clone_procedures.h"

#include <cmath>

#include "link/record.h"
#include "model/clone_ranges.h"
#include "model/image_header.h"

namespace qw {
namespace {

Message Stop(const char* text, const std::string& title) {
  return Message{text, title, MessageIcon::Stop};
}

// The port is named in the reason the adapter gives, so the message is that reason.
CloneResult PortFailure(const std::string& reason, const std::string& title) {
  std::string text = reason.empty() ? "The serial port cannot be opened." : reason;
  return {Outcome::Failed(Message{text, title, MessageIcon::Stop}), text};
}

void ShowProgress(const SerialLink& link, int percent) {
  if (link.Control().Progress) link.Control().Progress(percent > 100 ? 100 : percent);
}

// The outcome of a procedure its last exchange ended: a cancel, or the failure's message.
CloneResult Ended(ExchangeResult last, const char* failure, const char* title) {
  switch (last) {
    case ExchangeResult::Ok:
      return {Outcome::Ok(), {}};
    case ExchangeResult::Cancelled:
      return {Outcome::Cancelled(), {}};
    case ExchangeResult::Failed:
      break;
  }
  return {Outcome::Failed(Stop(failure, title)), {}};
}

}  // namespace

int ProgressFor(int address, int32_t imageLast) {
  return static_cast<int>(std::lround(100.0 * address / imageLast));
}

CloneResult ReadDataChkModel(SerialLink& link, int16_t series, const std::string& title) {
  std::string error;
  if (!link.PortOpen(error)) return PortFailure(error, title);
  Image scratch{};
  const int second = SecondModelIdOffset(series);
  ExchangeResult last = ExchangeResult::Ok;
  for (int address : {kFirstModelIdOffset, kFirstModelIdOffset + 1, second, second + 1}) {
    last = link.ReadByteExchange(address, scratch.data());
    if (last != ExchangeResult::Ok) break;
  }
  link.ClosePort();
  if (last != ExchangeResult::Ok) return Ended(last, kCommunicationError, kModelCheckTitle);
  const unsigned first = scratch[kFirstModelIdOffset] * 256u + scratch[kFirstModelIdOffset + 1];
  const unsigned copy = scratch[second] * 256u + scratch[second + 1];
  if (first != copy || first != ModelIdFor(series)) {
    return {Outcome::Failed(Stop(kModelTypeError, kReadTitle)), {}};
  }
  return {Outcome::Ok(), {}};
}

CloneResult ReadData(SerialLink& link, Image& buffer, int32_t imageLast) {
  std::string error;
  if (!link.PortOpen(error)) return PortFailure(error, kReadTitle);
  ShowProgress(link, 0);
  ExchangeResult last = ExchangeResult::Ok;
  for (int address = 0; address <= imageLast; address += kBlockSize) {
    ShowProgress(link, ProgressFor(address, imageLast));
    last = link.ReadBlockExchange(address, buffer.data());
    if (last != ExchangeResult::Ok) break;
  }
  if (last == ExchangeResult::Cancelled) link.CancelSequence();
  link.ClosePort();
  return Ended(last, kCommunicationError, kReadTitle);
}

std::vector<WriteStep> WritePlan(int16_t series) {
  std::vector<WriteStep> plan;
  const int32_t last = ImageLastFor(series);
  for (int address = kFirstModelIdOffset; address <= last; address += kBlockSize) {
    if (auto bytes = ByteWrittenRange(series, address)) {
      plan.push_back({WriteStep::Bytes, address, bytes->first, bytes->last});
    } else if (IsUnwrittenBlock(address)) {
      plan.push_back({WriteStep::Skip, address});
    } else {
      plan.push_back({WriteStep::Block, address});
    }
  }
  return plan;
}

CloneResult WriteData(SerialLink& link, const Image& image, int16_t series) {
  std::string error;
  if (!link.PortOpen(error)) return PortFailure(error, kProgramToRadioTitle);
  const int32_t imageLast = ImageLastFor(series);
  ShowProgress(link, 0);
  ExchangeResult last = ExchangeResult::Ok;
  for (const WriteStep& step : WritePlan(series)) {
    ShowProgress(link, ProgressFor(step.address, imageLast));
    if (step.kind == WriteStep::Block) {
      last = link.WriteBlockExchange(step.address, image);
    } else if (step.kind == WriteStep::Bytes) {
      // Only the last byte's outcome counts; a cancel stops the run at once.
      for (int a = step.first; a <= step.last && !link.CancelRequested(); ++a) {
        last = link.WriteByteExchange(a, image);
      }
    }
    if (last != ExchangeResult::Ok || link.CancelRequested()) break;
  }
  link.ClosePort();
  if (link.CancelRequested()) last = ExchangeResult::Cancelled;
  return Ended(last, kWriteCommunicationError, kProgramToRadioTitle);
}

CloneResult VerifyData(SerialLink& link, const Image& image, int16_t series,
                       std::vector<int32_t>& differing) {
  differing.clear();
  std::string error;
  if (!link.PortOpen(error)) return PortFailure(error, kProgramToRadioTitle);
  Image readBack = image;
  std::vector<WriteStep> steps = WritePlan(series);
  std::erase_if(steps, [](const WriteStep& s) { return s.kind == WriteStep::Skip; });
  ExchangeResult last = ExchangeResult::Ok;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const WriteStep& step = steps[i];
    ShowProgress(link, static_cast<int>(100 * i / steps.size()));
    last = link.ReadBlockExchange(step.address, readBack.data());
    if (last != ExchangeResult::Ok) break;
    const bool block = step.kind == WriteStep::Block;
    const int first = block ? step.address : step.first;
    const int last = block ? step.address + kBlockSize - 1 : step.last;
    for (int a = first; a <= last; ++a) {
      if (readBack[a] != image[a]) differing.push_back(a);
    }
  }
  if (last == ExchangeResult::Ok) ShowProgress(link, 100);
  if (last == ExchangeResult::Cancelled) link.CancelSequence();
  link.ClosePort();
  return Ended(last, kCommunicationError, kProgramToRadioTitle);
}

void TakeOverReadImage(const Image& received, Image& image, int32_t imageLast) {
  for (int a = 0; a <= imageLast; ++a) {
    if (!IsProgramOwn(a)) image[a] = received[a];
  }
}

}  // namespace qw
