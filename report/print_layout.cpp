#include "report/print_layout.h"

#include <algorithm>
#include <charconv>

#include "model/messages.h"
#include "model/series_traits.h"
#include "report/print_sections.h"

namespace qw {

namespace {

// Where the values of the four channel groups stand: 50, 80, 110, 140.
constexpr int kFirstGroupX = 50;
constexpr int kGroupStep = 30;

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

std::string ListingTitle(int16_t series) {
  return std::string(Traits(series).modelName) + " " + kProductName;
}

PageBuilder::PageBuilder(int16_t series) {
  Text(ListingTitle(series));
  Blank();
}

void PageBuilder::GroupRow(std::string label, const std::vector<std::string>& values) {
  PrintLine line;
  if (!label.empty()) line.push_back({0, std::move(label)});
  int x = kFirstGroupX;
  for (const auto& value : values) {
    line.push_back({x, value});
    x += kGroupStep;
  }
  Line(std::move(line));
}

void PageBuilder::ValueRow(std::string label, std::string value) {
  Line({{0, std::move(label)}, {kFirstGroupX, std::move(value)}});
}

std::vector<int> ColumnPositions(std::string_view widths, std::initializer_list<std::size_t> skip) {
  std::vector<int> positions;
  int x = 0;
  std::size_t index = 0;
  while (true) {
    const std::size_t comma = widths.find(',');
    const std::string_view piece = Trimmed(widths.substr(0, comma));
    bool skipped = false;
    for (std::size_t s : skip) skipped = skipped || s == index;
    if (!skipped) {
      int width = 0;
      std::from_chars(piece.data(), piece.data() + piece.size(), width);
      x += width;
      positions.push_back(x);
    }
    if (comma == std::string_view::npos) break;
    widths.remove_prefix(comma + 1);
    ++index;
  }
  return positions;
}

std::vector<std::vector<std::size_t>> SheetsOfPage(const PrintPage& page,
                                                   std::size_t linesPerSheet) {
  const std::size_t repeated = std::min(page.repeatedLines, page.lines.size());
  std::vector<std::vector<std::size_t>> sheets(1);
  for (std::size_t i = 0; i < page.lines.size(); ++i) {
    if (i > repeated && sheets.back().size() >= linesPerSheet) {
      sheets.emplace_back();
      for (std::size_t r = 0; r < repeated; ++r) sheets.back().push_back(r);
    }
    sheets.back().push_back(i);
  }
  return sheets;
}

std::vector<PrintPage> BuildPrintPages(const RadioData& data) {
  const int16_t series = data.ModelSeries;
  std::vector<PrintPage> pages;
  pages.reserve(6);
  pages.push_back(SettingsPage(data));
  pages.push_back(MarineTablePage(data.USA, "##### Programable USA Channel #####", series));
  pages.push_back(
      MarineTablePage(data.INTL, "##### Programable International Channel #####", series));
  pages.push_back(MarineTablePage(data.CANADA, "##### Programable Canada Channel #####", series));
  pages.push_back(WeatherTablePage(data));
  pages.push_back(FourthGroupTablePage(data));
  return pages;
}

}  // namespace qw
