// A text under construction in the report's line discipline: every line is appended as CR LF
// followed by its content, and rows are built from columns of fixed width.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace qw {

// One column of a table row: the text, fitted to the width.
struct Cell {
  std::string text;
  int width;
};

class TextImage {
 public:
  static constexpr int kLabelWidth = 35;
  static constexpr int kValueWidth = 18;

  void Blank() { text_ += "\r\n"; }
  void Line(const std::string& content) {
    text_ += "\r\n";
    text_ += content;
  }
  // A settings row: the label in 35 columns, then each value in `width` columns.
  void Row(const std::string& label, const std::vector<std::string>& values,
           int width = kValueWidth);
  // A table row: the cells side by side.
  void Cells(const std::vector<Cell>& cells);

  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

}  // namespace qw
