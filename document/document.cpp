// Document: construction, a new data set, the error log and the raw image file.
#include "document/document.h"

#include "document/document_messages.h"
#include "document/error_log.h"
#include "formats/file_path.h"
#include "formats/image_file.h"
#include "model/channel_plans.h"
#include "model/image_codec.h"

namespace qw {

Document::Document(std::filesystem::path programFolder, bool debug)
    : programFolder_(std::move(programFolder)), debug_(debug) {
  BuildNewDataSet(data_, data_.ModelSeries);
}

void Document::NewDataSet(int16_t series) {
  RadioData next;
  BuildNewDataSet(next, series);
  Take(std::move(next), "New");
  SetFileName({});
}

void Document::WriteErrorLog(const std::string& location, const std::string& message) const {
  if (!debug_) return;
  if (errorLogFolder_.empty()) {
    AppendErrorLog(programFolder_ / kErrorLogName, location, message);
    return;
  }
  std::error_code ignored;
  std::filesystem::create_directories(errorLogFolder_, ignored);
  AppendErrorLog(errorLogFolder_ / kErrorLogName, location, message);
}

Outcome Document::ReadImageOver(const std::string& path, RadioData& next) {
  next = data_;
  FileError error;
  switch (ReadImageFile(PathFromUtf8(path), next.ModelSeries, next.RadioImage, &error)) {
    case ImageFileStatus::Ok:
      break;
    case ImageFileStatus::WrongLength:
      return Outcome::Failed(BadFileMessage());
    case ImageFileStatus::WrongModel:
      return Outcome::Failed(ModelTypeErrorMessage());
    case ImageFileStatus::Unreadable:
      WriteErrorLog("frmMain.ReadHexFileAs", error.LogText());
      return Outcome::Failed(FileReadErrorMessage(path, error));
  }
  DecodeImage(next);
  return Outcome::Ok();
}

Outcome Document::LoadRawImage(const std::string& path) {
  RadioData next;
  if (Outcome read = ReadImageOver(path, next); !read.ok()) return read;
  Take(std::move(next), "Load Image");
  SetFileName(path);
  return Outcome::Ok();
}

Outcome Document::SaveRawImage(const std::string& path) {
  // The file reflects unsaved edits and carries a fresh header checksum, exactly as the radio
  // would be programmed.
  PrepareImageForRadio(data_);
  FileError error;
  if (!WriteImageFile(PathFromUtf8(path), data_.ModelSeries, data_.RadioImage, &error)) {
    WriteErrorLog("frmMain.SaveHexFileAs", error.LogText());
    return Outcome::Failed(FileSaveErrorMessage(path, error));
  }
  return Outcome::Ok();
}

}  // namespace qw
