// Comparing two data sets field by field. Each difference is worded as the editor shows it (the
// channel as the user knows it, the field's caption, values through the grids' formatters:
// "USA 22A CH Name: "MARINA" -> "FUEL DOCK"", "LMR1 RX Tone: Off -> N025") and also kept in the
// data model's terms with raw values, for scripts.
#pragma once

#include <string>
#include <vector>

#include "document/data_edit.h"
#include "formats/file_kinds.h"
#include "model/radio_data.h"

namespace qw {

struct DataDifference {
  EditWhat where;     // the unit and field, so the editor can show it
  std::string name;   // "USA 22A CH Name", "LMR3 Rx Frequency", "Dual Watch", "Model"
  std::string left;   // the value in the first data set as shown: "MARINA" (quoted), 156.0250, On
  std::string right;  // the value in the second
  // The same in the data model's terms: the record ("USA[5]", "CommonSettings",
  // "AtisSettings.AtisCallSign[2]", "" for the data set itself), the field ("ChTag", "DCS[1]")
  // and the values as JSON ("\"MARINA\"", 6, true; null where the record has no such field).
  std::string record;
  std::string field;
  std::string rawLeft;
  std::string rawRight;

  std::string Line() const { return name + ": " + left + " -> " + right; }
};

// Every field that differs, in the order the JSON form lists them; list fields (tones, group
// flags) element by element. The memory image itself is not compared, only what is decoded from
// it. When the two are of different series, only fields both series hold are compared (the
// model itself is always one of them).
std::vector<DataDifference> CompareDataSets(const RadioData& a, const RadioData& b);

// The differences as a JSON array of {"where", "field", "from", "to"} in the data model's terms.
std::string DifferencesJson(const std::vector<DataDifference>& differences);

// What a file of the kind would hold of d, read back over a new data set of its series: fields
// the kind cannot carry come back as a new data set has them. Comparing a file of one kind with
// a file of another passes each through the other's kind first, so that only fields both carry
// are compared.
// kind is one that holds a data set (HoldsDataSet).
RadioData ThroughKind(const RadioData& d, FileKind kind);
std::vector<DataDifference> CompareFiles(const RadioData& a, FileKind kindA, const RadioData& b,
                                         FileKind kindB);

}  // namespace qw
