// Values a data set can hold but the radio cannot store as they are (a scrambler code of 32, a
// resume time of -7, letters in the ATIS code): what a hand-edited data file or JSON file may
// bring in. The file is taken all the same; the user is told what the radio will keep.
#pragma once

#include <string>
#include <vector>

#include "model/radio_data.h"

namespace qw {

struct OddValue {
  std::string Field;   // data-model path, as in the JSON form: "USA[21].Scramble"
  std::string Value;   // as the data set holds it
  std::string Stored;  // what the radio will hold after programming
  bool operator==(const OddValue&) const = default;
};

// Every number and text of d that would come back different after a trip through the radio's
// memory image. Flags are not listed: each one is stored as it is.
std::vector<OddValue> FindOddValues(const RadioData& d);

// One line per value: "USA[21].Scramble = 32 (the radio will store 0)".
std::vector<std::string> OddValueLines(const std::vector<OddValue>& values);

// A fourth-group frequency that lies off both channel rasters (5 and 12.5 kHz) is moved down onto
// the 5 kHz raster where it enters the editor, so the screen, the listing and the radio all get
// the one value. One line per move: "LMR3 Rx 156.013 -> 156.0100: off the radio's raster".
std::vector<std::string> SnapOffRasterFrequencies(RadioData& d);
// The line for one move of fourth-group channel index (0-based), receive side or not.
std::string OffRasterLine(int16_t series, std::size_t index, bool rx, double from, double to);
// Low Power Only on a channel that does not transmit: the radio keeps one transmit mode per
// channel (off, low or full), so the flag would be lost on the way to it. Cleared where it enters
// the editor, one line each: "USA 16 Low Power Only -> off: the channel does not transmit".
std::vector<std::string> ClearLowPowerWithoutTx(RadioData& d);
// Both of the above, then every value the radio would store otherwise (a scrambler code of 32, a
// name with letters it lacks) taken as it would store it: what the editor does where values
// enter, so the screen, the listing and the radio hold one value. One line per change.
std::vector<std::string> BringIntoRadioForm(RadioData& d);
// The lines of BringIntoRadioForm for what the editor would change, leaving d as it is.
std::vector<std::string> RadioFormLines(const RadioData& d);

}  // namespace qw
