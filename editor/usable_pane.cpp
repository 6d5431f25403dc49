#include "editor/usable_pane.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cctype>
#include <cstring>

#include "editor/text_filter.h"
#include "model/channel_rules.h"
#include "model/field_table.h"
#include "model/priority_channels.h"

namespace qw {

namespace {

bool IsStatusNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || (c != 0 && std::strchr(" -+().*/", c));
}

QComboBox* OffOnList(QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->addItems({"Off", "On"});
  SetHelpText(list, kSelectionHelp);
  return list;
}

}  // namespace

UsablePane::UsablePane(Document& doc, const EditState& state, QWidget* parent)
    : Pane(doc, state, parent) {
  setObjectName("pictUsable");
  auto* layout = new QVBoxLayout(this);
  for (int g = 0; g < 4; ++g) layout->addWidget(BuildRow(g));
  layout->addStretch();
  ApplySeries();
}

QWidget* UsablePane::BuildRow(int g) {
  auto* frame = new QFrame(this);
  frame->setObjectName(QString("fraUsable%1").arg(g));
  frame->setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(8, 4, 8, 6);
  grid->setVerticalSpacing(2);
  Row& r = rows_[g];

  r.usable = new QCheckBox(frame);
  r.usable->setObjectName(QString("chkUsable%1").arg(g));
  SetHelpText(r.usable, kCheckBoxHelp);
  r.usable->setMinimumWidth(r.usable->fontMetrics().horizontalAdvance("CANADA") + 40);
  grid->addWidget(r.usable, 1, 0);

  // A field under its caption (the field table's), its controls named after the field and group.
  auto addField = [&](int column, QLabel*& label, const char* json, QWidget* field) {
    const QString name = json + QString::number(g);
    label = new QLabel(QString::fromStdString(fields::CaptionOf(json)), frame);
    label->setObjectName("lbl" + name);
    label->setBuddy(field);
    field->setObjectName((qobject_cast<QComboBox*>(field) ? "cmb" : "txt") + name);
    grid->addWidget(label, 0, column);
    grid->addWidget(field, 1, column);
  };
  r.statusName = new QLineEdit(frame);
  // Typed or pasted, a status name keeps only the characters the radio shows.
  new DroppingTextFilter(
      IsStatusNameChar, static_cast<int>(kStatusNameLength), [this] { return Writable(); },
      [](const QString&) {}, r.statusName);
  SetHelpText(r.statusName, "max 4 charactors.");
  r.statusIcon = OffOnList(frame);
  r.priority = new QComboBox(frame);
  SetHelpText(r.priority, kSelectionHelp);
  r.priority->setMinimumContentsLength(6);
  r.txTot = OffOnList(frame);
  addField(1, r.statusNameLabel, "StatusName", r.statusName);
  addField(2, r.statusIconLabel, "StatusIcon", r.statusIcon);
  addField(3, r.priorityLabel, "PriorityCh", r.priority);
  addField(4, r.txTotLabel, "TxTot", r.txTot);
  r.statusName->setMaximumWidth(r.statusName->fontMetrics().horizontalAdvance("WWWW") + 16);
  grid->setColumnStretch(5, 1);

  connect(r.usable, &QCheckBox::clicked, this, [this, g] { OnUsableClicked(g); });
  connect(r.statusIcon, &QComboBox::activated, this, [this, g] { OnStatusIcon(g); });
  connect(r.txTot, &QComboBox::activated, this, [this, g](int index) {
    Write({EditWhat::Unit::UsableGroup, g, -1, "TxTot"},
          [&](RadioData& d) { d.UsableGroupSettings[g].TxTot = index != 0; });
  });
  connect(r.priority, &QComboBox::activated, this, [this, g](int index) {
    const int32_t id = rows_[g].priority->itemData(index).toInt();
    Write({EditWhat::Unit::UsableGroup, g, -1, "PriorityCh"},
          [&](RadioData& d) { d.UsableGroupSettings[g].PriorityCh = id; });
  });
  connect(r.statusName, &QLineEdit::textEdited, this, [this] {
    if (Writable()) fieldEdited_ = true;
  });
  connect(r.statusName, &QLineEdit::editingFinished, this, [this, g] { CommitStatusName(g); });
  return frame;
}

