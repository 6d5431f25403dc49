// The main window's report commands: the printed listing and the "Print to File" window. They
// read the data set and never change it.
#include "editor/main_window.h"
#include "editor/print_commands.h"
#include "editor/report_window.h"

namespace qw {

void MainWindow::FilePrint() {
  if (!PaneCheck()) return;
  QString pdf;
  if (PrintListing(this, doc_, prompter_, FileFolders(store_), &pdf) && !pdf.isEmpty()) {
    ShowWritten("Listing", pdf);
  }
}

void MainWindow::FilePrintPreview() {
  if (PaneCheck()) PreviewListing(this, doc_);
}

void MainWindow::FileExportPdf() {
  if (!PaneCheck()) return;
  const QString written = ExportListingPdf(this, doc_, prompter_, FileFolders(store_));
  if (!written.isEmpty()) ShowWritten("Listing", written);
}

void MainWindow::FilePrintToFile() {
  ReportWindow window(doc_, prompter_, FileFolders(store_), this);
  connect(&window, &ReportWindow::Saved, this,
          [this](const QString& path) { ShowWritten("Report", path); });
  window.exec();
}

}  // namespace qw
