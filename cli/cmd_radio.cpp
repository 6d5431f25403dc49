// read, program, simulate and ports: the commands that talk to a radio (or pretend to be one).
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <thread>

#include "cli/cli_common.h"
#include "link/qt_serial_port.h"
#include "link/trace_sink.h"
#include "link/transfer.h"
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
};

// Ctrl+C and SIGTERM are taken by a watcher thread instead of a handler, so that cancelling needs
// no global flag: the first one cancels like the dialog's Cancel, a second one ends at once.
class InterruptWatcher {
 public:
  explicit InterruptWatcher(CancelFlag& cancel) {
    sigset_t set = Signals();
    pthread_sigmask(SIG_BLOCK, &set, &old_);
    thread_ = std::thread([this, &cancel] {
      sigset_t wait = Signals();
      for (;;) {
        int sig = 0;
        if (sigwait(&wait, &sig) != 0 || done_) return;
        if (cancel.exchange(true)) std::_Exit(130);
        std::fputs("\nCancelling (press Ctrl+C again to quit at once)...\n", stderr);
      }
    });
  }
  ~InterruptWatcher() {
    done_ = true;
    pthread_kill(thread_.native_handle(), SIGTERM);
    thread_.join();
    pthread_sigmask(SIG_SETMASK, &old_, nullptr);
  }

  static sigset_t Signals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
  }

 private:
  sigset_t old_{};
  std::atomic<bool> done_{false};
  std::thread thread_;
};

// A bar on stderr while the transfer runs, when someone is watching.
std::function<void(int)> ProgressBar() {
  if (!isatty(STDERR_FILENO)) return {};
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
  if (!o.series.empty()) {
    auto parsed = ParseSeries(o.series);
    if (!parsed) std::cerr << "Unknown series: " << o.series << " (use mv510, mv710 or 0)\n";
    if (parsed) series = *parsed;
    return parsed.has_value();
  }
  if (!fromFile.empty()) {
    auto parsed = SeriesOfFile(fromFile);
    if (parsed) series = *parsed;
  }
  return true;
}

// Runs a transfer with Ctrl+C, the progress bar and the trace wired in.
Outcome Transfer(Document& doc, const RadioOptions& o, bool read) {
  // QSerialPort wants an application object on the thread that uses it.
  int argc = 1;
  char name[] = "quaywright-cli";
  char* argv[] = {name, nullptr};
  std::unique_ptr<QCoreApplication> app;
  if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);

  std::unique_ptr<FileTraceSink> trace;
  if (!o.trace.empty()) {
    trace = std::make_unique<FileTraceSink>(o.trace);
    if (!trace->Ok()) std::cerr << "Cannot write the trace file " << o.trace << "\n";
  }
  CancelFlag cancel;
  TransferControl control;
  control.Progress = ProgressBar();
  control.Cancel = &cancel;
  control.Trace = trace && trace->Ok() ? trace.get() : nullptr;
  auto port = MakeSerialPort(o.port);
  Outcome outcome;
  {
    InterruptWatcher watcher(cancel);
    outcome = read ? doc.ReadFromRadio(*port, control) : doc.ProgramToRadio(*port, control);
  }
  if (control.Progress) std::fputc('\n', stderr);
  return outcome;
}

// A read takes half a minute; a name it cannot write is better refused before it starts.
bool WritableKind(const std::string& path) {
  if (IsOutputKind(path)) return true;
  std::cerr << path << ": unknown kind of file (use .dat, .hex, .json or .txt)\n";
  return false;
}

int RunRead(const RadioOptions& o) {
  int16_t series = kSeriesMV710;
  if (!SeriesOption(o, {}, series) || !WritableKind(o.file)) return kExitUsage;
  Document doc(ProgramFolder());
  Outcome start = StartDocument(doc, series, o.destination);
  if (!start.ok()) return Report(start);
  Outcome outcome = Transfer(doc, o, true);
  // Nothing is written unless the whole image came in.
  if (!outcome.ok()) return Report(outcome);
  return Report(WriteOutput(doc, o.file));
}

int RunProgram(const RadioOptions& o) {
  int16_t series = kSeriesMV710;
  if (!SeriesOption(o, o.file, series)) return kExitUsage;
  Document doc(ProgramFolder());
  Outcome start = StartDocument(doc, series, o.destination);
  if (!start.ok()) return Report(start);
  Outcome loaded = LoadInput(doc, o.file);
  if (!loaded.ok()) return Report(loaded);
  return Report(Transfer(doc, o, false));
}

