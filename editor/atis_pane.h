// "ATIS Setup": the usable ATIS channel groups and the ATIS code.
#pragma once

#include <array>

#include "editor/pane.h"

class QCheckBox;
class QLineEdit;
class QTabBar;

namespace qw {

class Prompter;

class AtisPane final : public Pane {
  Q_OBJECT
 public:
  AtisPane(Document& doc, const EditState& state, Prompter& prompter, QWidget* parent = nullptr);
  void Fill() override;
  bool CheckFocusedField() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Commits an edited code. validate: a refused code shows the message and keeps the focus;
  // otherwise the field quietly gets back the stored code.
  bool CommitCode(bool validate);

  Prompter& prompter_;
  QTabBar* tabs_ = nullptr;
  std::array<QCheckBox*, 4> groups_{};
  QLineEdit* code_ = nullptr;
  bool refocusing_ = false;
};

}  // namespace qw
