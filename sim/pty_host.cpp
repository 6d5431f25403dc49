#include "sim/pty_host.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <vector>

namespace qw {
namespace {

using Clock = std::chrono::steady_clock;
// One start bit, eight data bits, one stop bit at 9600 baud.
constexpr auto kByteTime = std::chrono::nanoseconds(10'000'000'000LL / 9600);

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

PtyRadioHost::PtyRadioHost(SimulatedRadio radio, Pacing pacing)
    : radio_(std::move(radio)), pacing_(pacing) {}

PtyRadioHost::~PtyRadioHost() {
  Stop();
}

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

void PtyRadioHost::WithRadio(const std::function<void(SimulatedRadio&)>& fn) {
  std::lock_guard lock(mutex_);
  fn(radio_);
}

void PtyRadioHost::Serve() {
  std::deque<uint8_t> pending;
  std::vector<uint8_t> answer;
  // Each byte is due one byte time after the one before it, against absolute deadlines, so that
  // rounding in the waits never adds up.
  Clock::time_point due{};
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
        if (pending.empty()) due = std::max(due, Clock::now() + kByteTime);
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
      due += kByteTime;
    }
  }
}

}  // namespace qw
