// read, program, simulate and ports: the commands that talk to a radio (or pretend to be one).
#include <atomic>
#include <cctype>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <limits>
#include <memory>

#include "cli/cli_common.h"
#include "cli/interrupts.h"
#include "cli/serial_ports.h"
#include "formats/file_path.h"
#include "formats/image_file.h"
#include "link/trace_sink.h"
#include "link/transfer.h"
#include "model/series_traits.h"
#include "sim/pty_host.h"
#include "sim/simulated_radio.h"

namespace qw::cli {
namespace {

struct RadioOptions {
  std::string port;
  std::string series;
  std::string destination;
  std::string trace;
  std::string file;  // -o OUT for read, IN for program
  std::string image;
  std::string pacing = "real";
  std::string fault;  // simulate: "store" stores every block wrong while acknowledging it
  bool verify = false;
  bool noBackup = false;
};

// A bar on stderr while the transfer runs, when someone is watching.
std::function<void(int)> ProgressBar() {
  if (!StderrIsTerminal()) return {};
  return [last = -1](int percent) mutable {
    if (percent == last) return;
    last = percent;
    const int filled = percent * 40 / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(filled, '#').c_str(),
                 std::string(40 - filled, ' ').c_str(), percent);
    std::fflush(stderr);
  };
}

bool SeriesOption(const RadioOptions& o, const std::string& fromFile, int16_t& series) {
  if (!o.series.empty() && !ParseSeries(o.series)) {
    std::cerr << UnknownValue("series", o.series, SeriesNamesText()) << "\n";
    return false;
  }
  series = ChooseSeries(o.series, fromFile);
  return true;
}

// Runs a transfer with Ctrl+C, the progress bar and the trace wired in.
Outcome Transfer(Document& doc, const RadioOptions& o, bool read) {
  PortAccess ports;

  std::unique_ptr<FileTraceSink> trace;
  if (!o.trace.empty()) {
    trace = std::make_unique<FileTraceSink>(o.trace);
    if (!trace->Ok()) std::cerr << kCannotWriteTrace << o.trace << "\n";
  }
  CancelFlag cancel;
  TransferControl control;
  control.Progress = ProgressBar();
  control.Cancel = &cancel;
  control.Trace = trace && trace->Ok() ? trace.get() : nullptr;
  auto port = ports.Make(o.port);
  Outcome outcome;
  {
    InterruptWatcher watcher(cancel);
    const TransferOptions options = TransferOptionsFor(o.verify, o.noBackup);
    outcome = read ? doc.ReadFromRadio(*port, control, options)
                   : doc.ProgramToRadio(*port, control, options);
  }
  if (control.Progress) std::fputc('\n', stderr);
  return outcome;
}

// A read takes half a minute; a name it cannot write is better refused before it starts.
bool WritableKind(const std::string& path) {
  if (IsOutputKind(path)) return true;
  std::cerr << UnknownKindText(path, ExtensionList({FileKind::DataFile, FileKind::RawImage,
                                                    FileKind::Json, FileKind::Text}))
            << "\n";
  return false;
}

int RunRead(const RadioOptions& o, const std::filesystem::path& folder) {
  int16_t series = kDefaultSeries;
  if (!SeriesOption(o, {}, series) || !WritableKind(o.file)) return kExitUsage;
  Document doc(folder);
  Outcome start = StartDocument(doc, series, o.destination);
  if (!start.ok()) return Report(start);
  Outcome outcome = Transfer(doc, o, true);
  // Nothing is written unless the whole image came in.
  if (ReportTransfer(outcome) != kExitOk) return kExitFailed;
  return Report(WriteOutput(doc, o.file));
}

int RunProgram(const RadioOptions& o, const std::filesystem::path& folder) {
  int16_t series = kDefaultSeries;
  if (!SeriesOption(o, o.file, series)) return kExitUsage;
  Document doc(folder);
  Outcome loaded = OpenInput(doc, series, o.destination, o.file);
  if (!loaded.ok()) return Report(loaded);
  WarnOfRadioForm(doc, o.file);
  return ReportTransfer(Transfer(doc, o, false));
}

// The simulated radio's memory from a raw image file of the series, checked as any image file.
bool LoadImageFile(const std::string& path, int16_t series, std::vector<uint8_t>& memory) {
  Image image{};
  const ImageFileStatus status = ReadImageFile(PathFromUtf8(path), series, image);
  if (status != ImageFileStatus::Ok) {
    std::cerr << (status == ImageFileStatus::WrongModel ? kModelTypeError : kBadFile) << "\n";
    return false;
  }
  memory.assign(image.begin(), image.begin() + ImageLastFor(series) + 1);
  return true;
}

int RunSimulate(const RadioOptions& o) {
  int16_t series = kDefaultSeries;
  if (!SeriesOption(o, o.image, series)) return kExitUsage;
  if (!o.fault.empty() && o.fault != "store") {
    std::cerr << UnknownValue("fault", o.fault, "store") << "\n";
    return kExitUsage;
  }
  if (o.pacing != "real" && o.pacing != "none") {
    std::cerr << UnknownValue("pacing", o.pacing, "real or none") << "\n";
    return kExitUsage;
  }
  std::vector<uint8_t> memory;
  if (o.image.empty()) {
    memory = DefaultRadioMemory(series);
  } else if (!LoadImageFile(o.image, series, memory)) {
    return kExitFailed;
  }
  // Taken before the serving thread starts, so that only the wait below receives interrupts.
  InterruptWait interrupts;
  SimulatedRadio radio(series, std::move(memory));
  if (o.fault == "store") radio.Faults().storeWrong = std::numeric_limits<int>::max();
  PtyRadioHost host(std::move(radio), o.pacing == "none" ? Pacing::None : Pacing::Real);
  std::string error;
  if (!host.Start(error)) {
    std::cerr << error << "\n";
    return kExitFailed;
  }
  std::cout << "port: " << host.PortPath() << std::endl;
  interrupts.Wait();
  host.Stop();
  return kExitOk;
}

int RunPorts() {
  PortAccess access;
  auto ports = access.List();
  if (ports.empty()) std::cout << "No serial ports found.\n";
  int number = 0;
  for (const PortInfo& p : ports) {
    ++number;
    // COM ports are numbered by their names (COM1..COM4), not by places in this list.
    const bool byPlace = p.name.rfind("COM", 0) != 0;
    std::string label = byPlace && number <= 4 ? std::to_string(number) + " " : "  ";
    std::cout << label << p.name << (p.description.empty() ? "" : "  " + p.description) << "\n";
  }
  return kExitOk;
}

}  // namespace

