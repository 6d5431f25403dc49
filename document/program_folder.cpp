#include "document/program_folder.h"

#include <cstdlib>
#include <system_error>

#include "build_info.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace qw {

namespace fs = std::filesystem;

namespace {

bool IsFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool IsFolder(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

// A build folder has the help pages and the logo copied beside the executables.
bool HasFilesBeside(const fs::path& folder) {
  return IsFolder(folder / "help") || IsFile(folder / "logo.svg");
}

}  // namespace

fs::path ExecutableFromArgv0(const std::string& argv0, const std::string& pathList,
                             const fs::path& cwd) {
  if (argv0.empty()) return {};
  const fs::path given(argv0);
  if (given.is_absolute()) return given;
  if (given.has_parent_path()) return (cwd / given).lexically_normal();
  std::string::size_type start = 0;
  while (start <= pathList.size()) {
    std::string::size_type end = pathList.find(':', start);
    if (end == std::string::npos) end = pathList.size();
    // An empty entry in PATH means the current folder.
    const fs::path dir = end == start ? cwd : fs::path(pathList.substr(start, end - start));
    const fs::path candidate = (dir.is_absolute() ? dir : cwd / dir) / given;
    if (IsFile(candidate)) return candidate.lexically_normal();
    start = end + 1;
  }
  return {};
}

fs::path RunningExecutable(const char* argv0) {
#ifdef _WIN32
  // The system knows its own path; argv[0] may be a bare name found through PATH.
  std::wstring module(32768, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
  if (n > 0 && n < module.size()) return fs::path(module.substr(0, n));
#endif
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec && !self.empty()) return self;
  const char* pathList = std::getenv("PATH");
  const fs::path cwd = fs::current_path(ec);
  return ExecutableFromArgv0(argv0 ? argv0 : "", pathList ? pathList : "", cwd);
}

ProgramFiles LocateProgramFiles(const fs::path& exe) {
  std::error_code ec;
  // A link to the executable (/usr/local/bin/quaywright -> /opt/quaywright/bin/quaywright)
  // finds the files of the tree it points into.
  fs::path real = fs::canonical(exe, ec);
  if (ec) real = exe.lexically_normal();
  const fs::path beside = real.parent_path();
  if (HasFilesBeside(beside)) return {beside, false};
  const fs::path shared = (beside / QW_DATA_FROM_BIN).lexically_normal();
  if (IsFolder(shared)) return {shared, true};
  return {beside, false};
}

ProgramFiles FindProgramFiles(const char* argv0) {
  const fs::path exe = RunningExecutable(argv0);
  if (exe.empty()) {
    std::error_code ec;
    return {fs::current_path(ec), false};
  }
  return LocateProgramFiles(exe);
}

}  // namespace qw
