// "ATIS Setup": the usable ATIS channel groups and the ATIS code.
#pragma once

#include <array>

#include "editor/pane.h"

class QCheckBox;
class QLineEdit;

namespace qw {

class Prompter;

class AtisPane final : public Pane {
  Q_OBJECT
 public:
  AtisPane(Document& doc, const EditState& state, Prompter& prompter, QWidget* parent = nullptr);
  void Fill() override;
  EditWhat PendingEdit() const override;

 protected:
  bool CheckFocusedField() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Commits an edited code; a refused code shows the message and keeps the focus.
  bool CommitCode();

  Prompter& prompter_;
  std::array<QCheckBox*, 4> groups_{};
  QLineEdit* code_ = nullptr;
};

}  // namespace qw
