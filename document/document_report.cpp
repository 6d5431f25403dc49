// Document: the text report and its text file.
#include "document/document.h"
#include "formats/atomic_file.h"
#include "formats/file_path.h"
#include "report/print_layout.h"
#include "report/text_report.h"

namespace qw {

std::string Document::TextReport() const {
  return BuildTextReport(data_);
}

std::vector<PrintPage> Document::PrintPages() const {
  return BuildPrintPages(data_);
}

Outcome Document::SaveTextFile(const std::string& path, const std::string& textImage) {
  FileError error;
  if (!WriteFileAtomically(PathFromUtf8(path), TextFileContent(textImage), &error)) {
    // The preview window shows the platform's own description, captioned with the model name.
    std::string title = std::string(ModelName(data_.ModelSeries)) + " " + kProgramTitle;
    return Outcome::Failed(Message{error.Description, title, MessageIcon::Exclamation});
  }
  return Outcome::Ok();
}

}  // namespace qw
