// One description per field of the data set's records: the member, its name in the data model
// (the JSON form's name), how a comparison and an undo step name it, which series hold it, and
// how the data file carries it ("Weater" and "Kikker" spelt as the file spells them). The data
// file, the JSON form, the check for values the radio cannot store, comparisons and undo all
// walk these tables, so they name and carry fields alike.
#pragma once

#include "model/field_row.h"

namespace qw::fields {

using enum Held;
using enum Kind;
using enum Form;
using enum Keys;
using CR = ChannelRecord;

// Rows in declared order. The data file lists the groups' values key by key, all four groups
// of one key together.
inline constexpr auto kGroupFields = std::tuple{
    Row(&UsableGroupSettings::Usable, "Usable", "Usable", "usable",
        {"USA, INTL, Canada, EXP CH", Bool, Plain, Listed})
        .Labelled("Enable"),
    Row(&UsableGroupSettings::TxTot, "TxTot", "TX TOT", "TX TOT",
        {"TX TOT ", Bool, Plain, Numbered}),
    Row(&UsableGroupSettings::PriorityCh, "PriorityCh", "Priority CH", "priority channel",
        {"Priority CH ", Int32, Abs, Numbered}),
    Row(&UsableGroupSettings::StatusIcon, "StatusIcon", "Status Icon", "status icon",
        {"Status Icon ", Bool, Plain, Numbered}),
    Row(&UsableGroupSettings::StatusName, "StatusName", "Status Name", "status name",
        {"Status name ", Text, Plain, Numbered, StatusNames}, StatusNames),
};

// Each with its place in the memory image and in the reports.
inline constexpr auto kCommonFields = std::tuple{
    Row(&CommonSettings::TxPoDisplay, "TxPoDisplay", "TX Po Display", "TX Po Display",
        {"TX Po Display", Int16, Abs})
        .At({68, 7, 8})
        .In(Section::StartingTxMode, Worded::TxPoDisplay),
    Row(&CommonSettings::Scan, "Scan", "SCAN", "SCAN", {"SCAN", Bool})
        .At(layout::Bit(91, 7))
        .In(Section::Scanning),
    Row(&CommonSettings::ResumeTime, "ResumeTime", "Resume Time", "Resume Time",
        {"Resume Time", Int16})
        .At({91, 2, 2})
        .In(Section::Scanning, Worded::ResumeTime),
    Row(&CommonSettings::PttScanClear, "PttScanClear", "PTT SCAN Clear", "PTT SCAN Clear",
        {"PTT SCAN Clear", Bool})
        .At(layout::Bit(91, 3))
        .In(Section::Scanning),
    Row(&CommonSettings::DualWatch, "DualWatch", "Dual Watch", "Dual Watch", {"Dual Watch", Bool})
        .At(layout::Bit(93, 7))
        .In(Section::Scanning),
    // Every series' file carries these two, though only the third variant stores them.
    Row(&CommonSettings::OffsetTime, "OffsetTime", "Offset Time", nullptr, {"Offset Time", Int16},
        ThirdVariant)
        .At({76, 4, 5}, Stored::OffsetTime)
        .In(Section::NmeaInput, Worded::OffsetTime),
    Row(&CommonSettings::MagneticVariation, "MagneticVariation", "Magnetic Variation", nullptr,
        {"Magnetic Variation", Int16, Abs}, ThirdVariant)
        .At(layout::Bit(76, 6), Stored::MagneticVariation)
        .In(Section::NmeaInput, Worded::MagneticVariation),
    Row(&CommonSettings::Weater, "Weater", "Weather Alert", "Weather Alert", {"Weater", Int16, Abs})
        .At({93, 5, 2})
        .In(Section::WeatherCh, Worded::Weater),
    Row(&CommonSettings::Rotary, "Rotary", nullptr, nullptr, {}, ThirdVariant)
        .At(layout::Bit(90, 0))
        .In(Section::Beep, Worded::OnOff, "Rotary Beep"),
};

// The data file carries no DSC settings. The report shows the acknowledgement menus a line each.
inline constexpr auto kDscFields = std::tuple{
    Row(&DscSettings::DscGroup, "DscGroup", nullptr, nullptr)
        .In(Section::DscBasic, Worded::OnOff, "DSC CH Group"),
    Row(&DscSettings::UserMmsi, "UserMmsi", nullptr, nullptr)
        .In(Section::DscBasic, Worded::OnOff, "User MMSI"),
    Row(&DscSettings::PosRequest, "PosRequest", nullptr, nullptr)
        .In(Section::DscAdvanced, Worded::OnOff, "Position Request"),
    Row(&DscSettings::Tx, "Tx", nullptr, nullptr).In(Section::DscAdvanced, Worded::OnOff, "TX"),
    Row(&DscSettings::BeepOut, "BeepOut", nullptr, nullptr)
        .In(Section::DscAdvanced, Worded::OnOff, "Beep Out"),
    Row(&DscSettings::AllShipsCall, "AllShipsCall", nullptr, nullptr)
        .In(Section::DscAdvanced, Worded::OnOff, "All Ships Call"),
    Row(&DscSettings::AllShipsCallTx, "AllShipsCallTx", nullptr, nullptr)
        .In(Section::DscAdvanced, Worded::OnOff, "All Ships Call TX"),
    Row(&DscSettings::GroupCall, "GroupCall", nullptr, nullptr)
        .In(Section::DscAdvanced, Worded::OnOff, "Group Call"),
    Row(&DscSettings::GroupCallTx, "GroupCallTx", nullptr, nullptr)
        .In(Section::DscAdvanced, Worded::OnOff, "Group Call TX"),
    Row(&DscSettings::IndividualCall, "IndividualCall", nullptr, nullptr)
        .In(Section::DscAdvanced, Worded::OnOff, "Individual Call"),
    Row(&DscSettings::IndividualCallTx, "IndividualCallTx", nullptr, nullptr)
        .In(Section::DscAdvanced, Worded::OnOff, "Individual Call TX"),
    Row(&DscSettings::AckMenu, "AckMenu", nullptr, nullptr),
};

// The call signs are a list of records of their own (kCallSignFields).
inline constexpr auto kAtisFields = std::tuple{
    Row(&AtisSettings::UsableAtisGroup, "UsableAtisGroup", "Usable ATIS CH Group", "group",
        {"Usable ATIS CH Group", Bool, Plain, Numbered}),
    Row(&AtisSettings::AtisCode, "AtisCode", "ATIS Code", "code", {"Atis Code", Text, Marked}),
    Row(&AtisSettings::AtisKillerGroup, "AtisKillerGroup", "ATIS Killer Group", nullptr,
        {"Usable ATIS Kikker CH Group", Bool, Plain, Numbered, ThirdVariant}, ThirdVariant)
        .Labelled("Usable ATIS Killer CH Group"),
};

inline constexpr auto kCallSignFields = std::tuple{
    Row(&AtisCallSignEntry::MID, "MID", nullptr, nullptr),
    Row(&AtisCallSignEntry::DISP, "DISP", nullptr, nullptr),
};

// Files this program writes carry no directory sections; the reader takes them.
inline constexpr auto kDirectoryFields = std::tuple{
    Row(&DirectoryEntry::Enable, "Enable", "CH Enable", "enable", {"Enable", Bool}),
    Row(&DirectoryEntry::TagName, "TagName", "Name", nullptr, {"TagName", Text}),
    Row(&DirectoryEntry::Mmsid, "Mmsid", "MMSI", nullptr, {"Mmsid", Text}),
};

// One record layout for marine, weather and fourth-group channels. Each list's data file
// sections carry their own choice of fields in their own order (kMarineEntries and the rest).
inline constexpr auto kChannelFields = std::tuple{
    Row(&CR::Position, "Position", nullptr, nullptr),
    Row(&CR::Enable, "Enable", "CH Enable", "enable"),
    Row(&CR::LowPower, "LowPower", "Low Power Only", "low power"),
    Row(&CR::PowUp, "PowUp", "Power Up", "power up"),
    Row(&CR::Duplex, "Duplex", "Duplex", "duplex"),
    Row(&CR::DuplexCapable, "DuplexCapable", "Duplex Capable", nullptr),
    Row(&CR::TxEnable, "TxEnable", "Tx Enable", "TX enable"),
    Row(&CR::DispayA, "DispayA", "A Suffix", nullptr),
    Row(&CR::ScanMemory, "ScanMemory", "Scan Memory", "scan memory"),
    Row(&CR::ChTag, "ChTag", "CH Name", "name", {}, ChannelNames),
    Row(&CR::Scramble, "Scramble", "Scrambler", "scrambler", {}, ChannelNames),
    Row(&CR::RxOnly, "RxOnly", "RX Only", nullptr),
    InFourthGroup(Row(&CR::Narrow, "Narrow", "Wide/Narrow", "wide/narrow"), FourthGroupTones),
    InFourthGroup(Row(&CR::DCS, "DCS", nullptr, "tone"), FourthGroupTones),
    InFourthGroup(Row(&CR::CTCSS, "CTCSS", nullptr, "tone"), FourthGroupTones),
    InFourthGroup(Row(&CR::RxComp, "RxComp", "COMP", "COMP"), FourthGroupTones),
    Row(&CR::CHDisplayL, "CHDisplayL", "CH Display", "display"),
    Row(&CR::CHDisplayR, "CHDisplayR", "CH Display Suffix", "display"),
    Row(&CR::Txfreq, "Txfreq", "Tx Frequency", "Tx frequency"),
    Row(&CR::Rxfreq, "Rxfreq", "Rx Frequency", "Rx frequency"),
};

// A marine section's entries after its "Position", which chooses the record.
inline constexpr auto kMarineEntries = std::tuple{
    Entry<bool>{&CR::Enable, {"Enable", Bool}},
    Entry<bool>{&CR::LowPower, {"LowPower", Bool}},
    Entry<bool>{&CR::PowUp, {"PowUp", Bool}},
    Entry<bool>{&CR::Duplex, {"Duplex", Bool}},
    Entry<bool>{&CR::TxEnable, {"TxEnable", Bool}},
    Entry<bool>{&CR::DispayA, {"DispayA", Bool}},
    Entry<bool>{&CR::ScanMemory, {"ScanMemory", Bool}},
    Entry<int16_t>{&CR::Scramble, {"Scramble", Int16, Plain, One, ChannelNames}},
    Entry<std::string>{&CR::ChTag, {"ChTag", Text, Marked, One, ChannelNames}},
};

inline constexpr auto kWeatherEntries = std::tuple{
    Entry<bool>{&CR::Enable, {"Enable", Bool}},
    Entry<bool>{&CR::ScanMemory, {"ScanMemory", Bool}},
    Entry<std::string>{&CR::ChTag, {"ChTag", Text, Marked}},
};

inline constexpr auto kFourthEntries = std::tuple{
    Entry<bool>{&CR::Enable, {"Enable", Bool}},
    Entry<std::string>{&CR::CHDisplayL, {"CHDisplayL", Text}},
    Entry<std::string>{&CR::CHDisplayR, {"CHDisplayR", Text}},
    Entry<double>{&CR::Rxfreq, {"Rxfreq", Number}},
    Entry<double>{&CR::Txfreq, {"Txfreq", Number}},
    Entry<bool>{&CR::LowPower, {"LowPower", Bool}},
    Entry<bool>{&CR::PowUp, {"PowUp", Bool}},
    Entry<bool>{&CR::ScanMemory, {"ScanMemory", Bool}},
    Entry<int16_t>{&CR::Scramble, {"Scramble", Int16, Plain, One, FourthGroupTones}},
    Entry<std::string>{&CR::ChTag, {"ChTag", Text, Marked, One, FourthGroupTones}},
    Entry<bool>{&CR::Narrow, {"Narrow", Bool, Plain, One, FourthGroupTones}},
    Entry<std::array<int16_t, 2>>{&CR::DCS,
                                  {"TxDCS, RxDCS", Int16, Plain, Listed, FourthGroupTones}},
    Entry<bool>{&CR::RxComp, {"RxComp", Bool, Plain, One, FourthGroupTones}},
    Entry<std::array<int16_t, 2>>{&CR::CTCSS,
                                  {"TxCTCSS, RxCTCSS", Int16, Plain, Listed, FourthGroupTones}},
};

// The parts of a data set beside its image and its channel lists, in declared order.
inline constexpr auto kSettingsParts = std::tuple{
    &RadioData::ModelSeries,     &RadioData::ImageLast,      &RadioData::UsableGroupSettings,
    &RadioData::CommonSettings,  &RadioData::DscSettings,    &RadioData::AtisSettings,
    &RadioData::MemoryDirectory, &RadioData::GroupDirectory,
};

// The values of a tuple of members: std::tuple<int16_t, ...> for kSettingsParts.
template <class Parts>
struct ValuesOf;
template <class... M>
struct ValuesOf<std::tuple<M...>> {
  using type = std::tuple<typename MemberOf<M>::type...>;
};

// The table of a record type.
template <class R>
struct TableOf;
template <>
struct TableOf<ChannelRecord> {
  static constexpr const auto& rows = kChannelFields;
};
template <>
struct TableOf<UsableGroupSettings> {
  static constexpr const auto& rows = kGroupFields;
};
template <>
struct TableOf<CommonSettings> {
  static constexpr const auto& rows = kCommonFields;
};
template <>
struct TableOf<DscSettings> {
  static constexpr const auto& rows = kDscFields;
};
template <>
struct TableOf<AtisSettings> {
  static constexpr const auto& rows = kAtisFields;
};
template <>
struct TableOf<AtisCallSignEntry> {
  static constexpr const auto& rows = kCallSignFields;
};
template <>
struct TableOf<DirectoryEntry> {
  static constexpr const auto& rows = kDirectoryFields;
};

// v(name, field) for every field of a record, in declared order.
template <class R, class V>
void VisitFields(R& record, V& v) {
  ForEachRow(TableOf<std::remove_const_t<R>>::rows,
             [&](const auto& row) { v(row.json, record.*row.member); });
}

// What the comparison and the undo steps need of a row, without its member.
struct Facts {
  const char* json;
  const char* caption;
  const char* word;
  Held held;
  Held heldFourth;
  Worded worded;  // how the reports and comparisons word a coded value
};

enum class Record { Channel, Group, Common, Dsc, Atis, CallSign, Directory };

// The row of that name in one record type; nullptr when it has none.
const Facts* FindField(Record record, std::string_view json);
// The first row of that name in any record type (a name means one thing wherever it appears).
const Facts* FindField(std::string_view json);

// The caption and the undo word of a field name; the name itself when no row says otherwise.
std::string CaptionOf(std::string_view json);
std::string UndoWordOf(std::string_view json);

}  // namespace qw::fields
