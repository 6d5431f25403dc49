#include "cli/cli_common.h"

#include <QPageSize>
#include <algorithm>
#include <cctype>
#include <iostream>

#include "files/atomic_file.h"
#include "files/bounded_read.h"
#include "files/document_messages.h"
#include "files/json_data.h"
#include "files/odd_values.h"
#include "files/profile_file.h"
#include "files/program_folder.h"

namespace qw::cli {
namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string Extension(const std::string& path) {
  return Lower(std::filesystem::path(path).extension().string());
}

// At most limit bytes of the file; nullopt when it cannot be read.
std::optional<std::string> ReadHead(const std::string& path, std::size_t limit) {
  std::string bytes;
  if (ReadFileBounded(path, limit, bytes) == ReadStatus::Failed) return std::nullopt;
  return bytes;
}

// A data file's MAIN/MODELTYPE; the data-file reader does the real model check.
std::optional<int16_t> SeriesOfDataFile(const std::string& text) {
  std::string value = ProfileValueInText(text, "MAIN", "MODELTYPE");
  if (value.size() == 1 && value[0] >= '0' && value[0] <= '2') {
    return static_cast<int16_t>(value[0] - '0');
  }
  return std::nullopt;
}

Message FileMessage(const std::string& text, MessageIcon icon = MessageIcon::Exclamation) {
  return Message{text, kProgramTitle, icon};
}

std::optional<int16_t> SeriesOfImage(const std::string& bytes) {
  if (bytes.size() == 8192) return kSeriesMV510;
  if (bytes.size() != 16384) return std::nullopt;
  int id = static_cast<unsigned char>(bytes[0x40]) * 256 + static_cast<unsigned char>(bytes[0x41]);
  if (id == ModelIdFor(kSeriesThird)) return kSeriesThird;
  return kSeriesMV710;
}

std::optional<int16_t> SeriesOfJson(const std::string& text) {
  auto key = text.find("\"ModelSeries\"");
  if (key == std::string::npos) return std::nullopt;
  auto colon = text.find(':', key);
  if (colon == std::string::npos) return std::nullopt;
  auto digit = text.find_first_not_of(" \t\r\n", colon + 1);
  if (digit == std::string::npos || text[digit] < '0' || text[digit] > '2') return std::nullopt;
  return static_cast<int16_t>(text[digit] - '0');
}

}  // namespace

std::optional<int16_t> ParseSeries(const std::string& text) {
  std::string t = Lower(text);
  if (t == "mv510" || t == "1") return kSeriesMV510;
  if (t == "mv710" || t == "2") return kSeriesMV710;
  if (t == "0") return kSeriesThird;
  return std::nullopt;
}

std::optional<int16_t> SeriesOfFile(const std::string& path) {
  std::string ext = Extension(path);
  if (ext == ".hex") {
    auto bytes = ReadHead(path, 16385);
    return bytes ? SeriesOfImage(*bytes) : std::nullopt;
  }
  auto text = ReadHead(path, kMaxTextFileBytes);
  if (!text) return std::nullopt;
  if (ext == ".json") return SeriesOfJson(*text);
  return SeriesOfDataFile(*text);
}

std::filesystem::path ProgramFolder() {
  return FindProgramFiles(nullptr).folder;
}

Outcome StartDocument(Document& doc, int16_t series, const std::string& destination) {
  doc.NewDataSet(series);
  if (!destination.empty() && !doc.LoadDestination(destination)) {
    return Outcome::Failed(FileMessage("IniFileRead Error!!"));
  }
  return Outcome::Ok();
}

namespace {

Outcome LoadByKind(Document& doc, const std::string& path, const std::string& ext) {
  if (ext == ".dat") return doc.OpenDataFile(path);
  if (ext == ".hex") return doc.LoadRawImage(path);
  if (ext == ".json") {
    std::string text;
    FileError why;
    switch (ReadFileBounded(path, 64 << 20, text, &why)) {
      case ReadStatus::Ok:
        break;
      case ReadStatus::TooLarge:
        return Outcome::Failed(FileMessage(path + ": too large for a data set"));
      case ReadStatus::Failed:
        return Outcome::Failed(FileReadErrorMessage(path, why));
    }
    std::string error;
    if (!JsonToData(text, doc.Data(), error)) {
      return Outcome::Failed(FileMessage(path + ": " + error, MessageIcon::Stop));
    }
    return Outcome::Ok();
  }
  if (ext == ".csv") {
    Outcome imported = doc.ImportChannels(path);
    // What was skipped or cut goes to stderr; a refusal is reported by the caller.
    if (imported.ok() && imported.message) std::cerr << imported.message->Text << "\n";
    return imported;
  }
  return Outcome::Failed(FileMessage(
      path + ": unknown kind of file (use .dat, .hex, .json or .csv)", MessageIcon::Stop));
}

}  // namespace

Outcome LoadInput(Document& doc, const std::string& path) {
  const std::string ext = Extension(path);
  Outcome loaded = LoadByKind(doc, path, ext);
  // A file written by hand or by another tool may hold values the radio cannot store: they are
  // taken, and the user is told what the radio will keep. A raw image holds only such values.
  if (loaded.ok() && ext != ".hex") {
    for (const std::string& line : OddValueLines(FindOddValues(doc.Data()))) {
      std::cerr << "warning: " << path << ": " << line << "\n";
    }
  }
  return loaded;
}

bool IsOutputKind(const std::string& path) {
  std::string ext = Extension(path);
  return ext == ".dat" || ext == ".hex" || ext == ".txt" || ext == ".json" || ext == ".csv" ||
         ext == ".pdf";
}

Outcome WriteOutput(Document& doc, const std::string& path, Document::CsvFormat csv) {
  std::string ext = Extension(path);
  if (ext == ".csv") {
    Outcome exported = doc.ExportChannels(path, csv);
    if (exported.ok() && exported.message) std::cerr << exported.message->Text << "\n";
    return exported;
  }
  if (ext == ".dat") return doc.SaveDataFile(path);
  if (ext == ".hex") return doc.SaveRawImage(path);
  if (ext == ".txt") return doc.SaveTextFile(path, doc.TextReport());
  if (ext == ".pdf") return WritePdf(doc, path, QPageSize(QPageSize::A4));
  if (ext == ".json") {
    FileError why;
    if (!WriteFileAtomically(path, DataToJson(doc.Data()), &why)) {
      return Outcome::Failed(FileSaveErrorMessage(path, why));
    }
    return Outcome::Ok();
  }
  return Outcome::Failed(
      FileMessage(path + ": unknown kind of file (use .dat, .hex, .json, .csv, .txt or .pdf)",
                  MessageIcon::Stop));
}

// The radio commands live in their own file; this keeps the tool linkable without them.
[[gnu::weak]] void RegisterRadioCommands(CLI::App&, Context&) {}

int Report(const Outcome& outcome) {
  if (outcome.message && !outcome.ok()) std::cerr << outcome.message->Text << "\n";
  return outcome.ok() ? kExitOk : kExitFailed;
}

}  // namespace qw::cli
