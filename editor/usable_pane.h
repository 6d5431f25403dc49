// "Available CH Group Setup": per group usable, Status Name, Status Icon, Priority CH, TX TOT.
#pragma once

#include <array>

#include "editor/pane.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace qw {

class UsablePane final : public Pane {
  Q_OBJECT
 public:
  UsablePane(Document& doc, const EditState& state, QWidget* parent = nullptr);

  void Fill() override;
  EditWhat PendingEdit() const override;
  // Captions and visibility that follow the series.
  void ApplySeries();

 protected:
  bool CheckFocusedField() override;

 private:
  struct Row {
    QCheckBox* usable = nullptr;
    QLabel* statusNameLabel = nullptr;
    QLineEdit* statusName = nullptr;
    QLabel* statusIconLabel = nullptr;
    QComboBox* statusIcon = nullptr;
    QLabel* priorityLabel = nullptr;
    QComboBox* priority = nullptr;
    QLabel* txTotLabel = nullptr;
    QComboBox* txTot = nullptr;
  };

  QWidget* BuildRow(int group);
  void FillPriorityList(int group);
  void OnUsableClicked(int group);
  void OnStatusIcon(int group);
  void ApplyRowRule(int group);
  void ApplyStatusNameRule(int group);
  void CommitStatusName(int group);

  std::array<Row, 4> rows_;
};

}  // namespace qw
