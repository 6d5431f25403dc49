#include "model/priority_channels.h"

#include <algorithm>

#include "model/channel_plans.h"
#include "model/image_header.h"

namespace qw {
namespace {

bool ChannelEnabled(const RadioData& d, int group, int32_t id) {
  if (id < kFirstFourthChannel) {
    const auto& list = GroupList(d, group);
    return id < static_cast<int32_t>(list.size()) && list[id].Enable;
  }
  const int k = id - kFirstFourthChannel;
  return k < static_cast<int>(d.FourthGroup.size()) && d.FourthGroup[k].Enable;
}

std::string Caption(const RadioData& d, int32_t id) {
  if (id < kFirstFourthChannel) return ChannelMasterTable()[id].Label;
  return FourthGroupName(d.ModelSeries) + std::to_string(id - kFirstFourthChannel + 1);
}

}  // namespace

std::vector<PriorityChoice> PriorityChoices(const RadioData& d, int group) {
  std::vector<PriorityChoice> choices{{kNoChannel, "Off"}};
  if (group < kGroupUSA || group > kGroupCANADA) return choices;

  std::vector<int32_t> ids;
  for (int j = 0; j < kGroupChannelListLength; ++j) {
    const int32_t id = GroupChannelListEntry(d.RadioImage, group, j);
    if (id < kChannelNumberEnd) ids.push_back(id);
  }
  for (int32_t always : {kSlotChannel09, kSlotChannel16}) {
    if (std::find(ids.begin(), ids.end(), always) == ids.end()) ids.push_back(always);
  }
  for (int32_t id : ids) {
    if (ChannelEnabled(d, group, id)) choices.push_back({id, Caption(d, id)});
  }
  return choices;
}

}  // namespace qw
