#include "document/data_delta.h"

#include <algorithm>
#include <utility>

namespace qw {
namespace {

std::vector<ChannelRecord>& List(RadioData& d, int list) {
  return list == 4 ? d.WX : GroupList(d, list);
}
const std::vector<ChannelRecord>& List(const RadioData& d, int list) {
  return list == 4 ? d.WX : GroupList(d, list);
}

std::size_t RecordBytes(const ChannelRecord& ch) {
  return sizeof ch + ch.ChTag.capacity() + ch.CHDisplayL.capacity() + ch.CHDisplayR.capacity();
}

}  // namespace

DataDelta::Settings DataDelta::SettingsOf(const RadioData& d) {
  return std::apply([&d](auto... part) { return Settings{d.*part...}; }, fields::kSettingsParts);
}

void DataDelta::SwapSettings(Settings& s, RadioData& d) {
  std::apply(
      [&](auto... part) { std::apply([&](auto&... held) { (std::swap(held, d.*part), ...); }, s); },
      fields::kSettingsParts);
}

DataDelta::DataDelta(const RadioData& before, const RadioData& after) {
  if (before.RadioImage != after.RadioImage) image_ = std::make_unique<Image>(before.RadioImage);
  Settings old = SettingsOf(before);
  if (!(old == SettingsOf(after))) settings_ = std::make_unique<Settings>(std::move(old));
  for (int list = 0; list < kLists; ++list) {
    const auto& from = List(before, list);
    const auto& to = List(after, list);
    if (from.size() != to.size()) {
      wholeLists_[list] = from;
      continue;
    }
    for (std::size_t i = 0; i < from.size(); ++i) {
      if (!(from[i] == to[i])) records_.push_back({list, i, from[i]});
    }
  }
}

void DataDelta::SwapWith(RadioData& d) {
  if (image_) std::swap(*image_, d.RadioImage);
  if (settings_) SwapSettings(*settings_, d);
  for (int list = 0; list < kLists; ++list) {
    if (wholeLists_[list]) std::swap(*wholeLists_[list], List(d, list));
  }
  for (Record& r : records_) {
    auto& list = List(d, r.list);
    if (r.index < list.size()) std::swap(r.value, list[r.index]);
  }
}

void DataDelta::Absorb(DataDelta&& later) {
  if (!image_) image_ = std::move(later.image_);
  if (!settings_) settings_ = std::move(later.settings_);
  for (int list = 0; list < kLists; ++list) {
    if (wholeLists_[list]) continue;
    if (later.wholeLists_[list]) {
      // The older records of the list lie under the later whole copy: put them in first.
      std::vector<ChannelRecord> whole = std::move(*later.wholeLists_[list]);
      for (const Record& r : records_) {
        if (r.list == list && r.index < whole.size()) whole[r.index] = r.value;
      }
      std::erase_if(records_, [list](const Record& r) { return r.list == list; });
      wholeLists_[list] = std::move(whole);
    }
  }
  for (Record& r : later.records_) {
    if (wholeLists_[r.list]) continue;
    const bool held = std::any_of(records_.begin(), records_.end(), [&](const Record& mine) {
      return mine.list == r.list && mine.index == r.index;
    });
    if (!held) records_.push_back(std::move(r));
  }
}

bool DataDelta::Empty() const {
  return !image_ && !settings_ && records_.empty() &&
         std::none_of(wholeLists_.begin(), wholeLists_.end(), [](const auto& l) { return l; });
}

std::size_t DataDelta::Bytes() const {
  std::size_t bytes = sizeof *this;
  if (image_) bytes += sizeof(Image);
  if (settings_) bytes += sizeof(Settings);
  for (const auto& list : wholeLists_) {
    if (list) {
      for (const auto& ch : *list) bytes += RecordBytes(ch);
    }
  }
  for (const Record& r : records_) bytes += sizeof r - sizeof r.value + RecordBytes(r.value);
  return bytes;
}

}  // namespace qw
