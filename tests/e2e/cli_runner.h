// Runs quaywright-cli as a child process: by pid only, with a time limit so a test never hangs.
#pragma once

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace qw::test {

struct Child {
  pid_t pid = -1;
  std::filesystem::path out, err;
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

inline std::string Slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Exit code, or -1 when the child had to be killed after the limit.
inline int Wait(const Child& c, std::chrono::seconds limit = std::chrono::seconds(60)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (waitpid(c.pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > end) {
      kill(c.pid, SIGKILL);
      waitpid(c.pid, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Result {
  int code;
  std::string out, err;
};

inline Result Run(const std::vector<std::string>& args, const std::filesystem::path& dir) {
  Child c = Spawn(args, dir);
  int code = Wait(c);
  return {code, Slurp(c.out), Slurp(c.err)};
}

}  // namespace qw::test