bool LoadImageFile(const std::string& path, int16_t series, std::vector<uint8_t>& memory) {
  std::ifstream in(path, std::ios::binary);
  const std::size_t size = static_cast<std::size_t>(ImageLastFor(series)) + 1;
  memory.assign(size + 1, 0);
  in.read(reinterpret_cast<char*>(memory.data()), static_cast<std::streamsize>(size + 1));
  if (!in.eof() && !in.good()) return false;
  if (static_cast<std::size_t>(in.gcount()) != size) return false;
  memory.resize(size);
  return true;
}

int RunSimulate(const RadioOptions& o) {
  int16_t series = kSeriesMV710;
  if (!SeriesOption(o, o.image, series)) return kExitUsage;
  if (o.pacing != "real" && o.pacing != "none") {
    std::cerr << "Unknown pacing: " << o.pacing << " (use real or none)\n";
    return kExitUsage;
  }
  std::vector<uint8_t> memory;
  if (o.image.empty()) {
    memory = DefaultRadioMemory(series);
  } else if (!LoadImageFile(o.image, series, memory)) {
    std::cerr << "bad file!!\n";
    return kExitFailed;
  }
  // Blocked before the serving thread starts, so that only sigwait below receives them.
  sigset_t set = InterruptWatcher::Signals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  PtyRadioHost host(SimulatedRadio(series, std::move(memory)),
                    o.pacing == "none" ? Pacing::None : Pacing::Real);
  std::string error;
  if (!host.Start(error)) {
    std::cerr << error << "\n";
    return kExitFailed;
  }
  std::cout << "port: " << host.PortPath() << std::endl;
  int sig = 0;
  sigwait(&set, &sig);
  host.Stop();
  return kExitOk;
}

int RunPorts() {
  int argc = 1;
  char name[] = "quaywright-cli";
  char* argv[] = {name, nullptr};
  std::unique_ptr<QCoreApplication> app;
  if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
  auto ports = ListSerialPorts();
  if (ports.empty()) std::cout << "No serial ports found.\n";
  int number = 0;
  for (const PortInfo& p : ports) {
    ++number;
    // On Windows the numbers are COM1..COM4 themselves, not positions in this list.
#ifdef _WIN32
    std::string label = "  ";
#else
    std::string label = number <= 4 ? std::to_string(number) + " " : "  ";
#endif
    std::cout << label << p.name << (p.description.empty() ? "" : "  " + p.description) << "\n";
  }
  return kExitOk;
}

}  // namespace

void RegisterRadioCommands(CLI::App& app, Context& ctx) {
  auto options = std::make_shared<RadioOptions>();

  CLI::App* read = app.add_subcommand("read", "Read the radio's memory into a file");
  read->add_option("--port", options->port, "Device path or port number 1..4")->required();
  read->add_option("--series", options->series, "mv510, mv710 or 0");
  read->add_option("--trace", options->trace, "Write every byte on the line to this file");
  read->add_option("-o", options->file, "Output file (.dat, .hex, .json, .txt)")->required();
  read->callback([options, &ctx] { ctx.exitCode = RunRead(*options); });

  CLI::App* program = app.add_subcommand("program", "Program a file into the radio");
  program->add_option("--port", options->port, "Device path or port number 1..4")->required();
  program->add_option("--series", options->series, "mv510, mv710 or 0");
  program->add_option("--destination", options->destination, "Destination image to start from");
  program->add_option("--trace", options->trace, "Write every byte on the line to this file");
  program->add_option("IN", options->file, "Input file (.dat, .hex, .json)")->required();
  program->callback([options, &ctx] { ctx.exitCode = RunProgram(*options); });

  CLI::App* simulate = app.add_subcommand("simulate", "Pretend to be a radio on a pseudo-terminal");
  simulate->add_option("--series", options->series, "mv510, mv710 or 0");
  simulate->add_option("--image", options->image, "The radio's memory (.hex)");
  simulate->add_option("--pacing", options->pacing, "real (9600 baud) or none");
  simulate->callback([options, &ctx] { ctx.exitCode = RunSimulate(*options); });

  CLI::App* ports = app.add_subcommand("ports", "List the serial ports");
  ports->callback([&ctx] { ctx.exitCode = RunPorts(); });
}

}  // namespace qw::cli
