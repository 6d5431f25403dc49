// A pane of the main window's stack. Exactly one pane is active (enabled and in front).
#pragma once

#include <QWidget>
#include <functional>

#include "document/data_edit.h"
#include "editor/edit_state.h"
#include "editor/nav_node.h"
#include "model/radio_data.h"

class QFocusEvent;

namespace qw {

class Document;

// Status-bar help texts of the controls, kept as a dynamic property of each control.
inline constexpr const char* kHelpTextProperty = "qwHelpText";
void SetHelpText(QWidget* control, const char* text);
// The help texts most controls share: a check box, a list, and the arrow keys of the tree and
// the radio buttons.
inline constexpr const char* kCheckBoxHelp = "[Space]:An effective and invalid change.";
inline constexpr const char* kSelectionHelp = "[Up]/[Down]:Change of a Selection item.";
inline constexpr const char* kArrowKeysHelp =
    "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.";

class Pane : public QWidget {
  Q_OBJECT
 public:
  Pane(Document& doc, const EditState& state, QWidget* parent);

  // Shows the part of the data set a tree node stands for. Panes that show one node only
  // simply fill themselves.
  virtual void Show(const NavNode&) { Fill(); }
  // Shows the data set's values. Filling never writes the data set.
  virtual void Fill() {}
  // The pane check a command or a node change runs first: false stops it. The field with the
  // focus is validated (a refusal says so and keeps the focus there); a field refused by the
  // very click that started the command stops it without saying so again.
  bool Check() { return !justRefused_ && CheckFocusedField(); }
  // A field was refused while the event now being handled was delivered.
  bool Refusing() const { return justRefused_; }

  // A text field was typed in and not yet committed to the data set.
  bool HasUncommittedEdit() const { return fieldEdited_; }
  // The edit that committing that typing would make, for naming it.
  virtual EditWhat PendingEdit() const { return {}; }
  // Forgets typing not yet committed: the pane shows the data set's values again.
  virtual void DropPendingEdit() {
    Fill();
    fieldEdited_ = false;
  }

  bool IsActive() const { return active_; }
  void SetActive(bool active);

 protected:
  // Validates the field that has the focus; false keeps the focus there and stops the command.
  virtual bool CheckFocusedField() { return true; }
  // Called when leaving a field was refused and said so: the field gets the focus back, and the
  // rest of the mouse click that tried to leave it is dropped, so the control it pressed is
  // neither toggled nor left drawn pressed and the tree stays on the node shown.
  void RefuseLeaving(QWidget* field);
  // Whether a field's focus-in starts a new visit of it, after which a typed value counts as
  // new. Getting the focus back after a refusal, a menu or another window does not.
  bool NewVisit(const QFocusEvent& in);

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
  bool justRefused_ = false;  // until the event loop runs again after a refusal
  bool refocusing_ = false;
};

}  // namespace qw
