// frmAbout: the version and the product name.
#pragma once

#include <QDialog>

namespace qw {

class AboutBox final : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace qw
