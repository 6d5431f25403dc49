// The short fixed texts that the grids and the reports show for single values of the data set.
// Every formatter is a pure function of its arguments (and of the constant channel tables): none
// of them changes the data set it shows. None of them fails on an out-of-range value: coded
// values yield the empty text, labels yield "Off".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/channel_plans.h"
#include "model/radio_data.h"

namespace qw {

// Frequencies (MHz). Zero, negative and non-finite values mean "no frequency".
std::string FreqText3(double f);  // "156.050", "025.000", "---.---"
std::string FreqText3Hidden(double f, bool hide);
std::string FreqText4(double f);  // "156.0125", "---.----"
// A programmable channel's transmit frequency: "RX only" when the radio has not given the channel
// its transmit permission, whatever frequency it holds; else FreqText4.
std::string FourthTxText(const ChannelRecord& ch);
// f moved down onto the 5 kHz raster unless it already lies on the 5 or 12.5 kHz raster.
double SnapFrequency(double f);

// Two-state flags.
std::string OnOffText(bool v);   // "On" / "Off"
std::string EnableText(bool v);  // "ENABLE" / "------"
std::string TxText(bool v);      // "TX" / "--"
std::string LowText(bool v);     // "LOW" / "---"
std::string UpText(bool v);      // "UP" / "--"
std::string DupText(bool v);     // "DUP" / "---"
std::string MemText(bool v);     // "MEM" / "---"
std::string CmpText(bool v);     // "CMP" / "---"
std::string NarrowText(bool v);  // "N " / "--"

// Coded settings; a value outside the table gives "".
std::string ResumeTimeText(int16_t v);
std::string TxPoDisplayText(int16_t v);
std::string WeaterText(int16_t v);
std::string MagneticVariationText(int16_t v);

// " 0".." 3" when the scrambler is on (value 4 set), else "--".
std::string ScrambleText(int16_t v);

// A channel number as PriorityCh holds it: "16", "22A", "EXP7"/"LMR7", or "Off".
std::string ChannelLabelText(int32_t p, int16_t series);
// The master-table slot a marine channel's Position names. A Position read from a file may
// point outside the table; such a channel gets an empty slot (no label, no frequencies) rather
// than a read out of bounds.
const MasterSlot& MasterSlotAt(int position);
// Caption of the fourth group in group lists: "LMR CH" for the MV710 series, else "EXP CH".
// (The short prefix "LMR"/"EXP" is FourthGroupName in model/radio_data.h.)
std::string FourthGroupText(int16_t series);

// Texts fitted to a column.
std::string PadRight(const std::string& s, int w);     // padded or cut to exactly w
std::string PadOrDashes(const std::string& s, int w);  // w dashes when s is empty
std::string TextOrDashes(const std::string& s);        // "----" when s is blank

// Tones of a fourth-group channel: direction 0 transmit, 1 receive. CTCSS wins over DCS.
std::string ToneText(const ChannelRecord& ch, int direction);
// The channel number a fourth-group channel shows, always three characters: two of number and
// one of suffix ("1 A", "12 ", "   ").
std::string ChannelDisplayText(const ChannelRecord& ch);
// "N023" for 1..104, "I023" for the second bank 105..208; "" outside.
std::string DcsText(int i);

// UTC offsets -12..+12 hours at index offset + 12: "-12:00", " 0:00", "+5:00".
const std::vector<std::string>& OffsetTimeList();

}  // namespace qw
