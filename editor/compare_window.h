// frmCompare: the differences between the data set and a file, one row per field (field, this
// data set, the file). Read-only; Ctrl+C copies the selected rows as the lines diff prints;
// double-clicking a row asks the main window to show where that field is edited.
#pragma once

#include <QDialog>
#include <vector>

#include "files/data_diff.h"

class QTableView;

namespace qw {

class CompareWindow final : public QDialog {
  Q_OBJECT
 public:
  CompareWindow(std::vector<DataDifference> differences, const QString& fileName,
                QWidget* parent = nullptr);

  QTableView* Table() const { return table_; }
  // The selected rows (all rows when none is selected), one diff line each.
  QString SelectedText() const;

 signals:
  void ShowField(const EditWhat& where);

 private:
  std::vector<DataDifference> differences_;
  QTableView* table_ = nullptr;
};

}  // namespace qw
