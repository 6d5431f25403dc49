#include "editor/pane.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>
#include <utility>

#include "document/document.h"

namespace qw {

namespace {

// Swallows mouse buttons meant for any widget but one field and what it holds.
class ClickDropper final : public QObject {
 public:
  ClickDropper(QWidget* field, QObject* parent) : QObject(parent), field_(field) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
      return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget != field_ && !field_->isAncestorOf(widget);
  }

 private:
  QWidget* field_;
};

}  // namespace

void SetHelpText(QWidget* control, const char* text) {
  control->setProperty(kHelpTextProperty, QString::fromUtf8(text));
}

Pane::Pane(Document& doc, const EditState& state, QWidget* parent)
    : QWidget(parent), doc_(doc), state_(state) {
  setEnabled(false);
}

void Pane::SetActive(bool active) {
  active_ = active;
  setEnabled(active);
}

const RadioData& Pane::Data() const {
  return doc_.Data();
}

void Pane::RefuseLeaving(QWidget* field) {
  if (!justRefused_) {
    // The message box has closed by now; the click that moved the focus is still being
    // delivered. Everything left of it goes nowhere, up to the next turn of the event loop.
    justRefused_ = true;
    auto* dropper = new ClickDropper(field, this);
    qApp->installEventFilter(dropper);
    QTimer::singleShot(0, dropper, [this, dropper] {
      justRefused_ = false;
      qApp->removeEventFilter(dropper);
      dropper->deleteLater();
    });
  }
  refocusing_ = true;
  // The window may not be the active one again yet once the message box has gone.
  field->activateWindow();
  field->setFocus(Qt::OtherFocusReason);
}

bool Pane::NewVisit(const QFocusEvent& in) {
  const bool refocus = std::exchange(refocusing_, false);
  return !refocus && in.reason() != Qt::ActiveWindowFocusReason &&
         in.reason() != Qt::PopupFocusReason;
}

bool Pane::Write(const EditWhat& what, const std::function<void(RadioData&)>& apply) {
  if (!Writable()) return false;
  doc_.Edit(what, apply);
  return true;
}

}  // namespace qw
