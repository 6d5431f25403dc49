// links: qw_report qw_report_qt
// How long the printed listing of a full MV710 data set (every channel enabled) takes to lay out,
// and to render as a PDF, as File > Export PDF and quaywright-cli print do.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPageSize>

#include "model/channel_plans.h"
#include "report/print_layout.h"
#include "report/qt_print_painter.h"

namespace {

qw::RadioData FullDataSet() {
  qw::RadioData d;
  qw::BuildNewDataSet(d, qw::kSeriesMV710);
  for (int g = 0; g < 4; ++g)
    for (auto& ch : qw::GroupList(d, g)) ch.Enable = true;
  for (auto& ch : d.WX) ch.Enable = true;
  for (int k = 0; k < 40; ++k) {
    auto& ch = d.FourthGroup[static_cast<std::size_t>(k)];
    ch.Rxfreq = 450.0125 + k * 0.025;
    ch.Txfreq = 455.0125 + k * 0.025;
    ch.ChTag = "WORKBOAT " + std::to_string(k);
    ch.CTCSS = {static_cast<int16_t>(k + 1), 0};
    ch.DCS = {0, static_cast<int16_t>(k + 60)};
  }
  return d;
}

void BM_PrintLayout(benchmark::State& state) {
  qw::RadioData d = FullDataSet();
  for (auto _ : state) benchmark::DoNotOptimize(qw::BuildPrintPages(d));
}
BENCHMARK(BM_PrintLayout)->Unit(benchmark::kMicrosecond);

void BM_PrintPdf(benchmark::State& state) {
  qw::RadioData d = FullDataSet();
  const auto pages = qw::BuildPrintPages(d);
  std::size_t bytes = 0;
  for (auto _ : state) {
    const QByteArray pdf = qw::PrintPagesToPdf(pages, QPageSize(QPageSize::A4), "MV710 Quaywright");
    bytes = static_cast<std::size_t>(pdf.size());
    benchmark::DoNotOptimize(pdf.constData());
  }
  state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PrintPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // Text needs the font database; no window is ever shown.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
