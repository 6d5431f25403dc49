// What the commands of quaywright-cli share.
#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "document/document.h"
#include "document/radio_transfer.h"
#include "formats/file_kinds.h"
#include "model/outcome.h"

namespace qw::cli {

// Exit codes of the contract: 0 success, 1 failure (message on stderr), 2 usage error.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct Context {
  int exitCode = kExitOk;
  // The folder the destination images are in: the executable's own in a build folder,
  // share/quaywright of the prefix when installed.
  std::filesystem::path programFolder;
};

// "mv510"/"1", "mv710"/"2", "0"; nullopt for anything else.
inline std::optional<int16_t> ParseSeries(const std::string& text) {
  return SeriesFromName(text);
}

// The starting state of every command that loads or builds a data set: a new default data set
// for the series, then the destination NAME when given ("IniFileRead Error!!" when it fails).
Outcome StartDocument(Document& doc, int16_t series, const std::string& destination);
// Loads IN onto the document by its extension (a kind that opens).
Outcome LoadInput(Document& doc, const std::string& path);
// The values the editor would bring into the radio's form (frequencies off the raster, low power
// on a channel that does not transmit), as warnings on stderr; the CLI keeps what files hold.
void WarnOfRadioForm(const Document& doc, const std::string& path);
// The series from --series, else from the input file (when there is one), else the default.
int16_t ChooseSeries(const std::string& seriesOption, const std::string& input);
// StartDocument, then LoadInput of input: the data set every command that reads a file works on.
Outcome OpenInput(Document& doc, int16_t series, const std::string& destination,
                  const std::string& input);
// The check of a --series option: each series' own name or its number, in any case.
CLI::IsMember SeriesNameCheck();
// IN of grid, print and info: a whole data set, required.
void AddDataSetInput(CLI::App* command, std::string& input);
// --series (taken from the input file by default) and --destination of the commands that work
// on an input file.
void AddSeriesAndDestination(CLI::App* command, std::string& series, std::string& destination);
// True when the name is the printed listing's (.pdf, in any case).
bool IsPdf(const std::string& path);
// The kinds a whole data set is read from by grid, print, info and program.
inline constexpr std::initializer_list<FileKind> kDataSetKinds = {
    FileKind::DataFile, FileKind::RawImage, FileKind::Json};
// The kinds WriteOutput writes: what Document saves, and the printed listing.
inline constexpr std::initializer_list<FileKind> kOutputKinds = {
    FileKind::DataFile, FileKind::RawImage, FileKind::Json,
    FileKind::Csv,      FileKind::Text,     FileKind::Pdf};
// True when OUT's extension is one WriteOutput can write.
bool IsOutputKind(const std::string& path);
// Writes OUT by its extension (one of kOutputKinds); csv picks the CSV format.
Outcome WriteOutput(Document& doc, const std::string& path,
                    Document::CsvFormat csv = Document::CsvFormat::Ours);
// Writes the printed listing as a PDF on the paper ("a4" or "letter").
Outcome WritePdf(Document& doc, const std::string& path, const std::string& paper = "a4");

// Prints the outcome's message text on stderr and returns the exit code for it.
int Report(const Outcome& outcome);

void RegisterFileCommands(CLI::App& app, Context& ctx);    // new, convert, info
void RegisterRadioCommands(CLI::App& app, Context& ctx);   // read, program, simulate, ports
void RegisterPrintCommand(CLI::App& app, Context& ctx);    // print
void RegisterGridCommand(CLI::App& app, Context& ctx);     // grid
void RegisterSafetyCommands(CLI::App& app, Context& ctx);  // diff, backups

// Backups in the user's data folder unless noBackup; the read-back when verify.
TransferOptions TransferOptionsFor(bool verify, bool noBackup);
// Prints a transfer's backup and read-back notes and its message on stderr; the exit code.
int ReportTransfer(const Outcome& outcome);

}  // namespace qw::cli
