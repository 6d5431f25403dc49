// Key and paste filters for text fields: only the characters a rule accepts get in, up to a
// length.
#pragma once

#include <QLineEdit>
#include <QStringList>
#include <QValidator>
#include <algorithm>
#include <functional>

namespace qw {

inline bool FilterAccepts(bool (*accepts)(char), QChar c) {
  return c.unicode() <= 0x7F && accepts(static_cast<char>(c.unicode()));
}

// A change keeps what fits and leaves the other characters out, so a pasted text loses only
// what the field cannot hold, as keys that do not fit do nothing, and the rest is taken up to
// the length (what does not fit is cut from the end of what came in). dropped hears which
// characters were left out. While the pane fills the field (editing() false) the stored text is
// shown as it is.
class DroppingTextFilter final : public QValidator {
 public:
  DroppingTextFilter(bool (*accepts)(char), int maxLength, std::function<bool()> editing,
                     std::function<void(const QString&)> dropped, QLineEdit* field)
      : QValidator(field),
        accepts_(accepts),
        maxLength_(maxLength),
        editing_(std::move(editing)),
        dropped_(std::move(dropped)) {
    // The field must not cut a paste before the unwanted characters are out of it.
    field->setMaxLength(32767);
    field->setValidator(this);
  }

  State validate(QString& input, int& pos) const override {
    // Filling the field, or asking about the text it shows: nothing enters.
    if (!editing_() || input == shown_) {
      shown_ = input;
      return Acceptable;
    }
    QString kept, left;
    int keptPos = 0;
    for (int i = 0; i < input.size(); ++i) {
      if (FilterAccepts(accepts_, input[i])) {
        kept += input[i];
        if (i < pos) ++keptPos;
      } else if (!left.contains(input[i])) {
        left += input[i];
      }
    }
    // Anything typed or pasted ends at the cursor: what is too long comes off there.
    const int over = static_cast<int>(kept.size()) - maxLength_;
    if (over > 0) {
      const int cut = std::min(over, keptPos);
      kept.remove(keptPos - cut, cut);
      keptPos -= cut;
      kept.truncate(maxLength_);
    }
    if (!left.isEmpty()) dropped_(left);
    // Nothing new got in: refused, so the field neither changes nor counts as edited.
    if (kept == shown_ && kept != input) return Invalid;
    input = kept;
    pos = keptPos;
    shown_ = kept;
    return Acceptable;
  }

 private:
  bool (*accepts_)(char);
  int maxLength_;
  std::function<bool()> editing_;
  std::function<void(const QString&)> dropped_;
  mutable QString shown_;  // the field's text as last accepted
};

// What a name field says when characters were left out: "\"#\", \"&\" and \"!\" left out: ...".
inline QString DroppedNotice(const QString& left) {
  QStringList quoted;
  for (QChar c : left)
    quoted << (c.isPrint() ? "\"" + QString(c) + "\""
                           : QString("U+%1").arg(c.unicode(), 4, 16, QChar('0')));
  const QString last = quoted.takeLast();
  return (quoted.isEmpty() ? last : quoted.join(", ") + " and " + last) +
         " left out: a name holds only A-Z a-z 0-9 blank - / * ( ) + . ,";
}

}  // namespace qw
