// libFuzzer target: any bytes as a channel-list CSV, read onto a data set of each series. A
// refused file must leave the data set exactly as it was.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/csv_channels.h"
#include "model/channel_plans.h"

namespace {

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
  for (const qw::RadioData& base : NewDataSets()) {
    qw::RadioData d = base;
    qw::CsvImportResult r = qw::ImportChannelsCsv(text, d);
    if (!r.applied && !(d == base)) __builtin_trap();
    if (d.USA.size() != 240 || d.FourthGroup.size() != 40) __builtin_trap();
  }
  return 0;
}
