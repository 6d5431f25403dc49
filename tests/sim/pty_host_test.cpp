// The simulated radio on a real pseudo-terminal, driven through the program's termios port: its
// pacing, and a cable pulled mid-read. (Whole reads and writes over it are the CLI tests'.)
#include "sim/pty_host.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <thread>

#include "link/clone_procedures.h"
#include "link/posix_serial_port.h"
#include "link/record.h"
#include "tests/support/radio_data.h"

namespace qw {
namespace {

using test::PatternMemory;

// A simulated radio with a patterned memory on a pseudo-terminal, and the program's link to it.
class PtyHost : public ::testing::Test {
 protected:
  void Start(int16_t series, Pacing pacing) {
    host = std::make_unique<PtyRadioHost>(SimulatedRadio(series, PatternMemory(series)), pacing);
    std::string error;
    ASSERT_TRUE(host->Start(error)) << error;
    port = std::make_unique<PosixSerialPort>(host->PortPath());
    link = std::make_unique<SerialLink>(*port, control, series);
  }

  CancelFlag cancel;
  TransferControl control{nullptr, &cancel, nullptr, nullptr};
  std::unique_ptr<PtyRadioHost> host;
  std::unique_ptr<PosixSerialPort> port;
  std::unique_ptr<SerialLink> link;
};

// Times this thread went to sleep and was woken again.
long WakeUps() {
  rusage u{};
#ifdef RUSAGE_THREAD
  getrusage(RUSAGE_THREAD, &u);
#else
  getrusage(RUSAGE_SELF, &u);
#endif
  return u.ru_nvcsw;
}

TEST_F(PtyHost, PacedRecordsArriveWholeAtTheLinesSpeed) {
  Start(kSeriesMV710, Pacing::Real);
  std::string error;
  ASSERT_TRUE(link->PortOpen(error)) << error;
  Image buffer{};
  auto start = std::chrono::steady_clock::now();
  const long wokenBefore = WakeUps();
  const ExchangeResult paced = link->ReadBlockExchange(0x0040, buffer.data());
  // 10 echoed bytes and a 134-byte reply at 1.0417 ms each, trickling in byte by byte; the link
  // sleeps through most of it instead of waking for every byte. (An exchange is Ok only with the
  // record's checksum right.)
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::microseconds(149000));
  EXPECT_LT(WakeUps() - wokenBefore, 40);
  EXPECT_EQ(paced, ExchangeResult::Ok);

  // A cancel in the middle of a record ends the wait at once, not when the record is due.
  std::thread canceller([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    cancel = true;
  });
  start = std::chrono::steady_clock::now();
  const ExchangeResult cancelled = link->ReadBlockExchange(0x0080, buffer.data());
  const auto took = std::chrono::steady_clock::now() - start;
  canceller.join();
  EXPECT_EQ(cancelled, ExchangeResult::Cancelled);
  EXPECT_LT(took, std::chrono::milliseconds(60 + 25));
}

TEST_F(PtyHost, PullingTheCableMidReadFailsQuickly) {
  Start(kSeriesMV710, Pacing::Real);
  std::thread unplug([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    host->Stop();
  });
  Image buffer{};
  const auto start = std::chrono::steady_clock::now();
  auto r = ReadData(*link, buffer, 16383);
  unplug.join();
  EXPECT_EQ(r.outcome.message->Text, kCommunicationError);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

TEST(PosixSerialPort, SaysWhyItCannotOpen) {
  PosixSerialPort port("/dev/no-such-port");
  std::string error;
  EXPECT_FALSE(port.Open(error));
  EXPECT_EQ(error, "Cannot open /dev/no-such-port: there is no such port.");
  EXPECT_EQ(OpenFailureReason("/dev/null", EBUSY),
            "Cannot open /dev/null: the port is busy (another program is using it).");
}

}  // namespace
}  // namespace qw
