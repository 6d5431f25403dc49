// "Common Setup": starting TX mode, scanning and weather functions, one drop-down list per
// setting, each described once by a row.
#pragma once

#include <vector>

#include "editor/pane.h"

class QComboBox;
class QLabel;

namespace qw {

class CommonPane final : public Pane {
  Q_OBJECT
 public:
  CommonPane(Document& doc, const EditState& state, QWidget* parent = nullptr);
  void Fill() override;

 private:
  void ApplyScanRule();

  // One of each per row, in the rows' order.
  std::vector<QComboBox*> lists_;
  std::vector<QLabel*> labels_;
};

}  // namespace qw
