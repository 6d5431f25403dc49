// The main window's report commands: the printed listing and the "Print to File" window. They
// read the data set and never change it.
#include "editor/main_window.h"
#include "editor/print_commands.h"
#include "editor/report_window.h"

namespace qw {

void MainWindow::FilePrint() {
  if (PaneCheck()) PrintListing(this, doc_, prompter_);
}

void MainWindow::FilePrintPreview() {
  if (PaneCheck()) PreviewListing(this, doc_);
}

void MainWindow::FileExportPdf() {
  if (PaneCheck()) ExportListingPdf(this, doc_, prompter_, FileFolder());
}

void MainWindow::FilePrintToFile() {
  ReportWindow window(doc_, prompter_, FileFolder(), this);
  window.exec();
}

}  // namespace qw
