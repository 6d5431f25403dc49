// The printed listing measured in the font it is printed in: the widest text any column can hold
// ends at least 0.5 mm before the next column starts, on A4 and Letter, at the resolutions of a
// PDF and of common printers (the preview draws on the printer's resolution).
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QPrinter>
#include <functional>
#include <set>
#include <sstream>
#include <tuple>

#include "model/channel_rules.h"
#include "report/formatters.h"
#include "report/qt_print_painter.h"
#include "tests/report/report_data.h"

namespace qw {
namespace {

constexpr double kGapMm = 0.5;

// How far a text reaches from where it starts on the device, in millimetres: its advance or its
// ink, whichever goes further.
class Ruler {
 public:
  explicit Ruler(QPaintDevice& device)
      : metrics_(ListingFont(), &device), dotsPerMm_(device.logicalDpiX() / 25.4) {}

  double Mm(const std::string& text) const {
    const QString s = QString::fromLatin1(text);
    return std::max(metrics_.horizontalAdvance(s), metrics_.boundingRect(s).right()) / dotsPerMm_;
  }

  // Of the values from..to, the one whose text reaches furthest.
  int Widest(int from, int to, const std::function<std::string(int)>& text) const {
    int widest = from;
    double most = Mm(text(from));
    for (int v = from + 1; v <= to; ++v) {
      const double mm = Mm(text(v));
      if (mm > most) std::tie(widest, most) = std::pair(v, mm);
    }
    return widest;
  }

 private:
  QFontMetricsF metrics_;
  double dotsPerMm_;
};

// Tone choice v of one side: 1..50 the CTCSS tones, 51..258 the DCS codes of both banks.
void SetTone(ChannelRecord& ch, int side, int v) {
  ch.CTCSS[side] = static_cast<int16_t>(v <= 50 ? v : 0);
  ch.DCS[side] = static_cast<int16_t>(v > 50 ? v - 50 : 0);
}

// Every channel in every list, enabled and with every flag on, named with twelve of the font's
// widest characters, with the widest tone, scrambler text and display text; the groups with the
// widest channel label and four-character status names of the widest character.
RadioData Widest(int16_t series, const Ruler& ruler) {
  const char c = static_cast<char>(
      ruler.Widest(' ', '~', [](int v) { return std::string(1, static_cast<char>(v)); }));
  const int tone = ruler.Widest(0, 258, [](int v) {
    ChannelRecord ch;
    SetTone(ch, 0, v);
    return ToneText(ch, 0);
  });
  const int scramble =
      ruler.Widest(0, 7, [](int v) { return ScrambleText(static_cast<int16_t>(v)); });
  const int label = ruler.Widest(0, 279, [series](int p) { return ChannelLabelText(p, series); });

  RadioData d = test::EmptyDataSet(series);
  d.WX.resize(10);
  d.FourthGroup.resize(40);
  for (auto* list : {&d.USA, &d.INTL, &d.CANADA, &d.WX, &d.FourthGroup}) {
    for (auto& ch : *list) {
      ch.Enable = ch.LowPower = ch.PowUp = ch.Duplex = ch.TxEnable = true;
      ch.ScanMemory = ch.Narrow = ch.RxComp = true;
      ch.ChTag = std::string(kChannelNameLength, c);
      ch.Scramble = static_cast<int16_t>(scramble);
      ch.CHDisplayL = std::string(kDisplayLeftLength, c);
      ch.CHDisplayR = std::string(kDisplayRightLength, c);
      ch.Rxfreq = ch.Txfreq = 173.9875;
      SetTone(ch, 0, tone);
      SetTone(ch, 1, tone);
    }
  }
  for (auto& g : d.UsableGroupSettings) g = {true, true, label, true, {kStatusNameLength, c}};
  return d;
}

// Each text of the pages that comes closer than the gap to the next text on its line.
std::set<std::string> Crowded(RadioData d, const Ruler& ruler) {
  std::set<std::string> crowded;
  const std::vector<PrintPage> pages = BuildPrintPages(d);
  for (std::size_t p = 0; p < pages.size(); ++p) {
    for (const PrintLine& line : pages[p].lines) {
      for (std::size_t k = 0; k + 1 < line.size(); ++k) {
        const double end = line[k].x + ruler.Mm(line[k].text);
        if (end + kGapMm <= line[k + 1].x) continue;
        std::ostringstream text;
        text << "page " << p + 1 << ": \"" << line[k].text << "\" at " << line[k].x
             << " mm ends at " << end << " mm, next column at " << line[k + 1].x << " mm";
        crowded.insert(text.str());
      }
    }
  }
  return crowded;
}

// The widest texts of every series, measured on one device. The separator lines carry the runs of
// dashes a column prints for an empty value.
void ExpectRoomOn(QPaintDevice& device, const std::string& paper) {
  const Ruler ruler(device);
  for (int16_t series : {kSeriesThird, kSeriesMV510, kSeriesMV710}) {
    SCOPED_TRACE(paper + ", " + std::to_string(device.logicalDpiX()) + " dpi, series " +
                 std::to_string(series));
    EXPECT_EQ(Crowded(Widest(series, ruler), ruler), std::set<std::string>{});
  }
}

TEST(PrintFont, WidestTextOfEveryColumnEndsClearOfTheNextColumn) {
  int argc = 1;
  char name[] = "report_qt_tests";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);

  for (const auto id : {QPageSize::A4, QPageSize::Letter}) {
    const QPageSize paper(id);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(paper);
    ExpectRoomOn(printer, paper.name().toStdString());
    for (int dpi : {300, 600, 1200}) {
      QBuffer buffer;
      QPdfWriter pdf(&buffer);
      pdf.setPageSize(paper);
      pdf.setResolution(dpi);
      ExpectRoomOn(pdf, paper.name().toStdString());
    }
  }
}

}  // namespace
}  // namespace qw
