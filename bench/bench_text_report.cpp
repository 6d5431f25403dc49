// links: qw_report
// How long the text report of a fully populated data set takes to build (the preview window
// builds it while the user waits).
#include <benchmark/benchmark.h>

#include "model/channel_groups.h"
#include "report/formatters.h"
#include "report/text_report.h"

namespace {

qw::RadioData FullDataSet(int16_t series) {
  qw::RadioData d;
  d.ModelSeries = series;
  for (auto* list : {&d.USA, &d.INTL, &d.CANADA}) {
    list->resize(qw::kMarineSlots);
    for (int i = 0; i < qw::kMarineSlots; ++i) {
      auto& ch = (*list)[i];
      ch.Position = static_cast<int16_t>(i);
      ch.Enable = true;
      ch.Duplex = i % 2 == 0;
      ch.ChTag = "COMMERCIAL";
    }
  }
  d.WX.resize(10);
  d.FourthGroup.resize(40);
  for (int k = 0; k < 40; ++k) {
    auto& ch = d.FourthGroup[k];
    ch.Enable = true;
    ch.Rxfreq = 156.0137 + k;  // off both rasters: snapped on the first run
    ch.Txfreq = 156.0125 + k;
    ch.CTCSS = {static_cast<int16_t>(k + 1), 0};
    ch.DCS = {0, static_cast<int16_t>(k + 100)};
  }
  return d;
}

void BM_TextReport(benchmark::State& state) {
  qw::RadioData d = FullDataSet(static_cast<int16_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(qw::BuildTextReport(d));
}
BENCHMARK(BM_TextReport)->Arg(qw::kSeriesMV510)->Arg(qw::kSeriesMV710)->Arg(qw::kSeriesThird);

void BM_FreqText4(benchmark::State& state) {
  for (auto _ : state) {
    double f = 156.0137;
    benchmark::DoNotOptimize(qw::FreqText4(f));
  }
}
BENCHMARK(BM_FreqText4);

}  // namespace

BENCHMARK_MAIN();
