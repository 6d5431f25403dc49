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
// The same lines for the moves the editor would make, leaving d as it is.
std::vector<std::string> OffRasterLines(const RadioData& d);

}  // namespace qw
