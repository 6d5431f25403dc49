#include "document/program_args.h"

#include "formats/text_util.h"

namespace qw {

bool ParseDebugSwitch(const std::string& commandLineText) {
  return ToUpperAscii(TrimBlanks(commandLineText)) == "/D";
}

std::string CommandLineText(int argc, const char* const* argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (!argv || !argv[i]) continue;
    std::string argument = argv[i];
    if (!text.empty()) text += ' ';
    bool quote = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
    text += quote ? "\"" + argument + "\"" : argument;
  }
  return text;
}

}  // namespace qw
