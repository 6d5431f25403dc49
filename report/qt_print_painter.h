// Puts the printed listing on paper, a PDF or a preview: any paged paint device. The pages come
// from BuildPrintPages; this only places their texts.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <vector>

#include "report/print_layout.h"

class QPainter;
class QPagedPaintDevice;

namespace qw {

// The face and size every text of the listing is printed in: fixed pitch, 8 pt.
QFont ListingFont();

// Paints the pages with a painter already active on the device, in ListingFont. Each text sits
// (x + 10) mm from the left of the printable area, the page header 5 mm below its top, one text
// line per line. A page that runs past the bottom of a sheet continues on the next one, which
// repeats the page's repeated lines first; each page starts a new sheet. False when the device
// refuses a new sheet.
bool PaintPrintPages(QPainter& painter, QPagedPaintDevice& device,
                     const std::vector<PrintPage>& pages);

// The pages as a PDF document. Empty when it could not be produced.
QByteArray PrintPagesToPdf(const std::vector<PrintPage>& pages, const QPageSize& paper,
                           const QString& title);

// The paper people use where the locale is: Letter in North America, A4 elsewhere.
QPageSize PaperForLocale(const QLocale& locale);

}  // namespace qw
