// The print command: the printed listing as a PDF, the pages File > Print sends to a printer.
#include <QGuiApplication>
#include <QPageSize>
#include <iostream>
#include <memory>

#include "cli/cli_common.h"
#include "formats/atomic_file.h"
#include "formats/file_path.h"
#include "report/print_layout.h"
#include "report/qt_print_painter.h"

namespace qw::cli {
namespace {

struct PrintOptions {
  std::string input;
  std::string output;
  std::string series;
  std::string destination;
  std::string paper = "a4";
};

// Text needs the font database, which needs an application object; the CLI shows no windows, so
// the offscreen platform serves everywhere, with or without a display. Qt's own notes about the
// desktop session ("XDG_RUNTIME_DIR not set") are kept off stderr, which carries only the
// command's messages.
class PaintingApplication {
 public:
  PaintingApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previous_ = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
          if (type == QtFatalMsg) std::cerr << text.toStdString() << "\n";
          (void)context;
        });
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  ~PaintingApplication() {
    app_.reset();
    if (previous_ != nullptr) qInstallMessageHandler(previous_);
  }
  PaintingApplication(const PaintingApplication&) = delete;
  PaintingApplication& operator=(const PaintingApplication&) = delete;

 private:
  int argc_ = 1;
  char name_[16] = "quaywright-cli";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
  QtMessageHandler previous_ = nullptr;
};

int RunPrint(const PrintOptions& o, const std::filesystem::path& folder) {
  if (!IsPdf(o.output)) {
    std::cerr << kPrintNeedsPdf << "\n";
    return kExitUsage;
  }
  Document doc(folder);
  Outcome loaded = OpenInput(doc, ChooseSeries(o.series, o.input), o.destination, o.input);
  if (!loaded.ok()) return Report(loaded);
  WarnOfRadioForm(doc, o.input);
  return Report(WritePdf(doc, o.output, o.paper));
}

}  // namespace

Outcome WritePdf(Document& doc, const std::string& path, const std::string& paperName) {
  PaintingApplication app;
  const QPageSize paper(paperName == "letter" ? QPageSize::Letter : QPageSize::A4);
  const QString title = QString::fromStdString(ListingTitle(doc.Series()));
  const QByteArray pdf = PrintPagesToPdf(doc.PrintPages(), paper, title);
  if (pdf.isEmpty() ||
      !WriteFileAtomically(PathFromUtf8(path), std::string_view(pdf.constData(), pdf.size()))) {
    return Outcome::Failed(Message{kFileSaveError, kProgramTitle, MessageIcon::Exclamation});
  }
  return Outcome::Ok();
}

void RegisterPrintCommand(CLI::App& app, Context& ctx) {
  auto opts = std::make_shared<PrintOptions>();
  CLI::App* print = app.add_subcommand("print", "Write the printed listing as a PDF");
  AddDataSetInput(print, opts->input);
  print->add_option("-o", opts->output, "output file (.pdf)")->required();
  AddSeriesAndDestination(print, opts->series, opts->destination);
  print->add_option("--paper", opts->paper, "a4 (default) or letter")
      ->check(CLI::IsMember({"a4", "letter"}, CLI::ignore_case));
  print->callback([opts, &ctx] { ctx.exitCode = RunPrint(*opts, ctx.programFolder); });
}

}  // namespace qw::cli
