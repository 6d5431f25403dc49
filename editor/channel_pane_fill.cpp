// Filling the single-channel pane and the enable chain.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "document/document.h"
#include "editor/channel_pane.h"
#include "model/channel_plans.h"
#include "model/channel_rules.h"
#include "report/channel_grid.h"
#include "report/formatters.h"

namespace qw {

using channel_fields::FilledFor;
using channel_fields::kFlagRows;

namespace {

const MasterSlot& SlotAt(int index) {
  static const MasterSlot kNone{};
  return IsMarineSlot(index) ? ChannelMasterTable()[static_cast<std::size_t>(index)] : kNone;
}

// The radio's two-character number: 0..99 as two digits, 100..109 as "o" and the last digit,
// 110 and above as "'" and the rest.
QString DisplayLeft(int n) {
  if (n < 100) return QString("%1").arg(n, 2, 10, QChar('0'));
  if (n < 110) return "o" + QString::number(n - 100);
  return "'" + QString::number(n - 110);
}

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

const ChannelRecord& ChannelPane::Channel() const {
  static const ChannelRecord kNone{};
  const auto& list = GroupList(Data(), group_);
  return index_ >= 0 && index_ < static_cast<int>(list.size())
             ? list[static_cast<std::size_t>(index_)]
             : kNone;
}

void ChannelPane::Show(const NavNode& node) {
  group_ = node.group;
  index_ = node.index;
  Fill();
}

void ChannelPane::Fill() {
  dirty_.fill(false);
  fieldEdited_ = false;
  const ChannelRecord& ch = Channel();
  Filling([&] {
    ShowFieldsOfMode();
    if (Marine()) {
      FillMarine(ch);
    } else {
      FillProgrammable(ch);
    }
    FillCommon(ch);
  });
  ApplyEnableChain();
}

void ChannelPane::ShowFieldsOfMode() {
  const SeriesTraits& traits = Traits(Data().ModelSeries);
  auto show = [this](QWidget* field, bool on) {
    field->setVisible(on);
    for (QWidget* label : companions_.value(field)) label->setVisible(on);
  };
  for (int f : {kDisplayL, kDisplayR, kRxFreq, kTxFreq}) SetEditable(texts_[f], !Marine());
  show(flags_[kTxEnable], Marine());
  show(flags_[kDuplex], Marine());
  toneBox_->setVisible(!Marine() && traits.fourthGroupTones);
  txNote_->setVisible(!Marine() && !Channel().TxEnable);
  show(scramble_, traits.channelNames);
  show(texts_[kName], traits.channelNames);
}

void ChannelPane::FillMarine(const ChannelRecord& ch) {
  const MasterSlot& slot = SlotAt(index_);
  const QString label = Text(slot.Label).toUpper();
  title_->setText(QString("%1 %2").arg(Text(std::string(GridName(group_))), label));
  const int a = static_cast<int>(label.indexOf('A'));
  texts_[kDisplayL]->setText(
      label.isEmpty() ? QString() : DisplayLeft((a < 0 ? label : label.left(a)).toInt()));
  texts_[kDisplayR]->setText(a < 0 ? QString() : label.mid(a));
  texts_[kRxFreq]->setText(RxFrequencyText());
  texts_[kTxFreq]->setText(Text(FreqText3Hidden(slot.TxFreq, ch.RxOnly)));
  duplexAllowed_ = ch.DuplexCapable;
  txAllowed_ = !ch.RxOnly;
}

void ChannelPane::FillProgrammable(const ChannelRecord& ch) {
  title_->setText(QString("%1 %2").arg(FourthGroupName(Data().ModelSeries)).arg(index_ + 1));
  texts_[kDisplayL]->setText(Text(ch.CHDisplayL));
  texts_[kDisplayR]->setText(Text(ch.CHDisplayR));
  texts_[kRxFreq]->setText(Text(FreqText4(ch.Rxfreq)));
  texts_[kTxFreq]->setText(Text(FreqText4(ch.Txfreq)));
  duplexAllowed_ = false;
  txAllowed_ = true;
  for (int side = 0; side < 2; ++side) {
    ctcss_[side]->setCurrentIndex(ch.CTCSS[side] < ctcss_[side]->count() ? ch.CTCSS[side] : -1);
    dcs_[side]->setCurrentIndex(ch.DCS[side] < dcs_[side]->count() ? ch.DCS[side] : -1);
  }
}

void ChannelPane::FillCommon(const ChannelRecord& ch) {
  FillFlags(ch);
  scramble_->setCurrentIndex((ch.Scramble & 4) ? (ch.Scramble & 3) + 1 : 0);
  texts_[kName]->setText(Text(ch.ChTag));
  narrow_->setChecked(ch.Narrow);
  wide_->setChecked(!ch.Narrow);
}

void ChannelPane::FillFlags(const ChannelRecord& ch) {
  const FilledFor own = Marine() ? FilledFor::Marine : FilledFor::Programmable;
  for (int f = 0; f < kFlags; ++f) {
    const auto& row = kFlagRows[f];
    if (row.filled == FilledFor::Both || row.filled == own) flags_[f]->setChecked(ch.*row.member);
  }
  // A marine channel that only receives shows no transmit. On a programmable channel Tx Enable
  // is hidden, but it still decides whether Low Power Only can be ticked.
  if (Marine()) flags_[kTxEnable]->setChecked(ch.TxEnable && !ch.RxOnly);
}

QString ChannelPane::RxFrequencyText() const {
  const MasterSlot& slot = SlotAt(index_);
  return Text(FreqText3(Channel().Duplex ? slot.RxFreqDuplex : slot.RxFreqSimplex));
}

void ChannelPane::SetOn(QWidget* field, bool on) {
  field->setEnabled(on);
  for (QWidget* label : companions_.value(field)) label->setEnabled(on);
}

// Fields that cannot be typed in have the button face behind them, editable ones the usual
// field background. Both are taken per colour group: the pane is switched off while it fills,
// and its current colours then are the disabled ones.
void ChannelPane::SetEditable(QLineEdit* field, bool editable) {
  field->setReadOnly(!editable);
  QPalette p = field->palette();
  const QPalette& pane = palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    p.setColor(group, QPalette::Base,
               pane.color(group, editable ? QPalette::Base : QPalette::Button));
  field->setPalette(p);
}

void ChannelPane::ApplyEnableChain() {
  if (state_.ResetBusy) return;
  const bool on = flags_[kEnable]->isChecked();
  for (QWidget* field : fields_) SetOn(field, on);
  SetOn(flags_[kDuplex], on && duplexAllowed_);
  SetOn(flags_[kTxEnable], on && txAllowed_);
  SetOn(flags_[kComp], on && dcs_[1]->currentIndex() > 0);
  const auto ticked = [this](Flag f) {
    return flags_[f]->isChecked() && flags_[f]->isEnabledTo(this);
  };
  SetOn(flags_[kLowPower], ticked(kTxEnable));
  SetOn(flags_[kPowUp], ticked(kLowPower));
  if (Marine()) {
    if (IsScramblerLocked(group_, index_)) SetOn(scramble_, false);
    if (IsScanMemoryLocked(group_, index_)) SetOn(flags_[kScan], false);
  }
}

}  // namespace qw
