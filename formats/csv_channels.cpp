// Telling the two channel-list formats apart, and the helpers they share.
#include "formats/csv_channels.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>

#include "formats/csv_formats.h"
#include "formats/text_util.h"

namespace qw {
namespace csv {

std::string MHzText(double f, int decimals) {
  if (!(f > 0)) return "";
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, f, std::chars_format::fixed, decimals);
  return ec == std::errc() ? std::string(buf, end) : "";
}

std::string Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return std::string(s);
}

std::string DecimalPoint(std::string text, bool decimalComma) {
  if (decimalComma && text.find('.') == std::string::npos) {
    std::replace(text.begin(), text.end(), ',', '.');
  }
  return text;
}

namespace {
std::optional<double> NumberOf(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  // from_chars would also take "inf" and "nan", which are names, not numbers.
  if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) ||
                        text.front() == '-' || text.front() == '.')) {
    return std::nullopt;
  }
  double value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}
}  // namespace

bool SameNumber(std::string_view a, std::string_view b) {
  const auto x = NumberOf(a), y = NumberOf(b);
  return x && y && *x == *y;
}

int FindColumn(const std::vector<std::string>& header, std::string_view name) {
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (EqualsIgnoringCase(Trim(header[i]), name)) return static_cast<int>(i);
  }
  return -1;
}

bool IsOurHeader(const std::vector<std::string>& header) {
  return FindColumn(header, "Group") >= 0 && FindColumn(header, "CH") >= 0;
}

bool IsCommonHeader(const std::vector<std::string>& header) {
  return FindColumn(header, "Location") >= 0 && FindColumn(header, "Frequency") >= 0;
}

}  // namespace csv

std::string CsvProblemText(const CsvProblem& p) {
  std::string text = "line " + std::to_string(p.line);
  if (!p.column.empty()) text += ", " + p.column;
  return text + ": " + p.reason;
}

CsvImportResult ImportChannelsCsv(std::string_view text, RadioData& d) {
  CsvTable table = ParseCsv(text);
  CsvImportResult result;
  if (!table.error.empty()) {
    result.error = "line " + std::to_string(table.errorLine) + ": " + table.error;
    return result;
  }
  if (table.rows.empty()) {
    result.error = "the file is empty";
  } else if (csv::IsOurHeader(table.rows[0].cells)) {
    return csv::ImportOurs(table, d);
  } else if (csv::IsCommonHeader(table.rows[0].cells)) {
    return csv::ImportCommon(table, d);
  } else {
    result.error = "the first row names neither Group and CH nor Location and Frequency";
  }
  return result;
}

}  // namespace qw
