// The simulated radio on a real pseudo-terminal, driven through the program's termios port.
#include "sim/pty_host.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <thread>

#include "link/clone_procedures.h"
#include "link/posix_serial_port.h"
#include "link/record.h"

namespace qw {
namespace {

std::vector<uint8_t> Memory(int16_t series) {
  std::vector<uint8_t> m(ImageLastFor(series) + 1);
  for (std::size_t i = 0; i < m.size(); ++i) m[i] = static_cast<uint8_t>(i * 13 + 1);
  const int second = SecondModelIdOffset(series);
  m[0x40] = m[second] = ModelIdFor(series) >> 8;
  m[0x41] = m[second + 1] = ModelIdFor(series) & 0xFF;
  return m;
}

TEST(PtyRadioHost, ServesAWholeReadAndWrite) {
  PtyRadioHost host(SimulatedRadio(kSeriesMV510, Memory(kSeriesMV510)), Pacing::None);
  std::string error;
  ASSERT_TRUE(host.Start(error)) << error;
  PosixSerialPort port(host.PortPath());
  CancelFlag cancel;
  TransferControl control{nullptr, &cancel, nullptr, nullptr};
  SerialLink link(port, control, kSeriesMV510);

  ASSERT_TRUE(ReadDataChkModel(link, kSeriesMV510, kReadTitle).outcome.ok());
  Image buffer{};
  ASSERT_TRUE(ReadData(link, buffer, 8191).outcome.ok());
  EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + 8192, Memory(kSeriesMV510).begin()));

  Image image{};
  image.fill(0x42);
  host.WithRadio([](SimulatedRadio& r) { r.Faults().corruptChecksum = 1; });
  ASSERT_TRUE(WriteData(link, image, kSeriesMV510).outcome.ok());
  host.WithRadio([](SimulatedRadio& r) {
    EXPECT_EQ(r.Memory()[0x42], 0x42);
    EXPECT_EQ(r.Memory()[0x1FFF], 0x42);
    EXPECT_NE(r.Memory()[0x41], 0x42);
  });
  host.Stop();
}

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

TEST(PtyRadioHost, PacedRecordsArriveWholeAtTheLinesSpeed) {
  PtyRadioHost host(SimulatedRadio(kSeriesMV710, Memory(kSeriesMV710)), Pacing::Real);
  std::string error;
  ASSERT_TRUE(host.Start(error)) << error;
  PosixSerialPort port(host.PortPath());
  CancelFlag cancel;
  TransferControl control{nullptr, &cancel, nullptr, nullptr};
  SerialLink link(port, control, kSeriesMV710);
  ASSERT_TRUE(link.PortOpen(error)) << error;
  Image buffer{};
  auto start = std::chrono::steady_clock::now();
  const long wokenBefore = WakeUps();
  link.ReadBlockExchange(0x0040, buffer.data());
  // 10 echoed bytes and a 134-byte reply at 1.0417 ms each, trickling in byte by byte; the link
  // sleeps through most of it instead of waking for every byte.
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::microseconds(149000));
  EXPECT_LT(WakeUps() - wokenBefore, 40);
  EXPECT_FALSE(link.OperationFailed);
  EXPECT_TRUE(std::equal(buffer.begin() + 0x40, buffer.begin() + 0x80,
                         Memory(kSeriesMV710).begin() + 0x40));

  // A cancel in the middle of a record ends the wait at once, not when the record is due.
  std::thread canceller([&cancel] {
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    cancel = true;
  });
  start = std::chrono::steady_clock::now();
  link.ReadBlockExchange(0x0080, buffer.data());
  const auto took = std::chrono::steady_clock::now() - start;
  canceller.join();
  EXPECT_TRUE(link.OperationCancelled);
  EXPECT_LT(took, std::chrono::milliseconds(60 + 25));
}

TEST(PtyRadioHost, PullingTheCableMidReadFailsQuickly) {
  PtyRadioHost host(SimulatedRadio(kSeriesMV710, Memory(kSeriesMV710)), Pacing::Real);
  std::string error;
  ASSERT_TRUE(host.Start(error)) << error;
  PosixSerialPort port(host.PortPath());
  CancelFlag cancel;
  TransferControl control{nullptr, &cancel, nullptr, nullptr};
  SerialLink link(port, control, kSeriesMV710);
  std::thread unplug([&host] {
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    host.Stop();
  });
  Image buffer{};
  const auto start = std::chrono::steady_clock::now();
  auto r = ReadData(link, buffer, 16383);
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