void RegisterRadioCommands(CLI::App& app, Context& ctx) {
  auto options = std::make_shared<RadioOptions>();
  const std::string seriesHelp = SeriesNamesText();

  CLI::App* read = app.add_subcommand("read", "Read the radio's memory into a file");
  read->add_option("--port", options->port, "Device path or port number 1..4")->required();
  read->add_option("--series", options->series, seriesHelp);
  read->add_option("--trace", options->trace, "Write every byte on the line to this file");
  read->add_flag("--no-backup", options->noBackup, "Keep no backup of the image received");
  read->add_option(
          "-o", options->file,
          "Output file (" +
              ExtensionList(
                  {FileKind::DataFile, FileKind::RawImage, FileKind::Json, FileKind::Text}, ", ") +
              ")")
      ->required();
  read->callback([options, &ctx] { ctx.exitCode = RunRead(*options, ctx.programFolder); });

  CLI::App* program = app.add_subcommand("program", "Program a file into the radio");
  program->add_option("--port", options->port, "Device path or port number 1..4")->required();
  program->add_option("--series", options->series, seriesHelp);
  program->add_option("--destination", options->destination, "Destination image to start from");
  program->add_option("--trace", options->trace, "Write every byte on the line to this file");
  program->add_flag("--verify", options->verify, "Read back what was written and compare");
  program->add_flag("--no-backup", options->noBackup, "Keep no backup of the image sent");
  program
      ->add_option("IN", options->file, "Input file (" + ExtensionList(kDataSetKinds, ", ") + ")")
      ->required();
  program->callback([options, &ctx] { ctx.exitCode = RunProgram(*options, ctx.programFolder); });

  CLI::App* simulate = app.add_subcommand("simulate", "Pretend to be a radio on a pseudo-terminal");
  simulate->add_option("--series", options->series, seriesHelp);
  simulate->add_option("--image", options->image, "The radio's memory (.hex)");
  simulate->add_option("--pacing", options->pacing, "real (9600 baud) or none");
  // For trying the read-back: a radio that acknowledges blocks but stores them wrong.
  simulate->add_option("--fault", options->fault)->group("");
  simulate->callback([options, &ctx] { ctx.exitCode = RunSimulate(*options); });

  CLI::App* ports = app.add_subcommand("ports", "List the serial ports");
  ports->callback([&ctx] { ctx.exitCode = RunPorts(); });
}

}  // namespace qw::cli
