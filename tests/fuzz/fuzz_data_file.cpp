// libFuzzer target: any bytes as a data file, parsed and overlaid onto a data set of each series,
// and the model check's profile look-up.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/data_file_parser.h"
#include "files/data_file_reader.h"
#include "files/profile_file.h"
#include "model/channel_plans.h"

namespace {

// Built once: a new data set is far dearer than a copy of one.
const std::array<qw::RadioData, 3>& NewDataSets() {
  static const std::array<qw::RadioData, 3> sets = [] {
    std::array<qw::RadioData, 3> built;
    for (int16_t series = 0; series < 3; ++series) qw::BuildNewDataSet(built[series], series);
    return built;
  }();
  return sets;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  qw::ProfileValueInText(text, "MAIN", "MODELTYPE");
  auto table = qw::ParseDataFileText(text);
  if (!table) return 0;
  for (const qw::RadioData& base : NewDataSets()) {
    qw::RadioData d = base;
    qw::OverlayDataFile(*table, d);
    if (d.USA.size() != 240 || d.FourthGroup.size() != 40) __builtin_trap();
  }
  return 0;
}
