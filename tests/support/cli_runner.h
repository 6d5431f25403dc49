// Runs quaywright-cli as a child process: by pid only, with a time limit so a test never hangs.
// The test target names the executable in QW_CLI.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "tests/support/temp_folder.h"

extern char** environ;

namespace qw::test {

// A child still running when its test ends (a failed assertion skipped the test's own stop) is
// killed and reaped then, never left behind.
struct Child {
  pid_t pid = -1;
  std::filesystem::path out, err;
  Child() = default;
  Child(Child&& o) noexcept : pid(std::exchange(o.pid, -1)), out(o.out), err(o.err) {}
  Child& operator=(Child&&) = delete;
  ~Child() {
    if (pid > 0 && kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
  }
};

inline Child Spawn(const std::vector<std::string>& args, const std::filesystem::path& dir) {
  static int serial = 0;
  Child c;
  ++serial;
  c.out = dir / ("out" + std::to_string(serial));
  c.err = dir / ("err" + std::to_string(serial));
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, c.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, c.err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<std::string> full{QW_CLI};
  full.insert(full.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : full) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn(&c.pid, QW_CLI, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return c;
}

// Exit code, or -1 when the child had to be killed after the limit.
inline int Wait(Child& c, std::chrono::seconds limit = std::chrono::seconds(60)) {
  if (c.pid <= 0) return -1;  // never waitpid(-1): that would reap someone else's child
  const auto end = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (waitpid(c.pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > end) {
      kill(c.pid, SIGKILL);
      waitpid(std::exchange(c.pid, -1), &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  c.pid = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Result {
  int code;
  std::string out, err;
};

// A folder of the test's own, the command line run in it, and its data folder (backups) inside
// it rather than the user's.
class CliFolder {
 public:
  CliFolder() { setenv("QUAYWRIGHT_DATA_DIR", (folder.Path() / "data").c_str(), 1); }
  ~CliFolder() { unsetenv("QUAYWRIGHT_DATA_DIR"); }
  std::string P(const std::string& name) const { return folder.File(name); }
  Result Cli(const std::vector<std::string>& args) const {
    Child c = Spawn(args, folder.Path());
    const int code = Wait(c);
    return {code, ReadBytes(c.out), ReadBytes(c.err)};
  }

  TempFolder folder;
};

}  // namespace qw::test
