// Document: the destination images that come with the program.
#include "files/document.h"
#include "files/document_messages.h"
#include "files/image_file.h"
#include "model/channel_plans.h"
#include "model/image_codec.h"

namespace qw {

std::vector<std::string> Document::DestinationNames() const {
  return ListDestinationNames(programFolder_, data_.ModelSeries);
}

bool Document::LoadDestination(const std::string& name) {
  std::filesystem::path path = FindDestinationFile(programFolder_, name, data_.ModelSeries);
  std::error_code sized;
  (void)std::filesystem::file_size(path, sized);
  if (sized) {
    // A missing or inaccessible file is an unexpected error, worth a line in the log.
    OperationFailed = true;
    OperationCancelled = true;
    WriteErrorLog("frmMain.FileReadIni", std::to_string(sized.value()) + sized.message());
    return false;
  }
  const bool failedBefore = OperationFailed;
  OperationFailed = false;
  RadioData next = data_;
  ImageFileStatus status = ReadImageFile(path, next.ModelSeries, next.RadioImage);
  if (status == ImageFileStatus::WrongLength) {
    // Refused before the load began: the flags stay as they were.
    OperationFailed = failedBefore;
    return false;
  }
  if (status != ImageFileStatus::Ok) {
    OperationFailed = true;
    return false;
  }
  DecodeImage(next);
  Take(std::move(next), "Destination " + name);
  return true;
}

Outcome Document::SwitchDestination(const std::string& name) {
  // Built aside: a destination that cannot be loaded leaves the user's data as it was.
  RadioData kept = std::move(data_);
  BuildNewDataSet(data_, kept.ModelSeries);
  if (!LoadDestination(name)) {
    data_ = std::move(kept);
    return Outcome::Failed(IniFileReadErrorMessage());
  }
  CurrentFileName.clear();
  return Outcome::Ok();
}

}  // namespace qw
