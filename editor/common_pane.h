// "Common Setup": starting TX mode, scanning and weather functions, one drop-down list per
// setting, each described once by a row.
#pragma once

#include <array>

#include "editor/pane.h"

class QComboBox;
class QLabel;

namespace qw {

class CommonPane final : public Pane {
  Q_OBJECT
 public:
  CommonPane(Document& doc, const EditState& state, QWidget* parent = nullptr);
  void Fill() override;

  static constexpr std::size_t kLists = 6;

 private:
  void ApplyScanRule();

  std::array<QComboBox*, kLists> lists_{};
  std::array<QLabel*, kLists> labels_{};
};

}  // namespace qw
