// frmCompare: the differences between the data set and a file, one row per field (field, this
// data set, the file). The file is read once; the data set side follows every edit (undo
// included), so the rows are always the data set as it is now. Read-only; Ctrl+C copies the
// selected rows as the lines diff prints; double-clicking a row asks the main window to show
// where that field is edited.
#pragma once

#include <QDialog>
#include <vector>

#include "document/data_diff.h"
#include "document/document.h"

class QLabel;
class QTableView;

namespace qw {

class DifferenceModel;

class CompareWindow final : public QDialog, private Document::Observer {
  Q_OBJECT
 public:
  // file is the data set read from fileName, a file of kind (one that holds a data set). A
  // top-level window with no parent, so that the main window can come in front of it.
  CompareWindow(Document& doc, RadioData file, FileKind kind, const QString& fileName);
  ~CompareWindow() override;

  QTableView* Table() const { return table_; }
  // The selected rows (all rows when none is selected), one diff line each.
  QString SelectedText() const;

 signals:
  void ShowField(const EditWhat& where);

 private:
  void AfterEdit(const EditWhat&, const RadioData&) override;
  // Compares the data set as it is now with the file, keeping the rows the user selected.
  void Recompute();

  Document& doc_;
  const RadioData file_;
  const FileKind kind_;
  const QString readAt_;  // when the file was read, as the summary says it
  DifferenceModel* model_ = nullptr;
  QLabel* summary_ = nullptr;
  QTableView* table_ = nullptr;
};

}  // namespace qw
