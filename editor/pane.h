// A pane of the main window's stack. Exactly one pane is active (enabled and in front).
#pragma once

#include <QWidget>

#include "editor/edit_state.h"
#include "model/radio_data.h"

namespace qw {

// Status-bar help texts of the controls, kept as a dynamic property of each control.
inline constexpr const char* kHelpTextProperty = "qwHelpText";
void SetHelpText(QWidget* control, const char* text);

class Pane : public QWidget {
  Q_OBJECT
 public:
  Pane(RadioData& data, EditState& state, QWidget* parent);

  // Shows the data set's values. Filling never counts as an edit.
  virtual void Fill() {}
  // Validates the field that has the focus; false keeps the focus there and stops the command.
  virtual bool CheckFocusedField() { return true; }

  bool IsActive() const { return active_; }
  void SetActive(bool active);

 protected:
  // True while the pane may write a user's change into the data set.
  bool Writable() const { return active_ && !filling_ && !state_.ResetBusy; }
  // Runs a fill with the pane's writes switched off.
  template <typename F>
  void Filling(F&& fill) {
    bool was = filling_;
    filling_ = true;
    fill();
    filling_ = was;
  }

  RadioData& data_;
  EditState& state_;

 private:
  bool active_ = false;
  bool filling_ = false;
};

}  // namespace qw
