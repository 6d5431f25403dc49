#include "formats/csv_table.h"

#include <algorithm>
#include <cctype>

namespace qw {
namespace {

// Spreadsheets set to a language with decimal commas save with ';' between fields; some
// programs use tabs. A header line says which.
char SeparatorOf(std::string_view text) {
  std::size_t commas = 0, semicolons = 0, tabs = 0;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted) {
      if (c == '\r' || c == '\n') break;
      commas += c == ',';
      semicolons += c == ';';
      tabs += c == '\t';
    }
  }
  if (semicolons > commas && semicolons >= tabs) return ';';
  if (tabs > commas && tabs > semicolons) return '\t';
  return ',';
}

class CsvReader {
 public:
  explicit CsvReader(std::string_view text) : text_(text) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") text_.remove_prefix(3);
    table_.separator = SeparatorOf(text_);
  }

  CsvTable Read() {
    while (at_ < text_.size() && table_.error.empty()) ReadRow();
    return std::move(table_);
  }

 private:
  void Fail(std::string why) {
    table_.error = std::move(why);
    table_.errorLine = line_;
  }

  bool AtLineEnd() const { return text_[at_] == '\r' || text_[at_] == '\n'; }

  // Moves past one CR LF, CR or LF.
  void SkipLineEnd() {
    if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') ++at_;
    ++at_;
    ++line_;
  }

  void ReadRow() {
    CsvRow row;
    row.line = line_;
    while (table_.error.empty()) {
      if (row.cells.size() == kCsvMaxCells) return Fail("more than 256 columns");
      row.cells.push_back(ReadCell());
      if (at_ == text_.size()) break;
      if (text_[at_] == table_.separator) {
        ++at_;
        continue;
      }
      SkipLineEnd();
      break;
    }
    if (!table_.error.empty()) return;
    if (row.cells.size() == 1 && row.cells[0].empty()) return;  // a blank line
    if (table_.rows.size() == kCsvMaxRows) return Fail("more than 10000 rows");
    table_.rows.push_back(std::move(row));
  }

  std::string ReadCell() {
    std::string cell;
    if (at_ < text_.size() && text_[at_] == '"') return ReadQuoted();
    while (at_ < text_.size() && text_[at_] != table_.separator && !AtLineEnd()) {
      if (text_[at_] == '"') {
        Fail("a quote inside a field that does not start with one");
        return cell;
      }
      if (!Append(cell, text_[at_++])) return cell;
    }
    return cell;
  }

  std::string ReadQuoted() {
    std::string cell;
    const int startLine = line_;
    ++at_;
    while (true) {
      if (at_ == text_.size()) {
        line_ = startLine;
        Fail("a quoted field is not closed");
        return cell;
      }
      char c = text_[at_];
      if (c == '"') {
        if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
          at_ += 2;
          if (!Append(cell, '"')) return cell;
          continue;
        }
        ++at_;
        break;
      }
      if (c == '\n' || (c == '\r' && (at_ + 1 == text_.size() || text_[at_ + 1] != '\n'))) {
        ++line_;
      }
      ++at_;
      if (!Append(cell, c)) return cell;
    }
    if (at_ < text_.size() && text_[at_] != table_.separator && !AtLineEnd()) {
      Fail("text after the closing quote of a field");
    }
    return cell;
  }

  bool Append(std::string& cell, char c) {
    if (cell.size() == kCsvMaxCellBytes) {
      Fail("a field longer than 1024 bytes");
      return false;
    }
    cell.push_back(c);
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  int line_ = 1;
  CsvTable table_;
};

bool NeedsQuotes(const std::string& cell) {
  return cell.find_first_of(",\"\r\n") != std::string::npos;
}

}  // namespace

CsvTable ParseCsv(std::string_view text) {
  return CsvReader(text).Read();
}

bool SpreadsheetMayReshape(std::string_view text) {
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  if (std::none_of(text.begin(), text.end(), isDigit)) return false;
  // A letter keeps a text a text, except the exponent of a number such as 1E5.
  const auto letter = [](char c) {
    return std::isalpha(static_cast<unsigned char>(c)) && c != 'e' && c != 'E';
  };
  if (std::any_of(text.begin(), text.end(), letter)) return false;
  // A whole number a spreadsheet writes back as it was (longer ones come back in E notation).
  constexpr std::size_t kExactDigits = 15;
  const bool plain = text == "0" || (text[0] != '0' && text.size() <= kExactDigits &&
                                     std::all_of(text.begin(), text.end(), isDigit));
  return !plain;
}

std::string CsvLine(const std::vector<std::string>& cells, const std::vector<bool>& texts) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line.push_back(',');
    const bool text = i < texts.size() && texts[i] && SpreadsheetMayReshape(cells[i]);
    if (!text && !NeedsQuotes(cells[i])) {
      line += cells[i];
      continue;
    }
    line.push_back('"');
    for (char c : cells[i]) {
      if (c == '"') line.push_back('"');
      line.push_back(c);
    }
    line.push_back('"');
  }
  line += "\r\n";
  return line;
}

}  // namespace qw
