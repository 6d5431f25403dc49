// libFuzzer target: any bytes as a channel-list CSV, read onto a data set of each series. A
// refused file must leave the data set exactly as it was.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/csv_channels.h"
#include "tests/fuzz/new_data_sets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const qw::RadioData& base : qw::fuzz::NewDataSets()) {
    qw::RadioData d = base;
    qw::CsvImportResult r = qw::ImportChannelsCsv(text, d);
    if (!r.applied && !(d == base)) __builtin_trap();
    qw::fuzz::CheckShape(d);
    qw::fuzz::CheckDuplexOnlyWhereAllowed(d);
  }
  return 0;
}
