#include "editor/atis_pane.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/prompter.h"
#include "editor/text_filter.h"
#include "model/field_table.h"

namespace qw {

AtisPane::AtisPane(Document& doc, const EditState& state, Prompter& prompter, QWidget* parent)
    : Pane(doc, state, parent), prompter_(prompter) {
  setObjectName("pictAtis");
  auto* layout = new QVBoxLayout(this);

  auto* box = new QGroupBox(QString::fromStdString(fields::CaptionOf("UsableAtisGroup")), this);
  box->setObjectName("fraAtisGroup");
  auto* row = new QHBoxLayout(box);
  const char* captions[4] = {"USA", "INTL", "CANADA", "EXP"};
  for (int g = 0; g < 4; ++g) {
    groups_[g] = new QCheckBox(captions[g], box);
    groups_[g]->setObjectName(QString("chkAtisGroup%1").arg(g));
    SetHelpText(groups_[g], kCheckBoxHelp);
    row->addWidget(groups_[g]);
    connect(groups_[g], &QCheckBox::clicked, this, [this, g](bool on) {
      Write({EditWhat::Unit::Atis, -1, g, "UsableAtisGroup"},
            [&](RadioData& d) { d.AtisSettings.UsableAtisGroup[g] = on; });
    });
  }
  row->addStretch();
  layout->addWidget(box);

  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  code_ = new QLineEdit(this);
  code_->setObjectName("txtAtisCode");
  // A pasted code keeps its digits, as typing keeps only digits.
  new DroppingTextFilter([](char c) { return c >= '0' && c <= '9'; }, 10,
                         [this] { return Writable(); }, [](const QString&) {}, code_);
  code_->setMinimumWidth(code_->fontMetrics().horizontalAdvance("0000000000") + 16);
  SetHelpText(code_, "Numeric Only. Indispensable 10 figures.");
  code_->installEventFilter(this);
  auto* label = new QLabel(QString::fromStdString(fields::CaptionOf("AtisCode")), this);
  label->setObjectName("lblAtisCode");
  label->setBuddy(code_);
  form->addRow(label, code_);
  layout->addLayout(form);
  layout->addStretch();

  connect(code_, &QLineEdit::textEdited, this, [this] {
    if (Writable()) fieldEdited_ = true;
  });
}

EditWhat AtisPane::PendingEdit() const {
  return {EditWhat::Unit::Atis, -1, -1, "AtisCode"};
}

void AtisPane::Fill() {
  Filling([this] {
    for (int g = 0; g < 4; ++g) groups_[g]->setChecked(Data().AtisSettings.UsableAtisGroup[g]);
    code_->setText(QString::fromStdString(Data().AtisSettings.AtisCode));
  });
}

bool AtisPane::eventFilter(QObject* watched, QEvent* event) {
  if (watched == code_ && event->type() == QEvent::FocusIn) {
    if (NewVisit(*static_cast<QFocusEvent*>(event))) {
      fieldEdited_ = false;
      code_->selectAll();
    }
  } else if (watched == code_ && event->type() == QEvent::FocusOut && IsActive()) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // A menu opening or another window coming to the front is no move to another control: the
    // typed code stays as it is, and the command picked from the menu checks it.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !CommitCode())
      RefuseLeaving(code_);
  }
  return Pane::eventFilter(watched, event);
}

bool AtisPane::CommitCode() {
  if (!fieldEdited_ || !Writable()) return true;
  const QString text = code_->text().trimmed();
  if (text.isEmpty() || text.size() == 10) {
    Write({EditWhat::Unit::Atis, -1, -1, "AtisCode"},
          [&](RadioData& d) { d.AtisSettings.AtisCode = text.toStdString(); });
    fieldEdited_ = false;
    return true;
  }
  prompter_.Show(this, {kDataError, "ATISNo", MessageIcon::Exclamation});
  return false;
}

bool AtisPane::CheckFocusedField() {
  if (window()->focusWidget() != code_) return true;
  if (CommitCode()) return true;
  code_->setFocus(Qt::OtherFocusReason);
  return false;
}

}  // namespace qw
