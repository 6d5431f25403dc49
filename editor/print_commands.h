// File > Print, Print Preview and Export PDF: the printed listing on a printer, in Qt's preview
// or as a PDF file. The main window runs its pane check first.
#pragma once

#include <QString>

#include "editor/file_folders.h"

class QWidget;

namespace qw {

class Document;
class Prompter;

// The system print dialog, then the six pages. A cancelled dialog ends quietly; a printer that
// fails afterwards is reported. Without any printer set up, says so and offers Export PDF.
// True when the pages went to the printer or into the PDF file, whose name goes to pdfWritten.
bool PrintListing(QWidget* parent, Document& doc, Prompter& prompter, FileFolders folders,
                  QString* pdfWritten = nullptr);

// The pages in Qt's print preview, from which they can be printed as well.
void PreviewListing(QWidget* parent, Document& doc);

// A save dialog, then the pages as a PDF on the paper of the user's locale, written atomically.
// The file written, or an empty text.
QString ExportListingPdf(QWidget* parent, Document& doc, Prompter& prompter, FileFolders folders);

}  // namespace qw
