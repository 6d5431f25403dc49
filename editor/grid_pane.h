// The read-only channel grid of one group (marine or fourth group). Double-click or Enter on a
// row opens that row's channel through the tree; Ctrl+C copies the selected rows with the header
// as tab-separated text.
#pragma once

#include <functional>
#include <vector>

#include "editor/pane.h"

class QTableView;

namespace qw {

class ChannelGridModel;
struct GridText;

// Set on a control that handles Enter itself; the main window swallows Enter everywhere else.
inline constexpr const char* kTakesEnterProperty = "qwTakesEnter";

class GridPane final : public Pane {
  Q_OBJECT
 public:
  // openChannel selects a channel's tree node as a click would.
  GridPane(Document& doc, const EditState& state, std::function<void(const NavNode&)> openChannel,
           QWidget* parent = nullptr);

  void Show(const NavNode& node) override;
  void Fill() override;

  QTableView* View() const { return view_; }
  // The node a row stands for: the channel at that index of the group shown.
  NavNode NodeOfRow(int row) const;
  // The text Ctrl+C puts on the clipboard for the selected rows.
  QString SelectedText() const;
  // The width that shows every column of a group's grid of the data set in full.
  int WidthForGrid(int group) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OpenRow(int row);
  void FitColumns();
  std::vector<int> ColumnWidths(const GridText& text) const;

  int group_ = 0;
  ChannelGridModel* model_ = nullptr;
  QTableView* view_ = nullptr;
  std::function<void(const NavNode&)> openChannel_;
};

}  // namespace qw
