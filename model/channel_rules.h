// What a user may put into a channel: the frequencies, names, display letters, tones and
// scrambler codes the radio accepts. The channel pane and the CSV import both ask these rules,
// so a value one of them takes the other takes too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/radio_data.h"
#include "model/series_traits.h"

namespace qw {

// ----- frequencies of programmable channels -----

inline constexpr double kMinChannelMHz = 137.0;
inline constexpr double kMaxChannelMHz = 174.0;

enum class FrequencyVerdict { Ok, Malformed, OutOfRange, OffRaster };

struct FrequencyEntry {
  FrequencyVerdict verdict = FrequencyVerdict::Malformed;
  double mhz = 0;  // the accepted value; 0 for an empty text (no frequency)
};

// A typed frequency in MHz: digits with at most one decimal point. Empty means no frequency.
// Accepted when 137 <= f <= 174; where the series asks for the 25 kHz raster, the whole part
// of f x 10000 (taken from the digits, so 156.025 is never lost to rounding) must also be a
// multiple of 250.
FrequencyEntry CheckFrequencyText(std::string_view text, const SeriesTraits& traits);
// Why a verdict refuses, for messages ("outside 137..174 MHz"); empty for Ok.
std::string FrequencyVerdictText(FrequencyVerdict verdict);

// ----- names and display letters -----

inline constexpr std::size_t kChannelNameLength = 12;
inline constexpr std::size_t kStatusNameLength = 4;
inline constexpr std::size_t kDisplayLeftLength = 2;
inline constexpr std::size_t kDisplayRightLength = 1;

// Digits, letters, blank and - / * ( ) + . , : what the radio can show in a channel name.
bool IsChannelNameChar(char c);
// At most 12 characters, each one the radio can show.
bool IsValidChannelName(std::string_view name);
// The name with every character the radio cannot show left out, cut to 12 characters.
std::string CleanChannelName(std::string_view name);

// Digits and the seven-segment letters A b C d E F H L n P t U, in exactly that case.
bool IsDisplayChar(char c);
// A display part of at most maxLength characters, each a display character.
bool IsValidDisplayText(std::string_view text, std::size_t maxLength);

// A group's status name as stored: blanks around it dropped, a short name padded with leading
// blanks to four characters ("X" -> "   X"); nothing but blanks stores an empty name.
std::string StatusNameToStore(std::string_view text);

// An enabled programmable channel needs a receive frequency and a two-character display.
bool IsProgrammableChannelComplete(const ChannelRecord& ch);

// Marine channel 16 (slot 32) keeps its scrambler list locked; channel 70 (slot 140, DSC) its
// scrambler list and scan memory. group is 0..3 as ChannelGroup.
bool IsScramblerLocked(int group, int slot);
bool IsScanMemoryLocked(int group, int slot);

// ----- tones (index 0 transmit, 1 receive) -----

// The tone lists' text of one side: "Off", "67.0Hz", "N023", "I754". A CTCSS tone wins over
// a DCS code, as in the grids.
std::string ToneListText(const ChannelRecord& ch, int side);

struct ToneChoice {
  int16_t ctcss = 0;  // CtcssList index, 0 = off
  int16_t dcs = 0;    // 1..104 N codes, 105..208 I codes, 0 = off
  bool operator==(const ToneChoice&) const = default;
};
// The tone of a list text (any letter case: "off", "67.0hz", "n023"); nullopt when no list
// holds it.
std::optional<ToneChoice> ToneFromText(std::string_view text);
// The CtcssList index of a tone in Hz written as a number ("88.5"); nullopt when not a tone.
std::optional<int16_t> CtcssIndexOfHz(std::string_view text);

// ----- scrambler -----

// The scrambler list: "Off" when bit 2 is clear, else the code "0".."3".
std::string ScrambleListText(int16_t value);
// The stored value of a list text: "Off" -> 0, "0".."3" -> 4..7; nullopt for anything else.
std::optional<int16_t> ScrambleFromText(std::string_view text);

}  // namespace qw
