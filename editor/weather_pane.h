// The weather channels: one row each with the channel's label, an enable box, a scan box and a
// name. The enable box of the row that has the focus shows ">" as its caption. A series that
// stores no weather names shows no name fields.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "editor/pane.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace qw {

class WeatherPane final : public Pane {
  Q_OBJECT
 public:
  WeatherPane(Document& doc, const EditState& state, QWidget* parent = nullptr);

  void Fill() override;
  EditWhat PendingEdit() const override;

 protected:
  bool CheckFocusedField() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A row's boxes, in column order. The enable box greys the rest of its row.
  enum Box { kEnableBox, kScanBox, kBoxes };

  // What a column shows of a record field (weather_pane.cpp describes the columns).
  template <class T>
  struct Column;
  static const Column<bool> kBoxColumns[kBoxes];
  static const Column<std::string> kNameColumn;

  struct Row {
    QLabel* label = nullptr;
    std::array<QCheckBox*, kBoxes> boxes{};
    QLineEdit* name = nullptr;
    bool dirty = false;  // the name was typed in and not yet written
  };

  void AddRow();
  void ConnectWrites(std::size_t row);
  void FillRow(std::size_t row, bool names);
  void ApplyRowRule(std::size_t row);
  void CommitName(std::size_t row);
  // The row a control belongs to; rows_.size() when none.
  std::size_t RowOf(QObject* control) const;

  QGridLayout* grid_ = nullptr;
  QLabel* nameHeader_ = nullptr;
  QLabel* notice_ = nullptr;  // which characters a name lost, until the pane is filled again
  std::vector<Row> rows_;
};

}  // namespace qw
