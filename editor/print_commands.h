// File > Print, Print Preview and Export PDF: the printed listing on a printer, in Qt's preview
// or as a PDF file. The main window runs its pane check first.
#pragma once

#include <QString>

class QWidget;

namespace qw {

class Document;
class Prompter;

// The system print dialog, then the six pages. A cancelled dialog ends quietly; a printer that
// fails afterwards is reported. True when the pages went to the printer.
bool PrintListing(QWidget* parent, Document& doc, Prompter& prompter);

// The pages in Qt's print preview, from which they can be printed as well.
void PreviewListing(QWidget* parent, Document& doc);

// A save dialog, then the pages as a PDF on the paper of the user's locale, written atomically.
// True when the file was written.
bool ExportListingPdf(QWidget* parent, Document& doc, Prompter& prompter, const QString& folder);

}  // namespace qw
