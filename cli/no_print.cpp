// The print command of builds without Qt, which has no PDF writer.
#include <iostream>

#include "cli/cli_common.h"

namespace qw::cli {

Outcome WritePdf(Document&, const std::string&, const std::string&) {
  return Outcome::Failed(Message{kNoPdf, kProgramTitle, MessageIcon::Stop});
}

void RegisterPrintCommand(CLI::App& app, Context& ctx) {
  CLI::App* print =
      app.add_subcommand("print", "Write the printed listing as a PDF (Qt build only)");
  print->allow_extras();
  print->callback([&ctx] {
    std::cerr << kNoPdf << "\n";
    ctx.exitCode = kExitUsage;
  });
}

}  // namespace qw::cli
