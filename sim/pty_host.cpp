#include "sim/pty_host.h"

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <vector>

namespace qw {

PtyRadioHost::PtyRadioHost(SimulatedRadio radio, Pacing pacing)
    : radio_(std::move(radio)), pacing_(pacing) {}

PtyRadioHost::~PtyRadioHost() {
  Stop();
}

void PtyRadioHost::WithRadio(const std::function<void(SimulatedRadio&)>& fn) {
  std::lock_guard lock(mutex_);
  fn(radio_);
}

#ifdef _WIN32

// The simulated radio's cable is a pseudo-terminal, which Windows does not have.
bool PtyRadioHost::Start(std::string& error) {
  error = "The simulated radio needs a POSIX system (a pseudo-terminal).";
  return false;
}
void PtyRadioHost::Stop() {}
void PtyRadioHost::Serve() {}

#else

namespace {

using Clock = std::chrono::steady_clock;
// One start bit, eight data bits, one stop bit at 9600 baud: 10 bits per byte.
constexpr long long kBitsPerByte = 10;
constexpr long long kBaud = 9600;

// When byte number `sent` of a run that began at `start` has fully left the line. Computed from
// the start each time, so the fraction of a nanosecond in a byte time never adds up.
Clock::time_point ByteDone(Clock::time_point start, long long sent) {
  return start + std::chrono::nanoseconds((sent + 1) * kBitsPerByte * 1'000'000'000LL / kBaud);
}

void CloseFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

bool MakeRaw(int fd) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return false;
  cfmakeraw(&tio);
  return tcsetattr(fd, TCSANOW, &tio) == 0;
}

// Waits for input or until the deadline (none: until input), at nanosecond resolution.
int PollUntil(pollfd* fds, nfds_t n, const Clock::time_point* deadline) {
  if (!deadline) return ::poll(fds, n, -1);
  auto left = *deadline - Clock::now();
  if (left < Clock::duration::zero()) left = Clock::duration::zero();
#ifdef __linux__
  auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
  timespec ts{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
  return ::ppoll(fds, n, &ts, nullptr);
#else
  return ::poll(fds, n,
                static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count()));
#endif
}

}  // namespace

bool PtyRadioHost::Start(std::string& error) {
  if (Running()) return true;
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  const char* name =
      master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0 ? ptsname(master_) : nullptr;
  if (name) {
    path_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  }
  // Without raw mode the terminal would echo and translate CR itself.
  if (slave_ < 0 || !MakeRaw(slave_) || ::pipe(wake_) != 0) {
    error = std::string("Cannot create a pseudo-terminal: ") + std::strerror(errno);
    Stop();
    return false;
  }
  thread_ = std::thread([this] { Serve(); });
  return true;
}

void PtyRadioHost::Stop() {
  if (thread_.joinable()) {
    const char stop = 1;
    [[maybe_unused]] auto n = ::write(wake_[1], &stop, 1);
    thread_.join();
  }
  CloseFd(master_);
  CloseFd(slave_);
  CloseFd(wake_[0]);
  CloseFd(wake_[1]);
}

void PtyRadioHost::Serve() {
  std::deque<uint8_t> pending;
  std::vector<uint8_t> answer;
  // A run of back-to-back bytes starts when the line is idle; each byte is due when it would
  // have fully arrived.
  Clock::time_point runStart{};
  long long runSent = 0;
  Clock::time_point due{};
  Clock::time_point lineFree{};  // when the last byte sent has fully left
  uint8_t in[512];
  for (;;) {
    const bool paced = pacing_ == Pacing::Real;
    const bool haveDue = !pending.empty() && paced;
    pollfd fds[2] = {{wake_[0], POLLIN, 0}, {master_, POLLIN, 0}};
    if (!pending.empty() && (!paced || Clock::now() >= due)) fds[1].events |= POLLOUT;
    if (PollUntil(fds, 2, haveDue && !(fds[1].events & POLLOUT) ? &due : nullptr) < 0 &&
        errno != EINTR) {
      return;
    }
    if (fds[0].revents) return;
    if (fds[1].revents & POLLIN) {
      ssize_t got = ::read(master_, in, sizeof in);
      if (got > 0) {
        answer.clear();
        {
          std::lock_guard lock(mutex_);
          radio_.Receive(in, static_cast<std::size_t>(got), answer);
        }
        if (pending.empty()) {
          runStart = std::max(Clock::now(), lineFree);
          runSent = 0;
          due = ByteDone(runStart, runSent);
        }
        pending.insert(pending.end(), answer.begin(), answer.end());
      }
    }
    while (!pending.empty() && (!paced || Clock::now() >= due)) {
      uint8_t chunk[512];
      std::size_t n = 0;
      while (n < (paced ? 1u : sizeof chunk) && n < pending.size()) chunk[n] = pending[n], ++n;
      ssize_t put = ::write(master_, chunk, n);
      if (put <= 0) break;  // the program's side is full; POLLOUT tells when to go on
      pending.erase(pending.begin(), pending.begin() + put);
      runSent += put;
      lineFree = due;
      due = ByteDone(runStart, runSent);
    }
  }
}

#endif  // _WIN32

}  // namespace qw
