// The data file's reader side: the file as a table of sections and entries, looked up by name.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "formats/atomic_file.h"

namespace qw {

struct DataFileEntry {
  std::string Key;    // trimmed, upper-cased
  std::string Value;  // trimmed, one leading "#" removed
};

struct DataFileSection {
  std::string Name;                    // between the brackets, trimmed, upper-cased
  std::vector<DataFileEntry> Entries;  // file order, duplicates kept
};

// The sections in file order, duplicates kept, with an index by name for fast look-ups.
class DataFileSectionTable {
 public:
  const std::vector<DataFileSection>& Sections() const { return sections_; }

  // The value of the first entry, in file order over every section of that name, with that key;
  // empty when there is none. Names and keys match without regard to letter case.
  std::string_view Value(std::string_view section, std::string_view key) const;

  // The indices of the sections of that name, in file order (empty when none); with the
  // overload of Value below, a reader resolves a section once for all its keys.
  const std::vector<std::size_t>& SectionsNamed(std::string_view section) const;
  std::string_view Value(const std::vector<std::size_t>& sections, std::string_view key) const;

  DataFileSection& AddSection(std::string name);

 private:
  std::vector<DataFileSection> sections_;
  std::unordered_map<std::string, std::vector<std::size_t>> byName_;
};

// A full data file has about 12000 lines; the ceiling keeps the table's memory bounded.
inline constexpr std::size_t kMaxDataFileLines = 200000;

// The whole data file as a table (nullopt when it has more than kMaxDataFileLines lines). Lines
// before the first section, lines without "=" (or with
// "=" first) are ignored; a line holding "[" ends the section, and is a new one only when it
// begins with "[" and has a non-empty name before the first "]".
std::optional<DataFileSectionTable> ParseDataFileText(std::string_view text);

}  // namespace qw
