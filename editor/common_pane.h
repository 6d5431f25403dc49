// "Common Setup": starting TX mode, scanning and weather functions.
#pragma once

#include "editor/pane.h"

class QComboBox;
class QFormLayout;
class QLabel;

namespace qw {

class CommonPane final : public Pane {
  Q_OBJECT
 public:
  CommonPane(Document& doc, const EditState& state, QWidget* parent = nullptr);
  void Fill() override;

 private:
  QComboBox* AddList(QFormLayout* form, const QString& name, const char* caption,
                     const QStringList& options, QLabel** label = nullptr);
  void ApplyScanRule();

  QComboBox* txPoDisplay_ = nullptr;
  QComboBox* scan_ = nullptr;
  QComboBox* resumeTime_ = nullptr;
  QComboBox* pttScanClear_ = nullptr;
  QComboBox* dualWatch_ = nullptr;
  QComboBox* weatherAlert_ = nullptr;
  QComboBox* rotary_ = nullptr;
  QLabel* resumeTimeLabel_ = nullptr;
  QLabel* pttScanClearLabel_ = nullptr;
  QLabel* rotaryLabel_ = nullptr;
};

}  // namespace qw
