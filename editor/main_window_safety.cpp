// MainWindow: the safety nets around programming radios: the backups kept of every transfer
// (File > Restore Backup...), the read-back after programming (Options > Verify after Program)
// and File > Compare With....
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>

#include "editor/compare_window.h"
#include "editor/main_window.h"
#include "editor/nav_tree.h"
#include "editor/prompter.h"
#include "editor/transfer_dialog.h"
#include "editor/undo_recorder.h"
#include "files/document.h"
#include "files/file_kinds.h"
#include "files/settings_store.h"

namespace qw {
namespace {

constexpr const char* kVerifySection = "Settings";
constexpr const char* kVerifyKey = "VerifyAfterProgram";
const QString kBackupFilter = "hex files(*.hex);;All files(*.*)";
const QString kCompareFilter =
    "Data files (*.dat);;JSON (*.json);;Memory images (*.hex);;Channel lists (*.csv);;"
    "All files(*.*)";

}  // namespace

void MainWindow::AddSafetyCommands(QMenu* file) {
  QAction* compare = Action("mnuFileCompare", "Compare &With...");
  connect(compare, &QAction::triggered, this, [this] { CompareWith(); });
  QAction* restore = Action("mnuFileRestoreBackup", "Restore &Backup...");
  connect(restore, &QAction::triggered, this, [this] { RestoreBackup(); });
  file->addSeparator();
  file->addAction(compare);
  file->addAction(restore);
}

void MainWindow::AddVerifyOption(QMenu* options) {
  verifyAfterProgram_ = Action("mnuOptionsVerify", "Verify after Program");
  verifyAfterProgram_->setCheckable(true);
  verifyAfterProgram_->setChecked(store_.Get(kVerifySection, kVerifyKey).value_or("0") == "1");
  connect(verifyAfterProgram_, &QAction::toggled, this,
          [this](bool on) { store_.Set(kVerifySection, kVerifyKey, on ? "1" : "0"); });
  options->addAction(verifyAfterProgram_);
}

TransferOptions MainWindow::EditorTransferOptions() const {
  TransferOptions options;
  options.backupFolder = options_.backupFolder;
  options.verify = verifyAfterProgram_ && verifyAfterProgram_->isChecked();
  return options;
}

void MainWindow::ShowTransferNotes(const Outcome& outcome) {
  QStringList said;
  if (WasVerified(outcome)) said << "Verified: the radio holds what was programmed.";
  for (const Message& note : outcome.notes) {
    if (note.Title != kBackupNote) continue;
    said << (note.Icon == MessageIcon::Information
                 ? "Backup kept: " + QString::fromStdString(note.Text)
                 : QString::fromStdString(note.Text));
  }
  if (!said.isEmpty()) statusBar()->showMessage(said.join("  "), 20000);
}

void MainWindow::RestoreBackup() {
  if (!PaneCheck()) return;
  const QString folder = QString::fromStdString(options_.backupFolder.string());
  const QString path = prompter_.OpenFileName(this, folder, kBackupFilter);
  if (path.isEmpty()) return;
  UndoRecorder::StepGroup step(*undo_, "Restore Backup");
  const Outcome outcome = doc_.RestoreBackup(path.toStdString());
  ShowOutcomeMessage(outcome);
  if (!outcome.ok()) return;
  WarnOfMovedValues();
  SelectNode(kGeneralNode);
  RebuildTree();
  RefreshPanes();
  UpdateCaption();
  statusBar()->showMessage("Restored " + QFileInfo(path).fileName(), 20000);
}

void MainWindow::CompareWith() {
  if (!PaneCheck()) return;
  const QString path = prompter_.OpenFileName(this, FileFolder(), kCompareFilter);
  if (path.isEmpty()) return;
  const std::string file = path.toStdString();
  const FileKind kind = KindOfPath(file);
  if (!HoldsDataSet(kind)) {
    prompter_.Show(this, {"bad file!!", kProgramTitle, MessageIcon::Stop});
    return;
  }
  // The file is read as a data set of its own series; a channel list says none and takes ours.
  Document scratch(options_.programFolder, options_.debug);
  scratch.NewDataSet(SeriesOfFile(file).value_or(doc_.Series()));
  const Outcome loaded = scratch.Open(file);
  if (!loaded.ok()) {
    ShowOutcomeMessage(loaded);
    return;
  }
  auto* window =
      new CompareWindow(doc_, std::move(scratch.Data()), kind, QFileInfo(path).fileName());
  // A top-level window of its own: it goes with this one, and does not keep the program running
  // when this one is closed.
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setAttribute(Qt::WA_QuitOnClose, false);
  connect(this, &QObject::destroyed, window, [window] { delete window; });
  connect(window, &CompareWindow::ShowField, this, [this](const EditWhat& where) {
    // Fields no pane edits are shown from "General".
    const NavNode node = NodeOfEdit(where);
    SelectNode(node ? node : kGeneralNode);
    raise();
    activateWindow();
  });
  window->show();
}

}  // namespace qw
