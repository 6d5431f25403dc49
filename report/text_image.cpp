#include "report/text_image.h"

#include "report/formatters.h"

namespace qw {

void TextImage::Row(const std::string& label, const std::vector<std::string>& values, int width) {
  std::string line = PadRight(label, kLabelWidth);
  for (const auto& v : values) line += PadRight(v, width);
  Line(line);
}

void TextImage::Cells(const std::vector<Cell>& cells) {
  std::string line;
  for (const auto& c : cells) line += PadRight(c.text, c.width);
  Line(line);
}

}  // namespace qw
