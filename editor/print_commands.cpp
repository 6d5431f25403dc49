#include "editor/print_commands.h"

#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "document/document.h"
#include "editor/file_filters.h"
#include "editor/prompter.h"
#include "formats/atomic_file.h"
#include "formats/file_path.h"
#include "model/series_traits.h"
#include "report/print_layout.h"
#include "report/qt_print_painter.h"

namespace qw {

namespace {

class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { Release(); }
  void Release() {
    if (active_) QGuiApplication::restoreOverrideCursor();
    active_ = false;
  }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  bool active_ = true;
};

QString JobName(const Document& doc) {
  return QString::fromStdString(ListingTitle(doc.Series()));
}

// Failures after the print dialog: the printer refused the job or a sheet.
Message PrintError() {
  return Message{kPrintError, kPrintTitle, MessageIcon::Exclamation};
}

bool Paint(QPrinter& printer, const std::vector<PrintPage>& pages) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const bool painted = PaintPrintPages(painter, printer, pages);
  return painter.end() && painted && printer.printerState() != QPrinter::Error;
}

}  // namespace

bool PrintListing(QWidget* parent, Document& doc, Prompter& prompter, FileFolders folders,
                  QString* pdfWritten) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(JobName(doc));
  switch (prompter.ChoosePrinter(parent, printer)) {
    case PrinterChoice::Chosen:
      break;
    case PrinterChoice::Cancelled:
      return false;
    case PrinterChoice::NoPrinter: {
      const Message offer{kNoPrinterQuestion, kPrintTitle, MessageIcon::Exclamation};
      if (prompter.Ask(parent, offer, PromptButtons::OkCancel) != PromptAnswer::Ok) return false;
      const QString written = ExportListingPdf(parent, doc, prompter, folders);
      if (pdfWritten) *pdfWritten = written;
      return !written.isEmpty();
    }
  }
  WaitCursor wait;
  if (Paint(printer, doc.PrintPages())) return true;
  wait.Release();
  prompter.Show(parent, PrintError());
  return false;
}

void PreviewListing(QWidget* parent, Document& doc) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(JobName(doc));
  printer.setPageSize(PaperForLocale(QLocale()));
  const std::vector<PrintPage> pages = doc.PrintPages();
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setObjectName("frmPreview");
  dialog.setWindowTitle("Print Preview");
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&pages](QPrinter* target) { Paint(*target, pages); });
  dialog.exec();
}

QString ExportListingPdf(QWidget* parent, Document& doc, Prompter& prompter, FileFolders folders) {
  QString path = prompter.SaveFileName(parent, {"Export PDF", folders.StartIn(FolderKind::Pdf),
                                                QString::fromUtf8(RowOf(FileKind::Pdf).alone)});
  if (path.isEmpty()) return {};
  folders.Remember(FolderKind::Pdf, path);
  if (KindOfPath(path.toStdString()) != FileKind::Pdf) path += RowOf(FileKind::Pdf).extension;
  WaitCursor wait;
  const QByteArray pdf = PrintPagesToPdf(doc.PrintPages(), PaperForLocale(QLocale()), JobName(doc));
  FileError error;
  if (!pdf.isEmpty() &&
      WriteFileAtomically(PathFromUtf8(path.toStdString()),
                          std::string_view(pdf.constData(), pdf.size()), &error)) {
    return path;
  }
  wait.Release();
  const std::string text =
      error.Description.empty() ? std::string(kFileSaveError) : error.Description;
  prompter.Show(parent,
                Message{text, std::string(Traits(doc.Series()).modelName) + " " + kProgramTitle,
                        MessageIcon::Exclamation});
  return {};
}

}  // namespace qw
