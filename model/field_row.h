// What a row of the field tables (model/field_table.h) says of a field, and the walks over them.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "model/bit_field.h"
#include "model/radio_data.h"

namespace qw::fields {

// The series that hold a field (or whose data files carry it).
enum class Held { Always, StatusNames, ChannelNames, FourthGroupTones, ThirdVariant };

constexpr bool Holds(const SeriesTraits& t, Held held) {
  switch (held) {
    case Held::StatusNames:
      return t.statusNames;
    case Held::ChannelNames:
      return t.channelNames;
    case Held::FourthGroupTones:
      return t.fourthGroupTones;
    case Held::ThirdVariant:
      return t.thirdVariantSettings;
    case Held::Always:
      break;
  }
  return true;
}

// How the data file's reader takes a value.
enum class Kind { Bool, Int16, Int32, Number, Text };
// How the writer spells it: as it is, as its absolute value, or behind a "#" mark that keeps
// leading blanks (the reader removes the mark after trimming).
enum class Form { Plain, Abs, Marked };
// How the key of group (or list element) n is made: the name itself, the name with n after it
// ("TX TOT 0"), or the n-th piece of the comma list ("USA, INTL, Canada, EXP CH").
enum class Keys { One, Numbered, Listed };

struct FileKey {
  const char* name = nullptr;  // nullptr: the data file does not carry the field
  Kind kind = Kind::Bool;
  Form form = Form::Plain;
  Keys keys = Keys::One;
  Held held = Held::Always;  // the series whose data files carry it
};

// The key of group or element n.
std::string KeyName(const FileKey& key, std::size_t n);

// How a setting is kept in the memory image: an on/off value as its bit, a number as its bits,
// and two that are coded.
enum class Stored { Elsewhere, Bits, OffsetTime, MagneticVariation };
struct ImagePlace {
  Stored how = Stored::Elsewhere;  // Elsewhere: a walk of its own stores it (channels, lists)
  layout::BitField bits{};
};

// The common settings' sections, in the order the editor and the reports show them, then the
// reports' DSC sections that list settings one per line.
enum class Section {
  StartingTxMode,
  Scanning,
  WeatherCh,
  NmeaInput,
  Beep,
  None,
  DscBasic,
  DscAdvanced
};
inline constexpr const char* kSectionTitles[] = {"Starting TX Mode", "Scanning Function",
                                                 "Weather CH Function", "NMEA Data Input",
                                                 "Beep Function"};
// How the reports word a setting's value: on/off, or an entry of its own list.
enum class Worded { OnOff, TxPoDisplay, ResumeTime, Weater, OffsetTime, MagneticVariation };
struct Shown {
  Section section = Section::None;  // None: the reports show it in a table of their own
  Worded worded = Worded::OnOff;
  const char* label = nullptr;  // the report's label; nullptr: the caption
};

template <class R, class T>
struct Field {
  T R::*member;
  const char* json;     // the data model's name
  const char* caption;  // as a comparison names it ("CH Name"); nullptr: the json name
  const char* word;     // as an undo step names it ("name"); nullptr: the json name
  Held held;            // the series that hold it (a comparison across series skips the rest)
  Held heldFourth;      // the same for a channel of the fourth group
  FileKey file;
  ImagePlace image{};
  Shown shown{};

  // The row with its place in the memory image.
  constexpr Field At(layout::BitField bits, Stored how = Stored::Bits) const {
    Field row = *this;
    row.image = {how, bits};
    return row;
  }
  // The row under another label in the reports than its caption.
  constexpr Field Labelled(const char* label) const {
    Field row = *this;
    row.shown.label = label;
    return row;
  }
  // The row with its place in the reports.
  constexpr Field In(Section section, Worded worded = Worded::OnOff,
                     const char* label = nullptr) const {
    Field row = *this;
    row.shown = {section, worded, label};
    return row;
  }
};

template <class R, class T>
constexpr Field<R, T> Row(T R::*member, const char* json, const char* caption, const char* word,
                          FileKey file = {}, Held held = Held::Always) {
  return {member, json, caption, word, held, held, file};
}

// A channel row whose fourth-group channels are held by other series than the rest.
template <class T>
constexpr Field<ChannelRecord, T> InFourthGroup(Field<ChannelRecord, T> row, Held held) {
  row.heldFourth = held;
  return row;
}

// A data file entry of a channel section, whose order is the file's own.
template <class T>
struct Entry {
  T ChannelRecord::*member;
  FileKey file;
};

// Calls fn(row) for every row of a table, in order.
template <class Table, class Fn>
constexpr void ForEachRow(const Table& table, Fn&& fn) {
  std::apply([&](const auto&... row) { (fn(row), ...); }, table);
}

template <class T>
inline constexpr bool kIsArray = false;
template <class T, std::size_t N>
inline constexpr bool kIsArray<std::array<T, N>> = true;

// The kind a value of type T is read as (a list's: its elements').
template <class T>
constexpr Kind KindOf() {
  if constexpr (kIsArray<T>) {
    return KindOf<typename T::value_type>();
  } else if constexpr (std::is_same_v<T, bool>) {
    return Kind::Bool;
  } else if constexpr (std::is_same_v<T, int16_t>) {
    return Kind::Int16;
  } else if constexpr (std::is_same_v<T, int32_t>) {
    return Kind::Int32;
  } else if constexpr (std::is_same_v<T, double>) {
    return Kind::Number;
  } else {
    static_assert(std::is_same_v<T, std::string>);
    return Kind::Text;
  }
}

template <class M>
struct MemberOf;
template <class R, class T>
struct MemberOf<T R::*> {
  using type = T;
};

// Every row's kind is the one its member's type is read as.
template <class Table>
constexpr bool KindsMatch(const Table& table) {
  bool match = true;
  ForEachRow(table, [&](const auto& row) {
    using T = typename MemberOf<std::remove_cvref_t<decltype(row.member)>>::type;
    if (row.file.name) match = match && KindOf<T>() == row.file.kind;
  });
  return match;
}

// Every data-file entry of a table's rows for the series: io(key, value, fileKey) for each, row
// by row; within a row, record by record, or element by element for a list field. records are
// the groups of one section (key n is group n) or the one record of a section.
template <class Table, class R, class Io>
void WalkFile(const Table& table, std::span<R> records, const SeriesTraits& series, Io&& io) {
  ForEachRow(table, [&](const auto& row) {
    if (!row.file.name || !Holds(series, row.file.held)) return;
    for (std::size_t r = 0; r < records.size(); ++r) {
      auto& value = records[r].*row.member;
      if constexpr (kIsArray<std::remove_cvref_t<decltype(value)>>) {
        for (std::size_t n = 0; n < value.size(); ++n) io(KeyName(row.file, n), value[n], row.file);
      } else if (row.file.keys == Keys::One) {
        io(std::string_view(row.file.name), value, row.file);  // most keys: no copy
      } else {
        io(KeyName(row.file, r), value, row.file);
      }
    }
  });
}

}  // namespace qw::fields
