#include "editor/transfer_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <algorithm>

#include "editor/edit_state.h"
#include "editor/prompter.h"
#include "editor/svg_picture.h"
#include "files/document.h"
#include "link/serial_port.h"
#include "link/transfer.h"

namespace qw {

namespace {

// Positions in twips (1/1440 inch), 15 to the pixel at 96 dpi.
constexpr int Px(int twips) {
  return twips / 15;
}
constexpr int kPictureTop = Px(1320);
constexpr int kLeftSlot = Px(450);
constexpr int kRightSlot = Px(4200);
constexpr int kPictureHeight = 100;
constexpr int kWideRadioWidth = 120;  // the third variant's radio picture
constexpr int kHandheldWidth = 64;
constexpr int kComputerWidth = 120;

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
  setFixedSize(455, 275);
  setWindowTitle(mode_ == Mode::Read ? "Read from Radio" : "Program to Radio");
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
  message_->setGeometry(14, 8, 427, 76);
  message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  radio_ = new SvgPicture(this);
  radio_->setObjectName("pictHandy");
  radio_->Load(Traits(series).wideRadioPicture ? ":/art/radio_wide.svg" : ":/art/radio.svg");
  computer_ = new SvgPicture(this);
  computer_->setObjectName("pictB");
  computer_->Load(":/art/computer.svg");

  // The bar slides in from the left inside its box, like data running along the cable.
  const QRect box(kLeftSlot + kWideRadioWidth + 12, kPictureTop + 40,
                  kRightSlot - kLeftSlot - kWideRadioWidth - 24, 16);
  auto* frame = new QFrame(this);
  frame->setObjectName("fraProgress");
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setGeometry(box.adjusted(-2, -2, 2, 2));
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
  phase_->setGeometry(14, kPictureTop + kPictureHeight + 8, 427, 20);
  phase_->setAlignment(Qt::AlignCenter);

  auto button = [&](const char* name, const char* caption, int left) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(left, 232, 90, 28);
    b->setAutoDefault(false);
    return b;
  };
  ok_ = button("cmdOK", "OK", 455 - 3 * 100 - 5);
  cancel_ = button("cmdCancel", "Cancel", 455 - 2 * 100 - 5);
  help_ = button("cmdHelp", "Help", 455 - 100 - 5);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &TransferDialog::Start);
  connect(cancel_, &QPushButton::clicked, this, &TransferDialog::reject);
  connect(help_, &QPushButton::clicked, this, &TransferDialog::OnHelp);
}

void TransferDialog::PlacePictures(int16_t series) {
  const int radioWidth = Traits(series).wideRadioPicture ? kWideRadioWidth : kHandheldWidth;
  const int radioLeft = mode_ == Mode::Read ? kLeftSlot : kRightSlot;
  const int computerLeft = mode_ == Mode::Read ? kRightSlot : kLeftSlot;
  // The handheld stands centred where the wider radio picture would stand.
  radio_->setGeometry(radioLeft + (kWideRadioWidth - radioWidth) / 2, kPictureTop, radioWidth,
                      kPictureHeight);
  computer_->setGeometry(computerLeft, kPictureTop, kComputerWidth, kPictureHeight);
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
  prompter_.Show(this, {"Unable to display Help Contents. There is no Help associated with this "
                        "project.",
                        windowTitle().toStdString(), MessageIcon::Information});
}

}  // namespace qw
