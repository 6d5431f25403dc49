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

Outcome Interrupted(const SerialLink& link, const char* text, const char* title) {
  if (link.OperationCancelled) return Outcome::Cancelled();
  return Outcome::Failed(Stop(text, title));
}

}  // namespace

int ProgressFor(int address, int32_t imageLast) {
  return static_cast<int>(std::lround(100.0 * address / imageLast));
}

CloneResult ReadDataChkModel(SerialLink& link, int16_t series, const std::string& title) {
  std::string error;
  if (!link.PortOpen(error)) return PortFailure(error, title);
  link.OperationFailed = false;
  link.OperationCancelled = false;
  Image scratch{};
  const int second = SecondModelIdOffset(series);
  for (int address : {kFirstModelIdOffset, kFirstModelIdOffset + 1, second, second + 1}) {
    link.ReadByteExchange(address, scratch.data());
    if (link.OperationFailed || link.OperationCancelled) break;
  }
  link.ClosePort();
  if (link.OperationCancelled) return {Outcome::Cancelled(), {}};
  if (link.OperationFailed) {
    return {Outcome::Failed(Stop(kCommunicationError, kModelCheckTitle)), {}};
  }
  const unsigned first = scratch[kFirstModelIdOffset] * 256u + scratch[kFirstModelIdOffset + 1];
  const unsigned copy = scratch[second] * 256u + scratch[second + 1];
  if (first != copy || first != ModelIdFor(series)) {
    link.OperationFailed = true;
    return {Outcome::Failed(Stop(kModelTypeError, kReadTitle)), {}};
  }
  return {Outcome::Ok(), {}};
}

CloneResult ReadData(SerialLink& link, Image& buffer, int32_t imageLast) {
  std::string error;
  if (!link.PortOpen(error)) return PortFailure(error, kReadTitle);
  ShowProgress(link, 0);
  for (int address = 0; address <= imageLast; address += kBlockSize) {
    ShowProgress(link, ProgressFor(address, imageLast));
    link.ReadBlockExchange(address, buffer.data());
    if (link.OperationFailed || link.OperationCancelled) break;
  }
  if (link.OperationCancelled) link.CancelSequence();
  link.ClosePort();
  if (link.OperationFailed || link.OperationCancelled) {
    return {Interrupted(link, kCommunicationError, kReadTitle), {}};
  }
  return {Outcome::Ok(), {}};
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
  for (const WriteStep& step : WritePlan(series)) {
    ShowProgress(link, ProgressFor(step.address, imageLast));
    if (step.kind == WriteStep::Block) {
      link.WriteBlockExchange(step.address, image);
    } else if (step.kind == WriteStep::Bytes) {
      // Only the last byte's outcome counts; a cancel stops the run at once.
      for (int a = step.first; a <= step.last && !link.CancelRequested(); ++a) {
        link.WriteByteExchange(a, image);
      }
    }
    if (link.OperationFailed || link.OperationCancelled || link.CancelRequested()) break;
  }
  link.ClosePort();
  if (link.CancelRequested()) link.OperationCancelled = true;
  if (link.OperationFailed || link.OperationCancelled) {
    return {Interrupted(link, kWriteCommunicationError, kProgramToRadioTitle), {}};
  }
  return {Outcome::Ok(), {}};
}

CloneResult VerifyData(SerialLink& link, const Image& image, int16_t series,
                       std::vector<int32_t>& differing) {
  differing.clear();
  std::string error;
  if (!link.PortOpen(error)) return PortFailure(error, kProgramToRadioTitle);
  link.OperationFailed = false;
  Image readBack = image;
  std::vector<WriteStep> steps = WritePlan(series);
  std::erase_if(steps, [](const WriteStep& s) { return s.kind == WriteStep::Skip; });
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const WriteStep& step = steps[i];
    ShowProgress(link, static_cast<int>(100 * i / steps.size()));
    link.ReadBlockExchange(step.address, readBack.data());
    if (link.OperationFailed || link.OperationCancelled) break;
    const bool block = step.kind == WriteStep::Block;
    const int first = block ? step.address : step.first;
    const int last = block ? step.address + kBlockSize - 1 : step.last;
    for (int a = first; a <= last; ++a) {
      if (readBack[a] != image[a]) differing.push_back(a);
    }
  }
  if (!link.OperationFailed && !link.OperationCancelled) ShowProgress(link, 100);
  if (link.OperationCancelled) link.CancelSequence();
  link.ClosePort();
  if (link.OperationFailed || link.OperationCancelled) {
    return {Interrupted(link, kCommunicationError, kProgramToRadioTitle), {}};
  }
  return {Outcome::Ok(), {}};
}

void TakeOverReadImage(const Image& received, Image& image, int32_t imageLast) {
  for (int a = 0; a <= imageLast; ++a) {
    if (!IsProgramOwn(a)) image[a] = received[a];
  }
}

}  // namespace qw
