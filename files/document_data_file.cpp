// Document: opening and saving the data file.
#include <cerrno>
#include <system_error>

#include "files/atomic_file.h"
#include "files/data_file_parser.h"
#include "files/data_file_reader.h"
#include "files/data_file_writer.h"
#include "files/document.h"
#include "files/document_messages.h"
#include "files/profile_file.h"

namespace qw {

Outcome Document::OpenDataFile(const std::string& path) {
  // Cancelled until the command completes, so an abnormal end leaves it set.
  OperationCancelled = true;
  OperationFailed = false;
  Outcome model = CheckFileModel(path, data_.ModelSeries);
  if (!model.ok()) {
    OperationFailed = true;
    return model;
  }
  ParseFailure failure = ParseFailure::None;
  FileError error;
  auto table = ParseDataFile(path, &failure, &error);
  if (!table) {
    if (failure == ParseFailure::TooLarge) {
      error = FileError{EFBIG, std::generic_category().message(EFBIG)};
    }
    OperationFailed = true;
    WriteErrorLog("frmMain.FileRead2", error.LogText());
    return Outcome::Failed(FileReadErrorMessage());
  }
  OverlayDataFile(*table, data_);
  CurrentFileName = path;
  OperationCancelled = false;
  return Outcome::Ok();
}

Outcome Document::SaveDataFile(const std::string& path) {
  OperationCancelled = true;
  OperationFailed = false;
  FileError error;
  if (!WriteFileAtomically(path, DataFileText(data_), &error)) {
    OperationFailed = true;
    WriteErrorLog("frmMain.SaveFileAs", error.LogText());
    return Outcome::Failed(FileSaveErrorMessage());
  }
  CurrentFileName = path;
  OperationCancelled = false;
  return Outcome::Ok();
}

}  // namespace qw
