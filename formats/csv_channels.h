// Channel lists as CSV, in two formats told apart by their header row:
// - our own: one row per channel of every list (Group, CH, then the fields a user edits), read
//   all or nothing under the channel pane's rules;
// - the common channel-list format of radio tools (Location, Name, Frequency, ...), for the
//   fourth group: rows the radio cannot hold are skipped and listed, the others taken.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/radio_data.h"

namespace qw {

struct CsvProblem {
  int line = 0;
  std::string column;  // the column's header; empty when the whole row is meant
  std::string reason;
};
// "line 12, Rxfreq: outside 137..174 MHz"
std::string CsvProblemText(const CsvProblem& p);

struct CsvImportResult {
  bool common = false;              // the file was in the common format
  bool applied = false;             // the data set was changed
  int channels = 0;                 // channels the file changed
  std::vector<CsvProblem> refused;  // ours: every refused cell; common: every skipped row
  // common: what was cut from rows that were taken; ours: values read back as they were
  // written before a spreadsheet shortened them ("line 732: CHDisplayL 1 read as 01")
  std::vector<CsvProblem> notes;
  std::string error;  // the text is no channel list at all
};

// Our format: every channel of USA, INTL, CANADA, WX and the fourth group, CR LF line ends.
std::string ChannelsToCsv(const RadioData& d);
// The common format: the enabled channels of the fourth group. notes (when given) lists the
// channels whose tones the format cannot carry.
std::string FourthGroupToCommonCsv(const RadioData& d, std::vector<std::string>* notes = nullptr);

// Reads either format onto d; d changes only when the result says applied.
CsvImportResult ImportChannelsCsv(std::string_view text, RadioData& d);

}  // namespace qw
