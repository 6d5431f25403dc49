#include "editor/common_pane.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <array>
#include <string_view>

#include "model/field_table.h"

namespace qw {
namespace {

// One group box per section of the settings (the field table's titles), by section.
constexpr const char* kBoxNames[] = {"fraStartingTxMode", "fraScanning", "fraWeather", "fraNmea",
                                     "fraBeep"};
static_assert(std::size(kBoxNames) == std::size(fields::kSectionTitles));

// One list per setting: its controls' names ("cmb" and "lbl" + name), the setting's name in the
// field table (which gives its caption, section and member), its entries, and whether it greys
// while SCAN is off. A setting shows as a list position, an on/off one as 0 and 1. Rows come in
// section order.
struct ListRow {
  const char* name;
  const char* field;
  std::array<const char*, 4> entries;  // the used ones first, then nullptr
  bool followsScan;
};

// clang-format off
constexpr ListRow kRows[] = {
    {"TxPoDisplay", "TxPoDisplay", {"Lo Po Only", "Lo Po on Changing CH", "Last TX Po"}, false},
    {"Scan", "Scan", {"Off", "On"}, false},
    {"ResumeTime", "ResumeTime", {"Off", "1Sec", "2Sec", "3Sec"}, true},
    {"PttScanClear", "PttScanClear", {"Off", "On"}, true},
    {"DualWatch", "DualWatch", {"Off", "On"}, false},
    {"WeatherAlert", "Weater", {"Off", "On Wx", "On Scan", "Wx and Scan"}, false},
};
// clang-format on
constexpr std::size_t kScanRow = 1;

std::size_t SectionOf(std::string_view field) {
  std::size_t section = 0;
  fields::ForEachRow(fields::kCommonFields, [&](const auto& row) {
    if (field == row.json) section = static_cast<std::size_t>(row.shown.section);
  });
  return section;
}

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

// The section's group box, below the boxes so far, with its form.
QFormLayout* AddBox(QVBoxLayout* layout, std::size_t section) {
  auto* box = new QGroupBox(fields::kSectionTitles[section], layout->parentWidget());
  box->setObjectName(kBoxNames[section]);
  layout->addWidget(box);
  auto* form = new QFormLayout(box);
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return form;
}

}  // namespace

CommonPane::CommonPane(Document& doc, const EditState& state, QWidget* parent)
    : Pane(doc, state, parent) {
  setObjectName("pictCommon");
  auto* layout = new QVBoxLayout(this);
  std::array<QFormLayout*, std::size(kBoxNames)> forms{};
  for (std::size_t r = 0; r < std::size(kRows); ++r) {
    const ListRow& row = kRows[r];
    QFormLayout*& form = forms.at(SectionOf(row.field));
    if (!form) form = AddBox(layout, SectionOf(row.field));
    auto* list = new QComboBox(this);
    list->setObjectName(QString("cmb") + row.name);
    for (const char* entry : row.entries) {
      if (entry) list->addItem(entry);
    }
    SetHelpText(list, kSelectionHelp);
    auto* label = new QLabel(QString::fromStdString(fields::CaptionOf(row.field)), this);
    label->setObjectName(QString("lbl") + row.name);
    label->setBuddy(list);
    form->addRow(label, list);
    lists_.push_back(list);
    labels_.push_back(label);
    connect(list, &QComboBox::activated, this, [this, &row](int index) {
      Write({EditWhat::Unit::Common, -1, -1, row.field},
            [&](RadioData& d) { SetPosition(d.CommonSettings, row.field, index); });
    });
  }
  layout->addStretch();
  connect(lists_[kScanRow], &QComboBox::activated, this, [this] { ApplyScanRule(); });
}

void CommonPane::Fill() {
  Filling([this] {
    const CommonSettings& c = Data().CommonSettings;
    for (std::size_t r = 0; r < std::size(kRows); ++r) {
      // Out-of-range positions show no entry rather than a wrong one.
      const int position = PositionOf(c, kRows[r].field);
      lists_[r]->setCurrentIndex(position >= 0 && position < lists_[r]->count() ? position : -1);
    }
    ApplyScanRule();
  });
}

void CommonPane::ApplyScanRule() {
  const bool on = lists_[kScanRow]->currentIndex() != 0;
  for (std::size_t r = 0; r < std::size(kRows); ++r) {
    if (!kRows[r].followsScan) continue;
    lists_[r]->setEnabled(on);
    labels_[r]->setEnabled(on);
  }
}

}  // namespace qw
