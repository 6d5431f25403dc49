// Document: files chosen by their extension, and the JSON form.
#include "document/document.h"
#include "document/document_messages.h"
#include "formats/atomic_file.h"
#include "formats/bounded_read.h"
#include "formats/file_kinds.h"
#include "formats/file_path.h"
#include "formats/json_data.h"

namespace qw {
namespace {

// A JSON data set is larger than a data file but still bounded.
constexpr std::size_t kMaxJsonBytes = 64 << 20;

Outcome UnknownKind(const std::string& path, const std::string& kinds) {
  return Outcome::Failed(Message{UnknownKindText(path, kinds), kProgramTitle, MessageIcon::Stop});
}

}  // namespace

Outcome Document::Open(const std::string& path) {
  return OpenAs(path, KindOfPath(path));
}

Outcome Document::OpenAs(const std::string& path, FileKind kind) {
  switch (kind) {
    case FileKind::DataFile:
      return OpenDataFile(path);
    case FileKind::RawImage:
      return LoadRawImage(path);
    case FileKind::Json:
      return OpenJson(path);
    case FileKind::Csv:
      return ImportChannels(path);
    default:
      return UnknownKind(path, OpenedExtensions());
  }
}

bool Document::CanSaveAs(const std::string& path) {
  return RowOf(KindOfPath(path)).saves;
}

Outcome Document::SaveAs(const std::string& path, CsvFormat csv) {
  return SaveAs(path, KindOfPath(path), csv);
}

Outcome Document::SaveAs(const std::string& path, FileKind kind, CsvFormat csv) {
  switch (kind) {
    case FileKind::DataFile:
      return SaveDataFile(path);
    case FileKind::RawImage:
      return SaveRawImage(path);
    case FileKind::Json:
      return SaveJson(path);
    case FileKind::Csv:
      return ExportChannels(path, csv);
    case FileKind::Text:
      return SaveTextFile(path, TextReport());
    case FileKind::Pdf:
    case FileKind::Unknown:
      break;
  }
  return UnknownKind(path, SavedExtensions());
}

Outcome Document::OpenJson(const std::string& path) {
  std::string text;
  FileError error;
  switch (ReadFileBounded(PathFromUtf8(path), kMaxJsonBytes, text, &error)) {
    case ReadStatus::Ok:
      break;
    case ReadStatus::TooLarge:
      return Outcome::Failed(
          Message{path + ": too large for a data set", kProgramTitle, MessageIcon::Stop});
    case ReadStatus::Failed:
      WriteErrorLog("frmMain.FileReadJson", error.LogText());
      return Outcome::Failed(FileReadErrorMessage(path, error));
  }
  std::string problem;
  RadioData next = data_;
  if (!JsonToData(text, next, problem)) {
    return Outcome::Failed(Message{path + ": " + problem, kProgramTitle, MessageIcon::Stop});
  }
  Take(std::move(next), "Open");
  SetFileName(path);
  return Outcome::Ok();
}

Outcome Document::SaveJson(const std::string& path) {
  Outcome written = WriteFileOrFail(path, DataToJson(data_), "frmMain.SaveJson");
  if (written.ok()) SetFileName(path);
  return written;
}

}  // namespace qw
