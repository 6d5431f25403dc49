#include "formats/data_file_parser.h"

#include "formats/bounded_read.h"
#include "formats/text_util.h"

namespace qw {
namespace {

// A section line begins with "[" and has a name before the first "]"; nullopt otherwise.
std::optional<std::string> SectionName(std::string_view line) {
  if (line.empty() || line[0] != '[') return std::nullopt;
  line.remove_prefix(1);
  std::size_t close = line.find(']');
  if (close == std::string_view::npos || close == 0) return std::nullopt;
  return ToUpperAscii(TrimBlanks(line.substr(0, close)));
}

std::string EntryValue(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text[0] == '#') text.remove_prefix(1);
  return std::string(text);
}

}  // namespace

const std::vector<std::size_t>& DataFileSectionTable::SectionsNamed(
    std::string_view section) const {
  static const std::vector<std::size_t> kNone;
  auto found = byName_.find(ToUpperAscii(section));
  return found == byName_.end() ? kNone : found->second;
}

std::string_view DataFileSectionTable::Value(const std::vector<std::size_t>& sections,
                                             std::string_view key) const {
  for (std::size_t index : sections) {
    for (const DataFileEntry& entry : sections_[index].Entries) {
      if (EqualsIgnoringCase(entry.Key, key)) return entry.Value;
    }
  }
  return {};
}

std::string_view DataFileSectionTable::Value(std::string_view section, std::string_view key) const {
  return Value(SectionsNamed(section), key);
}

DataFileSection& DataFileSectionTable::AddSection(std::string name) {
  byName_[name].push_back(sections_.size());
  sections_.push_back(DataFileSection{std::move(name), {}});
  return sections_.back();
}

std::optional<DataFileSectionTable> ParseDataFileText(std::string_view text) {
  DataFileSectionTable table;
  std::size_t lines = 0;
  DataFileSection* current = nullptr;  // null while looking for a section line
  ForEachLine(text, [&](std::string_view line) {
    if (++lines > kMaxDataFileLines) return;
    if (!current) {
      if (auto name = SectionName(line)) current = &table.AddSection(std::move(*name));
      return;
    }
    std::size_t equals = line.find('=');
    if (equals != std::string_view::npos && equals >= 1) {
      current->Entries.push_back(DataFileEntry{ToUpperAscii(TrimBlanks(line.substr(0, equals))),
                                               EntryValue(line.substr(equals + 1))});
    } else if (line.find('[') != std::string_view::npos) {
      // The line ends this section; whether it starts a new one is decided as above.
      current = nullptr;
      if (auto name = SectionName(line)) current = &table.AddSection(std::move(*name));
    }
  });
  if (lines > kMaxDataFileLines) return std::nullopt;
  return table;
}

}  // namespace qw
