// The navigation tree, the pane stack, the pane check and the reset of the main window.
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTimer>

#include "editor/atis_pane.h"
#include "editor/common_pane.h"
#include "editor/main_window.h"
#include "editor/nav_tree.h"
#include "editor/usable_pane.h"
#include "files/document.h"

namespace qw {

namespace {
const char* const kTreeHelp = "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.";
}

void MainWindow::ApplySeriesToControls() {
  model710_->setChecked(series_ == kSeriesMV710);
  model510_->setChecked(series_ == kSeriesMV510);
  statusModel_->setText(ModelName(series_));
}

void MainWindow::Reset(bool rebuildDestinationMenu) {
  state_.ResetBusy = true;
  doc_.NewDataSet(series_);
  usablePane_->ApplySeries();
  DeactivateAllPanes();
  if (rebuildDestinationMenu) BuildDestinationMenu();
  RebuildTree();
  SelectNodeAsIfClicked("General");
  currentNodeIndex_ = -1;
  SetStatusHelp({});
  doc_.CurrentFileName.clear();
  UpdateCaption();
  tree_->RefreshGroupCaptions(doc_.Data());
  state_.ResetBusy = false;
}

void MainWindow::RebuildTree() {
  const QString currentKey = tree_->KeyOf(tree_->Node(currentNodeIndex_));
  tree_->Rebuild(doc_.Data());
  // Positions move when groups come and go; the node shown keeps its place in the tree.
  const int index = tree_->IndexOfKey(currentKey);
  if (index > 0) {
    currentNodeIndex_ = index;
    tree_->SelectQuietly(index);
  } else if (currentNodeIndex_ > 0) {
    currentNodeIndex_ = -1;
  }
}

void MainWindow::SelectNodeAsIfClicked(const QString& key) {
  const int index = tree_->IndexOfKey(key);
  if (index == 0) return;
  tree_->SelectQuietly(index);
  OnNodeSelected(tree_->Node(index));
}

void MainWindow::OnNodeSelected(QTreeWidgetItem* item) {
  SetStatusHelp(kTreeHelp);
  const int index = tree_->IndexOfItem(item);
  if (index == 0 || index == currentNodeIndex_) return;
  if (PaneCheck()) {
    currentNodeIndex_ = index;
    ShowPaneOfNode(index);
  } else if (currentNodeIndex_ >= 1 && currentNodeIndex_ <= tree_->NodeCount()) {
    tree_->SelectQuietly(currentNodeIndex_);
  }
}

void MainWindow::OnNodeClicked(QTreeWidgetItem* item) {
  const int index = tree_->IndexOfItem(item);
  if (index > 0 && index != currentNodeIndex_) ShowPaneOfNode(index);
}

void MainWindow::ShowPaneOfNode(int index) {
  if (isMinimized()) return;
  QTreeWidgetItem* node = tree_->Node(index);
  if (!node) return;
  const bool changed = state_.DataChanged;
  const QString key = tree_->KeyOf(node).toUpper();
  const QString parentKey = tree_->KeyOf(node->parent()).toUpper();

  Pane* pane = nullptr;
  if (parentKey.isEmpty()) {
    pane = key == "GENERAL" ? generalPane_ : key == "PROGRAM" ? blankPane_ : gridPane_;
  } else if (parentKey == "GENERAL") {
    pane = key == "USABLE"   ? static_cast<Pane*>(usablePane_)
           : key == "COMMON" ? static_cast<Pane*>(commonPane_)
                             : static_cast<Pane*>(atisPane_);
  } else if (parentKey == "PROGRAM") {
    pane = key == "PW" ? weatherPane_ : gridPane_;
  } else if (parentKey == "EXPCHANNEL") {
    pane = expChannelPane_;
  } else {
    pane = channelPane_;
  }
  ActivatePane(pane);
  SetStatusHelp(kTreeHelp);
  state_.DataChanged = changed;
}

void MainWindow::DeactivateAllPanes() {
  for (Pane* p : panes_) p->SetActive(false);
}

void MainWindow::ActivatePane(Pane* pane) {
  DeactivateAllPanes();
  pane->Fill();
  stack_->setCurrentWidget(pane);
  pane->SetActive(true);
}

void MainWindow::RefreshPanes() {
  if (Pane* active = ActivePane()) {
    const bool changed = state_.DataChanged;
    ActivatePane(active);
    state_.DataChanged = changed;
  }
}

bool MainWindow::PaneCheck() {
  if (usablePane_->IsActive()) return usablePane_->CheckFocusedField();
  if (atisPane_->IsActive()) return atisPane_->CheckFocusedField();
  return true;
}

void MainWindow::UpdateCaption() {
  QString caption = QString("%1  %2").arg(kApplicationName, kProgramTitle);
  if (!doc_.CurrentFileName.empty()) {
    const auto name = std::filesystem::path(doc_.CurrentFileName).filename();
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
