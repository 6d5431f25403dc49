#include "cli/interrupts.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include <atomic>
#else
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <thread>
#endif

namespace qw::cli {

#ifdef _WIN32

namespace {

// The console calls its handlers without a context, on a thread of its own: the flag of the
// watcher alive is the one thing they need to find.
std::atomic<CancelFlag*>& WatchedFlag() {
  static std::atomic<CancelFlag*> flag{nullptr};
  return flag;
}

BOOL WINAPI OnConsoleInterrupt(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  CancelFlag* cancel = WatchedFlag().load();
  if (!cancel || cancel->exchange(true)) return FALSE;  // the default: end the program
  std::fputs("\nCancelling (press Ctrl+C again to quit at once)...\n", stderr);
  return TRUE;
}

}  // namespace

struct InterruptWatcher::Impl {};
InterruptWatcher::InterruptWatcher(CancelFlag& cancel) {
  WatchedFlag().store(&cancel);
  SetConsoleCtrlHandler(OnConsoleInterrupt, TRUE);
}
InterruptWatcher::~InterruptWatcher() {
  SetConsoleCtrlHandler(OnConsoleInterrupt, FALSE);
  WatchedFlag().store(nullptr);
}

InterruptWait::InterruptWait() = default;
void InterruptWait::Wait() {
  // Without POSIX signals the console's Ctrl+C ends the program; until then, wait for input.
  (void)std::getchar();
}

bool StderrIsTerminal() {
  return _isatty(_fileno(stderr)) != 0;
}

#else

namespace {

sigset_t Signals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  return set;
}

}  // namespace

struct InterruptWatcher::Impl {
  sigset_t old{};
  std::atomic<bool> done{false};
  std::thread thread;
};

InterruptWatcher::InterruptWatcher(CancelFlag& cancel) : impl_(std::make_unique<Impl>()) {
  sigset_t set = Signals();
  pthread_sigmask(SIG_BLOCK, &set, &impl_->old);
  impl_->thread = std::thread([impl = impl_.get(), &cancel] {
    sigset_t wait = Signals();
    for (;;) {
      int sig = 0;
      if (sigwait(&wait, &sig) != 0 || impl->done) return;
      if (cancel.exchange(true)) std::_Exit(130);
      std::fputs("\nCancelling (press Ctrl+C again to quit at once)...\n", stderr);
    }
  });
}

InterruptWatcher::~InterruptWatcher() {
  impl_->done = true;
  pthread_kill(impl_->thread.native_handle(), SIGTERM);
  impl_->thread.join();
  pthread_sigmask(SIG_SETMASK, &impl_->old, nullptr);
}

InterruptWait::InterruptWait() {
  sigset_t set = Signals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void InterruptWait::Wait() {
  sigset_t set = Signals();
  int sig = 0;
  sigwait(&set, &sig);
}

bool StderrIsTerminal() {
  return isatty(STDERR_FILENO) != 0;
}

#endif

}  // namespace qw::cli
