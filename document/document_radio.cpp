// The transfer dialog's two procedures as document operations: read from and program to a radio,
// with the backups kept around them and the read-back after programming.
#include <cstdio>
#include <exception>

#include "document/backups.h"
#include "document/document.h"
#include "link/clone_procedures.h"
#include "link/serial_link.h"
#include "model/image_codec.h"

namespace qw {
namespace {

// How many differing addresses a verify failure names.
constexpr std::size_t kAddressesNamed = 8;

// A failure the procedure did not expect (the port breaking in an odd way): logged, shown, and
// treated as a stop.
Outcome Unexpected(const Document& doc, const char* location, const std::exception& e) {
  doc.WriteErrorLog(location, e.what());
  return Outcome::Cancelled(Message{e.what(), kProgramTitle, MessageIcon::Stop});
}

// The outcome of one clone step; a port that would not open is worth a line in the log.
Outcome StepOutcome(const Document& doc, const CloneResult& result) {
  if (!result.portError.empty()) doc.WriteErrorLog("frmRadio.PortOpen", result.portError);
  return result.outcome;
}

// Runs a procedure's steps. An unexpected error ends it as a logged stop at the location of the
// step that was running.
template <typename Steps>
Outcome RunProcedure(const Document& doc, SerialLink& link, Steps steps) {
  const char* location = "frmRadio.ReadDataChkModel";
  try {
    return steps(location);
  } catch (const std::exception& e) {
    link.ClosePort();
    return Unexpected(doc, location, e);
  }
}

// Keeps the image as a backup when a folder is given; a backup that cannot be written is said
// once and never fails the transfer.
void Backup(const TransferOptions& options, int16_t series, const Image& image, BackupKind kind,
            std::vector<Message>& notes) {
  if (options.backupFolder.empty()) return;
  const auto when = options.now ? options.now() : std::chrono::system_clock::now();
  const BackupWritten written = KeepBackup(options.backupFolder, series, image, kind, when);
  if (written.ok) {
    notes.push_back({written.path.string(), kBackupNote, MessageIcon::Information});
  } else {
    notes.push_back(
        {"The backup was not kept: " + written.error, kBackupNote, MessageIcon::Exclamation});
  }
}

std::string VerifyErrorText(const std::vector<int32_t>& differing) {
  std::string text = std::string(kVerifyError) + "\n" + std::to_string(differing.size()) +
                     (differing.size() == 1 ? " byte differs" : " bytes differ") + ", at ";
  for (std::size_t i = 0; i < differing.size() && i < kAddressesNamed; ++i) {
    char address[16];
    std::snprintf(address, sizeof address, "%s0x%04X", i ? ", " : "",
                  static_cast<unsigned>(differing[i]));
    text += address;
  }
  return text + (differing.size() > kAddressesNamed ? ", ..." : "");
}

// Reads back what the program run wrote. The programming itself stands whatever happens here:
// a radio that stops answering only leaves it unverified.
Outcome Verify(SerialLink& link, const Image& image, int16_t series) {
  std::vector<int32_t> differing;
  const Outcome read = VerifyData(link, image, series, differing).outcome;
  const Message complete{kComplete, kProgramToRadioTitle, MessageIcon::Information};
  Outcome outcome = Outcome::Ok(complete);
  if (read.ok() && differing.empty()) {
    outcome.notes.push_back({kVerified, kVerifyNote, MessageIcon::Information});
  } else if (read.ok()) {
    outcome = Outcome::Failed(
        Message{VerifyErrorText(differing), kProgramToRadioTitle, MessageIcon::Stop});
  } else {
    outcome.notes.push_back({read.cancelled()
                                 ? "not verified: the read-back was cancelled"
                                 : "not verified: the radio did not answer the read-back",
                             kVerifyNote, MessageIcon::Exclamation});
  }
  return outcome;
}

}  // namespace

bool WasVerified(const Outcome& outcome) {
  for (const Message& note : outcome.notes) {
    if (note.Title == kVerifyNote && note.Text == kVerified) return true;
  }
  return false;
}

RadioRead Document::ReadRadio(SerialPort& port, const TransferControl& control,
                              const TransferOptions& options) const {
  RadioRead result{Outcome::Ok(), data_};
  RadioData& next = result.data;
  const int16_t series = next.ModelSeries;
  SerialLink link(port, control, series);
  std::vector<Message> notes;
  result.outcome = RunProcedure(*this, link, [&](const char*& location) {
    Outcome outcome = StepOutcome(*this, ReadDataChkModel(link, series, kReadTitle));
    if (!outcome.ok()) return outcome;
    location = "frmRadio.ReadData";
    // Addresses the radio does not deliver keep the image's own bytes.
    Image buffer = next.RadioImage;
    outcome = StepOutcome(*this, ReadData(link, buffer, next.ImageLast));
    if (!outcome.ok()) return outcome;
    Backup(options, series, buffer, BackupKind::Read, notes);
    TakeOverReadImage(buffer, next.RadioImage, next.ImageLast);
    DecodeImage(next);
    return Outcome::Ok(Message{kComplete, kReadTitle, MessageIcon::Information});
  });
  if (!result.outcome.ok()) next = data_;
  result.outcome.notes = std::move(notes);
  return result;
}

Outcome Document::ReadFromRadio(SerialPort& port, const TransferControl& control,
                                const TransferOptions& options) {
  RadioRead read = ReadRadio(port, control, options);
  if (read.outcome.ok()) TakeRead(std::move(read.data));
  return read.outcome;
}

void Document::TakeRead(RadioData next) {
  Take(std::move(next), kReadTitle);
  SetFileName({});
  MarkUnmodified();
}

Outcome Document::ProgramRadio(RadioData snapshot, SerialPort& port, const TransferControl& control,
                               const TransferOptions& options) const {
  const int16_t series = snapshot.ModelSeries;
  // The header checksum is made fresh each time, so it is right even when only data changed.
  PrepareImageForRadio(snapshot);
  const Image& image = snapshot.RadioImage;

  // With a read-back the bar shows the writing in its first half and the reading in its second.
  int half = 0;
  TransferControl steps = control;
  if (options.verify && control.Progress) {
    steps.Progress = [&half, &control](int percent) { control.Progress(half + percent / 2); };
  }
  SerialLink link(port, steps, series);
  std::vector<Message> notes;
  Outcome outcome = RunProcedure(*this, link, [&](const char*& location) {
    Outcome step = StepOutcome(*this, ReadDataChkModel(link, series, kProgramToRadioTitle));
    if (!step.ok()) return step;
    Backup(options, series, image, BackupKind::Program, notes);
    location = "frmRadio.WriteData";
    step = StepOutcome(*this, WriteData(link, image, series));
    if (!step.ok()) return step;
    if (!options.verify) {
      return Outcome::Ok(Message{kComplete, kProgramToRadioTitle, MessageIcon::Information});
    }
    location = "frmRadio.VerifyData";
    half = 50;
    return Verify(link, image, series);
  });
  notes.insert(notes.end(), outcome.notes.begin(), outcome.notes.end());
  outcome.notes = std::move(notes);
  return outcome;
}

Outcome Document::ProgramToRadio(SerialPort& port, const TransferControl& control,
                                 const TransferOptions& options) {
  return ProgramRadio(data_, port, control, options);
}

}  // namespace qw
