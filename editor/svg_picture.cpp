#include "editor/svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace qw {

SvgPicture::SvgPicture(QWidget* parent) : QWidget(parent), renderer_(new QSvgRenderer(this)) {}

bool SvgPicture::Load(const QString& path) {
  const bool ok = renderer_->load(path);
  update();
  return ok;
}

void SvgPicture::paintEvent(QPaintEvent*) {
  if (!renderer_->isValid()) return;
  QSizeF size = renderer_->defaultSize();
  size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
  QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_->render(&painter, target);
}

}  // namespace qw
