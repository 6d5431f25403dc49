#include "link/trace_sink.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "tests/support/temp_folder.h"

namespace qw {
namespace {

TEST(FileTraceSink, OneExchangePerLineWithDirectionsAndHex) {
  test::TempFolder folder;
  const auto path = folder.Path() / "trace.txt";
  {
    FileTraceSink trace(path.string());
    ASSERT_TRUE(trace.Ok());
    const uint8_t request[] = {0x01, 0x31, 0x0D};
    const uint8_t reply[] = {0x06};
    trace.BeginExchange("write byte 0042");
    trace.Bytes(TraceDirection::Sent, request, 3);
    trace.Bytes(TraceDirection::Received, request, 3);
    trace.Bytes(TraceDirection::Received, reply, 1);
    trace.BeginExchange("cancel");
    EXPECT_FALSE(std::filesystem::exists(path));  // only the finished trace takes the name
  }
  const std::string text = test::ReadBytes(path);
  // Each run opens with its direction and milliseconds; the time stamp pads to nine places (a
  // slow machine may pass ten milliseconds before the second line).
  EXPECT_TRUE(std::regex_match(text, std::regex("[ 0-9]{8}[0-9] write byte 0042:  >[0-9]+ 01 31 0D"
                                                "  <[0-9]+ 01 31 0D 06\n[ 0-9]{8}[0-9] cancel:\n")))
      << text;
}

}  // namespace
}  // namespace qw
