// quaywright-cli: the editor's whole-document operations without windows.
#include <CLI/CLI.hpp>
#include <iostream>

#include "build_info.h"
#include "cli/cli_common.h"
#include "document/program_folder.h"

int main(int argc, char** argv) {
  CLI::App app{"Quaywright: read, convert and program MV510/MV710 radio data"};
  app.name("quaywright-cli");
  app.set_version_flag("--version", std::string("quaywright-cli ") + QW_PROJECT_VERSION);
  app.require_subcommand(1);
  qw::cli::Context ctx;
  ctx.programFolder = qw::FindProgramFiles(argc > 0 ? argv[0] : nullptr).folder;
  qw::cli::RegisterFileCommands(app, ctx);
  qw::cli::RegisterRadioCommands(app, ctx);
  qw::cli::RegisterPrintCommand(app, ctx);
  qw::cli::RegisterGridCommand(app, ctx);
  qw::cli::RegisterSafetyCommands(app, ctx);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // --help and --version end with success; every other parse error is a usage error.
    if (e.get_exit_code() == 0) return app.exit(e);
    app.exit(e);
    return qw::cli::kExitUsage;
  }
  return ctx.exitCode;
}
