// Document: opening and saving the data file.
#include <cerrno>
#include <system_error>

#include "document/document.h"
#include "document/document_messages.h"
#include "formats/atomic_file.h"
#include "formats/bounded_read.h"
#include "formats/data_file_parser.h"
#include "formats/data_file_reader.h"
#include "formats/data_file_writer.h"
#include "formats/file_path.h"
#include "formats/profile_file.h"

namespace qw {

Outcome Document::OpenDataFile(const std::string& path) {
  // One read serves the model check and the parse. A file that cannot be read is reported as
  // such, not as a file of another model.
  std::string bytes;
  FileError error;
  ReadStatus status = ReadFileBounded(PathFromUtf8(path), kMaxTextFileBytes, bytes, &error);
  if (status == ReadStatus::Failed) {
    WriteErrorLog("frmMain.FileRead2", error.LogText());
    return Outcome::Failed(FileReadErrorMessage(path, error));
  }
  Outcome model = CheckFileModelText(bytes, data_.ModelSeries);
  if (!model.ok()) {
    return model;
  }
  std::optional<DataFileSectionTable> table;
  if (status == ReadStatus::Ok) table = ParseDataFileText(bytes);
  if (!table) {
    // Far more than any data file holds: refused rather than read in part.
    error = FileError{EFBIG, std::generic_category().message(EFBIG)};
    WriteErrorLog("frmMain.FileRead2", error.LogText());
    return Outcome::Failed(FileReadErrorMessage(path, error));
  }
  RadioData next = data_;
  OverlayDataFile(*table, next);
  Take(std::move(next), "Open");
  SetFileName(path);
  return Outcome::Ok();
}

Outcome Document::WriteFileOrFail(const std::string& path, const std::string& text,
                                  const char* location) {
  FileError error;
  if (WriteFileAtomically(PathFromUtf8(path), text, &error)) return Outcome::Ok();
  WriteErrorLog(location, error.LogText());
  return Outcome::Failed(FileSaveErrorMessage(path, error));
}

Outcome Document::SaveDataFile(const std::string& path) {
  Outcome written = WriteFileOrFail(path, DataFileText(data_), "frmMain.SaveFileAs");
  if (written.ok()) SetFileName(path);
  return written;
}

}  // namespace qw
