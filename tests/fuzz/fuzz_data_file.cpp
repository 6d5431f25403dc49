// libFuzzer target: any bytes as a data file, parsed and overlaid onto a data set of each series,
// and the model check's profile look-up.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/data_file_parser.h"
#include "formats/data_file_reader.h"
#include "formats/profile_file.h"
#include "tests/fuzz/new_data_sets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  qw::ProfileValueInText(text, "MAIN", "MODELTYPE");
  auto table = qw::ParseDataFileText(text);
  if (!table) return 0;
  for (const qw::RadioData& base : qw::fuzz::NewDataSets()) {
    qw::RadioData d = base;
    qw::OverlayDataFile(*table, d);
    qw::fuzz::CheckShape(d);
    qw::fuzz::CheckDuplexOnlyWhereAllowed(d);
  }
  return 0;
}
