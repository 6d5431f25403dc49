// What the panes and the main window share about the edit in progress.
#pragma once

namespace qw {

struct EditState {
  // Set by any user edit; drives the save question at closing.
  bool DataChanged = false;
  // A long operation runs (reset, file, transfer): no pane handler writes meanwhile.
  bool ResetBusy = false;
  // A text field was typed in since it gained focus or was last committed.
  bool FieldEdited = false;

  // A pane calls this after it wrote a user's change into the data set.
  void Edited() {
    if (!ResetBusy) DataChanged = true;
  }
};

}  // namespace qw
