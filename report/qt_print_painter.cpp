#include "report/qt_print_painter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include "model/messages.h"

namespace qw {

namespace {

constexpr double kLeftMarginMm = 10;
constexpr double kTopMm = 5;
// A PDF has no printer margins of its own; these stand in for what a printer cannot reach.
constexpr double kPdfMarginMm = 5;

class SheetWriter {
 public:
  SheetWriter(QPainter& painter, QPagedPaintDevice& device)
      : painter_(painter),
        device_(device),
        dotsPerMm_(device.logicalDpiX() / 25.4),
        top_(kTopMm * device.logicalDpiY() / 25.4),
        metrics_(painter.font(), &device) {}

  // Lines whose whole height fits between the top line and the bottom of the printable area.
  std::size_t LinesPerSheet() const {
    const double room = device_.height() - top_ - metrics_.height();
    return room < 0 ? 0 : static_cast<std::size_t>(room / metrics_.lineSpacing()) + 1;
  }

  bool Sheet(const PrintPage& page, const std::vector<std::size_t>& lines) {
    if (!firstSheet_ && !device_.newPage()) return false;
    firstSheet_ = false;
    double y = top_ + metrics_.ascent();
    for (std::size_t index : lines) {
      for (const auto& item : page.lines[index]) {
        const double x = (item.x + kLeftMarginMm) * dotsPerMm_;
        painter_.drawText(QPointF(x, y), QString::fromLatin1(item.text));
      }
      y += metrics_.lineSpacing();
    }
    return true;
  }

 private:
  QPainter& painter_;
  QPagedPaintDevice& device_;
  double dotsPerMm_;
  double top_;
  QFontMetricsF metrics_;
  bool firstSheet_ = true;
};

}  // namespace

QFont ListingFont() {
  // The columns are a few millimetres wide: "CMP" gets 7 mm, a twelve-character name 22 mm. A
  // fixed-pitch face at 8 pt puts 1.7 mm under each character, so every column's widest text ends
  // clear of the next; a proportional face prints a row of W's twice as wide as one of i's. DejaVu
  // Sans Mono comes with most Linux systems; the others are the same width on Windows and macOS.
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Menlo"),
                    QStringLiteral("Consolas"), QStringLiteral("Courier New")});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(8);
  // Ligatures would print "Off" with one "ff" glyph, which search and copy read back as a single
  // odd character; a letter spacing far too small to see turns them off.
  font.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
  return font;
}

bool PaintPrintPages(QPainter& painter, QPagedPaintDevice& device,
                     const std::vector<PrintPage>& pages) {
  painter.setFont(ListingFont());
  SheetWriter writer(painter, device);
  for (const PrintPage& page : pages) {
    for (const auto& sheet : SheetsOfPage(page, writer.LinesPerSheet())) {
      if (!writer.Sheet(page, sheet)) return false;
    }
  }
  return true;
}

QByteArray PrintPagesToPdf(const std::vector<PrintPage>& pages, const QPageSize& paper,
                           const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(kProductName);
    writer.setPageSize(paper);
    writer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                          QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    const bool painted = PaintPrintPages(painter, writer, pages);
    if (!painter.end() || !painted) return {};
  }
  return bytes;
}

QPageSize PaperForLocale(const QLocale& locale) {
  switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::PuertoRico:
    case QLocale::UnitedStatesMinorOutlyingIslands:
    case QLocale::UnitedStatesVirginIslands:
      return QPageSize(QPageSize::Letter);
    default:
      return QPageSize(QPageSize::A4);
  }
}

}  // namespace qw
