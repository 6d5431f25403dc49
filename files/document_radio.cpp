// The transfer dialog's two procedures as document operations: read from and program to a radio.
#include <exception>

#include "files/document.h"
#include "link/clone_procedures.h"
#include "link/serial_link.h"
#include "model/image_codec.h"

namespace qw {
namespace {

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
// step that was running; the outcome flags follow the result.
template <typename Steps>
Outcome RunProcedure(Document& doc, SerialLink& link, Steps steps) {
  const char* location = "frmRadio.ReadDataChkModel";
  Outcome outcome;
  try {
    outcome = steps(location);
  } catch (const std::exception& e) {
    link.ClosePort();
    outcome = Unexpected(doc, location, e);
  }
  doc.OperationFailed = !outcome.ok();
  doc.OperationCancelled = outcome.cancelled();
  return outcome;
}

}  // namespace

Outcome Document::ReadFromRadio(SerialPort& port, const TransferControl& control) {
  OperationFailed = false;
  OperationCancelled = false;
  const int16_t series = data_.ModelSeries;
  SerialLink link(port, control, series);
  return RunProcedure(*this, link, [&](const char*& location) {
    Outcome outcome = StepOutcome(*this, ReadDataChkModel(link, series, kReadTitle));
    if (!outcome.ok()) return outcome;
    location = "frmRadio.ReadData";
    // Addresses the radio does not deliver keep the image's own bytes.
    Image buffer = data_.RadioImage;
    outcome = StepOutcome(*this, ReadData(link, buffer, data_.ImageLast));
    if (!outcome.ok()) return outcome;
    // The data set changes only once the whole read has succeeded, as one edit.
    RadioData next = data_;
    TakeOverReadImage(buffer, next.RadioImage, next.ImageLast);
    DecodeImage(next);
    Take(std::move(next), kReadTitle);
    return Outcome::Ok(Message{kComplete, kReadTitle, MessageIcon::Information});
  });
}

Outcome Document::ProgramToRadio(SerialPort& port, const TransferControl& control) {
  OperationFailed = false;
  OperationCancelled = false;
  const int16_t series = data_.ModelSeries;
  // The header checksum is made fresh each time, so it is right even when only data changed.
  PrepareImageForRadio(data_);
  SerialLink link(port, control, series);
  return RunProcedure(*this, link, [&](const char*& location) {
    Outcome outcome = StepOutcome(*this, ReadDataChkModel(link, series, kProgramToRadioTitle));
    if (!outcome.ok()) return outcome;
    location = "frmRadio.WriteData";
    outcome = StepOutcome(*this, WriteData(link, data_.RadioImage, series));
    if (!outcome.ok()) return outcome;
    return Outcome::Ok(Message{kComplete, kProgramToRadioTitle, MessageIcon::Information});
  });
}

}  // namespace qw
