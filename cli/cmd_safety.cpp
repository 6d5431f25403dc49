// diff and backups, and how read and program report backups and the read-back on stderr.
#include <cstdio>
#include <iostream>

#include "cli/cli_common.h"
#include "document/backups.h"
#include "document/data_diff.h"
#include "document/qt_data_folder.h"
#include "link/clone_procedures.h"
#include "model/series_traits.h"

namespace qw::cli {
namespace {

struct DiffOptions {
  std::string a, b;
  bool json = false;  // the differences in the data model's terms, for scripts
};

// Loads a file as the editor would open it, starting from a new data set of its own series. A
// channel list does not say its series; it takes the other file's.
bool LoadForDiff(const std::string& path, const std::string& other, Document& doc) {
  auto series = SeriesOfFile(path);
  if (!series && KindOfPath(path) == FileKind::Csv) {
    series = SeriesOfFile(other).value_or(kDefaultSeries);
  }
  if (!series) {
    std::cerr << path << kSeriesUnknown << "\n";
    return false;
  }
  doc.NewDataSet(*series);
  const Outcome loaded = LoadInput(doc, path);
  if (!loaded.ok()) {
    std::cerr << path << ": " << (loaded.message ? loaded.message->Text : kCannotBeRead) << "\n";
  }
  return loaded.ok();
}

int RunDiff(const DiffOptions& o, const std::filesystem::path& folder) {
  const FileKind kindA = KindOfPath(o.a), kindB = KindOfPath(o.b);
  for (const auto& [path, kind] : {std::pair{o.a, kindA}, std::pair{o.b, kindB}}) {
    if (!HoldsDataSet(kind)) {
      std::cerr << UnknownKindText(path, OpenedExtensions()) << "\n";
      return kExitUsage;
    }
  }
  Document a(folder), b(folder);
  if (!LoadForDiff(o.a, o.b, a) || !LoadForDiff(o.b, o.a, b)) return kExitUsage;
  const auto differences = CompareFiles(a.Data(), kindA, b.Data(), kindB);
  if (o.json) {
    std::cout << DifferencesJson(differences) << "\n";
  } else {
    for (const DataDifference& d : differences) std::cout << d.Line() << "\n";
  }
  return differences.empty() ? kExitOk : kExitFailed;
}

int RunBackups() {
  const auto folder = BackupFolder();
  const auto backups = ListBackups(folder);
  if (backups.empty()) std::cout << "No backups in " << folder.string() << "\n";
  for (const BackupEntry& b : backups) {
    // "20261205-143005" -> "2026-12-05 14:30:05"
    const std::string& s = b.stamp;
    const std::string when = s.substr(0, 4) + "-" + s.substr(4, 2) + "-" + s.substr(6, 2) + " " +
                             s.substr(9, 2) + ":" + s.substr(11, 2) + ":" + s.substr(13, 2);
    const std::string series = b.series ? Traits(*b.series).cliName : "?";
    std::printf("%s  %-5s  %-7s  %s\n", when.c_str(), series.c_str(),
                b.kind == BackupKind::Read ? "read" : "program", b.path.string().c_str());
  }
  return kExitOk;
}

}  // namespace

TransferOptions TransferOptionsFor(bool verify, bool noBackup) {
  TransferOptions options;
  options.verify = verify;
  if (!noBackup) options.backupFolder = BackupFolder();
  return options;
}

int ReportTransfer(const Outcome& outcome) {
  for (const Message& note : outcome.notes) {
    if (note.Title == kBackupNote) {
      std::cerr << (note.Icon == MessageIcon::Information ? "Backup: " : "") << note.Text << "\n";
    }
  }
  if (outcome.ok() && WasVerified(outcome)) std::cerr << kComplete << " (verified)\n";
  for (const Message& note : outcome.notes) {
    if (note.Title == kVerifyNote && note.Icon == MessageIcon::Exclamation) {
      std::cerr << "Warning: " << note.Text << "\n";
    }
  }
  return Report(outcome);
}

void RegisterSafetyCommands(CLI::App& app, Context& ctx) {
  auto options = std::make_shared<DiffOptions>();
  CLI::App* diff = app.add_subcommand(
      "diff",
      "Compare two data sets and print one line per difference (exit 0 equal, 1 different)");
  diff->footer(
      "Each line names the channel and field as the editor does, such as\n"
      "'LMR1 RX Tone: Off -> N025'. Files of different kinds are compared only in what both can\n"
      "hold: a .dat leaves out the DSC settings, the MMSI directories, the ATIS call signs, the\n"
      "Rotary setting and the fixed fields of plan and weather channels (frequencies, tones,\n"
      "duplex capability); a .hex leaves out what the memory image does not store (for example\n"
      "DispayA); a .csv holds only the channel lists. Files of different series are compared only\n"
      "in what both series hold.");
  const std::string kinds =
      ExtensionList({FileKind::DataFile, FileKind::RawImage, FileKind::Json, FileKind::Csv}, ", ");
  diff->add_option("A", options->a, "First file (" + kinds + ")")->required();
  diff->add_option("B", options->b, "Second file (" + kinds + ")")->required();
  diff->add_flag("--json", options->json,
                 "Print the differences as a JSON array of {where, field, from, to} with the data\n"
                 "model's names and raw values");
  diff->callback([options, &ctx] { ctx.exitCode = RunDiff(*options, ctx.programFolder); });

  CLI::App* backups =
      app.add_subcommand("backups", "List the backups kept of radio transfers, newest first");
  backups->callback([&ctx] { ctx.exitCode = RunBackups(); });
}

}  // namespace qw::cli
