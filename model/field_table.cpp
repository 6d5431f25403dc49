#include "model/field_table.h"

namespace qw::fields {
namespace {

static_assert(KindsMatch(kGroupFields));
static_assert(KindsMatch(kCommonFields));
static_assert(KindsMatch(kAtisFields));
static_assert(KindsMatch(kDirectoryFields));
static_assert(KindsMatch(kMarineEntries));
static_assert(KindsMatch(kWeatherEntries));
static_assert(KindsMatch(kFourthEntries));

template <class Table>
constexpr auto FactsOf(const Table& table) {
  return std::apply(
      [](const auto&... row) {
        return std::array<Facts, sizeof...(row)>{
            Facts{row.json, row.caption, row.word, row.held, row.heldFourth, row.shown.worded}...};
      },
      table);
}

constexpr auto kChannelFacts = FactsOf(kChannelFields);
constexpr auto kGroupFacts = FactsOf(kGroupFields);
constexpr auto kCommonFacts = FactsOf(kCommonFields);
constexpr auto kDscFacts = FactsOf(kDscFields);
constexpr auto kAtisFacts = FactsOf(kAtisFields);
constexpr auto kCallSignFacts = FactsOf(kCallSignFields);
constexpr auto kDirectoryFacts = FactsOf(kDirectoryFields);

// In Record order.
constexpr std::span<const Facts> kAllFacts[] = {kChannelFacts,  kGroupFacts, kCommonFacts,
                                                kDscFacts,      kAtisFacts,  kCallSignFacts,
                                                kDirectoryFacts};

// The n-th piece of a comma list, without the blanks around it; the list names every group or
// element its field has.
std::string ListedName(std::string_view list, std::size_t n) {
  for (; n > 0; --n) list.remove_prefix(list.find(',') + 1);
  list = list.substr(0, list.find(','));
  const auto first = list.find_first_not_of(' ');
  return std::string(list.substr(first, list.find_last_not_of(' ') + 1 - first));
}

}  // namespace

std::string KeyName(const FileKey& key, std::size_t n) {
  switch (key.keys) {
    case Keys::Numbered:
      return key.name + std::to_string(n);
    case Keys::Listed:
      return ListedName(key.name, n);
    case Keys::One:
      break;
  }
  return key.name;
}

const Facts* FindField(Record record, std::string_view json) {
  for (const Facts& f : kAllFacts[static_cast<int>(record)]) {
    if (json == f.json) return &f;
  }
  return nullptr;
}

const Facts* FindField(std::string_view json) {
  for (std::span<const Facts> table : kAllFacts) {
    for (const Facts& f : table) {
      if (json == f.json) return &f;
    }
  }
  return nullptr;
}

std::string CaptionOf(std::string_view json) {
  const Facts* f = FindField(json);
  return std::string(f && f->caption ? f->caption : json);
}

std::string UndoWordOf(std::string_view json) {
  const Facts* f = FindField(json);
  return std::string(f && f->word ? f->word : json);
}

}  // namespace qw::fields
