#include "editor/common_pane.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace qw {

CommonPane::CommonPane(Document& doc, const EditState& state, QWidget* parent)
    : Pane(doc, state, parent) {
  setObjectName("pictCommon");
  auto* layout = new QVBoxLayout(this);
  auto group = [&](const QString& name, const char* title) {
    auto* box = new QGroupBox(title, this);
    box->setObjectName(name);
    layout->addWidget(box);
    auto* form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return form;
  };
  const QStringList offOn{"Off", "On"};

  QFormLayout* tx = group("fraStartingTxMode", "Starting TX Mode");
  txPoDisplay_ = AddList(tx, "TxPoDisplay", "TX Po Display",
                         {"Lo Po Only", "Lo Po on Changing CH", "Last TX Po"});
  rotary_ = AddList(tx, "Rotary", "Rotary Beep", offOn, &rotaryLabel_);
  // The rotary setting belongs to a radio without this control; it passes through unchanged.
  rotary_->hide();
  rotaryLabel_->hide();

  QFormLayout* scan = group("fraScanning", "Scanning Function");
  scan_ = AddList(scan, "Scan", "SCAN", offOn);
  resumeTime_ = AddList(scan, "ResumeTime", "Resume Time", {"Off", "1Sec", "2Sec", "3Sec"},
                        &resumeTimeLabel_);
  pttScanClear_ = AddList(scan, "PttScanClear", "PTT SCAN Clear", offOn, &pttScanClearLabel_);
  dualWatch_ = AddList(scan, "DualWatch", "Dual Watch", offOn);

  QFormLayout* wx = group("fraWeather", "Weather CH Function");
  weatherAlert_ =
      AddList(wx, "WeatherAlert", "Weather Alert", {"Off", "On Wx", "On Scan", "Wx and Scan"});
  layout->addStretch();

  auto store = [this](QComboBox* list, const char* field, auto write) {
    connect(list, &QComboBox::activated, this, [this, field, write](int index) {
      Write({EditWhat::Unit::Common, -1, -1, field},
            [&](RadioData& d) { write(d.CommonSettings, index); });
    });
  };
  store(txPoDisplay_, "TxPoDisplay",
        [](CommonSettings& c, int i) { c.TxPoDisplay = static_cast<int16_t>(i); });
  store(scan_, "Scan", [](CommonSettings& c, int i) { c.Scan = i != 0; });
  store(resumeTime_, "ResumeTime",
        [](CommonSettings& c, int i) { c.ResumeTime = static_cast<int16_t>(i); });
  store(pttScanClear_, "PttScanClear", [](CommonSettings& c, int i) { c.PttScanClear = i != 0; });
  store(dualWatch_, "DualWatch", [](CommonSettings& c, int i) { c.DualWatch = i != 0; });
  store(weatherAlert_, "Weater",
        [](CommonSettings& c, int i) { c.Weater = static_cast<int16_t>(i); });
  connect(scan_, &QComboBox::activated, this, [this] { ApplyScanRule(); });
}

QComboBox* CommonPane::AddList(QFormLayout* form, const QString& name, const char* caption,
                               const QStringList& options, QLabel** label) {
  auto* list = new QComboBox(this);
  list->setObjectName("cmb" + name);
  list->addItems(options);
  SetHelpText(list, "[Up]/[Down]:Change of a Selection item.");
  auto* text = new QLabel(caption, this);
  text->setObjectName("lbl" + name);
  text->setBuddy(list);
  form->addRow(text, list);
  if (label) *label = text;
  return list;
}

void CommonPane::Fill() {
  Filling([this] {
    const CommonSettings& c = Data().CommonSettings;
    // Out-of-range positions show no entry rather than a wrong one.
    txPoDisplay_->setCurrentIndex(c.TxPoDisplay >= 0 && c.TxPoDisplay < 3 ? c.TxPoDisplay : -1);
    scan_->setCurrentIndex(c.Scan ? 1 : 0);
    resumeTime_->setCurrentIndex(c.ResumeTime >= 0 && c.ResumeTime < 4 ? c.ResumeTime : -1);
    pttScanClear_->setCurrentIndex(c.PttScanClear ? 1 : 0);
    dualWatch_->setCurrentIndex(c.DualWatch ? 1 : 0);
    weatherAlert_->setCurrentIndex(c.Weater >= 0 && c.Weater < 4 ? c.Weater : -1);
    rotary_->setCurrentIndex(c.Rotary ? 1 : 0);
    ApplyScanRule();
  });
}

void CommonPane::ApplyScanRule() {
  const bool on = scan_->currentIndex() != 0;
  for (QWidget* w :
       {static_cast<QWidget*>(resumeTime_), static_cast<QWidget*>(resumeTimeLabel_),
        static_cast<QWidget*>(pttScanClear_), static_cast<QWidget*>(pttScanClearLabel_)}) {
    w->setEnabled(on);
  }
}

}  // namespace qw
