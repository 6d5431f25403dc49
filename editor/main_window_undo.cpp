// Undo and redo in the main window, and the channel lists in and out as CSV.
#include <QAction>
#include <QMenu>
#include <QUndoStack>

#include "editor/busy.h"
#include "editor/main_window.h"
#include "editor/nav_tree.h"
#include "editor/prompter.h"
#include "editor/undo_recorder.h"
#include "editor/usable_pane.h"
#include "files/config.h"
#include "files/document.h"

namespace qw {
namespace {

const QString kCsvFilter = "csv files(*.csv);;All files(*.*)";

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
  connect(stack, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
  connect(stack, &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);
  connect(stack, &QUndoStack::undoTextChanged, this, [this](const QString& text) {
    undoAction_->setText(text.isEmpty() ? QString("Undo") : "Undo " + text);
  });
  connect(stack, &QUndoStack::redoTextChanged, this, [this](const QString& text) {
    redoAction_->setText(text.isEmpty() ? QString("Redo") : "Redo " + text);
  });
  connect(undo_, &UndoRecorder::Applied, this, &MainWindow::AfterUndoStep);
  edit->addAction(undoAction_);
  edit->addAction(redoAction_);
  edit->addSeparator();
}

void MainWindow::Undo() {
  if (PaneCheck()) undo_->Stack()->undo();
}

void MainWindow::Redo() {
  if (PaneCheck()) undo_->Stack()->redo();
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
  const QString path = prompter_.OpenFileName(this, FileFolder(), kCsvFilter);
  if (path.isEmpty()) return;
  RememberFolder(path);
  Outcome outcome;
  {
    BusyScope busy(*blocker_);
    outcome = doc_.ImportChannels(path.toStdString());
  }
  ShowOutcomeMessage(outcome);
}

void MainWindow::ExportChannels(bool common) {
  if (!PaneCheck()) return;
  const QString path = prompter_.SaveFileName(this, FileFolder(), kCsvFilter);
  if (path.isEmpty()) return;
  RememberFolder(path);
  const auto format = common ? Document::CsvFormat::Common : Document::CsvFormat::Ours;
  ShowOutcomeMessage(doc_.ExportChannels(path.toStdString(), format));
}

}  // namespace qw
