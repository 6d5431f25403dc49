// MainWindow: the safety nets around programming radios: the backups kept of every transfer
// (File > Restore Backup...), the read-back after programming (Options > Verify after Program)
// and File > Compare With....
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>

#include "document/config.h"
#include "document/document.h"
#include "document/settings_store.h"
#include "editor/compare_window.h"
#include "editor/file_filters.h"
#include "editor/main_window.h"
#include "editor/nav_tree.h"
#include "editor/prompter.h"
#include "editor/transfer_dialog.h"
#include "editor/undo_recorder.h"
#include "formats/file_kinds.h"
#include "link/clone_procedures.h"

namespace qw {
namespace {

constexpr const char* kVerifySection = "Settings";
constexpr const char* kVerifyKey = "VerifyAfterProgram";
const QString kBackupFilter = KindFilter(FileKind::RawImage);
const QString kCompareFilter =
    KindsFilter({FileKind::DataFile, FileKind::Json, FileKind::RawImage, FileKind::Csv});

}  // namespace

void MainWindow::AddSafetyCommands(QMenu* file) {
  QAction* compare = Action("mnuFileCompare", "Compare &With...");
  connect(compare, &QAction::triggered, this, [this] { CompareWith(); });
  QAction* restore = Action("mnuFileRestoreBackup", "Restore &Backup...");
  connect(restore, &QAction::triggered, this, [this] { RestoreBackup(); });
  file->addSeparator();
  file->addAction(compare);
  file->addAction(restore);
  // The tooltip explains the message shown, and goes with it.
  connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& message) {
    if (message.isEmpty()) statusBar()->setToolTip({});
  });
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

namespace {

// What a run that went through is called in the status bar.
QString RunHeadline(const Outcome& outcome) {
  if (!outcome.ok() || !outcome.message) return {};
  if (outcome.message->Title == kReadTitle) return "Read complete";
  if (WasVerified(outcome)) return "Programmed and verified";
  for (const Message& note : outcome.notes) {
    if (note.Title == kVerifyNote) return "Programmed, not verified";
  }
  return "Programming complete";
}

}  // namespace

// A few words that fit the status bar at any size; the backup's full path and any reason are in
// its tooltip.
void MainWindow::ShowTransferNotes(const Outcome& outcome) {
  QStringList said{RunHeadline(outcome)};
  QStringList tip;
  for (const Message& note : outcome.notes) {
    const QString text = QString::fromStdString(note.Text);
    if (note.Title == kBackupNote) {
      const bool kept = note.Icon == MessageIcon::Information;
      said << (kept ? "backup kept" : "no backup kept");
      tip << (kept ? "Backup: " + QDir::toNativeSeparators(text) : text);
    } else if (note.Title == kVerifyNote && !WasVerified(outcome)) {
      tip << text;
    }
  }
  said.removeAll(QString());
  if (said.isEmpty()) return;
  said.front()[0] = said.front()[0].toUpper();
  statusBar()->showMessage(said.join(QString::fromUtf8(" \u2014 ")), 20000);
  statusBar()->setToolTip(tip.join("\n"));
}

bool MainWindow::SwitchToSeriesOf(const QString& backup) {
  const std::optional<int16_t> series = SeriesOfFile(backup.toStdString());
  if (!series || *series == series_) return true;
  const Message question{RestoreOtherSeriesQuestion(ModelName(*series), ModelName(series_)),
                         kProgramTitle, MessageIcon::Exclamation};
  if (prompter_.Ask(this, question, PromptButtons::OkCancel) != PromptAnswer::Ok) return false;
  series_ = *series;
  SaveModelSetting(store_, series_);
  ApplySeriesToControls();
  Reset(true);
  return true;
}

void MainWindow::RestoreBackup() {
  if (!PaneCheck()) return;
  const QString folder = QString::fromStdString(options_.backupFolder.string());
  const QString path =
      prompter_.OpenFileName(this, {"Restore Backup", folder, kBackupFilter, /*details=*/true});
  if (path.isEmpty()) return;
  UndoRecorder::StepGroup step(*undo_, "Restore Backup");
  if (!SwitchToSeriesOf(path)) return;
  const Outcome outcome = doc_.RestoreBackup(path.toStdString());
  ShowOutcomeMessage(outcome);
  if (!outcome.ok()) return;
  WarnOfMovedValues();
  SelectNode(kGeneralNode);
  RebuildTree();
  RefreshPanes();
  UpdateCaption();
  statusBar()->showMessage("Restored " + QFileInfo(path).fileName(), 20000);
  statusBar()->setToolTip(QDir::toNativeSeparators(path));
}

void MainWindow::CompareWith() {
  if (!PaneCheck()) return;
  const QString path =
      prompter_.OpenFileName(this, {"Compare With", StartFolder(FolderKind::Data), kCompareFilter});
  if (path.isEmpty()) return;
  RememberFolder(FolderKind::Data, path);
  const std::string file = path.toStdString();
  const FileKind kind = KindOfPath(file);
  if (!HoldsDataSet(kind)) {
    prompter_.Show(this, {kBadFile, kProgramTitle, MessageIcon::Stop});
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
  auto* window = new CompareWindow(doc_, scratch.Data(), kind, QFileInfo(path).fileName());
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
