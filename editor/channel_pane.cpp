#include "editor/channel_pane.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "editor/tab_order.h"
#include "editor/text_filter.h"
#include "model/channel_plans.h"
#include "model/channel_rules.h"
#include "model/field_table.h"
#include "report/formatters.h"

namespace qw {

using channel_fields::kFlagRows;
using channel_fields::kTextRows;
using channel_fields::TextRow;

namespace {

QString Caption(const char* field) {
  return QString::fromStdString(fields::CaptionOf(field));
}

QStringList ToneEntries(bool dcs) {
  QStringList entries;
  if (!dcs) {
    for (const auto& tone : CtcssList()) entries << QString::fromStdString(tone);
    return entries;
  }
  entries << "Off";
  const auto& codes = DcsList();
  for (const char* bank : {"N", "I"})
    for (std::size_t i = 1; i < codes.size(); ++i)
      entries << bank + QString::fromStdString(codes[i]);
  return entries;
}

}  // namespace

ChannelPane::ChannelPane(Document& doc, const EditState& state, Prompter& prompter,
                         std::function<void(const NavNode&)> selectNode, QWidget* parent)
    : Pane(doc, state, parent), prompter_(prompter), selectNode_(std::move(selectNode)) {
  setObjectName("pictChannel");
  BuildFields();
  ConnectWrites();
  auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this);
  auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this);
  for (QShortcut* s : {next, previous}) s->setContext(Qt::WidgetWithChildrenShortcut);
  connect(next, &QShortcut::activated, this, [this] { Step(1); });
  connect(previous, &QShortcut::activated, this, [this] { Step(-1); });
}

QLabel* ChannelPane::Label(const char* name, const QString& caption, QWidget* field) {
  auto* label = new QLabel(caption, this);
  label->setObjectName(name);
  companions_[field].append(label);
  return label;
}

QLabel* ChannelPane::Label(const char* name, TextField f) {
  return Label(name, Caption(kTextRows[f].field), texts_[f]);
}

QCheckBox* ChannelPane::Check(Flag f) {
  auto* box = new QCheckBox(Caption(kFlagRows[f].field), this);
  box->setObjectName(kFlagRows[f].name);
  SetHelpText(box, kCheckBoxHelp);
  flags_[f] = box;
  return box;
}

QComboBox* ChannelPane::List(const char* name, const QStringList& entries) {
  auto* list = new QComboBox(this);
  list->setObjectName(name);
  list->addItems(entries);
  list->setMaxVisibleItems(12);
  SetHelpText(list, kSelectionHelp);
  return list;
}

void ChannelPane::BuildFields() {
  auto* layout = new QVBoxLayout(this);
  title_ = new QLabel(this);
  title_->setObjectName("lblTitle");
  QFont bold = title_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  title_->setFont(bold);
  layout->addWidget(title_);

  BuildTexts();
  auto* grid = new QGridLayout;
  grid->setColumnStretch(4, 1);
  int row = 0;
  PlaceFrequencies(grid, row);
  PlaceFlags(grid, row);
  grid->addWidget(BuildToneBox(), row++, 0, 1, 5);
  PlaceNameRows(grid, row);
  layout->addLayout(grid);
  layout->addStretch();
  // Tab walks the fields in screen order; the enable chain switches all of them but CH Enable.
  fields_ = {
      texts_[kDisplayL], texts_[kDisplayR], texts_[kRxFreq],   texts_[kTxFreq], flags_[kEnable],
      flags_[kLowPower], flags_[kPowUp],    flags_[kTxEnable], flags_[kDuplex], wide_,
      narrow_,           ctcss_[1],         dcs_[1],           flags_[kComp],   ctcss_[0],
      dcs_[0],           scramble_,         flags_[kScan],     texts_[kName]};
  ChainTabOrder(fields_);
  fields_.removeOne(flags_[kEnable]);
}

// The five line edits, each with the filter its keys and pastes go through.
void ChannelPane::BuildTexts() {
  for (int f = 0; f < kTextFields; ++f) {
    auto* field = new QLineEdit(this);
    const TextRow& row = kTextRows[f];
    field->setObjectName(row.name);
    // A paste goes through the same filter as the keys: "145.500 MHz" comes in as 145.500.
    // A pasted name keeps what the radio can show, and the notice says what it lost.
    std::function<void(const QString&)> dropped = [](const QString&) {};
    if (f == kName)
      dropped = [this](const QString& left) { nameNotice_->setText(DroppedNotice(left)); };
    new DroppingTextFilter(
        row.accepts, row.maxLength, [this] { return Writable() && !showing_; }, dropped, field);
    SetHelpText(field, row.help);
    field->installEventFilter(this);
    texts_[f] = field;
  }
  const int digit = texts_[kDisplayL]->fontMetrics().horizontalAdvance("0000");
  texts_[kDisplayL]->setFixedWidth(digit + 12);
  texts_[kDisplayR]->setFixedWidth(digit / 2 + 12);
  for (int f : {kRxFreq, kTxFreq}) texts_[f]->setFixedWidth(3 * digit + 12);
}

