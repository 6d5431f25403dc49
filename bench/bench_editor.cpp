// links: qw_editor
// The editor's start-up to a shown window, and a full rebuild of the navigation tree for the
// MV710 series with every group usable (770 nodes).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>

#include "document/document.h"
#include "document/settings_store.h"
#include "editor/main_window.h"
#include "editor/nav_tree.h"
#include "editor/scripted_prompter.h"
#include "model/channel_plans.h"

namespace {

void BM_StartUpToShownWindow(benchmark::State& state) {
  QTemporaryDir folder;
  for (auto _ : state) {
    qw::MemorySettingsStore store;
    qw::ScriptedPrompter prompter;
    qw::Document doc(folder.path().toStdString());
    qw::EditorOptions options;
    options.programFolder = folder.path().toStdString();
    qw::MainWindow window(doc, store, prompter, options);
    window.show();
    benchmark::DoNotOptimize(window.isVisible());
  }
}
BENCHMARK(BM_StartUpToShownWindow)->Unit(benchmark::kMillisecond);

void BM_TreeRebuildMV710AllUsable(benchmark::State& state) {
  qw::RadioData d;
  qw::BuildNewDataSet(d, qw::kSeriesMV710);
  for (auto& g : d.UsableGroupSettings) g.Usable = true;
  for (auto& c : d.USA) c.Enable = true;
  qw::NavTree tree;
  tree.resize(167, 400);
  tree.show();
  for (auto _ : state) {
    tree.Rebuild(d);
    benchmark::DoNotOptimize(tree.topLevelItemCount());
  }
  int nodes = 0;
  for (QTreeWidgetItemIterator it(&tree); *it; ++it) ++nodes;
  state.counters["nodes"] = nodes;
}
BENCHMARK(BM_TreeRebuildMV710AllUsable)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
