// Writing the single-channel pane's changes back: one Document edit per user change.
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

#include "document/document.h"
#include "document/odd_values.h"
#include "editor/channel_pane.h"
#include "editor/prompter.h"
#include "model/channel_rules.h"
#include "report/formatters.h"

namespace qw {

using channel_fields::AfterClick;
using channel_fields::FlagRow;
using channel_fields::IsFrequency;
using channel_fields::kFlagRows;
using channel_fields::kTextRows;
using channel_fields::TextRow;

void ChannelPane::WriteChannel(const char* field,
                               const std::function<void(ChannelRecord&)>& apply) {
  const int group = group_, index = index_;
  if (index < 0 || index >= static_cast<int>(GroupList(Data(), group).size())) return;
  Write({EditWhat::Unit::Channel, group, index, field},
        [&](RadioData& d) { apply(GroupList(d, group)[static_cast<std::size_t>(index)]); });
}

void ChannelPane::ConnectWrites() {
  for (int f = 0; f < kFlags; ++f) {
    connect(flags_[f], &QCheckBox::clicked, this,
            [this, f](bool on) { OnFlagClicked(static_cast<Flag>(f), on); });
  }
  connect(narrow_, &QRadioButton::clicked, this,
          [this] { WriteChannel("Narrow", [](ChannelRecord& ch) { ch.Narrow = true; }); });
  connect(wide_, &QRadioButton::clicked, this,
          [this] { WriteChannel("Narrow", [](ChannelRecord& ch) { ch.Narrow = false; }); });
  connect(scramble_, &QComboBox::activated, this, [this](int position) {
    const auto value = static_cast<int16_t>(position == 0 ? 0 : 4 + (position - 1));
    WriteChannel("Scramble", [&](ChannelRecord& ch) { ch.Scramble = value; });
  });
  for (int side = 0; side < 2; ++side) {
    connect(ctcss_[side], &QComboBox::activated, this,
            [this, side](int position) { OnTone(side, false, position); });
    connect(dcs_[side], &QComboBox::activated, this,
            [this, side](int position) { OnTone(side, true, position); });
  }
  for (int f = 0; f < kTextFields; ++f) {
    connect(texts_[f], &QLineEdit::textEdited, this, [this, f] {
      if (Writable()) SetDirty(static_cast<TextField>(f), true);
    });
  }
}

void ChannelPane::OnFlagClicked(Flag f, bool on) {
  const FlagRow& row = kFlagRows[f];
  WriteChannel(row.field, [&](ChannelRecord& ch) { ch.*row.member = on; });
  switch (row.after) {
    case AfterClick::Nothing:
      break;
    case AfterClick::EnableChain:
      ApplyEnableChain();
      break;
    case AfterClick::RxFrequency:
      ShowText(kRxFreq, RxFrequencyText());
      break;
    case AfterClick::Refill:
      Fill();
      flags_[f]->setFocus(Qt::OtherFocusReason);
      break;
  }
}

// A side has a CTCSS tone or a DCS code, never both: choosing one clears the other.
void ChannelPane::OnTone(int side, bool dcs, int position) {
  const auto value = static_cast<int16_t>(position);
  WriteChannel(dcs ? "DCS" : "CTCSS", [&](ChannelRecord& ch) {
    (dcs ? ch.DCS : ch.CTCSS)[side] = value;
    if (value > 0) (dcs ? ch.CTCSS : ch.DCS)[side] = 0;
  });
  if (value > 0) (dcs ? ctcss_ : dcs_)[side]->setCurrentIndex(0);
  ApplyEnableChain();
}

EditWhat ChannelPane::PendingEdit() const {
  for (int f = 0; f < kTextFields; ++f) {
    if (dirty_[f]) return {EditWhat::Unit::Channel, group_, index_, kTextRows[f].field};
  }
  return {};
}

void ChannelPane::SetDirty(TextField f, bool dirty) {
  dirty_[f] = dirty;
  fieldEdited_ = std::find(dirty_.begin(), dirty_.end(), true) != dirty_.end();
}

// The pane's own text ("---.----") is shown as it is; the key filter is for what comes in.
void ChannelPane::ShowText(TextField f, const QString& text) {
  showing_ = true;
  texts_[f]->setText(text);
  showing_ = false;
}

bool ChannelPane::CommitText(TextField f, bool validate) {
  if (!dirty_[f]) return true;
  if (IsFrequency(f)) return CommitFrequency(f, validate);
  const TextRow& row = kTextRows[f];
  const std::string text = texts_[f]->text().toStdString();
  // A marine channel's display comes from its slot and is not written.
  if (f == kName || !Marine())
    WriteChannel(row.field, [&](ChannelRecord& ch) { ch.*row.text = text; });
  SetDirty(f, false);
  return true;
}

bool ChannelPane::CommitFrequency(TextField f, bool validate) {
  const TextRow& row = kTextRows[f];
  const bool rx = f == kRxFreq;
  if (!dirty_[f] || Marine()) return true;
  const FrequencyEntry entry =
      CheckFrequencyText(texts_[f]->text().toStdString(), Traits(Data().ModelSeries));
  if (entry.verdict == FrequencyVerdict::Ok) {
    // A value off both channel rasters is moved onto the radio's as it is taken in, and said so.
    const double mhz = SnapFrequency(entry.mhz);
    WriteChannel(row.field, [&](ChannelRecord& ch) { ch.*row.mhz = mhz; });
    ShowText(f, QString::fromStdString(FreqText4(mhz)));
    SetDirty(f, false);
    if (mhz != entry.mhz) {
      const std::string line =
          OffRasterLine(Data().ModelSeries, static_cast<std::size_t>(index_), rx, entry.mhz, mhz);
      prompter_.Show(this, {line, rx ? "Rx frequency" : "Tx frequency", MessageIcon::Information});
    }
    return true;
  }
  if (!validate) {
    const double stored = Channel().*row.mhz;
    ShowText(f, QString::fromStdString(FreqText4(stored)));
    SetDirty(f, false);
    return true;
  }
  prompter_.Show(this,
                 {kDataError, rx ? "Rx frequency" : "Tx frequency", MessageIcon::Exclamation});
  return false;
}

bool ChannelPane::eventFilter(QObject* watched, QEvent* event) {
  const auto f =
      static_cast<TextField>(std::find(texts_.begin(), texts_.end(), watched) - texts_.begin());
  if (f == kTextFields) return Pane::eventFilter(watched, event);
  if (event->type() == QEvent::FocusIn) {
    if (NewVisit(*static_cast<QFocusEvent*>(event))) SetDirty(f, false);
  } else if (event->type() == QEvent::FocusOut && IsActive()) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // A menu opened over the field: the command's pane check decides about a frequency.
    if (reason == Qt::PopupFocusReason && IsFrequency(f)) return Pane::eventFilter(watched, event);
    // Leaving the window is not a move to another control: a refused value is quietly undone.
    const bool validate = reason != Qt::ActiveWindowFocusReason;
    if (!CommitText(f, validate)) RefuseLeaving(texts_[f]);
  }
  return Pane::eventFilter(watched, event);
}

bool ChannelPane::DataIncomplete() const {
  return !Marine() && flags_[kEnable]->isChecked() &&
         (texts_[kRxFreq]->text().contains("---") || texts_[kDisplayL]->text().size() < 2);
}

bool ChannelPane::CheckFocusedField() {
  for (int f : {kRxFreq, kTxFreq}) {
    if (window()->focusWidget() != texts_[f]) continue;
    if (!CommitText(static_cast<TextField>(f), true)) {
      texts_[f]->setFocus(Qt::OtherFocusReason);
      return false;
    }
  }
  // What was typed into the other fields is kept, whatever the check finds.
  for (int f : {kDisplayL, kDisplayR, kName}) CommitText(static_cast<TextField>(f), false);
  if (DataIncomplete()) {
    prompter_.Show(this, {kDataErrorInputCorrect, kProgramTitle, MessageIcon::Exclamation});
    return false;
  }
  return true;
}

}  // namespace qw
