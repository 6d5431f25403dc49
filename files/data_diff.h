// Comparing two data sets field by field, in the data model's own terms: one difference per
// field, channels named by their label ("USA 22A ChTag: "MARINA" -> "FUEL DOCK"").
#pragma once

#include <string>
#include <vector>

#include "files/data_edit.h"
#include "files/file_kinds.h"
#include "model/radio_data.h"

namespace qw {

struct DataDifference {
  EditWhat where;     // the unit and field, so the editor can show it
  std::string name;   // "USA 22A ChTag", "FourthGroup 3 Rxfreq", "CommonSettings Scan"
  std::string left;   // the value in the first data set: "MARINA" (quoted), 156.0250, true
  std::string right;  // the value in the second

  std::string Line() const { return name + ": " + left + " -> " + right; }
};

// Every field that differs, in the order the JSON form lists them. The memory image itself is
// not compared, only what is decoded from it.
std::vector<DataDifference> CompareDataSets(const RadioData& a, const RadioData& b);

// What a file of the kind would hold of d, read back over a new data set of its series: fields
// the kind cannot carry come back as a new data set has them. Comparing a file of one kind with
// a file of another passes each through the other's kind first, so that only fields both carry
// are compared.
// kind is one that holds a data set (HoldsDataSet).
RadioData ThroughKind(const RadioData& d, FileKind kind);
std::vector<DataDifference> CompareFiles(const RadioData& a, FileKind kindA, const RadioData& b,
                                         FileKind kindB);

}  // namespace qw
