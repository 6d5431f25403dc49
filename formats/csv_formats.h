// What the two channel-list formats share, and their readers, for csv_channels.cpp.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formats/csv_channels.h"
#include "formats/csv_table.h"
#include "formats/text_util.h"

namespace qw::csv {

// f in MHz with the given decimals and a '.' whatever the locale; "" for 0 or less (none).
std::string MHzText(double f, int decimals);
std::string Trim(std::string_view s);
// A number cell as the program reads numbers: with a decimal comma (the files of spreadsheets set
// to such a language), the comma is a point.
std::string DecimalPoint(std::string text, bool decimalComma);
// Whether both texts are numbers of the same value ("01" and "1", "156.0500" and "156.05"): what
// a spreadsheet's re-save cannot tell apart.
bool SameNumber(std::string_view a, std::string_view b);
// The position of a header cell (any letter case); -1 when absent.
int FindColumn(const std::vector<std::string>& header, std::string_view name);

bool IsOurHeader(const std::vector<std::string>& header);
bool IsCommonHeader(const std::vector<std::string>& header);

// The table's first row is the header. d changes only when the result says applied.
CsvImportResult ImportOurs(const CsvTable& table, RadioData& d);
CsvImportResult ImportCommon(const CsvTable& table, RadioData& d);

}  // namespace qw::csv
