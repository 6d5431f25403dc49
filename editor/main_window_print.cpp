// The main window's report commands: the printed listing and the "Print to File" window.
#include "editor/main_window.h"
#include "editor/print_commands.h"
#include "editor/report_window.h"

namespace qw {

// Printing may snap fourth-group frequencies in the data set, so the panes show them again.
void MainWindow::FilePrint() {
  if (!PaneCheck()) return;
  if (PrintListing(this, doc_, prompter_)) RefreshPanes();
}

void MainWindow::FilePrintPreview() {
  if (!PaneCheck()) return;
  PreviewListing(this, doc_);
  RefreshPanes();
}

void MainWindow::FileExportPdf() {
  if (!PaneCheck()) return;
  if (ExportListingPdf(this, doc_, prompter_, FileFolder())) RefreshPanes();
}

void MainWindow::FilePrintToFile() {
  ReportWindow window(doc_, prompter_, FileFolder(), this);
  window.exec();
  RefreshPanes();
}

}  // namespace qw
