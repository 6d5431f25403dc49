// links: qw_sim qw_link qw_model
// A full MV710 read and a full program against the simulated radio with real 9600-baud pacing
// over a pseudo-terminal: how close the link comes to the line's own speed, and what it costs.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>

#include "link/clone_procedures.h"
#include "link/posix_serial_port.h"
#include "link/trace_sink.h"
#include "sim/pty_host.h"
#include "sim/simulated_radio.h"

namespace qw {
namespace {

// Every byte the program sends comes back as echo at the same moment on the line, so the line is
// busy exactly for the bytes received.
class LineCounter final : public TraceSink {
 public:
  std::size_t received = 0;
  void BeginExchange(const std::string&) override {}
  void Bytes(TraceDirection d, const uint8_t*, std::size_t n) override {
    if (d == TraceDirection::Received) received += n;
  }
};

double ThreadCpuSeconds() {
  rusage u{};
#ifdef RUSAGE_THREAD
  getrusage(RUSAGE_THREAD, &u);
#else
  getrusage(RUSAGE_SELF, &u);
#endif
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

std::vector<uint8_t> Memory() {
  std::vector<uint8_t> m(16384);
  for (std::size_t i = 0; i < m.size(); ++i) m[i] = static_cast<uint8_t>(i * 31);
  m[0x40] = m[16382] = 0x02;
  m[0x41] = m[16383] = 0xC6;
  return m;
}

void Transfer(benchmark::State& state, bool read) {
  PtyRadioHost host(SimulatedRadio(kSeriesMV710, Memory()), Pacing::Real);
  std::string error;
  if (!host.Start(error)) return state.SkipWithError(error.c_str());
  PosixSerialPort port(host.PortPath());
  CancelFlag cancel;
  LineCounter line;
  TransferControl control{nullptr, &cancel, nullptr, &line};
  SerialLink link(port, control, kSeriesMV710);
  Image image{};
  for (int i = 0; i < kImageSize; ++i) image[i] = static_cast<uint8_t>(i * 7);
  double wall = 0, cpu = 0;
  for (auto _ : state) {
    line.received = 0;
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ThreadCpuSeconds();
    bool ok =
        ReadDataChkModel(link, kSeriesMV710, kReadTitle).outcome.ok() &&
        (read ? ReadData(link, image, 16383) : WriteData(link, image, kSeriesMV710)).outcome.ok();
    if (!ok) return state.SkipWithError("transfer failed");
    wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    cpu = ThreadCpuSeconds() - cpuStart;
  }
  const double wire = line.received * 10.0 / 9600.0;
  state.counters["wall_s"] = wall;
  state.counters["wire_s"] = wire;
  state.counters["ratio"] = wall / wire;
  state.counters["cpu_pct"] = 100.0 * cpu / wall;
}

void BM_FullRead(benchmark::State& state) {
  Transfer(state, true);
}
void BM_FullProgram(benchmark::State& state) {
  Transfer(state, false);
}

BENCHMARK(BM_FullRead)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_FullProgram)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace qw

BENCHMARK_MAIN();