void UsablePane::ApplySeries() {
  const SeriesTraits& series = Traits(Data().ModelSeries);
  for (int g = 0; g < 4; ++g) {
    rows_[g].usable->setText(g < 3 ? QString(kMarineGroupNames[g])
                                   : QString(series.fourthGroup) + " CH");
    const bool showName = series.statusNameField && g < 3;
    rows_[g].statusName->setVisible(showName);
    rows_[g].statusNameLabel->setVisible(showName);
  }
}

void UsablePane::FillPriorityList(int g) {
  QComboBox* list = rows_[g].priority;
  list->clear();
  for (const PriorityChoice& c : PriorityChoices(Data(), g)) {
    list->addItem(QString::fromStdString(c.caption), c.id);
  }
}

void UsablePane::Fill() {
  Filling([this] {
    ApplySeries();
    for (int g = 0; g < 4; ++g) {
      Row& r = rows_[g];
      const UsableGroupSettings& s = Data().UsableGroupSettings[g];
      FillPriorityList(g);
      r.usable->setChecked(s.Usable);
      r.txTot->setCurrentIndex(s.TxTot ? 1 : 0);
      r.statusIcon->setCurrentIndex(s.StatusIcon ? 1 : 0);
      // A priority channel the list does not offer shows as "Off", as the radio treats it.
      const int found = r.priority->findData(s.PriorityCh);
      r.priority->setCurrentIndex(found < 0 ? 0 : found);
      r.statusName->setText(Traits(Data().ModelSeries).statusNames
                                ? QString::fromStdString(s.StatusName)
                                : QString());
      ApplyRowRule(g);
    }
  });
}

void UsablePane::OnUsableClicked(int g) {
  const bool on = rows_[g].usable->isChecked();
  Write({EditWhat::Unit::UsableGroup, g, -1, "Usable"},
        [&](RadioData& d) { d.UsableGroupSettings[g].Usable = on; });
  ApplyRowRule(g);
}

void UsablePane::OnStatusIcon(int g) {
  const bool on = rows_[g].statusIcon->currentIndex() != 0;
  Write({EditWhat::Unit::UsableGroup, g, -1, "StatusIcon"},
        [&](RadioData& d) { d.UsableGroupSettings[g].StatusIcon = on; });
  ApplyStatusNameRule(g);
}

void UsablePane::ApplyRowRule(int g) {
  Row& r = rows_[g];
  const bool on = r.usable->isChecked();
  for (QWidget* w :
       {static_cast<QWidget*>(r.txTot), static_cast<QWidget*>(r.txTotLabel),
        static_cast<QWidget*>(r.priority), static_cast<QWidget*>(r.priorityLabel),
        static_cast<QWidget*>(r.statusIcon), static_cast<QWidget*>(r.statusIconLabel)}) {
    w->setEnabled(on);
  }
  ApplyStatusNameRule(g);
}

void UsablePane::ApplyStatusNameRule(int g) {
  Row& r = rows_[g];
  const bool on = r.usable->isChecked() && r.statusIcon->currentIndex() == 0;
  r.statusName->setEnabled(on);
  r.statusNameLabel->setEnabled(on);
}

void UsablePane::CommitStatusName(int g) {
  if (!Writable()) return;
  QLineEdit* field = rows_[g].statusName;
  std::string stored = StatusNameToStore(field->text().toStdString());
  if (Data().UsableGroupSettings[g].StatusName != stored) {
    Write({EditWhat::Unit::UsableGroup, g, -1, "StatusName"},
          [&](RadioData& d) { d.UsableGroupSettings[g].StatusName = stored; });
  }
  fieldEdited_ = false;
}

EditWhat UsablePane::PendingEdit() const {
  QWidget* focus = window()->focusWidget();
  for (int g = 0; g < 4; ++g) {
    if (focus == rows_[g].statusName) return {EditWhat::Unit::UsableGroup, g, -1, "StatusName"};
  }
  return {};
}

bool UsablePane::CheckFocusedField() {
  QWidget* focus = window()->focusWidget();
  for (int g = 0; g < 4; ++g) {
    if (focus == rows_[g].statusName) CommitStatusName(g);
  }
  return true;  // a status name is corrected, never refused
}

}  // namespace qw
