// What differs between the radio series, in one table. Every layer asks this row instead of
// comparing series numbers; adding a series means adding one row in series_traits.cpp.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qw {

struct SeriesTraits {
  int16_t series;                 // the ModelSeries value
  const char* cliName;            // "mv510", "mv710", "0" on the command line
  const char* modelName;          // ModelName: file names, captions, messages
  int32_t imageLast;              // last image offset the series uses
  uint16_t modelId;               // model number at 0x40 and in the image's last two bytes
  const char* fourthGroup;        // the fourth group's name: "EXP" or "LMR"
  const char* fourthGroupReport;  // as the reports spell it: "Exp" or "LMR"

  const char* menuEntry;       // the Edit > Model entry; nullptr: not offered there
  const char* cloneModeSteps;  // how the radio is put into clone mode (step 2 of the dialog)

  bool statusNames;           // groups carry a status name
  bool statusNameField;       // the Usable pane lets the user edit the status names
  bool channelNames;          // channels carry a name (ChTag) and a scrambler code
  bool fourthGroupTones;      // fourth-group channels carry narrow, CTCSS, DCS and COMP
  bool thirdVariantSettings;  // offset time, magnetic variation, rotary, ATIS killer groups
  bool echoesCommands;        // the cable echoes every byte the program sends
  bool wideRadioPicture;      // the transfer dialog shows the wide radio
  bool frequencyRaster;       // fourth-group frequencies must sit on the 0.025 MHz raster
  bool programsNameTexts;     // a program run writes the name texts at 0x200 byte by byte
  bool dscRegions;            // the image keeps DSC settings, ATIS call signs, the directories
                              // and an ATIS mode per group
  bool hidesEmptyGroups;      // the radio offers no group in which no channel is enabled
  bool repairsPriority;       // a priority channel that is not enabled moves to one that is

  int32_t ImageLength() const { return imageLast + 1; }
  int SecondModelIdOffset() const { return imageLast - 1; }
};

// The series the program starts with when nothing says otherwise.
inline constexpr int16_t kDefaultSeries = 2;  // MV710

// The row of a series. Every way into the program (files, images, the command line) checks the
// series against the rows, so a value without a row is a fault of the program: std::out_of_range.
const SeriesTraits& Traits(int16_t series);
// Every known series, in menu order (MV710, MV510, third variant).
std::span<const SeriesTraits> AllSeries();
// True for a series the table has a row for.
bool KnownSeries(int16_t series);
// "mv510", "mv710", "0", "1", "2" (any letter case); nullopt for anything else.
std::optional<int16_t> SeriesFromName(std::string_view name);
// The names the command line takes, as its help and messages list them: "mv510, mv710 or 0".
std::string SeriesNamesText();
// The series whose image has this length and model number; nullopt when none.
std::optional<int16_t> SeriesOfImage(std::size_t length, uint16_t modelId);
// The series an image of this length most likely belongs to: the one whose model number it
// carries, else the first series of that length (its own model check then refuses it).
std::optional<int16_t> GuessSeriesOfImage(std::size_t length, uint16_t modelId);

}  // namespace qw
