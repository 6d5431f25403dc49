#ifdef _WIN32

#include "link/win32_serial_port.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstring>

#include "model/messages.h"

namespace qw {
namespace {

// A misbehaving device cannot make us hold more than this.
constexpr std::size_t kMaxBuffered = 1 << 20;
// How long a write may take before the port counts as failed, as on POSIX.
constexpr DWORD kWriteTimeoutMs = 2000;

HANDLE Handle(void* h) {
  return static_cast<HANDLE>(h);
}

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(n, 0)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

std::string Narrow(const wchar_t* text, std::size_t length) {
  if (length == 0) return {};
  int n =
      WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(std::max(n, 0)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), narrow.data(), n, nullptr,
                      nullptr);
  return narrow;
}

bool AllDigits(const std::string& text) {
  return !text.empty() && text.size() <= 3 &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// The number of "COMn", or -1.
int ComNumber(const std::string& name) {
  if (name.size() < 4 || name.compare(0, 3, "COM") != 0) return -1;
  const std::string digits = name.substr(3);
  return AllDigits(digits) ? std::stoi(digits) : -1;
}

// Modem lines do not exist on every port (Wine's pseudo-terminal ports say "not supported"); a
// port without them still carries the clone.
bool RaiseLine(HANDLE h, DWORD function) {
  return EscapeCommFunction(h, function) || GetLastError() == ERROR_NOT_SUPPORTED;
}

bool SetLine(HANDLE h) {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!GetCommState(h, &dcb)) return false;
  dcb.BaudRate = CBR_9600;
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.StopBits = ONESTOPBIT;
  dcb.fBinary = TRUE;
  dcb.fParity = FALSE;
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDsrSensitivity = FALSE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;
  dcb.fErrorChar = FALSE;
  dcb.fNull = FALSE;
  dcb.fAbortOnError = FALSE;
  // DTR and RTS up, as a POSIX terminal raises them on open: the programming cable draws its
  // power from them.
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fRtsControl = RTS_CONTROL_ENABLE;
  if (!SetCommState(h, &dcb)) return false;
  return RaiseLine(h, SETDTR) && RaiseLine(h, SETRTS);
}

// Reads return at once with what is there (wait 0) or wait up to `wait` ms for all they ask.
bool SetReadWait(HANDLE h, DWORD wait) {
  COMMTIMEOUTS t{};
  t.ReadIntervalTimeout = wait == 0 ? MAXDWORD : 0;
  t.ReadTotalTimeoutMultiplier = 0;
  t.ReadTotalTimeoutConstant = wait;
  t.WriteTotalTimeoutMultiplier = 0;
  t.WriteTotalTimeoutConstant = kWriteTimeoutMs;
  return SetCommTimeouts(h, &t);
}

}  // namespace

std::string ComPortName(const std::string& nameOrNumber) {
  if (AllDigits(nameOrNumber)) return "COM" + nameOrNumber;
  std::string name = nameOrNumber;
  if (name.rfind("\\\\.\\", 0) == 0) name = name.substr(4);
  std::string upper = name;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return ComNumber(upper) >= 0 ? upper : name;
}

std::string ComOpenFailureReason(const std::string& name, unsigned long err) {
  switch (err) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
      return CannotOpen(name, "there is no " + name + ".");
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
      return CannotOpen(name, name + " is in use by another program.");
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
      return CannotOpen(name, kNotASerialPort);
    default: {
      wchar_t* text = nullptr;
      const DWORD n =
          FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                             FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, err, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
      std::string reason = n > 0 ? Narrow(text, n) : "system error " + std::to_string(err);
      if (text) LocalFree(text);
      while (!reason.empty() &&
             (std::isspace(static_cast<unsigned char>(reason.back())) || reason.back() == '.')) {
        reason.pop_back();
      }
      return CannotOpen(name, reason + ".");
    }
  }
}

Win32SerialPort::Win32SerialPort(std::string name) : name_(ComPortName(name)) {}

Win32SerialPort::~Win32SerialPort() {
  Close();
}

bool Win32SerialPort::Open(std::string& error) {
  if (IsOpen()) return true;
  // The \\.\ form reaches COM10 and above as well as COM1..COM9.
  const std::wstring path = L"\\\\.\\" + Widen(name_);
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    error = ComOpenFailureReason(name_, GetLastError());
    return false;
  }
  if (!SetLine(h) || !SetReadWait(h, 0)) {
    error = ComOpenFailureReason(name_, GetLastError());
    CloseHandle(h);
    return false;
  }
  // Whatever the line held before we came belongs to no transfer of ours.
  PurgeComm(h, PURGE_RXCLEAR | PURGE_TXCLEAR);
  handle_ = h;
  waitSet_ = 0;
  buffer_.clear();
  head_ = 0;
  return true;
}

