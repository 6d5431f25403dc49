// quaywright: the editor. "--simulate" starts with the simulated radio as the port; the rest of
// the command line is the text that "/D" (debug mode) is looked for in.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <string>
#include <vector>

#include "editor/dialog_prompter.h"
#include "editor/main_window.h"
#include "files/document.h"
#include "files/program_args.h"
#include "files/qt_data_folder.h"
#include "files/qt_settings_store.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quaywright");
  QApplication::setApplicationVersion(QW_APP_VERSION);
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
  options.programFolder = QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString();
  options.backupFolder = qw::BackupFolder();

  qw::QtSettingsStore store;
  qw::Document document(options.programFolder, options.debug);
  qw::DialogPrompter prompter;
  qw::MainWindow window(document, store, prompter, options);
  window.show();
  return app.exec();
}
