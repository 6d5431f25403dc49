#include "editor/compare_window.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QItemSelection>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTime>
#include <QVBoxLayout>
#include <set>

namespace qw {

class DifferenceModel final : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  const std::vector<DataDifference>& Rows() const { return rows_; }
  void SetRows(std::vector<DataDifference> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
  }

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
  std::vector<DataDifference> rows_;
};

CompareWindow::CompareWindow(Document& doc, RadioData file, FileKind kind, const QString& fileName)
    // A plain window: a dialog stays above the main window on most desktops.
    : QDialog(nullptr, Qt::Window),
      doc_(doc),
      file_(std::move(file)),
      kind_(kind),
      readAt_(QTime::currentTime().toString("HH:mm:ss")) {
  setObjectName("frmCompare");
  setWindowTitle("Compare With " + fileName);
  resize(720, 420);
  auto* layout = new QVBoxLayout(this);
  summary_ = new QLabel(this);
  summary_->setObjectName("lblSummary");
  layout->addWidget(summary_);

  table_ = new QTableView(this);
  table_->setObjectName("grdCompare");
  model_ = new DifferenceModel(table_);
  table_->setModel(model_);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->verticalHeader()->setVisible(false);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setColumnWidth(0, 260);
  table_->setColumnWidth(1, 200);
  layout->addWidget(table_);
  connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) emit ShowField(model_->Rows()[index.row()].where);
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

  Recompute();
  doc_.AddObserver(this);
}

CompareWindow::~CompareWindow() {
  doc_.RemoveObserver(this);
}

void CompareWindow::AfterEdit(const EditWhat&, const RadioData&) {
  Recompute();
}

void CompareWindow::Recompute() {
  std::set<std::string> selected;
  for (const QModelIndex& i : table_->selectionModel()->selectedRows())
    selected.insert(model_->Rows()[i.row()].name);
  // The data set is compared as the file's kind would hold it.
  model_->SetRows(CompareFiles(doc_.Data(), FileKind::Json, file_, kind_));
  const auto& rows = model_->Rows();
  QItemSelection keep;
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    if (selected.count(rows[r].name)) keep.select(model_->index(r, 0), model_->index(r, 2));
  }
  table_->selectionModel()->select(keep, QItemSelectionModel::Select);
  summary_->setText(
      rows.empty()
          ? QString("The data set holds the same values as the file (read at %1).").arg(readAt_)
          : QString("%1 field(s) of the data set differ from the file (read at %2). "
                    "Double-click a row to show it; Ctrl+C copies.")
                .arg(rows.size())
                .arg(readAt_));
}

QString CompareWindow::SelectedText() const {
  const auto& rows = model_->Rows();
  std::set<int> chosen;
  for (const QModelIndex& i : table_->selectionModel()->selectedRows()) chosen.insert(i.row());
  if (chosen.empty()) {
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) chosen.insert(r);
  }
  QString text;
  for (int r : chosen) text += QString::fromStdString(rows[r].Line()) + "\n";
  return text;
}

}  // namespace qw
