// Comma-separated values as RFC 4180 has them: fields quoted with '"' when they hold a comma,
// a quote or a line end, a quote inside doubled, rows ending in CR LF. The reader also takes
// LF or CR line ends, a UTF-8 byte-order mark, a last row without a line end and ';' or tab
// between fields, as spreadsheets write them, and stays within fixed bounds whatever the input.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

// Far more than any channel list needs; a file beyond them is refused, not cut.
inline constexpr std::size_t kCsvMaxRows = 10000;
inline constexpr std::size_t kCsvMaxCells = 256;
inline constexpr std::size_t kCsvMaxCellBytes = 1024;

struct CsvRow {
  int line = 0;  // the line the row starts on, 1 for the first
  std::vector<std::string> cells;
};

struct CsvTable {
  std::vector<CsvRow> rows;  // blank lines are left out
  char separator = ',';      // ',' ';' or '\t', as the first line has it
  std::string error;         // empty when the whole text was read
  int errorLine = 0;
};

// The separator is the one of ',' ';' and tab that the first line uses most (',' when none).
CsvTable ParseCsv(std::string_view text);

// Whether a spreadsheet might take the text for a number or a date and save it in another form
// ("01" as 1, "1.50" as 1.5, "1E5" as 100000, "1/2" as a date).
bool SpreadsheetMayReshape(std::string_view text);

// One row, quoted where needed, ending in CR LF. A cell marked in `texts` is quoted also when
// SpreadsheetMayReshape: spreadsheets told to keep quoted fields as text then keep it as written.
std::string CsvLine(const std::vector<std::string>& cells, const std::vector<bool>& texts = {});

}  // namespace qw
