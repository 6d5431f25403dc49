#include "model/field_table.h"

#include <gtest/gtest.h>

#include <map>

namespace qw {
namespace {

// fn(table, record) for each record type, with a record of that type.
template <class Fn>
void ForEveryTable(Fn&& fn) {
  const RadioData d;
  const ChannelRecord channel;
  fn(fields::kChannelFields, channel);
  fn(fields::kGroupFields, d.UsableGroupSettings[0]);
  fn(fields::kCommonFields, d.CommonSettings);
  fn(fields::kDscFields, d.DscSettings);
  fn(fields::kAtisFields, d.AtisSettings);
  fn(fields::kCallSignFields, d.AtisSettings.AtisCallSign[0]);
  fn(fields::kDirectoryFields, d.MemoryDirectory[0]);
}

// Captions and undo words are looked up by name alone, so a name that several records use must
// be described alike in each. The JSON form and the odd-value check list fields in row order,
// which is the declared order: each row's member lies after the one before.
TEST(FieldTables, ANameMeansOneThingInEveryRecordAndRowsFollowTheDeclaredOrder) {
  std::map<std::string, std::pair<std::string, std::string>> seen;
  ForEveryTable([&](const auto& table, const auto& record) {
    std::ptrdiff_t last = -1;
    fields::ForEachRow(table, [&](const auto& row) {
      const std::pair<std::string, std::string> labels{row.caption ? row.caption : "",
                                                       row.word ? row.word : ""};
      auto [it, fresh] = seen.emplace(row.json, labels);
      EXPECT_TRUE(fresh || it->second == labels) << row.json;
      const auto* at = reinterpret_cast<const char*>(&(record.*row.member));
      const std::ptrdiff_t offset = at - reinterpret_cast<const char*>(&record);
      EXPECT_GT(offset, last) << row.json;
      last = offset;
    });
  });
}

// A name without a caption or a word of its own, or no field's name at all (an operation's),
// stands for itself.
TEST(FieldTables, CaptionsAndWordsFallBackToTheName) {
  const struct {
    const char* name;
    const char* caption;
    const char* word;
  } cases[] = {
      {"ChTag", "CH Name", "name"},
      {"DispayA", "A Suffix", "DispayA"},
      {"Position", "Position", "Position"},
      {"Read from Radio", "Read from Radio", "Read from Radio"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fields::CaptionOf(c.name), c.caption);
    EXPECT_EQ(fields::UndoWordOf(c.name), c.word);
  }
}

}  // namespace
}  // namespace qw
