// The whole-document commands of the main window: new, open, save, series and destination,
// transfers, the debug image keys, help and closing.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

#include "document/config.h"
#include "document/document.h"
#include "document/odd_values.h"
#include "editor/about_box.h"
#include "editor/busy.h"
#include "editor/file_filters.h"
#include "editor/help_viewer.h"
#include "editor/main_window.h"
#include "editor/nav_tree.h"
#include "editor/pane.h"
#include "editor/prompter.h"
#include "editor/transfer_dialog.h"
#include "editor/undo_recorder.h"
#include "formats/file_kinds.h"
#include "link/clone_procedures.h"

namespace qw {

namespace {

const QString kHexFilter = KindFilter(FileKind::RawImage);

Message ProgramMessage(const char* text, MessageIcon icon) {
  return {text, kProgramTitle, icon};
}

}  // namespace

std::shared_ptr<BusyScope> MainWindow::Busy() {
  return std::make_shared<BusyScope>(*blocker_);
}

void MainWindow::After(int ms, std::function<void()> next) {
  if (ms <= 0) {
    next();
  } else {
    QTimer::singleShot(ms, this, std::move(next));
  }
}

void MainWindow::ShowOutcomeMessage(const Outcome& outcome) {
  if (outcome.message) prompter_.Show(this, *outcome.message);
}

QString MainWindow::DataFilter() const {
  if (options_.debug) return KindsFilter({FileKind::DataFile, FileKind::Json, FileKind::RawImage});
  return KindsFilter({FileKind::DataFile, FileKind::Json});
}

FileKind MainWindow::EditorKindOf(const std::string& path) const {
  // What File > Open and Save As offer: JSON, memory images in debug mode, else a data file.
  const FileKind kind = KindOfPath(path);
  if (kind == FileKind::Json || (kind == FileKind::RawImage && options_.debug)) return kind;
  return FileKind::DataFile;
}

void MainWindow::WarnOfMovedValues() {
  const std::vector<std::string> lines = doc_.TakeEntryWarnings();
  if (lines.empty()) return;
  std::string text = "Values were changed to what the radio can store:";
  for (const std::string& line : lines) text += "\n" + line;
  prompter_.Show(this, ProgramMessage(text.c_str(), MessageIcon::Exclamation));
}

QString MainWindow::StartFolder(FolderKind kind) const {
  return FileFolders(store_).StartIn(kind);
}

void MainWindow::RememberFolder(FolderKind kind, const QString& path) {
  FileFolders(store_).Remember(kind, path);
}

void MainWindow::ShowWritten(const QString& what, const QString& path) {
  statusBar()->showMessage(what + " written to " + QFileInfo(path).fileName(), 20000);
  statusBar()->setToolTip(QDir::toNativeSeparators(path));
}

// ---- File -------------------------------------------------------------------------------------

void MainWindow::FileNew() {
  if (!PaneCheck()) return;
  if (options_.timings.newDelayMs <= 0) {
    StartNew();
  } else {
    newTimer_->start(options_.timings.newDelayMs);
  }
}

void MainWindow::StartNew() {
  newTimer_->stop();
  auto busy = Busy();
  SelectNode(kGeneralNode);
  const QString step = newStepName_.isEmpty() ? QString("New") : newStepName_;
  newStepName_.clear();
  After(options_.timings.pauseMs, [this, busy, step] {
    // The new data set and the remembered destination over it: one step.
    UndoRecorder::StepGroup group(*undo_, step);
    Reset(true);
    doc_.MarkUnmodified();
    WarnOfMovedValues();
  });
}

void MainWindow::FileOpen() {
  if (!PaneCheck()) return;
  const QString path =
      prompter_.OpenFileName(this, {"Open", StartFolder(FolderKind::Data), DataFilter()});
  if (path.isEmpty()) return;
  RememberFolder(FolderKind::Data, path);
  {
    // The file's data and its name are one step, so undoing it gives back the file before.
    UndoRecorder::StepGroup step(*undo_, "Open");
    BusyScope busy(*blocker_);
    state_.ResetBusy = true;
    const Outcome outcome = doc_.OpenAs(path.toStdString(), EditorKindOf(path.toStdString()));
    state_.ResetBusy = false;
    ShowOutcomeMessage(outcome);
    if (!outcome.ok()) return;
    WarnOfMovedValues();
    UpdateCaption();
  }
  // The node shown stays; its pane shows the file's values, then the groups' nodes follow.
  if (const NavNode selected = tree_->NodeOf(tree_->currentItem())) {
    current_ = selected;
    ShowPaneOfNode(selected);
  }
  RebuildTree();
}

bool MainWindow::FileSave(bool useCurrentName) {
  QString path;
  // After a raw image was loaded the current name is the image's: saving data-file text over it
  // would destroy it, so Save asks for a name then.
  const QString current = QString::fromStdString(doc_.FileName());
  if (useCurrentName && !current.isEmpty() &&
      KindOfPath(current.toStdString()) != FileKind::RawImage) {
    path = current;
  } else {
    path = prompter_.SaveFileName(this, {"Save As", StartFolder(FolderKind::Data), DataFilter()});
    // A name typed without an extension gets the filter's, so the file shows in the next list.
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
      path += RowOf(FileKind::DataFile).extension;
  }
  if (path.isEmpty()) return false;
  RememberFolder(FolderKind::Data, path);
  BusyScope busy(*blocker_);
  state_.ResetBusy = true;
  const Outcome outcome = doc_.SaveAs(path.toStdString(), EditorKindOf(path.toStdString()));
  state_.ResetBusy = false;
  ShowOutcomeMessage(outcome);
  if (!outcome.ok()) return false;
  ++saves_;
  doc_.SetFileName(path.toStdString());
  UpdateCaption();
  return true;
}

// ---- Series and destination ---------------------------------------------------------------

void MainWindow::ChooseSeries(int16_t series) {
  ApplySeriesToControls();  // a click on a checkable entry toggles it; the series decides
  if (series == series_) return;
  // Checked before the question, so that a refused field cannot leave the series switched
  // while the data set still belongs to the other one.
  if (!PaneCheck()) return;
  const Message question{ProgramSeriesQuestion(ModelName(series)), kProgramTitle,
                         MessageIcon::Exclamation};
  if (prompter_.Ask(this, question, PromptButtons::OkCancel) != PromptAnswer::Ok) return;
  series_ = series;
  SaveModelSetting(store_, series_);
  ApplySeriesToControls();
  newStepName_ = QString("%1 series").arg(ModelName(series));
  FileNew();
}

std::vector<std::string> MainWindow::ListDestinations() {
  const std::vector<std::string> names = doc_.DestinationNames();
  destinationMenu_->setEnabled(!names.empty());
  for (int i = 0; i < 11; ++i) {
    destinations_[i]->setChecked(false);
    const bool used = i < 10 && i < static_cast<int>(names.size());
    destinations_[i]->setText(used ? QString::fromStdString(names[i]) : QString());
    destinations_[i]->setVisible(used);
  }
  return names;
}

void MainWindow::BuildDestinationMenu() {
  if (ListDestinations().empty()) return;
  const std::string remembered = ReadDestinationSetting(store_, series_);
  for (QAction* entry : destinations_) {
    if (!entry->isVisible() ||
        entry->text().compare(QString::fromStdString(remembered), Qt::CaseInsensitive) != 0) {
      continue;
    }
    const bool loaded = doc_.LoadDestination(remembered).ok();
    entry->setChecked(loaded);
    if (loaded) {
      RebuildTree();
      RefreshPanes();
    }
    return;
  }
}

void MainWindow::ChooseDestination(int k) {
  // Qt has already toggled the entry; what counts is whether it carried the mark before.
  const bool wasChecked = !destinations_[k]->isChecked();
  destinations_[k]->setChecked(wasChecked);
  if (!wasChecked) {
    const Message question{ChangeDestinationQuestion(destinations_[k]->text().toStdString()),
                           kProgramTitle, MessageIcon::Exclamation};
    if (prompter_.Ask(this, question, PromptButtons::OkCancel) != PromptAnswer::Ok) return;
  }
  auto busy = Busy();
  SelectNode(kGeneralNode);
  After(options_.timings.pauseMs, [this, k, busy] {
    UndoRecorder::StepGroup group(*undo_, "Destination " + destinations_[k]->text());
    const std::string name = destinations_[k]->text().toStdString();
    const Outcome switched = doc_.SwitchDestination(name);
    if (!switched.ok()) {
      ShowOutcomeMessage(switched);
      return;
    }
    Reset(false, /*newDataSet=*/false);
    for (QAction* entry : destinations_) entry->setChecked(false);
    destinations_[k]->setChecked(true);
    SaveDestinationSetting(store_, series_, name);
    RebuildTree();
    RefreshPanes();
    doc_.MarkUnmodified();
    WarnOfMovedValues();
  });
}

// ---- Transfers ----------------------------------------------------------------------------

void MainWindow::TransferRead() {
  if (!PaneCheck()) return;
  OpenTransferDialog(TransferDialog::Mode::Read);
}

void MainWindow::TransferProgram() {
  if (!PaneCheck()) return;
  OpenTransferDialog(TransferDialog::Mode::Program);
}

void MainWindow::OpenTransferDialog(TransferDialog::Mode mode) {
  QString error;
  PortFactory factory = PortForTransfer(error);
  if (!factory) {
    prompter_.Show(this, ProgramMessage(error.toUtf8().constData(), MessageIcon::Stop));
    return;
  }
  auto* dialog = new TransferDialog(
      doc_, state_, prompter_, mode, std::move(factory), options_.timings,
      [this] { return OpenHelp("transfer"); }, options_.transferClock, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->SetTransferOptions(EditorTransferOptions());
  dialog->SetReadTaker([this](RadioData next) { TakeRead(std::move(next)); });
  connect(dialog, &TransferDialog::RunEnded, this, &MainWindow::ShowTransferNotes);
  connect(dialog, &QDialog::finished, this, [this, dialog, mode] {
    AfterTransfer(mode == TransferDialog::Mode::Read && dialog->TransferDone());
  });
  dialog->open();
}

void MainWindow::TakeRead(RadioData next) {
  UndoRecorder::StepGroup step(*undo_, kReadTitle);
  doc_.TakeRead(std::move(next));
  UpdateCaption();
}

void MainWindow::AfterTransfer(bool readDone) {
  SaveSimulatorMemory();
  if (!readDone) return;
  SelectNode(kGeneralNode);
  RefreshPanes();
  RebuildTree();
  WarnOfMovedValues();
}

// ---- Debug image keys ---------------------------------------------------------------------

void MainWindow::SaveImageKey() {
  if (!options_.debug || !PaneCheck()) return;
  const QString path = prompter_.SaveFileName(
      this, {"Save Memory Image", StartFolder(FolderKind::Image), kHexFilter});
  if (path.isEmpty()) return;
  RememberFolder(FolderKind::Image, path);
  BusyScope busy(*blocker_);
  state_.ResetBusy = true;
  const Outcome outcome = doc_.SaveRawImage(path.toStdString());
  state_.ResetBusy = false;
  ShowOutcomeMessage(outcome);
}

void MainWindow::LoadImageKey() {
  if (!options_.debug) return;
  const QString path = prompter_.OpenFileName(
      this, {"Load Memory Image", StartFolder(FolderKind::Image), kHexFilter});
  if (path.isEmpty()) return;
  RememberFolder(FolderKind::Image, path);
  UndoRecorder::StepGroup step(*undo_, "Load Image");
  Outcome outcome;
  {
    BusyScope busy(*blocker_);
    state_.ResetBusy = true;
    outcome = doc_.LoadRawImage(path.toStdString());
    state_.ResetBusy = false;
  }
  ShowOutcomeMessage(outcome);
  if (!outcome.ok()) return;
  WarnOfMovedValues();
  SelectNode(kGeneralNode);
  RebuildTree();
  RefreshPanes();
  UpdateCaption();
  doc_.MarkUnmodified();
}

// ---- Help, About, closing -----------------------------------------------------------------

bool MainWindow::OpenHelp(const QString& topic) {
  const QString folder = QString::fromStdString((options_.programFolder / "help").string());
  // Help asked for from a modal dialog (the transfer dialog) belongs to that dialog, so the
  // dialog's input block does not take the help window with it.
  QWidget* owner = QApplication::activeModalWidget();
  if (!owner) owner = this;
  if (!help_) {
    help_ = new HelpViewer(folder, owner);
  } else if (help_->parentWidget() != owner) {
    help_->setParent(owner, Qt::Window);
  }
  return help_->ShowTopic(topic);
}

void MainWindow::ShowHelpContents() {
  if (!OpenHelp("index")) {
    prompter_.Show(this, {kNoHelp, windowTitle().toStdString(), MessageIcon::Information});
  }
}

void MainWindow::ShowAbout() {
  auto* about = new AboutBox(this);
  about->setAttribute(Qt::WA_DeleteOnClose);
  about->open();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  const Pane* active = ActivePane();
  if (doc_.IsModified() || (active && active->HasUncommittedEdit())) {
    const Message question{kSaveChangesQuestion, kProgramTitle, MessageIcon::Exclamation};
    switch (prompter_.Ask(this, question, PromptButtons::YesNoCancel)) {
      case PromptAnswer::Yes:
        if (!PaneCheck() || !FileSave(true)) {
          event->ignore();
          return;
        }
        break;
      case PromptAnswer::No:
        break;
      default:
        event->ignore();
        return;
    }
  }
  if (help_) help_->close();
  if (!isMinimized()) {
    const QRect frame = frameGeometry();
    const int twips = 1440 / std::max(1, logicalDpiX());
    SaveWindowPlacement(store_, frame.left() * twips, frame.top() * twips, frame.width() * twips,
                        frame.height() * twips);
  }
  SaveSimulatorMemory();
  event->accept();
}

}  // namespace qw
