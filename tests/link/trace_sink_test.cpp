#include "link/trace_sink.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qw {
namespace {

TEST(FileTraceSink, OneExchangePerLineWithDirectionsAndHex) {
  const auto path =
      std::filesystem::temp_directory_path() /
      ("qw-trace-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".txt");
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
  std::ifstream in(path);
  std::string first, second, extra;
  std::getline(in, first);
  std::getline(in, second);
  EXPECT_FALSE(std::getline(in, extra));
  EXPECT_NE(first.find("write byte 0042:  >"), std::string::npos) << first;
  EXPECT_NE(first.find(" 01 31 0D  <"), std::string::npos) << first;
  EXPECT_NE(first.find(" 01 31 0D 06"), std::string::npos) << first;  // one run per direction
  EXPECT_NE(second.find("cancel:"), std::string::npos) << second;
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace qw
