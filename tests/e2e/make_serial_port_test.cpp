// Naming a port: device paths, pseudo-terminals and menu numbers.
#include <gtest/gtest.h>

#include "link/clone_procedures.h"
#include "link/qt_serial_port.h"
#include "sim/pty_host.h"

namespace qw {
namespace {

TEST(MakeSerialPort, OpensThePseudoTerminalOfASimulatedRadio) {
  PtyRadioHost host(SimulatedRadio(kSeriesMV510), Pacing::None);
  std::string error;
  ASSERT_TRUE(host.Start(error)) << error;
  auto port = MakeSerialPort(host.PortPath());
  CancelFlag cancel;
  TransferControl control{nullptr, &cancel, nullptr, nullptr};
  SerialLink link(*port, control, kSeriesMV510);
  EXPECT_TRUE(ReadDataChkModel(link, kSeriesMV510, kReadTitle).outcome.ok());
  EXPECT_EQ(port->Name(), host.PortPath());
}

TEST(MakeSerialPort, NamesThatLeadNowhereSayWhy) {
  std::string error;
  EXPECT_FALSE(MakeSerialPort("/dev/ttyNOSUCH")->Open(error));
  EXPECT_NE(error.find("/dev/ttyNOSUCH"), std::string::npos) << error;
  error.clear();
  const std::size_t known = ListSerialPorts().size();
  EXPECT_FALSE(MakeSerialPort(std::to_string(known + 1))->Open(error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace qw
