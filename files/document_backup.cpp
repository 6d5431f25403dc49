// Document: putting back an image kept as a backup.
#include "files/document.h"
#include "files/document_messages.h"
#include "files/file_path.h"
#include "files/image_file.h"
#include "model/image_codec.h"

namespace qw {

Outcome Document::RestoreBackup(const std::string& path) {
  RadioData next = data_;
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
      return Outcome::Failed(FileReadErrorMessage());
  }
  DecodeImage(next);
  Replace(std::move(next), "Restore Backup");
  // The data set no longer comes from the file last opened or saved.
  CurrentFileName.clear();
  return Outcome::Ok();
}

}  // namespace qw
