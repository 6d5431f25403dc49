#include "link/win32_serial_port.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace qw {
namespace {

TEST(Win32SerialPort, NamesAndReasonsInPlainWords) {
  EXPECT_EQ(ComPortName("3"), "COM3");
  EXPECT_EQ(ComPortName("com12"), "COM12");
  EXPECT_EQ(ComPortName("\\\\.\\COM7"), "COM7");
  EXPECT_EQ(ComPortName("COMX"), "COMX");

  Win32SerialPort missing("com97");
  std::string error;
  EXPECT_FALSE(missing.Open(error));
  EXPECT_EQ(error, "Cannot open COM97: there is no COM97.");
  EXPECT_FALSE(missing.IsOpen());
  EXPECT_FALSE(missing.WaitForInput(0, std::chrono::milliseconds(10)));

  EXPECT_EQ(ComOpenFailureReason("COM7", ERROR_ACCESS_DENIED),
            "Cannot open COM7: COM7 is in use by another program.");
  EXPECT_EQ(ComOpenFailureReason("COM7", ERROR_SHARING_VIOLATION),
            "Cannot open COM7: COM7 is in use by another program.");
}

}  // namespace
}  // namespace qw
