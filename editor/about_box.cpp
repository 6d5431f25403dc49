#include "editor/about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/svg_picture.h"
#include "model/messages.h"

#ifndef QW_VERSION
#define QW_VERSION "0.0.0"
#endif

namespace qw {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  setWindowTitle("Version Infomation");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* picture = new SvgPicture(this);
  picture->setObjectName("pictIcon");
  picture->Load(":/icons/program.svg");
  picture->setFixedSize(48, 48);
  row->addWidget(picture, 0, Qt::AlignTop);

  auto* texts = new QVBoxLayout;
  auto* product = new QLabel(kProductName, this);
  product->setObjectName("lblProductName");
  QFont big = product->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  big.setBold(true);
  product->setFont(big);
  auto* version = new QLabel(QString("Version %1").arg(QW_VERSION), this);
  version->setObjectName("lblVersion");
  auto* about = new QLabel(
      "Programming tool for the MV510 and MV710 series\nhandheld marine VHF "
      "radios.",
      this);
  about->setObjectName("lblDescription");
  auto* licence = new QLabel(
      "Free software under the GNU General Public License,\nversion 3 or later "
      "(GPL-3.0-or-later).\nIt comes with ABSOLUTELY NO WARRANTY.",
      this);
  licence->setObjectName("lblLicence");
  texts->addWidget(product);
  texts->addWidget(version);
  texts->addWidget(about);
  texts->addWidget(licence);
  row->addLayout(texts);
  layout->addLayout(row);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace qw
