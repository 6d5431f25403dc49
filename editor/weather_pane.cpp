#include "editor/weather_pane.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "document/document.h"
#include "editor/tab_order.h"
#include "editor/text_filter.h"
#include "model/channel_plans.h"
#include "model/channel_rules.h"
#include "model/series_traits.h"

namespace qw {

WeatherPane::WeatherPane(Document& doc, const EditState& state, QWidget* parent)
    : Pane(doc, state, parent) {
  setObjectName("pictWeather");
  auto* layout = new QVBoxLayout(this);
  grid_ = new QGridLayout;
  grid_->addWidget(new QLabel("CH", this), 0, 0);
  grid_->addWidget(new QLabel("Enable", this), 0, 1);
  grid_->addWidget(new QLabel("Scan", this), 0, 2);
  nameHeader_ = new QLabel("CH Name", this);
  grid_->addWidget(nameHeader_, 0, 3);
  grid_->setColumnStretch(4, 1);
  layout->addLayout(grid_);
  notice_ = new QLabel(this);
  notice_->setObjectName("lblWxNotice");
  notice_->setWordWrap(true);
  layout->addWidget(notice_);
  layout->addStretch();
}

void WeatherPane::AddRow() {
  const int n = static_cast<int>(rows_.size());
  Row row;
  row.label = new QLabel(this);
  row.label->setObjectName(QString("lblWx%1").arg(n));
  row.enable = new QCheckBox(" ", this);
  row.enable->setObjectName(QString("chkWxEnable%1").arg(n));
  SetHelpText(row.enable, "Select[x]Enable/[]Disable.");
  row.scan = new QCheckBox(this);
  row.scan->setObjectName(QString("chkWxScan%1").arg(n));
  SetHelpText(row.scan, "[Space]:An effective and invalid change.");
  row.name = new QLineEdit(this);
  row.name->setObjectName(QString("txtWxName%1").arg(n));
  // The radio keeps a weather name in the same characters as a channel name.
  new DroppingTextFilter(
      IsChannelNameChar, static_cast<int>(kChannelNameLength), [this] { return Writable(); },
      [this, label = row.label](const QString& left) {
        notice_->setText(label->text().section('[', 0, 0) + ": " + DroppedNotice(left));
      },
      row.name);
  row.name->setMinimumWidth(row.name->fontMetrics().horizontalAdvance("WWWWWWWWWWWW") + 12);
  SetHelpText(row.name, "A maximum of 12 characters");
  for (QWidget* w : {static_cast<QWidget*>(row.enable), static_cast<QWidget*>(row.scan),
                     static_cast<QWidget*>(row.name)})
    w->installEventFilter(this);
  // Rows are made as the data set needs them, after the rest of the window: each one follows
  // the row above it.
  if (!rows_.empty()) QWidget::setTabOrder(rows_.back().name, row.enable);
  ChainTabOrder({row.enable, row.scan, row.name});
  grid_->addWidget(row.label, n + 1, 0);
  grid_->addWidget(row.enable, n + 1, 1);
  grid_->addWidget(row.scan, n + 1, 2);
  grid_->addWidget(row.name, n + 1, 3);

  const auto r = static_cast<std::size_t>(n);
  connect(row.enable, &QCheckBox::clicked, this, [this, r](bool on) {
    Write({EditWhat::Unit::Channel, kGroupWX, static_cast<int>(r), "Enable"},
          [&](RadioData& d) { d.WX[r].Enable = on; });
    ApplyRowRule(r);
  });
  connect(row.scan, &QCheckBox::clicked, this, [this, r](bool on) {
    Write({EditWhat::Unit::Channel, kGroupWX, static_cast<int>(r), "ScanMemory"},
          [&](RadioData& d) { d.WX[r].ScanMemory = on; });
  });
  connect(row.name, &QLineEdit::textEdited, this, [this, r] {
    if (!Writable()) return;
    rows_[r].dirty = true;
    fieldEdited_ = true;
  });
  rows_.push_back(row);
}

void WeatherPane::Fill() {
  const auto& wx = Data().WX;
  while (rows_.size() < wx.size()) AddRow();
  fieldEdited_ = false;
  const bool names = Traits(Data().ModelSeries).channelNames;
  nameHeader_->setVisible(names);
  notice_->clear();
  Filling([&] {
    for (std::size_t r = 0; r < rows_.size(); ++r) {
      Row& row = rows_[r];
      const bool present = r < wx.size();
      for (QWidget* w : {static_cast<QWidget*>(row.label), static_cast<QWidget*>(row.enable),
                         static_cast<QWidget*>(row.scan)})
        w->setVisible(present);
      row.name->setVisible(present && names);
      row.dirty = false;
      if (!present) continue;
      const int entry = wx[r].Position;
      const auto& master = WxMasterTable();
      row.label->setText(entry >= 1 && entry <= static_cast<int>(master.size())
                             ? QString::fromStdString(master[entry - 1].Label)
                             : QString("WX%1").arg(entry, 2, 10, QChar('0')));
      row.enable->setChecked(wx[r].Enable);
      row.scan->setChecked(wx[r].ScanMemory);
      row.name->setText(QString::fromStdString(wx[r].ChTag));
      ApplyRowRule(r);
    }
  });
}

void WeatherPane::ApplyRowRule(std::size_t r) {
  const bool on = rows_[r].enable->isChecked();
  rows_[r].scan->setEnabled(on);
  rows_[r].name->setEnabled(on);
}

void WeatherPane::CommitName(std::size_t r) {
  if (r >= rows_.size() || !rows_[r].dirty) return;
  rows_[r].dirty = false;
  fieldEdited_ = false;
  const std::string name = rows_[r].name->text().toStdString();
  if (r < Data().WX.size()) {
    Write({EditWhat::Unit::Channel, kGroupWX, static_cast<int>(r), "ChTag"},
          [&](RadioData& d) { d.WX[r].ChTag = name; });
  }
}

bool WeatherPane::CheckFocusedField() {
  for (std::size_t r = 0; r < rows_.size(); ++r) CommitName(r);
  return true;
}

std::size_t WeatherPane::RowOf(QObject* control) const {
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const Row& row = rows_[r];
    if (control == row.enable || control == row.scan || control == row.name) return r;
  }
  return rows_.size();
}

bool WeatherPane::eventFilter(QObject* watched, QEvent* event) {
  const bool in = event->type() == QEvent::FocusIn;
  if (in || event->type() == QEvent::FocusOut) {
    const std::size_t r = RowOf(watched);
    if (r < rows_.size()) {
      rows_[r].enable->setText(in ? ">" : " ");
      if (!in && watched == rows_[r].name) CommitName(r);
    }
  }
  return Pane::eventFilter(watched, event);
}

EditWhat WeatherPane::PendingEdit() const {
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    if (rows_[r].dirty) return {EditWhat::Unit::Channel, kGroupWX, static_cast<int>(r), "ChTag"};
  }
  return {};
}

}  // namespace qw