void ChannelPane::PlaceFrequencies(QGridLayout* grid, int& row) {
  grid->addWidget(Label("lblCHDisplay", kDisplayL), row, 0);
  companions_[texts_[kDisplayR]] = companions_[texts_[kDisplayL]];
  auto* display = new QHBoxLayout;
  display->addWidget(texts_[kDisplayL]);
  display->addWidget(texts_[kDisplayR]);
  display->addStretch();
  grid->addLayout(display, row++, 1, 1, 2);
  grid->addWidget(Label("lblRxFreq", kRxFreq), row, 0);
  grid->addWidget(texts_[kRxFreq], row, 1);
  grid->addWidget(Label("lblRxMHz", "MHz", texts_[kRxFreq]), row++, 2);
  grid->addWidget(Label("lblTxFreq", kTxFreq), row, 0);
  grid->addWidget(texts_[kTxFreq], row, 1);
  grid->addWidget(Label("lblTxMHz", "MHz", texts_[kTxFreq]), row++, 2);
}

void ChannelPane::PlaceFlags(QGridLayout* grid, int& row) {
  for (Flag f : {kEnable, kLowPower, kPowUp, kTxEnable, kDuplex}) Check(f);
  grid->addWidget(flags_[kEnable], row++, 0, 1, 2);
  grid->addWidget(flags_[kLowPower], row, 0);
  grid->addWidget(flags_[kPowUp], row++, 1, 1, 2);
  // A programmable channel's transmit permission comes from the radio and is not the editor's
  // to give; without it Low Power Only means nothing, and this says why it is greyed. It takes
  // the place of Tx Enable and Duplex, which only marine channels show.
  txNote_ = new QLabel("Transmit is set in the radio; this channel receives only", this);
  txNote_->setObjectName("lblTxNote");
  txNote_->hide();
  grid->addWidget(txNote_, row, 0, 1, 5);
  grid->addWidget(flags_[kTxEnable], row, 0);
  grid->addWidget(flags_[kDuplex], row++, 1, 1, 2);
}

// Wide/Narrow and the tones: one box that only the MV710's programmable channels show.
QWidget* ChannelPane::BuildToneBox() {
  toneBox_ = new QWidget(this);
  toneBox_->setObjectName("fraTone");
  auto* tones = new QGridLayout(toneBox_);
  tones->setContentsMargins(0, 0, 0, 0);
  wide_ = new QRadioButton("Wide", toneBox_);
  wide_->setObjectName("optWide");
  narrow_ = new QRadioButton("Narrow", toneBox_);
  narrow_->setObjectName("optNarrow");
  for (QRadioButton* b : {wide_, narrow_}) SetHelpText(b, kArrowKeysHelp);
  auto* width = new QButtonGroup(toneBox_);
  width->addButton(wide_);
  width->addButton(narrow_);
  tones->addWidget(wide_, 0, 1);
  tones->addWidget(narrow_, 0, 2);
  tones->addWidget(new QLabel("CTCSS", toneBox_), 1, 1);
  tones->addWidget(new QLabel("DCS", toneBox_), 1, 2);
  ctcss_ = {List("cmbTxCTCSS", ToneEntries(false)), List("cmbRxCTCSS", ToneEntries(false))};
  dcs_ = {List("cmbTxDCS", ToneEntries(true)), List("cmbRxDCS", ToneEntries(true))};
  Check(kComp);
  auto* rxTone = Label("lblRxTone", "RX Tone", ctcss_[1]);
  auto* txTone = Label("lblTxTone", "TX Tone", ctcss_[0]);
  rxTone->setParent(toneBox_);
  txTone->setParent(toneBox_);
  tones->addWidget(rxTone, 2, 0);
  tones->addWidget(ctcss_[1], 2, 1);
  tones->addWidget(dcs_[1], 2, 2);
  tones->addWidget(flags_[kComp], 2, 3);
  tones->addWidget(txTone, 3, 0);
  tones->addWidget(ctcss_[0], 3, 1);
  tones->addWidget(dcs_[0], 3, 2);
  tones->setColumnStretch(4, 1);
  companions_[dcs_[1]] = companions_[ctcss_[1]];
  companions_[dcs_[0]] = companions_[ctcss_[0]];
  return toneBox_;
}

void ChannelPane::PlaceNameRows(QGridLayout* grid, int& row) {
  scramble_ = List("cmbScramble", {"Off", "0", "1", "2", "3"});
  grid->addWidget(Label("lblScramble", Caption("Scramble"), scramble_), row, 0);
  grid->addWidget(scramble_, row++, 1);
  grid->addWidget(Check(kScan), row++, 0, 1, 2);
  grid->addWidget(Label("lblCHName", kName), row, 0);
  grid->addWidget(texts_[kName], row++, 1, 1, 3);
  nameNotice_ = new QLabel(this);
  nameNotice_->setObjectName("lblCHNameNotice");
  nameNotice_->setWordWrap(true);
  grid->addWidget(nameNotice_, row++, 1, 1, 4);
}

void ChannelPane::changeEvent(QEvent* event) {
  // Showing a channel switches the pane off first: a notice belongs to one showing.
  if (event->type() == QEvent::EnabledChange && !isEnabled() && nameNotice_) nameNotice_->clear();
  Pane::changeEvent(event);
}

void ChannelPane::Step(int delta) {
  const int next = index_ + delta;
  const int count = Marine() ? kMarineSlots : static_cast<int>(Data().FourthGroup.size());
  if (next < 0 || next >= count || !selectNode_) return;
  // Showing the next channel switches the pane off and on, which sends the focus away; keep it
  // on the same field so that the keys can be pressed again.
  QWidget* focus = focusWidget();
  selectNode_(NavNode::ChannelOf(group_, next));
  if (!IsActive()) return;
  if (focus && focus->isVisible() && focus->isEnabled()) {
    focus->setFocus(Qt::OtherFocusReason);
  } else {
    flags_[kEnable]->setFocus(Qt::OtherFocusReason);
  }
}

}  // namespace qw
