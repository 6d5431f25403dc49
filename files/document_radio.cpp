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

}  // namespace

Outcome Document::ReadFromRadio(SerialPort& port, const TransferControl& control) {
  OperationFailed = false;
  OperationCancelled = false;
  const int16_t series = data_.ModelSeries;
  SerialLink link(port, control, series);
  Outcome outcome;
  const char* location = "frmRadio.ReadDataChkModel";
  try {
    CloneResult check = ReadDataChkModel(link, series, kReadTitle);
    if (!check.portError.empty()) WriteErrorLog("frmRadio.PortOpen", check.portError);
    outcome = check.outcome;
    if (outcome.ok()) {
      location = "frmRadio.ReadData";
      // Addresses the radio does not deliver keep the image's own bytes.
      Image buffer = data_.RadioImage;
      CloneResult read = ReadData(link, buffer, data_.ImageLast);
      if (!read.portError.empty()) WriteErrorLog("frmRadio.PortOpen", read.portError);
      outcome = read.outcome;
      if (outcome.ok()) {
        TakeOverReadImage(buffer, data_.RadioImage, data_.ImageLast);
        DecodeImage(data_);
        outcome = Outcome::Ok(Message{kComplete, kReadTitle, MessageIcon::Information});
      }
    }
  } catch (const std::exception& e) {
    link.ClosePort();
    outcome = Unexpected(*this, location, e);
  }
  OperationFailed = !outcome.ok();
  OperationCancelled = outcome.cancelled();
  return outcome;
}

Outcome Document::ProgramToRadio(SerialPort& port, const TransferControl& control) {
  OperationFailed = false;
  OperationCancelled = false;
  const int16_t series = data_.ModelSeries;
  // The header checksum is made fresh each time, so it is right even when only data changed.
  PrepareImageForRadio(data_);
  SerialLink link(port, control, series);
  Outcome outcome;
  const char* location = "frmRadio.ReadDataChkModel";
  try {
    CloneResult check = ReadDataChkModel(link, series, kProgramToRadioTitle);
    if (!check.portError.empty()) WriteErrorLog("frmRadio.PortOpen", check.portError);
    outcome = check.outcome;
    if (outcome.ok()) {
      location = "frmRadio.WriteData";
      CloneResult write = WriteData(link, data_.RadioImage, series);
      if (!write.portError.empty()) WriteErrorLog("frmRadio.PortOpen", write.portError);
      outcome = write.outcome;
      if (outcome.ok()) {
        outcome = Outcome::Ok(Message{kComplete, kProgramToRadioTitle, MessageIcon::Information});
      }
    }
  } catch (const std::exception& e) {
    link.ClosePort();
    outcome = Unexpected(*this, location, e);
  }
  OperationFailed = !outcome.ok();
  OperationCancelled = outcome.cancelled();
  return outcome;
}

}  // namespace qw
