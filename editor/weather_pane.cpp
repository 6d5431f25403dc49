#include "editor/weather_pane.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "document/document.h"
#include "editor/tab_order.h"
#include "editor/text_filter.h"
#include "model/channel_plans.h"
#include "model/channel_rules.h"
#include "model/series_traits.h"

namespace qw {

// A column's header, its controls' names (the prefix and the row's number), their help and the
// record field they show, which gives the undo step's word.
template <class T>
struct WeatherPane::Column {
  const char* header;
  const char* prefix;
  const char* help;
  const char* field;
  T ChannelRecord::*member;
};

const WeatherPane::Column<bool> WeatherPane::kBoxColumns[kBoxes] = {
    {"Enable", "chkWxEnable", "Select[x]Enable/[]Disable.", "Enable", &ChannelRecord::Enable},
    {"Scan", "chkWxScan", kCheckBoxHelp, "ScanMemory", &ChannelRecord::ScanMemory},
};

const WeatherPane::Column<std::string> WeatherPane::kNameColumn = {
    "CH Name", "txtWxName", "A maximum of 12 characters", "ChTag", &ChannelRecord::ChTag};

namespace {

// The grid's columns: the channel's label, the boxes, the name.
constexpr int kLabelAt = 0;
constexpr int kFirstBoxAt = 1;

// The enable box's caption: the focus marker when its row has the focus.
const char* const kFocusMark = ">";
const char* const kNoFocusMark = " ";

}  // namespace

WeatherPane::WeatherPane(Document& doc, const EditState& state, QWidget* parent)
    : Pane(doc, state, parent) {
  setObjectName("pictWeather");
  auto* layout = new QVBoxLayout(this);
  grid_ = new QGridLayout;
  grid_->addWidget(new QLabel("CH", this), 0, kLabelAt);
  for (int b = 0; b < kBoxes; ++b)
    grid_->addWidget(new QLabel(kBoxColumns[b].header, this), 0, kFirstBoxAt + b);
  nameHeader_ = new QLabel(kNameColumn.header, this);
  grid_->addWidget(nameHeader_, 0, kFirstBoxAt + kBoxes);
  grid_->setColumnStretch(kFirstBoxAt + kBoxes + 1, 1);
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
  for (int b = 0; b < kBoxes; ++b) {
    row.boxes[b] = new QCheckBox(this);
    row.boxes[b]->setObjectName(kBoxColumns[b].prefix + QString::number(n));
    SetHelpText(row.boxes[b], kBoxColumns[b].help);
  }
  row.boxes[kEnableBox]->setText(kNoFocusMark);
  row.name = new QLineEdit(this);
  row.name->setObjectName(kNameColumn.prefix + QString::number(n));
  // The radio keeps a weather name in the same characters as a channel name.
  new DroppingTextFilter(
      IsChannelNameChar, static_cast<int>(kChannelNameLength), [this] { return Writable(); },
      [this, label = row.label](const QString& left) {
        notice_->setText(label->text().section('[', 0, 0) + ": " + DroppedNotice(left));
      },
      row.name);
  row.name->setMinimumWidth(row.name->fontMetrics().horizontalAdvance("WWWWWWWWWWWW") + 12);
  SetHelpText(row.name, kNameColumn.help);
  QList<QWidget*> order(row.boxes.begin(), row.boxes.end());
  order << row.name;
  for (QWidget* w : order) w->installEventFilter(this);
  // Rows are made as the data set needs them, after the rest of the window: each one follows
  // the row above it.
  if (!rows_.empty()) QWidget::setTabOrder(rows_.back().name, order.front());
  ChainTabOrder(order);
  grid_->addWidget(row.label, n + 1, kLabelAt);
  for (qsizetype column = 0; column < order.size(); ++column)
    grid_->addWidget(order[column], n + 1, kFirstBoxAt + static_cast<int>(column));
  rows_.push_back(row);
  ConnectWrites(rows_.size() - 1);
}

void WeatherPane::ConnectWrites(std::size_t r) {
  const Row& row = rows_[r];
  const int index = static_cast<int>(r);
  for (int b = 0; b < kBoxes; ++b) {
    connect(row.boxes[b], &QCheckBox::clicked, this, [this, r, index, b](bool on) {
      const Column<bool>& column = kBoxColumns[b];
      Write({EditWhat::Unit::Channel, kGroupWX, index, column.field},
            [&](RadioData& d) { d.WX[r].*column.member = on; });
      if (b == kEnableBox) ApplyRowRule(r);
    });
  }
  connect(row.name, &QLineEdit::textEdited, this, [this, r] {
    if (!Writable()) return;
    rows_[r].dirty = true;
    fieldEdited_ = true;
  });
}

void WeatherPane::Fill() {
  const auto& wx = Data().WX;
  while (rows_.size() < wx.size()) AddRow();
  fieldEdited_ = false;
  const bool names = Traits(Data().ModelSeries).channelNames;
  nameHeader_->setVisible(names);
  notice_->clear();
  Filling([&] {
    for (std::size_t r = 0; r < rows_.size(); ++r) FillRow(r, names);
  });
}

void WeatherPane::FillRow(std::size_t r, bool names) {
  const auto& wx = Data().WX;
  Row& row = rows_[r];
  const bool present = r < wx.size();
  row.label->setVisible(present);
  for (QCheckBox* box : row.boxes) box->setVisible(present);
  row.name->setVisible(present && names);
  row.dirty = false;
  if (!present) return;
  const int entry = wx[r].Position;
  const auto& master = WxMasterTable();
  row.label->setText(entry >= 1 && entry <= static_cast<int>(master.size())
                         ? QString::fromStdString(master[entry - 1].Label)
                         : QString("WX%1").arg(entry, 2, 10, QChar('0')));
  for (int b = 0; b < kBoxes; ++b) row.boxes[b]->setChecked(wx[r].*kBoxColumns[b].member);
  row.name->setText(QString::fromStdString(wx[r].*kNameColumn.member));
  ApplyRowRule(r);
}

void WeatherPane::ApplyRowRule(std::size_t r) {
  const bool on = rows_[r].boxes[kEnableBox]->isChecked();
  rows_[r].boxes[kScanBox]->setEnabled(on);
  rows_[r].name->setEnabled(on);
}

void WeatherPane::CommitName(std::size_t r) {
  if (r >= rows_.size() || !rows_[r].dirty) return;
  rows_[r].dirty = false;
  fieldEdited_ = false;
  const std::string name = rows_[r].name->text().toStdString();
  if (r < Data().WX.size()) {
    Write({EditWhat::Unit::Channel, kGroupWX, static_cast<int>(r), kNameColumn.field},
          [&](RadioData& d) { d.WX[r].*kNameColumn.member = name; });
  }
}

bool WeatherPane::CheckFocusedField() {
  for (std::size_t r = 0; r < rows_.size(); ++r) CommitName(r);
  return true;
}

std::size_t WeatherPane::RowOf(QObject* control) const {
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const Row& row = rows_[r];
    if (control == row.name ||
        std::find(row.boxes.begin(), row.boxes.end(), control) != row.boxes.end())
      return r;
  }
  return rows_.size();
}

bool WeatherPane::eventFilter(QObject* watched, QEvent* event) {
  const bool in = event->type() == QEvent::FocusIn;
  if (in || event->type() == QEvent::FocusOut) {
    const std::size_t r = RowOf(watched);
    if (r < rows_.size()) {
      rows_[r].boxes[kEnableBox]->setText(in ? kFocusMark : kNoFocusMark);
      if (!in && watched == rows_[r].name) CommitName(r);
    }
  }
  return Pane::eventFilter(watched, event);
}

EditWhat WeatherPane::PendingEdit() const {
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    if (rows_[r].dirty)
      return {EditWhat::Unit::Channel, kGroupWX, static_cast<int>(r), kNameColumn.field};
  }
  return {};
}

}  // namespace qw
