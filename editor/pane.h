// A pane of the main window's stack. Exactly one pane is active (enabled and in front).
#pragma once

#include <QWidget>
#include <functional>

#include "editor/edit_state.h"
#include "editor/nav_node.h"
#include "files/data_edit.h"
#include "model/radio_data.h"

namespace qw {

class Document;

// Status-bar help texts of the controls, kept as a dynamic property of each control.
inline constexpr const char* kHelpTextProperty = "qwHelpText";
void SetHelpText(QWidget* control, const char* text);

class Pane : public QWidget {
  Q_OBJECT
 public:
  Pane(Document& doc, const EditState& state, QWidget* parent);

  // Shows the part of the data set a tree node stands for. Panes that show one node only
  // simply fill themselves.
  virtual void Show(const NavNode&) { Fill(); }
  // Shows the data set's values. Filling never writes the data set.
  virtual void Fill() {}
  // Validates the field that has the focus; false keeps the focus there and stops the command.
  virtual bool CheckFocusedField() { return true; }

  // A text field was typed in and not yet committed to the data set.
  bool HasUncommittedEdit() const { return fieldEdited_; }

  bool IsActive() const { return active_; }
  void SetActive(bool active);

 protected:
  const RadioData& Data() const;
  // True while the pane may write a user's change into the data set.
  bool Writable() const { return active_ && !filling_ && !state_.ResetBusy; }
  // Writes a user's change through the Document's edit path; does nothing (and returns false)
  // while the pane may not write.
  bool Write(const EditWhat& what, const std::function<void(RadioData&)>& apply);
  // Runs a fill with the pane's writes switched off.
  template <typename F>
  void Filling(F&& fill) {
    bool was = filling_;
    filling_ = true;
    fill();
    filling_ = was;
  }

  Document& doc_;
  const EditState& state_;
  // A text field was typed in since it gained focus or was last committed.
  bool fieldEdited_ = false;

 private:
  bool active_ = false;
  bool filling_ = false;
};

}  // namespace qw
