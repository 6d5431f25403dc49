#include "editor/transfer_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <algorithm>

#include "document/document.h"
#include "editor/edit_state.h"
#include "editor/prompter.h"
#include "editor/svg_picture.h"
#include "link/serial_port.h"
#include "link/transfer.h"

namespace qw {

namespace {

// The layout, top to bottom: the instructions, the radio and the computer with the progress bar
// between them, the phase, and the buttons in the bottom right corner. Boxes that hold text are
// at least as large as their text in the dialog's font; the pictures keep their own sizes.
constexpr int kDialogWidth = 455;
constexpr int kTextMargin = 14;  // left and right of the instructions and the phase
constexpr int kTextWidth = kDialogWidth - 2 * kTextMargin;
constexpr int kInstructionsTop = 8;
constexpr int kInstructionsMinHeight = 76;
constexpr int kPicturesBelowInstructions = 4;
// Both pictures stand in slots of the wide pictures' width; which slot holds which follows the
// direction of the data.
constexpr int kLeftSlot = 30;
constexpr int kRightSlot = 280;
constexpr int kWidePictureWidth = 120;  // the computer, and the third variant's radio
constexpr int kHandheldWidth = 64;
constexpr int kPictureHeight = 100;
// The bar runs between the slots, a little above the pictures' middle.
constexpr int kBarInset = 12;
constexpr int kBarBelowPictureTop = 40;
constexpr int kBarHeight = 16;
constexpr int kBarFrame = 2;
constexpr int kPhaseBelowPictures = 8;
constexpr int kPhaseMinHeight = 20;
constexpr int kButtonsBelowPhase = 16;
constexpr int kButtonMinWidth = 90;
constexpr int kButtonMinHeight = 28;
constexpr int kButtonGap = 10;
constexpr int kButtonsMargin = 15;  // right and below the buttons

int PicturesTop(const QLabel* instructions) {
  return instructions->geometry().bottom() + 1 + kPicturesBelowInstructions;
}

// A programming that could not be read back still shows "Complete!!", with the warning; one
// that was read back says so.
Message ShownMessage(const Outcome& outcome) {
  Message shown = *outcome.message;
  if (WasVerified(outcome))
    shown.Text += "\n\nVerified: the radio was read back and holds what was programmed.";
  for (const Message& note : outcome.notes) {
    if (note.Title == kVerifyNote && note.Icon == MessageIcon::Exclamation) {
      shown.Text += "\n\n" + note.Text;
      shown.Icon = MessageIcon::Exclamation;
    }
  }
  return shown;
}

}  // namespace

QString TransferDialog::Instructions(int16_t series) {
  return QString("1.Connect the ZOK cable between the PC serial port and the radio.\r\n") +
         Traits(series).cloneModeSteps + "3.Press the [OK] button to start.";
}

TransferDialog::TransferDialog(Document& doc, EditState& state, Prompter& prompter, Mode mode,
                               PortFactory openPort, EditorTimings timings,
                               std::function<bool()> showHelp, const SteadyClock* clock,
                               QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      state_(state),
      prompter_(prompter),
      mode_(mode),
      openPort_(std::move(openPort)),
      timings_(timings),
      showHelp_(std::move(showHelp)),
      clock_(clock) {
  setObjectName("frmRadio");
  setModal(true);
  setWindowTitle(mode_ == Mode::Read ? kReadTitle : kProgramToRadioTitle);
  BuildControls(doc_.Series());
  PlacePictures(doc_.Series());
  ShowProgress(0);
}

TransferDialog::~TransferDialog() {
  if (worker_) {
    cancelFlag_ = true;
    worker_->wait();
  }
}

void TransferDialog::BuildControls(int16_t series) {
  message_ = new QLabel(Instructions(series).replace("\r\n", "\n"), this);
  message_->setObjectName("lblmess");
  message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  const int instructionsHeight = std::max(kInstructionsMinHeight, message_->sizeHint().height());
  message_->setGeometry(kTextMargin, kInstructionsTop, kTextWidth, instructionsHeight);
  const int picturesTop = PicturesTop(message_);

  radio_ = new SvgPicture(this);
  radio_->setObjectName("pictHandy");
  radio_->Load(Traits(series).wideRadioPicture ? ":/art/radio_wide.svg" : ":/art/radio.svg");
  computer_ = new SvgPicture(this);
  computer_->setObjectName("pictB");
  computer_->Load(":/art/computer.svg");

  // The bar slides in from the left inside its box, like data running along the cable.
  const QRect box(kLeftSlot + kWidePictureWidth + kBarInset, picturesTop + kBarBelowPictureTop,
                  kRightSlot - kLeftSlot - kWidePictureWidth - 2 * kBarInset, kBarHeight);
  auto* frame = new QFrame(this);
  frame->setObjectName("fraProgress");
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setGeometry(box.adjusted(-kBarFrame, -kBarFrame, kBarFrame, kBarFrame));
  progressBox_ = new QWidget(this);
  progressBox_->setObjectName("pictProgress");
  progressBox_->setGeometry(box);
  progressBox_->setAutoFillBackground(true);
  progressBox_->setBackgroundRole(QPalette::Base);
  progressBar_ = new QLabel(progressBox_);
  progressBar_->setObjectName("lblPercent");
  progressBar_->setAutoFillBackground(true);
  progressBar_->setBackgroundRole(QPalette::Highlight);
  progressBar_->resize(progressBox_->size());
  phase_ = new QLabel(this);
  phase_->setObjectName("lblPhase");
  const int phaseTop = picturesTop + kPictureHeight + kPhaseBelowPictures;
  const int phaseHeight = std::max(kPhaseMinHeight, fontMetrics().height());
  phase_->setGeometry(kTextMargin, phaseTop, kTextWidth, phaseHeight);
  phase_->setAlignment(Qt::AlignCenter);

  PlaceButtons(phaseTop + phaseHeight + kButtonsBelowPhase);
}

// OK, Cancel and Help at the given top, from the right edge; the dialog ends below them.
void TransferDialog::PlaceButtons(int buttonsTop) {
  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("cmdOK");
  cancel_ = new QPushButton("Cancel", this);
  cancel_->setObjectName("cmdCancel");
  help_ = new QPushButton("Help", this);
  help_->setObjectName("cmdHelp");
  // One size for all three, enough for the widest caption; placed from the right edge.
  QSize buttonSize(kButtonMinWidth, kButtonMinHeight);
  for (QPushButton* b : {ok_, cancel_, help_}) buttonSize = buttonSize.expandedTo(b->sizeHint());
  int right = kDialogWidth - kButtonsMargin;
  for (QPushButton* b : {help_, cancel_, ok_}) {
    b->setGeometry(right - buttonSize.width(), buttonsTop, buttonSize.width(), buttonSize.height());
    b->setAutoDefault(false);
    right -= buttonSize.width() + kButtonGap;
  }
  setFixedSize(kDialogWidth, buttonsTop + buttonSize.height() + kButtonsMargin);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &TransferDialog::Start);
  connect(cancel_, &QPushButton::clicked, this, &TransferDialog::reject);
  connect(help_, &QPushButton::clicked, this, &TransferDialog::OnHelp);
}

void TransferDialog::PlacePictures(int16_t series) {
  const int radioWidth = Traits(series).wideRadioPicture ? kWidePictureWidth : kHandheldWidth;
  const int radioLeft = mode_ == Mode::Read ? kLeftSlot : kRightSlot;
  const int computerLeft = mode_ == Mode::Read ? kRightSlot : kLeftSlot;
  const int picturesTop = PicturesTop(message_);
  // The handheld stands centred where the wider radio picture would stand.
  radio_->setGeometry(radioLeft + (kWidePictureWidth - radioWidth) / 2, picturesTop, radioWidth,
                      kPictureHeight);
  computer_->setGeometry(computerLeft, picturesTop, kWidePictureWidth, kPictureHeight);
}

void TransferDialog::ShowProgress(int percent) {
  progress_ = std::clamp(percent, 0, 100);
  const int w = progressBox_->width();
  progressBar_->move(w * progress_ / 100 - w, 0);
  phase_->setText(PhaseText());
}

QString TransferDialog::PhaseText(Mode mode, bool verify, int percent) {
  if (mode == Mode::Read) return QString("Reading %1%").arg(percent);
  if (!verify) return QString("Programming %1%").arg(percent);
  if (percent <= 50) return QString("Programming %1%").arg(percent * 2);
  return QString("Verifying %1%").arg((percent - 50) * 2);
}

void TransferDialog::Start() {
  if (running_) return;
  running_ = true;
  state_.ResetBusy = true;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  ok_->setEnabled(false);
  help_->setEnabled(false);
  cancelFlag_ = false;
  verifying_ = mode_ == Mode::Program && transferOptions_.verify;
  ShowProgress(0);

  // The worker never touches the Document: a program run sends a snapshot taken now, and a read
  // hands back a data set that the Document takes here, on the window's thread, when it is whole.
  worker_ = QThread::create([this, snapshot = doc_.Data(), options = transferOptions_] {
    TransferControl control;
    control.Cancel = &cancelFlag_;
    control.Clock = clock_;
    control.Progress = [this](int percent) {
      QMetaObject::invokeMethod(
          this, [this, percent] { ShowProgress(percent); }, Qt::QueuedConnection);
    };
    std::unique_ptr<SerialPort> port = openPort_();
    auto read = std::make_shared<RadioRead>(RadioRead{Outcome::Failed(), {}});
    if (port) {
      if (mode_ == Mode::Read) {
        *read = doc_.ReadRadio(*port, control, options);
      } else {
        read->outcome = doc_.ProgramRadio(snapshot, *port, control, options);
      }
      port.reset();
    }
    QMetaObject::invokeMethod(
        this, [this, read] { Finish(*read); }, Qt::QueuedConnection);
  });
  worker_->setObjectName("TransferWorker");
  worker_->start();
}

void TransferDialog::Finish(RadioRead& result) {
  worker_->wait();
  delete worker_;
  worker_ = nullptr;
  if (mode_ == Mode::Read && result.outcome.ok()) {
    if (takeRead_) {
      takeRead_(std::move(result.data));
    } else {
      doc_.TakeRead(std::move(result.data));
    }
  }
  const Outcome outcome = result.outcome;
  auto done = [this, outcome] {
    QApplication::restoreOverrideCursor();
    if (outcome.message) prompter_.Show(this, ShownMessage(outcome));
    emit RunEnded(outcome);
    ok_->setEnabled(true);
    help_->setEnabled(true);
    state_.ResetBusy = false;
    running_ = false;
    ShowProgress(0);
    if (outcome.ok()) {
      transferDone_ = true;
      accept();
    }
  };
  // A short pause lets the user see the full bar before the message.
  if (outcome.ok() && timings_.pauseMs > 0) {
    QTimer::singleShot(timings_.pauseMs, this, done);
  } else {
    done();
  }
}

void TransferDialog::reject() {
  if (running_) {
    cancelFlag_ = true;
    return;
  }
  QDialog::reject();
}

void TransferDialog::closeEvent(QCloseEvent* event) {
  if (running_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TransferDialog::OnHelp() {
  if (showHelp_ && showHelp_()) return;
  prompter_.Show(this, {kNoHelp, windowTitle().toStdString(), MessageIcon::Information});
}

}  // namespace qw
