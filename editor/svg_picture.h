// A picture drawn from SVG, scaled to fit its box with the aspect ratio kept.
#pragma once

#include <QWidget>

class QSvgRenderer;

namespace qw {

class SvgPicture final : public QWidget {
  Q_OBJECT
 public:
  explicit SvgPicture(QWidget* parent = nullptr);
  // A file path or a resource path (":/art/radio.svg"); false when it cannot be read.
  bool Load(const QString& path);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer* renderer_ = nullptr;
};

}  // namespace qw
