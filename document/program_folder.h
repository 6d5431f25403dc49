// Where the program's own read-only files are (destination images, help pages, logo): beside the
// executable when it runs from its build folder, else in the share folder of the prefix it is
// installed under (<prefix>/bin/quaywright reads <prefix>/share/quaywright).
#pragma once

#include <filesystem>
#include <string>

namespace qw {

struct ProgramFiles {
  std::filesystem::path folder;  // where the read-only files are read from
  // True when the files come from an installed share folder. Such a folder is never written to:
  // whatever the program keeps goes to the user's own folders.
  bool installed = false;
};

// The running executable: /proc/self/exe where the system has it, else argv0 resolved the way
// the shell found it. Empty when neither tells.
std::filesystem::path RunningExecutable(const char* argv0);

// argv0 as an absolute path: as given when it has a folder part (relative to cwd), else the
// first match in the colon-separated search list pathList. Empty when nothing matches.
std::filesystem::path ExecutableFromArgv0(const std::string& argv0, const std::string& pathList,
                                          const std::filesystem::path& cwd);

// The program's files for an executable at exe (symbolic links followed). With neither files
// beside it nor an installed share folder, the executable's own folder.
ProgramFiles LocateProgramFiles(const std::filesystem::path& exe);

// Both steps, for main().
ProgramFiles FindProgramFiles(const char* argv0);

}  // namespace qw
