// Program start: the command line decides whether the debug mode is on.
#pragma once

#include <string>

namespace qw {

// True when the command-line text, upper-cased and without surrounding blanks, is exactly "/D".
// Any further argument leaves the debug mode off.
bool ParseDebugSwitch(const std::string& commandLineText);

// The command-line text after the program name, as one string: the arguments joined by single
// blanks, those containing blanks in double quotes (the way the text reaches a Windows program).
std::string CommandLineText(int argc, const char* const* argv);

}  // namespace qw
