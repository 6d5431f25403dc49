#include "editor/grid_pane.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "document/document.h"
#include "editor/channel_grid_model.h"

namespace qw {

GridPane::GridPane(Document& doc, const EditState& state,
                   std::function<void(const NavNode&)> openChannel, QWidget* parent)
    : Pane(doc, state, parent), openChannel_(std::move(openChannel)) {
  setObjectName("pictGrid");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  model_ = new ChannelGridModel(this);
  view_ = new QTableView(this);
  view_->setObjectName("grdChannel");
  view_->setModel(model_);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view_->setWordWrap(false);
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
  view_->horizontalHeader()->setHighlightSections(false);
  view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  // Every column is as wide as its texts, the last one too; what is left of a wide window
  // stays empty rather than stretching "MEM" across it.
  view_->horizontalHeader()->setStretchLastSection(false);
  view_->setProperty(kTakesEnterProperty, true);
  SetHelpText(view_, "[Double click],[Enter]:Jump the Setting screen.");
  view_->installEventFilter(this);
  layout->addWidget(view_);
  connect(view_, &QTableView::doubleClicked, this,
          [this](const QModelIndex& index) { OpenRow(index.row()); });
}

void GridPane::Show(const NavNode& node) {
  group_ = std::clamp(node.group, 0, static_cast<int>(kGroupFourth));
  Fill();
  view_->scrollToTop();
  view_->setCurrentIndex(model_->index(0, 0));
}

void GridPane::Fill() {
  model_->SetText(BuildGridText(Data(), group_));
  FitColumns();
}

// Widths from the texts themselves: every cell but the names has a fixed form, so the widest
// text of each column is found without asking the view to measure every cell.
std::vector<int> GridPane::ColumnWidths(const GridText& text) const {
  const QFontMetrics cells(view_->font());
  const QFontMetrics header(view_->horizontalHeader()->font());
  const int pad = 2 * view_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 12;
  const int headerPad = 2 * view_->style()->pixelMetric(QStyle::PM_HeaderMargin);
  std::vector<int> widths;
  for (std::size_t c = 0; c < text.header.size(); ++c) {
    std::size_t longest = 0;
    const std::string* widest = nullptr;
    for (const auto& row : text.rows) {
      if (c < row.size() && (!widest || row[c].size() > longest)) {
        widest = &row[c];
        longest = row[c].size();
      }
    }
    int w = header.horizontalAdvance(QString::fromStdString(text.header[c])) + pad + headerPad;
    if (widest) w = std::max(w, cells.horizontalAdvance(QString::fromStdString(*widest)) + pad);
    widths.push_back(w);
  }
  return widths;
}

void GridPane::FitColumns() {
  const std::vector<int> widths = ColumnWidths(model_->Text());
  for (std::size_t c = 0; c < widths.size(); ++c)
    view_->setColumnWidth(static_cast<int>(c), widths[c]);
}

int GridPane::WidthForGrid(int group) const {
  const std::vector<int> widths = ColumnWidths(BuildGridText(Data(), group));
  // The frame, the scroll bar and a little room, so that the last column is not cut.
  int w = 2 * view_->frameWidth() + view_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8;
  for (int c : widths) w += c;
  return w;
}

NavNode GridPane::NodeOfRow(int row) const {
  if (row < 0 || row >= model_->rowCount()) return {};
  return NavNode::ChannelOf(group_, row);
}

QString GridPane::SelectedText() const {
  std::vector<std::size_t> rows;
  for (const QModelIndex& index : view_->selectionModel()->selectedRows())
    rows.push_back(static_cast<std::size_t>(index.row()));
  if (rows.empty()) return {};
  std::sort(rows.begin(), rows.end());
  return QString::fromStdString(GridTsv(model_->Text(), rows));
}

void GridPane::OpenRow(int row) {
  const NavNode node = NodeOfRow(row);
  if (node && openChannel_) openChannel_(node);
}

bool GridPane::eventFilter(QObject* watched, QEvent* event) {
  // Ctrl+C belongs to the grid even when a window action claims the same keys.
  if (watched == view_ && event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    event->accept();
    return true;
  }
  if (watched == view_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      OpenRow(view_->currentIndex().row());
      return true;
    }
    if (key->matches(QKeySequence::Copy)) {
      const QString text = SelectedText();
      if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
      return true;
    }
  }
  return Pane::eventFilter(watched, event);
}

}  // namespace qw
