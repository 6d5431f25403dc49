// Naming a port that leads nowhere: a device path or a menu number. (Pseudo-terminals are opened
// by every command-line test against a simulated radio.)
#include <gtest/gtest.h>

#include "link/qt_serial_port.h"

namespace qw {
namespace {

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
