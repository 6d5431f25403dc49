// The result of a whole-document operation: what happened and, where the program shows a
// message, its text, title and icon. Operations never throw across subsystems and never show
// anything themselves; the front ends decide how to present the message.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/messages.h"

namespace qw {

enum class MessageIcon { None, Information, Exclamation, Stop };

struct Message {
  std::string Text;
  std::string Title;
  MessageIcon Icon = MessageIcon::None;
  bool operator==(const Message&) const = default;
};

struct Outcome {
  enum class Status { Ok, Failed, Cancelled };
  Status status = Status::Ok;
  std::optional<Message> message;  // present when the program shows one (also "Complete!!")
  // Said beside the outcome without changing it: a backup kept, a check that could not be made.
  std::vector<Message> notes;

  bool ok() const { return status == Status::Ok; }
  bool failed() const { return status == Status::Failed; }
  bool cancelled() const { return status == Status::Cancelled; }

  static Outcome Ok(std::optional<Message> m = std::nullopt) {
    return {Status::Ok, std::move(m), {}};
  }
  static Outcome Failed(std::optional<Message> m = std::nullopt) {
    return {Status::Failed, std::move(m), {}};
  }
  static Outcome Cancelled(std::optional<Message> m = std::nullopt) {
    return {Status::Cancelled, std::move(m), {}};
  }
};

}  // namespace qw
