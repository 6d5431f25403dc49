// The printed listing as data: six logical pages, each a list of lines, each line a list of texts
// at horizontal positions in millimetres. A painter only places these texts (qt_print_painter.h);
// everything that decides what is printed where lives here.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "model/radio_data.h"

namespace qw {

// One text at x millimetres from the listing's left margin.
struct PrintItem {
  int x = 0;
  std::string text;
  bool operator==(const PrintItem&) const = default;
};

// A line of the listing; a line without items is a blank line.
using PrintLine = std::vector<PrintItem>;

struct PrintPage {
  std::vector<PrintLine> lines;
  // How many leading lines a sheet that continues this page repeats before its next line: the
  // page header, and on table pages also the title, the column header and the separator.
  std::size_t repeatedLines = 0;
};

// The six pages in order: settings, USA, INTL, Canada, weather, fourth group.
std::vector<PrintPage> BuildPrintPages(const RadioData& data);
// The listing's name: its first line, and the document name of a print job or a PDF.
std::string ListingTitle(int16_t series);

// How a page falls onto sheets that hold linesPerSheet lines each: every sheet as the indexes of
// the lines it prints, in order. A sheet that continues the page starts with the page's repeated
// lines and always gets at least one line beyond them, however small the sheet.
std::vector<std::vector<std::size_t>> SheetsOfPage(const PrintPage& page,
                                                   std::size_t linesPerSheet);

// Column positions from a list of widths ("0, 12, 17"): each column sits at the sum of the widths
// up to and including its own; the widths at the skipped list positions are left out.
std::vector<int> ColumnPositions(std::string_view widths,
                                 std::initializer_list<std::size_t> skip = {});

}  // namespace qw
