#ifndef _WIN32

#include "link/posix_serial_port.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "model/messages.h"

namespace qw {
namespace {

// A misbehaving device cannot make us hold more than this.
constexpr std::size_t kMaxBuffered = 1 << 20;

std::string GroupOf(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return {};
  if (const group* g = getgrgid(st.st_gid)) return g->gr_name;
  return {};
}

bool SetLine(int fd, termios& tio) {
  if (tcgetattr(fd, &tio) != 0) return false;
  cfmakeraw(&tio);
  tio.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS | CSIZE);
  tio.c_cflag |= CS8 | CLOCAL | CREAD;
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  // With a minimum of 0 an empty read returns 0 instead of EAGAIN, indistinguishable from a
  // hang-up.
  tio.c_cc[VMIN] = 1;
  tio.c_cc[VTIME] = 0;
  cfsetispeed(&tio, B9600);
  cfsetospeed(&tio, B9600);
  return tcsetattr(fd, TCSANOW, &tio) == 0;
}

}  // namespace

std::string OpenFailureReason(const std::string& path, int err) {
  switch (err) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
      return CannotOpen(path, kNoSuchPort);
    case EBUSY:
    case EWOULDBLOCK:
      return CannotOpen(path, kPortBusy);
    case EACCES:
    case EPERM: {
      std::string group = GroupOf(path);
      if (group.empty() || group == "root") return CannotOpen(path, "permission denied.");
      return CannotOpen(path, "permission denied (add yourself to the " + group + " group).");
    }
    case ENOTTY:
    case EINVAL:
      return CannotOpen(path, kNotASerialPort);
    default:
      return CannotOpen(path, std::string(std::strerror(err)) + ".");
  }
}

PosixSerialPort::PosixSerialPort(std::string path) : path_(std::move(path)) {}

PosixSerialPort::~PosixSerialPort() {
  Close();
}

bool PosixSerialPort::Open(std::string& error) {
  if (IsOpen()) return true;
  int fd = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = OpenFailureReason(path_, errno);
    return false;
  }
  // Another program holding the same device would garble both transfers.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0 || !SetLine(fd, line_)) {
    error = OpenFailureReason(path_, errno);
    ::close(fd);
    return false;
  }
  fd_ = fd;
  wakeAfter_ = 1;
  buffer_.clear();
  head_ = 0;
  return true;
}

void PosixSerialPort::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  buffer_.clear();
  head_ = 0;
}

void PosixSerialPort::Fail() {
  // Keep what already arrived readable, but no more waiting on a device that is gone.
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void PosixSerialPort::Pump() {
  if (fd_ < 0) return;
  if (head_ > 0 && head_ == buffer_.size()) {
    buffer_.clear();
    head_ = 0;
  }
  uint8_t chunk[512];
  for (;;) {
    ssize_t got = ::read(fd_, chunk, sizeof chunk);
    if (got > 0) {
      if (buffer_.size() - head_ + got <= kMaxBuffered) {
        buffer_.insert(buffer_.end(), chunk, chunk + got);
      }
      // A short read does not mean the driver is empty: terminals hand out 64 bytes at a time
      // when the minimum read count is larger.
      continue;
    }
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
    // End of file (the minimum read count is never 0) or EIO: the other end hung up, as an
    // unplugged adapter or a closed pseudo-terminal does.
    Fail();
    return;
  }
}

std::size_t PosixSerialPort::BytesWaiting() {
  // Counted where they lie rather than read in, so that the terminal's queue (which the minimum
  // read count of WakeAfter refers to) is left alone while a wait goes on.
  int queued = 0;
  if (fd_ >= 0 && ioctl(fd_, FIONREAD, &queued) != 0) {
    Pump();
    queued = 0;
  }
  return buffer_.size() - head_ + static_cast<std::size_t>(std::max(queued, 0));
}

std::size_t PosixSerialPort::Read(uint8_t* out, std::size_t n) {
  Pump();
  std::size_t take = std::min(n, buffer_.size() - head_);
  std::memcpy(out, buffer_.data() + head_, take);
  head_ += take;
  return take;
}

bool PosixSerialPort::Write(const uint8_t* data, std::size_t n) {
  using namespace std::chrono;
  const auto deadline = steady_clock::now() + seconds(2);
  std::size_t done = 0;
  while (fd_ >= 0 && done < n) {
    ssize_t put = ::write(fd_, data + done, n - done);
    if (put > 0) {
      done += static_cast<std::size_t>(put);
      continue;
    }
    if (put < 0 && errno == EINTR) continue;
    if (put < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
      if (left <= 0) return false;
      pollfd p{fd_, POLLOUT, 0};
      ::poll(&p, 1, static_cast<int>(left));
      continue;
    }
    Fail();
    return false;
  }
  return done == n;
}

void PosixSerialPort::WakeAfter(std::size_t bytes) {
  // The terminal's minimum read count also decides when poll reports input (with no inter-byte
  // timer set), so one wake-up serves a whole record instead of one per byte.
  const int wanted = static_cast<int>(std::clamp<std::size_t>(bytes, 1, 255));
  if (wanted == wakeAfter_ || fd_ < 0) return;
  line_.c_cc[VMIN] = static_cast<cc_t>(wanted);
  if (tcsetattr(fd_, TCSANOW, &line_) == 0) wakeAfter_ = wanted;
}

bool PosixSerialPort::WaitForInput(std::size_t have, std::chrono::milliseconds timeout) {
  using namespace std::chrono;
  const auto deadline = steady_clock::now() + timeout;
  for (;;) {
    if (BytesWaiting() > have) return true;
    if (fd_ < 0) return false;
    auto left = ceil<milliseconds>(deadline - steady_clock::now()).count();
    if (left <= 0) return false;
    WakeAfter(have + 1 - (buffer_.size() - head_));
    pollfd p{fd_, POLLIN, 0};
    int r = ::poll(&p, 1, static_cast<int>(left));
    if (r < 0 && errno != EINTR) return false;
    // Nothing new within the time: the caller looks at the port again anyway.
    if (r == 0) return false;
    if (r > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) {
      // Keep what the device still delivered, then stop waiting on it.
      Pump();
      Fail();
      return BytesWaiting() > have;
    }
  }
}

}  // namespace qw

#endif
