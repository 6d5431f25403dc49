// frmRadio: tells the user how to put the radio into clone mode and runs the read or the program
// run on a worker thread, with a sliding progress bar, Cancel and Help.
#pragma once

#include <QDialog>
#include <atomic>
#include <functional>

#include "document/radio_transfer.h"
#include "editor/editor_options.h"
#include "link/cancel_flag.h"
#include "model/outcome.h"

class QLabel;
class QPushButton;
class QThread;

namespace qw {

class Document;
class Prompter;
class SteadyClock;
class SvgPicture;
struct EditState;

class TransferDialog final : public QDialog {
  Q_OBJECT
 public:
  enum class Mode { Read, Program };

  TransferDialog(Document& doc, EditState& state, Prompter& prompter, Mode mode,
                 PortFactory openPort, EditorTimings timings, std::function<bool()> showHelp,
                 const SteadyClock* clock = nullptr, QWidget* parent = nullptr);
  ~TransferDialog() override;

  // A read or program run succeeded.
  bool TransferDone() const { return transferDone_; }
  bool Running() const { return running_; }
  // The bar's percent as shown, 0..100, over the whole run.
  int Progress() const { return progress_; }
  // What the run is doing and how far that is ("Programming 40%"); empty when idle.
  QString PhaseText() const {
    return running_ ? PhaseText(mode_, verifying_, progress_) : QString();
  }
  // The same for a run's bar at percent; with a read-back the bar holds the writing in its
  // first half and the reading in its second, and each phase counts from 0 to 100 of its own.
  static QString PhaseText(Mode mode, bool verify, int percent);

  // Backups and the read-back after programming; set before OK is pressed.
  void SetTransferOptions(TransferOptions options) { transferOptions_ = std::move(options); }
  // How a whole read is taken into the document; without one, the Document takes it as it is.
  void SetReadTaker(std::function<void(RadioData)> take) { takeRead_ = std::move(take); }

  // The operator instructions for a series.
  static QString Instructions(int16_t series);

 signals:
  // Every run that ended, with its notes (backups kept, the read-back).
  void RunEnded(const qw::Outcome& outcome);

 public slots:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls(int16_t series);
  void PlaceButtons(int buttonsTop);
  void PlacePictures(int16_t series);
  void ShowProgress(int percent);
  void Start();
  void Finish(RadioRead& result);
  void OnHelp();

  Document& doc_;
  EditState& state_;
  Prompter& prompter_;
  const Mode mode_;
  PortFactory openPort_;
  EditorTimings timings_;
  std::function<bool()> showHelp_;
  const SteadyClock* clock_ = nullptr;

  QLabel* message_ = nullptr;
  QWidget* progressBox_ = nullptr;
  QLabel* progressBar_ = nullptr;
  QLabel* phase_ = nullptr;
  SvgPicture* radio_ = nullptr;
  SvgPicture* computer_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* help_ = nullptr;

  CancelFlag cancelFlag_;
  TransferOptions transferOptions_;
  std::function<void(RadioData)> takeRead_;
  QThread* worker_ = nullptr;
  bool running_ = false;
  bool transferDone_ = false;
  bool verifying_ = false;  // this run reads back what it programmed
  int progress_ = 0;
};

}  // namespace qw
