#include "editor/pane.h"

#include "files/document.h"

namespace qw {

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

bool Pane::Write(const EditWhat& what, const std::function<void(RadioData&)>& apply) {
  if (!Writable()) return false;
  doc_.Edit(what, apply);
  return true;
}

}  // namespace qw
