// links: qw_files
// Opening and saving a full MV710 data file (774 sections): the work Document's OpenDataFile
// and SaveDataFile do, on a data set with something in every field.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "files/atomic_file.h"
#include "files/data_file_parser.h"
#include "files/data_file_reader.h"
#include "files/data_file_writer.h"
#include "files/profile_file.h"

namespace {

qw::RadioData FullDataSet() {
  qw::RadioData d;
  d.ModelSeries = qw::kSeriesMV710;
  std::mt19937 random(1);
  for (int group = 0; group < 3; ++group) {
    auto& list = qw::GroupList(d, group);
    list.resize(240);
    for (int i = 0; i < 240; ++i) {
      list[i].Position = static_cast<int16_t>(i);
      list[i].Enable = random() % 2, list[i].DuplexCapable = random() % 2;
      list[i].ChTag = "CHANNEL " + std::to_string(i);
    }
  }
  d.WX.resize(10);
  d.FourthGroup.resize(40);
  for (auto& ch : d.FourthGroup) ch.Rxfreq = 156.025, ch.Txfreq = 160.625, ch.ChTag = "WORK";
  return d;
}

std::filesystem::path BenchFile() {
  return std::filesystem::temp_directory_path() / "qw_bench_files.dat";
}

void BM_SaveDataFile(benchmark::State& state) {
  const qw::RadioData d = FullDataSet();
  const auto path = BenchFile();
  for (auto _ : state) {
    bool ok = qw::WriteFileAtomically(path, qw::DataFileText(d));
    benchmark::DoNotOptimize(ok);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveDataFile)->Unit(benchmark::kMillisecond);

void BM_OpenDataFile(benchmark::State& state) {
  qw::RadioData d = FullDataSet();
  const auto path = BenchFile();
  qw::WriteFileAtomically(path, qw::DataFileText(d));
  for (auto _ : state) {
    benchmark::DoNotOptimize(qw::CheckFileModel(path, d.ModelSeries));
    auto table = qw::ParseDataFile(path);
    qw::OverlayDataFile(*table, d);
    benchmark::DoNotOptimize(d);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_OpenDataFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
