// links: qw_model
// Decode, and encode + finish + checksum, of a full MV710 image: every channel enabled and
// named, the fourth group programmed with tones.
#include <benchmark/benchmark.h>

#include "model/channel_plans.h"
#include "model/image_codec.h"

namespace {

qw::RadioData FullMv710() {
  qw::RadioData d;
  qw::BuildNewDataSet(d, qw::kSeriesMV710);
  for (int g = qw::kGroupUSA; g <= qw::kGroupFourth; ++g) {
    for (auto& ch : qw::GroupList(d, g)) {
      ch.Enable = true;
      ch.ScanMemory = true;
      ch.ChTag = "HARBOUR 12AB";
    }
  }
  int k = 0;
  for (auto& ch : d.FourthGroup) {
    ch.TxEnable = true;
    ch.CHDisplayL = "L" + std::to_string(k % 10);
    ch.CHDisplayR = "A";
    ch.Rxfreq = 150.0125 + 0.0125 * k;
    ch.Txfreq = 155.0 + 0.0125 * k;
    ch.CTCSS = {static_cast<int16_t>(1 + k), static_cast<int16_t>(2 + k)};
    ch.DCS = {static_cast<int16_t>(100 + k), static_cast<int16_t>(110 + k)};
    ++k;
  }
  qw::PrepareImageForRadio(d);
  return d;
}

void BM_DecodeImage(benchmark::State& state) {
  qw::RadioData d = FullMv710();
  for (auto _ : state) {
    qw::DecodeImage(d);
    benchmark::DoNotOptimize(d.USA.data());
  }
}
BENCHMARK(BM_DecodeImage)->Unit(benchmark::kMicrosecond);

void BM_PrepareImageForRadio(benchmark::State& state) {
  qw::RadioData d = FullMv710();
  for (auto _ : state) {
    qw::PrepareImageForRadio(d);
    benchmark::DoNotOptimize(d.RadioImage.data());
  }
}
BENCHMARK(BM_PrepareImageForRadio)->Unit(benchmark::kMicrosecond);

void BM_BuildNewDataSet(benchmark::State& state) {
  qw::RadioData d;
  for (auto _ : state) {
    qw::BuildNewDataSet(d, qw::kSeriesMV710);
    benchmark::DoNotOptimize(d.RadioImage.data());
  }
}
BENCHMARK(BM_BuildNewDataSet)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
