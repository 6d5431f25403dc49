// The text report: settings first, then the channel tables, in fixed-width columns.
//
// Row style: a label in 35 columns, then values in 18 columns each (the "TX Po Display:" and
// "Weather Alert:" values get 35, so the longest names are never cut). Tables are cells of
// fixed width with a header line and a dashed underline. Padding blanks stay at line ends.
//
// The third variant (ModelSeries 0) holds settings the MV510 and MV710 series do not; its report
// adds them in the same style:
//   - Common settings, after "Weather Alert:": a blank line, "[NMEA Data Input]" with rows
//     "Offset Time:" (" 0:00", "+5:00", ...) and "Magnetic Variation:" ("True"/"Mag"); a blank
//     line, "[Beep Function]" with the row "Rotary Beep:" (On/Off).
//   - After the common settings, three DSC sections:
//     "##### DSC Setup (Basic Setup) #####": a USA/INTL/Canada heading row, "DSC CH Group:" with
//       On/Off per group and "User MMSI:" with the MMSI as stored;
//     "##### DSC Setup (Advanced Setup) #####": a heading row "1".."8" and one row per option
//       set ("Position Request:", "TX:", "Beep Out:", "All Ships Call:", "All Ships Call TX:",
//       "Group Call:", "Group Call TX:", "Individual Call:", "Individual Call TX:") with On/Off
//       per entry in 5-wide columns (four entries, eight for "Beep Out:");
//     "##### DSC Setup (Display Setup) #####": rows "Individual ACK Menu:", "Individual ACK
//       Message Menu:" and "POS Request ACK Menu:" with On/Off.
//   - ATIS: the row "Usable ATIS Killer CH Group:" (On/Off per group) before "ATIS Code:", then
//     "##### ATIS Setup (Call Sign) #####": columns "No" (4), "MID" (5), "DISP" (4), one row
//     for each of the 20 entries; an empty text shows as "---".
//   - Before the fourth group, "##### Memory ID Setting #####" (40 entries) and
//     "##### Group ID Setting #####" (10 entries): columns "No" (4), "ENABLE" (8), "Name" (13,
//     eleven dashes when empty), "MMSI" (10, ten dashes when empty), every entry listed.
//   - The fourth group is headed "##### Programable Exp Channel #####" and has the MV510
//     columns followed by "VS" (4) and "CH Name" (12, dashes when empty); no tone columns.
// Series values other than 0, 1 and 2 are reported like the third variant.

#include "report/text_report.h"

#include "report/text_image.h"
#include "report/text_sections.h"

namespace qw {

std::string BuildTextReport(const RadioData& data) {
  TextImage out;
  AddGroupSection(out, data);
  AddCommonSection(out, data);
  AddDscSections(out, data);
  AddAtisSections(out, data);
  AddMarineTable(out, data.USA, "##### Programable USA Channel #####", data.ModelSeries);
  AddMarineTable(out, data.INTL, "##### Programable International Channel #####", data.ModelSeries);
  AddMarineTable(out, data.CANADA, "##### Programable Canada Channel #####", data.ModelSeries);
  AddWeatherTable(out, data);
  AddDirectorySections(out, data);
  AddFourthGroupTable(out, data);
  return out.Take();
}

std::string TextFileContent(const std::string& textImage) {
  return textImage + "\r\n";
}

}  // namespace qw
