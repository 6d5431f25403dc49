// Overlaying a parsed data file onto the current data set, field by field. A field whose key is
// missing or unreadable keeps its value (texts excepted: a missing text becomes empty). The
// ModelSeries never changes and nothing is built afresh.
#pragma once

#include "formats/data_file_parser.h"
#include "model/radio_data.h"

namespace qw {

void OverlayDataFile(const DataFileSectionTable& table, RadioData& d);

}  // namespace qw
