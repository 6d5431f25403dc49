// The whole data set as JSON, for other tools: names as in the data model, booleans as
// true/false, texts as strings, frequencies as numbers in MHz.
#pragma once

#include <string>

#include "model/radio_data.h"

namespace qw {

// The data set without its image, fields in declared order, indented.
std::string DataToJson(const RadioData& d);

// Overlays a JSON document onto d: every field present replaces the current value, absent fields
// keep theirs; element i of a list overlays record i. On bad syntax, a wrong type or an
// out-of-range value nothing changes and error names the field ("USA[3].Scramble: ...").
bool JsonToData(const std::string& text, RadioData& d, std::string& error);

}  // namespace qw
