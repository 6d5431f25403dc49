// Document: the destination images that come with the program.
#include "document/document.h"
#include "document/document_messages.h"
#include "formats/image_file.h"
#include "model/channel_plans.h"
#include "model/image_codec.h"

namespace qw {

std::vector<std::string> Document::DestinationNames() const {
  return ListDestinationNames(programFolder_, data_.ModelSeries);
}

Outcome Document::LoadDestinationInto(const std::string& name, RadioData& next) const {
  std::filesystem::path path = FindDestinationFile(programFolder_, name, next.ModelSeries);
  std::error_code sized;
  (void)std::filesystem::file_size(path, sized);
  if (sized) {
    // A missing or inaccessible file is an unexpected error, worth a line in the log.
    WriteErrorLog("frmMain.FileReadIni", std::to_string(sized.value()) + sized.message());
    return Outcome::Failed(IniFileReadErrorMessage());
  }
  if (ReadImageFile(path, next.ModelSeries, next.RadioImage) != ImageFileStatus::Ok) {
    return Outcome::Failed(IniFileReadErrorMessage());
  }
  DecodeImage(next);
  return Outcome::Ok();
}

Outcome Document::LoadDestination(const std::string& name) {
  RadioData next = data_;
  Outcome loaded = LoadDestinationInto(name, next);
  if (loaded.ok()) Take(std::move(next), "Destination " + name);
  return loaded;
}

Outcome Document::SwitchDestination(const std::string& name) {
  // Built aside and taken as one edit: a destination that cannot be loaded leaves the user's
  // data as it was, and undoing the switch gives back exactly the data set before it.
  RadioData next;
  BuildNewDataSet(next, data_.ModelSeries);
  Outcome loaded = LoadDestinationInto(name, next);
  if (!loaded.ok()) return loaded;
  Take(std::move(next), "Destination " + name);
  SetFileName({});
  return loaded;
}

}  // namespace qw
