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
#include "files/bounded_read.h"
#include "files/data_diff.h"
#include "files/document.h"
#include "files/json_data.h"
#include "files/settings_store.h"

namespace qw {
namespace {

constexpr const char* kVerifySection = "Settings";
constexpr const char* kVerifyKey = "VerifyAfterProgram";
const QString kBackupFilter = "hex files(*.hex);;All files(*.*)";
const QString kCompareFilter =
    "Data files (*.dat);;JSON (*.json);;Memory images (*.hex);;Channel lists (*.csv);;"
    "All files(*.*)";

std::optional<DataFileKind> KindOfPath(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext == "dat") return DataFileKind::Data;
  if (ext == "hex") return DataFileKind::Image;
  if (ext == "json") return DataFileKind::Json;
  if (ext == "csv") return DataFileKind::Csv;
  return std::nullopt;
}

// Loads a file of any kind the editor can open over a new data set of the series.
Outcome LoadForCompare(Document& scratch, const std::string& path, DataFileKind kind) {
  if (kind == DataFileKind::Data) return scratch.OpenDataFile(path);
  if (kind == DataFileKind::Image) return scratch.LoadRawImage(path);
  if (kind == DataFileKind::Csv) return scratch.ImportChannels(path);
  std::string text, error;
  if (ReadFileBounded(path, 64 << 20, text) != ReadStatus::Ok) {
    return Outcome::Failed(Message{"FileRead Error!!", kProgramTitle, MessageIcon::Exclamation});
  }
  if (!JsonToData(text, scratch.Data(), error)) {
    return Outcome::Failed(Message{path + ": " + error, kProgramTitle, MessageIcon::Stop});
  }
  return Outcome::Ok();
}

// Where a field is edited: its channel, its pane, or "General" for what no pane edits.
NavNode NodeOf(const EditWhat& where) {
  switch (where.unit) {
    case EditWhat::Unit::Channel:
      if (where.group == kGroupWX) return kWeatherNode;
      return NavNode::ChannelOf(where.group, where.index);
    case EditWhat::Unit::UsableGroup:
      return kUsableNode;
    case EditWhat::Unit::Common:
      return kCommonNode;
    case EditWhat::Unit::Atis:
      return kAtisNode;
    default:
      return kGeneralNode;
  }
}

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
  const Outcome outcome = doc_.RestoreBackup(path.toStdString());
  ShowOutcomeMessage(outcome);
  if (!outcome.ok()) return;
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
  const auto kind = KindOfPath(path);
  if (!kind) {
    prompter_.Show(this, {"bad file!!", kProgramTitle, MessageIcon::Stop});
    return;
  }
  Document scratch(options_.programFolder, options_.debug);
  scratch.NewDataSet(doc_.Series());
  const Outcome loaded = LoadForCompare(scratch, path.toStdString(), *kind);
  if (!loaded.ok()) {
    ShowOutcomeMessage(loaded);
    return;
  }
  // The data set is compared as the file's kind would hold it.
  auto differences = CompareFiles(doc_.Data(), DataFileKind::Json, scratch.Data(), *kind);
  auto* window = new CompareWindow(std::move(differences), QFileInfo(path).fileName(), this);
  window->setAttribute(Qt::WA_DeleteOnClose);
  connect(window, &CompareWindow::ShowField, this,
          [this](const EditWhat& where) { SelectNode(NodeOf(where)); });
  window->show();
}

}  // namespace qw
