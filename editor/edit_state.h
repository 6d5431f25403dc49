// Editor-side state the panes and the main window share while a command runs.
#pragma once

namespace qw {

struct EditState {
  // A long operation runs (reset, file, transfer): no pane handler writes meanwhile.
  bool ResetBusy = false;
};

}  // namespace qw
