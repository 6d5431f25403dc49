// A key filter for text fields: only the characters a rule accepts get in, up to a length.
#pragma once

#include <QValidator>

namespace qw {

class TextFilter final : public QValidator {
 public:
  TextFilter(bool (*accepts)(char), int maxLength, QObject* parent)
      : QValidator(parent), accepts_(accepts), maxLength_(maxLength) {}

  State validate(QString& input, int&) const override {
    if (input.size() > maxLength_) return Invalid;
    for (QChar c : input) {
      if (c.unicode() > 0x7F || !accepts_(static_cast<char>(c.unicode()))) return Invalid;
    }
    return Acceptable;
  }

 private:
  bool (*accepts_)(char);
  int maxLength_;
};

}  // namespace qw
