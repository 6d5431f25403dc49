// quaywright: the editor. "--simulate" starts with the simulated radio as the port, "--version"
// prints the version; the rest of the command line is the text that "/D" (debug mode) is looked
// for in.
#include <QApplication>
#include <QIcon>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "build_info.h"
#include "document/document.h"
#include "document/program_args.h"
#include "document/program_folder.h"
#include "document/qt_data_folder.h"
#include "document/qt_settings_store.h"
#include "editor/dialog_prompter.h"
#include "editor/main_window.h"

int main(int argc, char** argv) {
  // Answered before Qt starts, so it works without a display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << "quaywright " << QW_PROJECT_VERSION << "\n";
      return 0;
    }
  }
  const qw::ProgramFiles files = qw::FindProgramFiles(argv[0]);

  QApplication app(argc, argv);
  QApplication::setApplicationName(qw::kProductName);
  QApplication::setApplicationVersion(QW_PROJECT_VERSION);
  QApplication::setWindowIcon(QIcon(":/icons/program.svg"));

  qw::EditorOptions options;
  std::vector<const char*> rest{argv[0]};
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--simulate") {
      options.simulate = true;
      continue;
    }
    rest.push_back(argv[i]);
  }
  options.debug =
      qw::ParseDebugSwitch(qw::CommandLineText(static_cast<int>(rest.size()), rest.data()));
  options.programFolder = files.folder;
  options.backupFolder = qw::BackupFolder();

  qw::QtSettingsStore store;
  qw::Document document(options.programFolder, options.debug);
  if (files.installed) {
    document.SetErrorLogFolder(qw::UserDataFolder());
  }
  qw::DialogPrompter prompter;
  qw::MainWindow window(document, store, prompter, options);
  window.show();
  return app.exec();
}
