// The navigation tree, the pane stack, the pane check and the reset of the main window.
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QThread>
#include <QTimer>

#include "document/document.h"
#include "editor/atis_pane.h"
#include "editor/common_pane.h"
#include "editor/main_window.h"
#include "editor/nav_tree.h"
#include "editor/usable_pane.h"

namespace qw {

void MainWindow::ApplySeriesToControls() {
  for (auto& [series, entry] : modelEntries_) entry->setChecked(series_ == series);
  statusModel_->setText(ModelName(series_));
}

void MainWindow::Reset(bool rebuildDestinationMenu, bool newDataSet) {
  state_.ResetBusy = true;
  if (newDataSet) doc_.NewDataSet(series_);
  usablePane_->ApplySeries();
  DeactivateAllPanes();
  if (rebuildDestinationMenu) BuildDestinationMenu();
  RebuildTree();
  SelectNode(kGeneralNode);
  current_ = {};
  SetStatusHelp({});
  UpdateCaption();
  tree_->RefreshGroupCaptions(doc_.Data());
  state_.ResetBusy = false;
}

void MainWindow::RebuildTree() {
  tree_->Rebuild(doc_.Data());
  // The node shown keeps its place when it still exists.
  if (tree_->Has(current_)) {
    tree_->SelectQuietly(current_);
  } else {
    current_ = {};
  }
}

void MainWindow::SelectNode(const NavNode& node) {
  QTreeWidgetItem* item = tree_->ItemOf(node);
  if (!item) return;
  tree_->SelectQuietly(node);
  OnNodeSelected(item);
}

void MainWindow::OnNodeSelected(QTreeWidgetItem* item) {
  SetStatusHelp(kArrowKeysHelp);
  const NavNode node = tree_->NodeOf(item);
  if (!node || node == current_) return;
  if (PaneCheck()) {
    current_ = node;
    ShowPaneOfNode(node);
  } else if (tree_->Has(current_)) {
    tree_->SelectQuietly(current_);
    // A mouse press on the tree goes on to select the row it pressed once this returns.
    QTimer::singleShot(0, tree_, [this] {
      if (tree_->Has(current_)) tree_->SelectQuietly(current_);
    });
  }
}

void MainWindow::OnNodeClicked(QTreeWidgetItem* item) {
  // A click on the selected node whose pane is not shown (after a reset) shows it. A node the
  // selection could not move to (a refused field put it back) is left alone.
  const NavNode node = tree_->NodeOf(item);
  if (!node || node == current_ || tree_->currentItem() != item) return;
  if (PaneCheck()) {
    current_ = node;
    ShowPaneOfNode(node);
  }
}

Pane* MainWindow::PaneOf(const NavNode& node) const {
  switch (node.kind) {
    case NavNode::Kind::General:
      return generalPane_;
    case NavNode::Kind::Usable:
      return usablePane_;
    case NavNode::Kind::Common:
      return commonPane_;
    case NavNode::Kind::Atis:
      return atisPane_;
    case NavNode::Kind::Program:
      return blankPane_;
    case NavNode::Kind::Group:
      return gridPane_;
    case NavNode::Kind::Channel:
      return node.group == kGroupFourth ? expChannelPane_ : channelPane_;
    case NavNode::Kind::Weather:
      return weatherPane_;
    case NavNode::Kind::None:
      break;
  }
  return nullptr;
}

void MainWindow::ShowPaneOfNode(const NavNode& node) {
  if (isMinimized()) return;
  Pane* pane = PaneOf(node);
  if (!pane) return;
  ActivatePane(pane, node);
  SetStatusHelp(kArrowKeysHelp);
}

void MainWindow::DeactivateAllPanes() {
  for (Pane* p : panes_) p->SetActive(false);
}

void MainWindow::ActivatePane(Pane* pane, const NavNode& node) {
  DeactivateAllPanes();
  shownNode_ = node;
  pane->Show(node);
  stack_->setCurrentWidget(pane);
  pane->SetActive(true);
}

void MainWindow::RefreshPanes() {
  if (Pane* active = ActivePane()) ActivatePane(active, shownNode_);
}

bool MainWindow::PaneCheck() {
  Pane* active = ActivePane();
  return !active || active->Check();
}

void MainWindow::AfterEdit(const EditWhat& what, const RadioData& data) {
  // A transfer's worker may replace the data set; the transfer's end refreshes the window.
  if (QThread::currentThread() != thread()) return;
  switch (what.unit) {
    case EditWhat::Unit::Channel:
      if (what.group >= 0 && what.group <= kGroupFourth) {
        tree_->RefreshChannelCaption(data, NavNode::ChannelOf(what.group, what.index));
      }
      break;
    case EditWhat::Unit::UsableGroup:
      if (what.field == "Usable") {
        RebuildTree();
      } else {
        tree_->RefreshGroupCaptions(data);
      }
      break;
    case EditWhat::Unit::WholeDataSet:
      // Whole-document commands of this window refresh it themselves once they are done.
      if (!state_.ResetBusy) {
        RebuildTree();
        RefreshPanes();
      }
      break;
    default:
      break;
  }
}

void MainWindow::UpdateCaption() {
  QString caption = QString("%1  %2").arg(kApplicationName, kProgramTitle);
  if (!doc_.FileName().empty()) {
    const auto name = std::filesystem::path(doc_.FileName()).filename();
    caption += " - " + QString::fromStdString(name.string());
  }
  setWindowTitle(caption);
}

void MainWindow::SetStatusHelp(const QString& text) {
  statusHelp_->setText(text);
}

void MainWindow::OnFocusChanged(QWidget*, QWidget* now) {
  if (!now || now->window() != this) return;
  const QVariant help = now->property(kHelpTextProperty);
  if (help.isValid()) SetStatusHelp(help.toString());
  if (auto* field = qobject_cast<QLineEdit*>(now)) {
    // After the click that gave the focus has placed the cursor.
    QTimer::singleShot(0, field, [field] { field->selectAll(); });
  }
}

}  // namespace qw
