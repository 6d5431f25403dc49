// What one edit changed in the data set, kept small: the channel records that differ, and the
// image and the settings only when they differ. Applying a delta swaps its contents with the
// data set, so after taking an edit back the same delta holds what is needed to do it again.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "model/field_table.h"
#include "model/radio_data.h"

namespace qw {

class DataDelta {
 public:
  DataDelta() = default;
  // Holds before's values wherever before and after differ.
  DataDelta(const RadioData& before, const RadioData& after);

  // Exchanges the held values with d's. Applied to the data set the delta was made against
  // (after), it gives before back, and the delta then holds after's values.
  void SwapWith(RadioData& d);

  // Takes in the delta of the edit that followed this one, so that the two become one step:
  // the first value held for a place wins, since it is the older one.
  void Absorb(DataDelta&& later);

  bool Empty() const;
  // Memory the delta holds, roughly, in bytes.
  std::size_t Bytes() const;

 private:
  // Everything of RadioData that is neither the image nor a channel list.
  using Settings = fields::ValuesOf<std::remove_const_t<decltype(fields::kSettingsParts)>>::type;
  struct Record {
    int list = 0;  // 0..3 the groups, 4 the weather list
    std::size_t index = 0;
    ChannelRecord value;
  };
  static constexpr int kLists = 5;

  static Settings SettingsOf(const RadioData& d);
  static void SwapSettings(Settings& s, RadioData& d);

  std::unique_ptr<Image> image_;
  std::unique_ptr<Settings> settings_;
  // A list whose length differs is held whole; otherwise only the records that differ.
  std::array<std::optional<std::vector<ChannelRecord>>, kLists> wholeLists_;
  std::vector<Record> records_;
};

}  // namespace qw
