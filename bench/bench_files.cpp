// links: qw_document
// Opening and saving a full MV710 data file (774 sections) through Document, as the editor and
// the CLI do it.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "document/document.h"

namespace {

std::string BenchFile() {
  return (std::filesystem::temp_directory_path() / "qw_bench_files.dat").string();
}

// The new MV710 data set with a name on every marine channel, so every key carries a value.
void Fill(qw::Document& doc) {
  doc.NewDataSet(qw::kSeriesMV710);
  doc.Edit({}, [](qw::RadioData& d) {
    for (int group = 0; group < 3; ++group) {
      for (auto& ch : qw::GroupList(d, group)) ch.ChTag = "CHANNEL " + std::to_string(ch.Position);
    }
  });
}

void BM_SaveDataFile(benchmark::State& state) {
  qw::Document doc;
  Fill(doc);
  const std::string path = BenchFile();
  for (auto _ : state) benchmark::DoNotOptimize(doc.SaveDataFile(path));
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveDataFile)->Unit(benchmark::kMillisecond);

void BM_OpenDataFile(benchmark::State& state) {
  qw::Document doc;
  Fill(doc);
  const std::string path = BenchFile();
  doc.SaveDataFile(path);
  for (auto _ : state) benchmark::DoNotOptimize(doc.OpenDataFile(path));
  std::filesystem::remove(path);
}
BENCHMARK(BM_OpenDataFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
