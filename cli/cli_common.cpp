#include "cli/cli_common.h"

#include <algorithm>
#include <iostream>
#include <vector>

#include "document/document_messages.h"
#include "document/odd_values.h"
#include "formats/text_util.h"
#include "model/series_traits.h"

namespace qw::cli {

void AddDataSetInput(CLI::App* command, std::string& input) {
  command->add_option("IN", input, "input file (" + ExtensionList(kDataSetKinds) + ")")->required();
}

void AddSeriesAndDestination(CLI::App* command, std::string& series, std::string& destination) {
  command->add_option("--series", series, "series (default: taken from the input file)")
      ->check(SeriesNameCheck());
  command->add_option("--destination", destination, "load the destination image NAME first");
}

CLI::IsMember SeriesNameCheck() {
  std::vector<std::string> names;
  for (const SeriesTraits& row : AllSeries()) names.emplace_back(row.cliName);
  for (const SeriesTraits& row : AllSeries()) {
    std::string number = std::to_string(row.series);
    if (std::find(names.begin(), names.end(), number) == names.end()) names.push_back(number);
  }
  return CLI::IsMember(names, CLI::ignore_case);
}

// The printed listing is the CLI's own output kind; the Document writes every other one.
bool IsPdf(const std::string& path) {
  return KindOfPath(path) == FileKind::Pdf;
}

Outcome StartDocument(Document& doc, int16_t series, const std::string& destination) {
  doc.NewDataSet(series);
  if (destination.empty()) return Outcome::Ok();
  return doc.LoadDestination(destination);
}

Outcome LoadInput(Document& doc, const std::string& path) {
  Outcome loaded = doc.Open(path);
  // What a CSV import skipped or cut goes to stderr; a refusal is reported by the caller.
  if (loaded.ok() && loaded.message) std::cerr << loaded.message->Text << "\n";
  // A file written by hand or by another tool may hold values the radio cannot store: they are
  // taken, and the user is told what the radio will keep. A raw image holds only such values.
  if (loaded.ok() && KindOfPath(path) != FileKind::RawImage) {
    for (const std::string& line : OddValueLines(FindOddValues(doc.Data()))) {
      std::cerr << kWarning << path << ": " << line << "\n";
    }
  }
  return loaded;
}

void WarnOfRadioForm(const Document& doc, const std::string& path) {
  for (const std::string& line : RadioFormLines(doc.Data())) {
    std::cerr << kWarning << path << ": " << line << "\n";
  }
}

int16_t ChooseSeries(const std::string& seriesOption, const std::string& input) {
  if (!seriesOption.empty()) return ParseSeries(seriesOption).value_or(kDefaultSeries);
  if (!input.empty()) {
    if (auto fromFile = SeriesOfFile(input)) return *fromFile;
  }
  return kDefaultSeries;
}

Outcome OpenInput(Document& doc, int16_t series, const std::string& destination,
                  const std::string& input) {
  Outcome started = StartDocument(doc, series, destination);
  if (!started.ok()) return started;
  return LoadInput(doc, input);
}

bool IsOutputKind(const std::string& path) {
  return Document::CanSaveAs(path) || IsPdf(path);
}

Outcome WriteOutput(Document& doc, const std::string& path, Document::CsvFormat csv) {
  if (IsPdf(path)) return WritePdf(doc, path);
  if (!Document::CanSaveAs(path)) {
    return Outcome::Failed(Message{UnknownKindText(path, ExtensionList(kOutputKinds)),
                                   kProgramTitle, MessageIcon::Stop});
  }
  Outcome written = doc.SaveAs(path, csv);
  if (written.ok() && written.message) std::cerr << written.message->Text << "\n";
  return written;
}

int Report(const Outcome& outcome) {
  if (outcome.message && !outcome.ok()) std::cerr << outcome.message->Text << "\n";
  return outcome.ok() ? kExitOk : kExitFailed;
}

}  // namespace qw::cli
