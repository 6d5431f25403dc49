#include "editor/common_pane.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <string_view>

#include "model/field_table.h"

namespace qw {
namespace {

struct Box {
  const char* name;
  const char* title;
};
constexpr Box kBoxes[] = {{"fraStartingTxMode", "Starting TX Mode"},
                          {"fraScanning", "Scanning Function"},
                          {"fraWeather", "Weather CH Function"}};

// One list per setting: its controls' names ("cmb" and "lbl" + name), the setting's name in the
// field table (which gives its caption and member), its box and entries, and whether it greys
// while SCAN is off. A setting shows as a list position, an on/off one as 0 and 1.
struct ListRow {
  const char* name;
  const char* field;
  int box;
  std::array<const char*, 4> entries;  // the used ones first, then nullptr
  bool followsScan;
};

// clang-format off
constexpr std::array<ListRow, CommonPane::kLists> kRows{{
    {"TxPoDisplay", "TxPoDisplay", 0, {"Lo Po Only", "Lo Po on Changing CH", "Last TX Po"}, false},
    {"Scan", "Scan", 1, {"Off", "On"}, false},
    {"ResumeTime", "ResumeTime", 1, {"Off", "1Sec", "2Sec", "3Sec"}, true},
    {"PttScanClear", "PttScanClear", 1, {"Off", "On"}, true},
    {"DualWatch", "DualWatch", 1, {"Off", "On"}, false},
    {"WeatherAlert", "Weater", 2, {"Off", "On Wx", "On Scan", "Wx and Scan"}, false},
}};
// clang-format on
constexpr std::size_t kScanRow = 1;

int PositionOf(const CommonSettings& c, std::string_view field) {
  int position = -1;
  fields::ForEachRow(fields::kCommonFields, [&](const auto& row) {
    if (field == row.json) position = static_cast<int>(c.*row.member);
  });
  return position;
}

void SetPosition(CommonSettings& c, std::string_view field, int index) {
  fields::ForEachRow(fields::kCommonFields, [&](const auto& row) {
    using T = std::remove_reference_t<decltype(c.*row.member)>;
    if (field == row.json) c.*row.member = static_cast<T>(index);
  });
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
    auto* label = new QLabel(QString::fromStdString(fields::CaptionOf(row.field)), this);
    label->setObjectName(QString("lbl") + row.name);
    label->setBuddy(list);
    forms[static_cast<std::size_t>(row.box)]->addRow(label, list);
    lists_[r] = list;
    labels_[r] = label;
    connect(list, &QComboBox::activated, this, [this, &row](int index) {
      Write({EditWhat::Unit::Common, -1, -1, row.field},
            [&](RadioData& d) { SetPosition(d.CommonSettings, row.field, index); });
    });
  }
  connect(lists_[kScanRow], &QComboBox::activated, this, [this] { ApplyScanRule(); });
}

void CommonPane::Fill() {
  Filling([this] {
    const CommonSettings& c = Data().CommonSettings;
    for (std::size_t r = 0; r < kRows.size(); ++r) {
      // Out-of-range positions show no entry rather than a wrong one.
      const int position = PositionOf(c, kRows[r].field);
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