void Win32SerialPort::Close() {
  if (handle_) CloseHandle(Handle(handle_));
  handle_ = nullptr;
  buffer_.clear();
  head_ = 0;
}

void Win32SerialPort::Fail() {
  // Keep what already arrived readable, but no more waiting on a device that is gone.
  if (handle_) CloseHandle(Handle(handle_));
  handle_ = nullptr;
}

void Win32SerialPort::ReadIn(std::size_t n, std::chrono::milliseconds wait) {
  if (!handle_ || n == 0) return;
  if (head_ > 0 && head_ == buffer_.size()) {
    buffer_.clear();
    head_ = 0;
  }
  const DWORD ms = static_cast<DWORD>(std::clamp<long long>(wait.count(), 0, 60'000));
  if (static_cast<long>(ms) != waitSet_) {
    if (!SetReadWait(Handle(handle_), ms)) return Fail();
    waitSet_ = static_cast<long>(ms);
  }
  const std::size_t room = kMaxBuffered - std::min(kMaxBuffered, buffer_.size() - head_);
  const std::size_t want = std::min(n, std::max<std::size_t>(room, 1));
  const std::size_t old = buffer_.size();
  buffer_.resize(old + want);
  DWORD got = 0;
  const bool ok =
      ReadFile(Handle(handle_), buffer_.data() + old, static_cast<DWORD>(want), &got, nullptr);
  buffer_.resize(old + (ok ? std::min<std::size_t>(got, want) : 0));
  if (room == 0) buffer_.resize(old);  // over the limit: dropped, as the POSIX port does
  if (!ok) Fail();
}

std::size_t Win32SerialPort::BytesWaiting() {
  std::size_t queued = 0;
  if (handle_) {
    DWORD errors = 0;
    COMSTAT stat{};
    if (ClearCommError(Handle(handle_), &errors, &stat)) {
      queued = stat.cbInQue;
    } else {
      Fail();
    }
  }
  return buffer_.size() - head_ + queued;
}

std::size_t Win32SerialPort::Read(uint8_t* out, std::size_t n) {
  if (buffer_.size() - head_ < n) ReadIn(n - (buffer_.size() - head_), {});
  const std::size_t take = std::min(n, buffer_.size() - head_);
  if (take > 0) std::memcpy(out, buffer_.data() + head_, take);
  head_ += take;
  return take;
}

bool Win32SerialPort::Write(const uint8_t* data, std::size_t n) {
  std::size_t done = 0;
  while (handle_ && done < n) {
    DWORD put = 0;
    if (!WriteFile(Handle(handle_), data + done, static_cast<DWORD>(n - done), &put, nullptr)) {
      Fail();
      return false;
    }
    // Nothing left within the write time-out: the line is stuck.
    if (put == 0) return false;
    done += put;
  }
  return done == n;
}

bool Win32SerialPort::WaitForInput(std::size_t have, std::chrono::milliseconds timeout) {
  if (BytesWaiting() > have) return true;
  if (!handle_ || timeout.count() <= 0) return false;
  // The driver blocks the read until all the bytes asked for are there or the time is up.
  ReadIn(have + 1 - (buffer_.size() - head_), timeout);
  return BytesWaiting() > have;
}

std::unique_ptr<SerialPort> MakeWin32SerialPort(const std::string& nameOrNumber) {
  return std::make_unique<Win32SerialPort>(nameOrNumber);
}

std::vector<PortInfo> ListWin32SerialPorts() {
  std::vector<PortInfo> ports;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return ports;
  }
  for (DWORD i = 0;; ++i) {
    wchar_t device[256];
    DWORD deviceLength = 256;
    wchar_t name[64] = {};
    DWORD nameBytes = sizeof name - sizeof(wchar_t);
    DWORD type = 0;
    LONG r = RegEnumValueW(key, i, device, &deviceLength, nullptr, &type,
                           reinterpret_cast<BYTE*>(name), &nameBytes);
    if (r == ERROR_NO_MORE_ITEMS) break;
    if (r != ERROR_SUCCESS || type != REG_SZ) continue;
    std::size_t length = nameBytes / sizeof(wchar_t);
    while (length > 0 && name[length - 1] == L'\0') --length;
    // "\Device\Serial0" or "\Device\ProlificSerial0": the driver's name says what the port is.
    std::string description = Narrow(device, deviceLength);
    if (description.rfind("\\Device\\", 0) == 0) description = description.substr(8);
    ports.push_back({Narrow(name, length), description});
  }
  RegCloseKey(key);
  std::sort(ports.begin(), ports.end(), [](const PortInfo& a, const PortInfo& b) {
    const int na = ComNumber(a.name), nb = ComNumber(b.name);
    return na != nb ? na < nb : a.name < b.name;
  });
  return ports;
}

}  // namespace qw

#endif
