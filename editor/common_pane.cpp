#include "editor/common_pane.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <variant>

namespace qw {
namespace {

struct Box {
  const char* name;
  const char* title;
};
constexpr Box kBoxes[] = {{"fraStartingTxMode", "Starting TX Mode"},
                          {"fraScanning", "Scanning Function"},
                          {"fraWeather", "Weather CH Function"}};

// One list per setting: its controls' names ("cmb" and "lbl" + name), the field an undo step
// names, its caption and box, its entries, and the setting it shows as a list position (an on/off
// setting as 0 and 1).
struct ListRow {
  const char* name;
  const char* field;
  const char* caption;
  int box;
  std::array<const char*, 4> entries;  // the used ones first, then nullptr
  std::variant<int16_t CommonSettings::*, bool CommonSettings::*> setting;
  bool followsScan;  // greyed while SCAN is off
};

// clang-format off
constexpr std::array<ListRow, CommonPane::kLists> kRows{{
    {"TxPoDisplay", "TxPoDisplay", "TX Po Display", 0,
     {"Lo Po Only", "Lo Po on Changing CH", "Last TX Po"}, &CommonSettings::TxPoDisplay, false},
    {"Scan", "Scan", "SCAN", 1, {"Off", "On"}, &CommonSettings::Scan, false},
    {"ResumeTime", "ResumeTime", "Resume Time", 1,
     {"Off", "1Sec", "2Sec", "3Sec"}, &CommonSettings::ResumeTime, true},
    {"PttScanClear", "PttScanClear", "PTT SCAN Clear", 1,
     {"Off", "On"}, &CommonSettings::PttScanClear, true},
    {"DualWatch", "DualWatch", "Dual Watch", 1, {"Off", "On"}, &CommonSettings::DualWatch, false},
    {"WeatherAlert", "Weater", "Weather Alert", 2,
     {"Off", "On Wx", "On Scan", "Wx and Scan"}, &CommonSettings::Weater, false},
}};
// clang-format on
constexpr std::size_t kScanRow = 1;

int PositionOf(const ListRow& row, const CommonSettings& c) {
  return std::visit(
      [&c](auto member) -> int {
        if constexpr (std::is_same_v<decltype(member), bool CommonSettings::*>) {
          return c.*member ? 1 : 0;
        } else {
          return c.*member;
        }
      },
      row.setting);
}

void SetPosition(const ListRow& row, CommonSettings& c, int index) {
  std::visit(
      [&c, index](auto member) {
        if constexpr (std::is_same_v<decltype(member), bool CommonSettings::*>) {
          c.*member = index != 0;
        } else {
          c.*member = static_cast<int16_t>(index);
        }
      },
      row.setting);
}

}  // namespace

CommonPane::CommonPane(Document& doc, const EditState& state, QWidget* parent)
    : Pane(doc, state, parent) {
  setObjectName("pictCommon");
  auto* layout = new QVBoxLayout(this);
  std::array<QFormLayout*, std::size(kBoxes)> forms{};
  for (std::size_t b = 0; b < forms.size(); ++b) {
    auto* box = new QGroupBox(kBoxes[b].title, this);
    box->setObjectName(kBoxes[b].name);
    layout->addWidget(box);
    forms[b] = new QFormLayout(box);
    forms[b]->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    forms[b]->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  layout->addStretch();

  for (std::size_t r = 0; r < kRows.size(); ++r) {
    const ListRow& row = kRows[r];
    auto* list = new QComboBox(this);
    list->setObjectName(QString("cmb") + row.name);
    for (const char* entry : row.entries) {
      if (entry) list->addItem(entry);
    }
    SetHelpText(list, "[Up]/[Down]:Change of a Selection item.");
    auto* label = new QLabel(row.caption, this);
    label->setObjectName(QString("lbl") + row.name);
    label->setBuddy(list);
    forms[static_cast<std::size_t>(row.box)]->addRow(label, list);
    lists_[r] = list;
    labels_[r] = label;
    connect(list, &QComboBox::activated, this, [this, &row](int index) {
      Write({EditWhat::Unit::Common, -1, -1, row.field},
            [&](RadioData& d) { SetPosition(row, d.CommonSettings, index); });
    });
  }
  connect(lists_[kScanRow], &QComboBox::activated, this, [this] { ApplyScanRule(); });
}

void CommonPane::Fill() {
  Filling([this] {
    const CommonSettings& c = Data().CommonSettings;
    for (std::size_t r = 0; r < kRows.size(); ++r) {
      // Out-of-range positions show no entry rather than a wrong one.
      const int position = PositionOf(kRows[r], c);
      lists_[r]->setCurrentIndex(position >= 0 && position < lists_[r]->count() ? position : -1);
    }
    ApplyScanRule();
  });
}

void CommonPane::ApplyScanRule() {
  const bool on = lists_[kScanRow]->currentIndex() != 0;
  for (std::size_t r = 0; r < kRows.size(); ++r) {
    if (!kRows[r].followsScan) continue;
    lists_[r]->setEnabled(on);
    labels_[r]->setEnabled(on);
  }
}

}  // namespace qw
