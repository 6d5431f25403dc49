// Undo and redo in the main window, and the channel lists in and out as CSV.
#include <QAction>
#include <QMenu>
#include <QUndoStack>

#include "document/config.h"
#include "document/document.h"
#include "editor/busy.h"
#include "editor/file_filters.h"
#include "editor/main_window.h"
#include "editor/nav_tree.h"
#include "editor/pane.h"
#include "editor/prompter.h"
#include "editor/undo_recorder.h"
#include "editor/usable_pane.h"

namespace qw {
namespace {

const QString kCsvFilter = KindFilter(FileKind::Csv);

}  // namespace

void MainWindow::BuildUndoActions(QMenu* edit) {
  QUndoStack* stack = undo_->Stack();
  undoAction_ = Action("mnuEditUndo", "Undo");
  undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redoAction_ = Action("mnuEditRedo", "Redo");
  redoAction_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  undoAction_->setEnabled(false);
  redoAction_->setEnabled(false);
  connect(undoAction_, &QAction::triggered, this, [this] { Undo(); });
  connect(redoAction_, &QAction::triggered, this, [this] { Redo(); });
  connect(stack, &QUndoStack::indexChanged, this, &MainWindow::UpdateUndoTexts);
  connect(stack, &QUndoStack::cleanChanged, this, &MainWindow::UpdateUndoTexts);
  connect(undo_, &UndoRecorder::Applied, this, &MainWindow::AfterUndoStep);
  undo_->SetMarks([this] { return ReadMarks(); },
                  [this](const DocumentMarks& marks) { PutMarks(marks); });
  connect(edit, &QMenu::aboutToShow, this, &MainWindow::UpdateUndoTexts);
  edit->addAction(undoAction_);
  edit->addAction(redoAction_);
  edit->addSeparator();
}

// Undo and Redo never run the pane check: they must always reach the whole history, and the
// pane shows the state they lead to. Typing not yet taken into the data set is undone first.
void MainWindow::Undo() {
  Pane* pane = ActivePane();
  if (pane && pane->HasUncommittedEdit()) {
    pane->DropPendingEdit();
    UpdateUndoTexts();
    return;
  }
  undo_->Stack()->undo();
}

void MainWindow::Redo() {
  if (Pane* pane = ActivePane(); pane && pane->HasUncommittedEdit()) pane->DropPendingEdit();
  undo_->Stack()->redo();
}

void MainWindow::UpdateUndoTexts() {
  const QUndoStack* stack = undo_->Stack();
  const Pane* pane = ActivePane();
  const bool pending = pane && pane->HasUncommittedEdit();
  const QString undoText =
      pending ? UndoRecorder::StepName(pane->PendingEdit(), doc_.Data()) : stack->undoText();
  undoAction_->setEnabled(pending || stack->canUndo());
  undoAction_->setText(undoText.isEmpty() ? QString("Undo") : "Undo " + undoText);
  redoAction_->setEnabled(stack->canRedo());
  redoAction_->setText(stack->redoText().isEmpty() ? QString("Redo") : "Redo " + stack->redoText());
}

DocumentMarks MainWindow::ReadMarks() const {
  DocumentMarks marks{doc_.FileName(),
                      doc_.IsModified(),
                      {},
                      ReadDestinationSetting(store_, doc_.Series()),
                      saves_};
  for (const QAction* entry : destinations_) {
    if (entry->isVisible() && entry->isChecked()) marks.destination = entry->text().toStdString();
  }
  return marks;
}

void MainWindow::PutMarks(const DocumentMarks& marks) {
  // A file saved since the step was taken may no longer hold what the data set holds.
  doc_.RestoreMarks(marks.fileName, marks.changed || marks.saves != saves_);
  ListDestinations();
  for (QAction* entry : destinations_) {
    entry->setChecked(entry->isVisible() && !marks.destination.empty() &&
                      entry->text().toStdString() == marks.destination);
  }
  if (ReadDestinationSetting(store_, doc_.Series()) != marks.rememberedDestination)
    SaveDestinationSetting(store_, doc_.Series(), marks.rememberedDestination);
  UpdateCaption();
}

void MainWindow::AfterUndoStep(const EditWhat& what) {
  if (what.unit == EditWhat::Unit::WholeDataSet) {
    // A series switch taken back (or done again) brings its series with it.
    if (doc_.Series() != series_) {
      series_ = doc_.Series();
      SaveModelSetting(store_, series_);
      ApplySeriesToControls();
      usablePane_->ApplySeries();
    }
    RebuildTree();
    tree_->RefreshGroupCaptions(doc_.Data());
    RefreshPanes();
    return;
  }
  const NavNode node = NodeOfEdit(what);
  if (node && tree_->Has(node)) {
    SelectNode(node);
  } else if (node.kind == NavNode::Kind::Channel && tree_->Has(NavNode::GroupGrid(node.group))) {
    SelectNode(NavNode::GroupGrid(node.group));
  }
  RefreshPanes();
}

void MainWindow::ImportChannels() {
  if (!PaneCheck()) return;
  const QString path =
      prompter_.OpenFileName(this, {"Import Channels", StartFolder(FolderKind::Csv), kCsvFilter});
  if (path.isEmpty()) return;
  RememberFolder(FolderKind::Csv, path);
  Outcome outcome;
  {
    UndoRecorder::StepGroup step(*undo_, "CSV import");
    BusyScope busy(*blocker_);
    outcome = doc_.ImportChannels(path.toStdString());
  }
  ShowOutcomeMessage(outcome);
  WarnOfMovedValues();
}

void MainWindow::ExportChannels(bool common) {
  if (!PaneCheck()) return;
  const QString title = common ? "Export Channels (Common Format)" : "Export Channels";
  const QString path =
      prompter_.SaveFileName(this, {title, StartFolder(FolderKind::Csv), kCsvFilter});
  if (path.isEmpty()) return;
  RememberFolder(FolderKind::Csv, path);
  const auto format = common ? Document::CsvFormat::Common : Document::CsvFormat::Ours;
  const Outcome outcome = doc_.ExportChannels(path.toStdString(), format);
  ShowOutcomeMessage(outcome);
  if (outcome.ok()) ShowWritten("Channels", path);
}

}  // namespace qw
