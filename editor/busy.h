// The hourglass and blocked input of the main window while a long operation runs.
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace qw {

// Swallows mouse, key and wheel input aimed at one window while at least one hold is active.
class InputBlocker final : public QObject {
  Q_OBJECT
 public:
  explicit InputBlocker(QWidget* window);
  ~InputBlocker() override;
  void Hold();
  void Release();
  bool Blocking() const { return holds_ > 0; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> window_;
  int holds_ = 0;
};

// Busy cursor plus blocked input for the lifetime of the object. Kept in a shared_ptr by
// operations that continue on a timer.
class BusyScope {
 public:
  explicit BusyScope(InputBlocker& blocker);
  ~BusyScope();
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  QPointer<InputBlocker> blocker_;
};

}  // namespace qw
