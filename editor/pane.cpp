#include "editor/pane.h"

namespace qw {

void SetHelpText(QWidget* control, const char* text) {
  control->setProperty(kHelpTextProperty, QString::fromUtf8(text));
}

Pane::Pane(RadioData& data, EditState& state, QWidget* parent)
    : QWidget(parent), data_(data), state_(state) {
  setEnabled(false);
}

void Pane::SetActive(bool active) {
  active_ = active;
  setEnabled(active);
}

}  // namespace qw
