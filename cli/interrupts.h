// Ctrl+C and SIGTERM for the commands that run long. On POSIX systems a watcher thread takes
// them (no handler, so no global flag); on Windows a console handler takes Ctrl+C and Ctrl+Break.
#pragma once

#include <memory>

#include "link/cancel_flag.h"

namespace qw::cli {

// While it lives, the first interrupt sets cancel (as the dialog's Cancel does) and a second one
// ends the program at once.
class InterruptWatcher {
 public:
  explicit InterruptWatcher(CancelFlag& cancel);
  ~InterruptWatcher();
  InterruptWatcher(const InterruptWatcher&) = delete;
  InterruptWatcher& operator=(const InterruptWatcher&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Holds interrupts back from the threads started after it, so that Wait receives them.
class InterruptWait {
 public:
  InterruptWait();
  // Returns when an interrupt arrives.
  void Wait();
};

// Whether stderr is a terminal someone watches (for the progress bar).
bool StderrIsTerminal();

}  // namespace qw::cli
