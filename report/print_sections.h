// The parts of the printed listing, each added to a page under construction.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/radio_data.h"
#include "report/print_layout.h"

namespace qw {

// A page in the making: it starts with the page header, a line with the model name and a blank
// line.
class PageBuilder {
 public:
  explicit PageBuilder(int16_t series);

  void Blank() { page_.lines.emplace_back(); }
  void Text(std::string text) { page_.lines.push_back({{0, std::move(text)}}); }
  void Line(PrintLine line) { page_.lines.push_back(std::move(line)); }
  // A label at x 0 and one value per channel group under the group names.
  void GroupRow(std::string label, const std::vector<std::string>& values);
  // A label at x 0 and its value at x 50.
  void ValueRow(std::string label, std::string value);
  // The lines so far are repeated at the top of every sheet that continues the page.
  void RepeatLinesSoFar() { page_.repeatedLines = page_.lines.size(); }

  PrintPage Take() { return std::move(page_); }

 private:
  PrintPage page_;
};

// Page 1 (print_settings.cpp).
PrintPage SettingsPage(const RadioData& d);

// Pages 2 to 6 (print_tables.cpp).
PrintPage MarineTablePage(const std::vector<ChannelRecord>& list, const std::string& title,
                          int16_t series);
PrintPage WeatherTablePage(const RadioData& d);
PrintPage FourthGroupTablePage(const RadioData& d);

}  // namespace qw
