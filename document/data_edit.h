// What one edit of the data set touched: the unit it changed and the field. Listeners use it to
// refresh what depends on that unit (tree captions, lists); undo uses it to name the step and to
// keep the unit's value before and after.
#pragma once

#include <string>

namespace qw {

// The weather list, next to the group numbers 0..3 of ChannelGroup.
inline constexpr int kGroupWX = 4;

struct EditWhat {
  enum class Unit {
    Channel,      // group 0..3 or kGroupWX, index into its list
    UsableGroup,  // group 0..3
    Common,
    Dsc,
    Atis,
    MemoryDirectory,  // index 0..39
    GroupDirectory,   // index 0..9
    WholeDataSet,     // a whole-document operation (new, open, read, destination, import)
  };
  Unit unit = Unit::WholeDataSet;
  int group = -1;
  int index = -1;
  std::string field;  // data-model name ("ChTag") or the operation's name ("Read from Radio")

  bool operator==(const EditWhat&) const = default;
};

}  // namespace qw
