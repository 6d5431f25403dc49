#include "editor/busy.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace qw {

InputBlocker::InputBlocker(QWidget* window) : QObject(window), window_(window) {
  qApp->installEventFilter(this);
}

InputBlocker::~InputBlocker() {
  qApp->removeEventFilter(this);
}

void InputBlocker::Hold() {
  ++holds_;
}

void InputBlocker::Release() {
  if (holds_ > 0) --holds_;
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
  if (holds_ == 0 || !watched->isWidgetType() || !window_) return false;
  if (static_cast<QWidget*>(watched)->window() != window_) return false;
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // Claiming the key keeps menu shortcuts from running; the key press is swallowed below.
      event->accept();
      return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

BusyScope::BusyScope(InputBlocker& blocker) : blocker_(&blocker) {
  blocker.Hold();
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyScope::~BusyScope() {
  QApplication::restoreOverrideCursor();
  if (blocker_) blocker_->Release();
}

}  // namespace qw
