// Document: channel lists in and out as CSV.
#include "document/document.h"
#include "document/document_messages.h"
#include "formats/atomic_file.h"
#include "formats/bounded_read.h"
#include "formats/file_path.h"

namespace qw {
namespace {

constexpr const char* kImportTitle = "Import Channels";
constexpr const char* kImportOperation = "CSV import";
// A long list of refusals is summed up after this many lines.
constexpr std::size_t kListedProblems = 30;

std::string ProblemLines(const std::vector<CsvProblem>& problems) {
  std::string text;
  for (std::size_t i = 0; i < problems.size() && i < kListedProblems; ++i) {
    text += "\n" + CsvProblemText(problems[i]);
  }
  if (problems.size() > kListedProblems) {
    text += "\n... and " + std::to_string(problems.size() - kListedProblems) + " more";
  }
  return text;
}

Message ImportMessage(std::string text, MessageIcon icon) {
  return Message{std::move(text), kImportTitle, icon};
}

}  // namespace

Outcome Document::ImportChannels(const std::string& path, CsvImportResult* result) {
  std::string text;
  FileError error;
  ReadStatus status = ReadFileBounded(PathFromUtf8(path), kMaxTextFileBytes, text, &error);
  if (status != ReadStatus::Ok) {
    if (status == ReadStatus::Failed) WriteErrorLog("frmMain.ImportChannels", error.LogText());
    return Outcome::Failed(status == ReadStatus::TooLarge ? BadFileMessage()
                                                          : FileReadErrorMessage());
  }
  RadioData next = data_;
  CsvImportResult r = ImportChannelsCsv(text, next);
  if (result) *result = r;
  if (!r.error.empty()) {
    return Outcome::Failed(
        ImportMessage(std::string(kBadFile) + "\n" + r.error, MessageIcon::Stop));
  }
  if (!r.common && !r.refused.empty()) {
    return Outcome::Failed(
        ImportMessage(kDataError + ProblemLines(r.refused) + "\nNothing was imported.",
                      MessageIcon::Exclamation));
  }
  if (r.applied) Replace(std::move(next), kImportOperation);
  std::string summary = std::to_string(r.channels) + " channel(s) changed.";
  if (r.common && !r.refused.empty()) summary += "\nSkipped rows:" + ProblemLines(r.refused);
  if (!r.notes.empty()) {
    summary +=
        (r.common ? "\nTaken with changes:" : "\nShortened by a spreadsheet, read as exported:") +
        ProblemLines(r.notes);
  }
  return Outcome::Ok(ImportMessage(summary, MessageIcon::Information));
}

Outcome Document::ExportChannels(const std::string& path, CsvFormat format) {
  std::vector<std::string> notes;
  const std::string text =
      format == CsvFormat::Common ? FourthGroupToCommonCsv(data_, &notes) : ChannelsToCsv(data_);
  Outcome written = WriteFileOrFail(path, text, "frmMain.ExportChannels");
  if (!written.ok() || notes.empty()) return written;
  std::string summary;
  for (const auto& note : notes) summary += (summary.empty() ? "" : "\n") + note;
  return Outcome::Ok(Message{summary, "Export Channels", MessageIcon::Information});
}

}  // namespace qw
