// The one walk over the memory image, in the order the radio's fields are decoded and encoded.
// Io is ImageReader (image -> data set) or ImageWriter (data set -> image); both directions
// visit exactly the same fields, so they cannot drift apart.
#pragma once

#include <algorithm>

#include "model/field_table.h"
#include "model/image_io.h"
#include "model/image_layout.h"
#include "model/radio_data.h"
#include "model/series_traits.h"

namespace qw::walk {

// What a series keeps in its image is a question for its row: names and tags live above the
// 8 KB an MV510 radio has, and only some radios keep the DSC, call-sign and directory regions.
inline const SeriesTraits& Row(const RadioData& d) {
  return Traits(d.ModelSeries);
}

template <class Io>
void GroupSettings(RadioData& d, Io& io) {
  for (int g = 0; g < 4; ++g) {
    auto& s = d.UsableGroupSettings[g];
    io.Bit(s.Usable, layout::Usable(g));
    io.Bit(s.TxTot, layout::TxTot(g));
    if (g < 3) io.Word(s.PriorityCh, layout::PriorityCh(g));
    io.Bit(s.StatusIcon, layout::StatusIcon(g));
    if (Row(d).statusNames) io.Text(s.StatusName, layout::StatusName(g));
  }
}

// A setting at its place: an on/off one as its bit, a number as its bits or as they code it.
template <class Io, class T>
void Setting(Io& io, T& v, fields::ImagePlace place) {
  if constexpr (std::is_same_v<T, bool>) {
    io.Bit(v, place.bits);
  } else if (place.how == fields::Stored::OffsetTime) {
    io.OffsetTime(v, place.bits);
  } else if (place.how == fields::Stored::MagneticVariation) {
    io.MagneticVariation(v, place.bits);
  } else {
    io.Number(v, place.bits);
  }
}

template <class Io>
void CommonSettings(RadioData& d, Io& io) {
  fields::ForEachRow(fields::kCommonFields, [&](const auto& row) {
    if (row.image.how == fields::Stored::Elsewhere || !fields::Holds(Row(d), row.held)) return;
    Setting(io, d.CommonSettings.*row.member, row.image);
  });
}

template <class Io>
void DscSettings(RadioData& d, Io& io) {
  auto& s = d.DscSettings;
  for (int k = 0; k < 3; ++k) io.Bit(s.DscGroup[k], layout::DscGroup(k));
  for (int k = 0; k < 4; ++k) {
    io.Bit(s.AllShipsCall[k], layout::AllShipsCall(k));
    io.Bit(s.AllShipsCallTx[k], layout::AllShipsCallTx(k));
    io.Bit(s.GroupCall[k], layout::GroupCall(k));
    io.Bit(s.GroupCallTx[k], layout::GroupCallTx(k));
    io.Bit(s.IndividualCall[k], layout::IndividualCall(k));
    io.Bit(s.IndividualCallTx[k], layout::IndividualCallTx(k));
    io.Bit(s.PosRequest[k], layout::PosRequest(k));
  }
  for (int k = 2; k < 4; ++k) io.Bit(s.Tx[k], layout::Tx(k));
  for (int k = 0; k < 8; ++k) io.Bit(s.BeepOut[k], layout::BeepOut(k));
  for (int k = 0; k < 3; ++k) io.Bit(s.AckMenu[k], layout::AckMenu(k));
  io.Digits(s.UserMmsi, layout::kUserMmsi);
}

template <class Io>
void AtisSettings(RadioData& d, Io& io) {
  auto& a = d.AtisSettings;
  for (int g = 0; g < 4; ++g) io.Bit(a.UsableAtisGroup[g], layout::UsableAtisGroup(g));
  io.Digits(a.AtisCode, layout::kAtisCode);
  if (Row(d).thirdVariantSettings) {
    for (int g = 0; g < 4; ++g) io.Bit(a.AtisKillerGroup[g], layout::AtisKillerGroup(g));
  }
  if (!Row(d).dscRegions) return;
  for (int n = 0; n < layout::kCallSignCount; ++n) {
    io.CallSign(a.AtisCallSign[n].MID, layout::CallSignMid(n));
    io.CallSign(a.AtisCallSign[n].DISP, layout::CallSignDisp(n));
  }
}

// Steps shared by every channel list: enable bits, scan bits, then the tags.
template <class Io>
void ListBitsAndTags(RadioData& d, std::vector<ChannelRecord>& list,
                     const layout::ChannelRegions& r, Io& io) {
  io.Bits(list, &ChannelRecord::Enable, r.enable);
  io.Bits(list, &ChannelRecord::ScanMemory, r.scan);
  if (!Row(d).channelNames) return;
  const int n = std::min(static_cast<int>(list.size()), r.slots);
  for (int i = 0; i < n; ++i) {
    io.Text(list[i].ChTag, {r.tagBase + layout::kTagLength * i, layout::kTagLength});
  }
}

template <class Io>
void MarineList(RadioData& d, int group, Io& io) {
  auto& list = GroupList(d, group);
  const auto& r = layout::kMarineRegions[group];
  ListBitsAndTags(d, list, r, io);
  const int n = std::min(static_cast<int>(list.size()), r.slots);
  for (int i = 0; i < n; ++i) io.MarineFlags(list[i], r.flagBase + r.flagStride * i);
}

template <class Io>
void WeatherList(RadioData& d, Io& io) {
  ListBitsAndTags(d, d.WX, layout::kWxRegions, io);
}

template <class Io>
void Directory(DirectoryEntry* entries, layout::DirectoryRegion r, Io& io) {
  for (int n = 0; n < r.entries; ++n) {
    const int offset = r.base + layout::kDirectoryStride * n;
    io.Digits(entries[n].Mmsid, {offset, true});
    io.Text(entries[n].TagName,
            {offset + layout::kDirectoryTagOffset, layout::kDirectoryTagLength});
  }
  io.DirectoryRun(entries, r.entries);
}

template <class Io>
void Directories(RadioData& d, Io& io) {
  Directory(d.MemoryDirectory.data(), layout::kMemoryDirectory, io);
  Directory(d.GroupDirectory.data(), layout::kGroupDirectory, io);
}

template <class Io>
void FourthGroup(RadioData& d, Io& io) {
  const auto& r = layout::kFourthRegions;
  ListBitsAndTags(d, d.FourthGroup, r, io);
  const int n = std::min(static_cast<int>(d.FourthGroup.size()), r.slots);
  for (int k = 0; k < n; ++k) {
    auto& ch = d.FourthGroup[k];
    const int base = r.flagBase + r.flagStride * k;
    io.RecordFlags(ch, base + layout::kRecordFlags);
    io.Display(ch, base + layout::kRecordDisplay);
    io.Frequency(ch.Rxfreq, {base + layout::kRecordRxFreq});
    io.Frequency(ch.Txfreq, {base + layout::kRecordTxFreq});
    if (Row(d).fourthGroupTones) io.Tones(ch, base + layout::kRecordTones);
  }
}

// Group, common, DSC and ATIS settings.
template <class Io>
void General(RadioData& d, Io& io) {
  GroupSettings(d, io);
  CommonSettings(d, io);
  if (Row(d).dscRegions) DscSettings(d, io);
  AtisSettings(d, io);
}

template <class Io>
void Everything(RadioData& d, Io& io) {
  General(d, io);
  for (int g = kGroupUSA; g <= kGroupCANADA; ++g) MarineList(d, g, io);
  WeatherList(d, io);
  if (Row(d).dscRegions) Directories(d, io);
  FourthGroup(d, io);
}

}  // namespace qw::walk
