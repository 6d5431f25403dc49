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

Outcome Document::LoadDestination(const std::string& name) {
  const Outcome refused = Outcome::Failed(IniFileReadErrorMessage());
  std::filesystem::path path = FindDestinationFile(programFolder_, name, data_.ModelSeries);
  std::error_code sized;
  (void)std::filesystem::file_size(path, sized);
  if (sized) {
    // A missing or inaccessible file is an unexpected error, worth a line in the log.
    WriteErrorLog("frmMain.FileReadIni", std::to_string(sized.value()) + sized.message());
    return refused;
  }
  RadioData next = data_;
  if (ReadImageFile(path, next.ModelSeries, next.RadioImage) != ImageFileStatus::Ok) {
    return refused;
  }
  DecodeImage(next);
  Take(std::move(next), "Destination " + name);
  return Outcome::Ok();
}

Outcome Document::SwitchDestination(const std::string& name) {
  // Built aside: a destination that cannot be loaded leaves the user's data as it was.
  RadioData kept = std::move(data_);
  BuildNewDataSet(data_, kept.ModelSeries);
  Outcome loaded = LoadDestination(name);
  if (!loaded.ok()) {
    data_ = std::move(kept);
    return loaded;
  }
  CurrentFileName.clear();
  return loaded;
}

}  // namespace qw
