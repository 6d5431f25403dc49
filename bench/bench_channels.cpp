// links: qw_editor
// The channel grid of a marine group (240 rows) filled from the data set, and the step from one
// channel node to the next, which fills the single-channel pane.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>

#include "document/document.h"
#include "editor/channel_pane.h"
#include "editor/grid_pane.h"
#include "editor/scripted_prompter.h"
#include "model/channel_groups.h"
#include "model/channel_plans.h"

namespace {

void BM_MarineGridFill(benchmark::State& state) {
  qw::Document doc;
  doc.NewDataSet(qw::kSeriesMV710);
  qw::EditState edit;
  qw::GridPane pane(doc, edit, {});
  pane.resize(440, 400);
  pane.show();
  for (auto _ : state) {
    pane.Show(qw::NavNode::GroupGrid(qw::kGroupUSA));
    benchmark::DoNotOptimize(pane.View()->model()->rowCount());
  }
  state.counters["rows"] = pane.View()->model()->rowCount();
}
BENCHMARK(BM_MarineGridFill)->Unit(benchmark::kMillisecond);

void BM_ChannelSwitch(benchmark::State& state) {
  qw::Document doc;
  doc.NewDataSet(qw::kSeriesMV710);
  qw::EditState edit;
  qw::ScriptedPrompter prompter;
  qw::ChannelPane pane(doc, edit, prompter, {});
  pane.resize(440, 400);
  pane.show();
  const int group = static_cast<int>(state.range(0));
  const int count = group == qw::kGroupFourth ? qw::kFourthGroupChannels : qw::kMarineSlots;
  int index = 0;
  for (auto _ : state) {
    pane.Show(qw::NavNode::ChannelOf(group, index));
    index = (index + 1) % count;
  }
}
BENCHMARK(BM_ChannelSwitch)
    ->Arg(qw::kGroupUSA)
    ->Arg(qw::kGroupFourth)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
