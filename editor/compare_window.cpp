#include "editor/compare_window.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

namespace qw {
namespace {

class DifferenceModel final : public QAbstractTableModel {
 public:
  explicit DifferenceModel(const std::vector<DataDifference>& rows, QObject* parent)
      : QAbstractTableModel(parent), rows_(rows) {}
  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 3; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const DataDifference& d = rows_[index.row()];
    const std::string& text = index.column() == 0 ? d.name : index.column() == 1 ? d.left : d.right;
    return QString::fromStdString(text);
  }
  QVariant headerData(int section, Qt::Orientation o, int role) const override {
    if (role != Qt::DisplayRole || o != Qt::Horizontal) return {};
    static const char* const kCaptions[] = {"Field", "This data set", "The file"};
    return kCaptions[section];
  }

 private:
  const std::vector<DataDifference>& rows_;
};

}  // namespace

CompareWindow::CompareWindow(std::vector<DataDifference> differences, const QString& fileName,
                             QWidget* parent)
    : QDialog(parent), differences_(std::move(differences)) {
  setObjectName("frmCompare");
  setWindowTitle("Compare With " + fileName);
  resize(720, 420);
  auto* layout = new QVBoxLayout(this);
  auto* summary =
      new QLabel(differences_.empty()
                     ? "The data set and the file hold the same values."
                     : QString("%1 field(s) differ. Double-click a row to show it; Ctrl+C copies.")
                           .arg(differences_.size()),
                 this);
  summary->setObjectName("lblSummary");
  layout->addWidget(summary);

  table_ = new QTableView(this);
  table_->setObjectName("grdCompare");
  table_->setModel(new DifferenceModel(differences_, table_));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->verticalHeader()->setVisible(false);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setColumnWidth(0, 260);
  table_->setColumnWidth(1, 200);
  layout->addWidget(table_);
  connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) emit ShowField(differences_[index.row()].where);
  });
  auto* copy = new QShortcut(QKeySequence::Copy, table_);
  connect(copy, &QShortcut::activated, this,
          [this] { QApplication::clipboard()->setText(SelectedText()); });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* copyButton = buttons->addButton("&Copy", QDialogButtonBox::ActionRole);
  copyButton->setObjectName("cmdCopy");
  buttons->button(QDialogButtonBox::Close)->setObjectName("cmdClose");
  connect(copyButton, &QPushButton::clicked, this,
          [this] { QApplication::clipboard()->setText(SelectedText()); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

QString CompareWindow::SelectedText() const {
  std::set<int> rows;
  for (const QModelIndex& i : table_->selectionModel()->selectedRows()) rows.insert(i.row());
  if (rows.empty()) {
    for (int r = 0; r < static_cast<int>(differences_.size()); ++r) rows.insert(r);
  }
  QString text;
  for (int r : rows) text += QString::fromStdString(differences_[r].Line()) + "\n";
  return text;
}

}  // namespace qw
