// Reading from and programming to a radio as whole-document operations: flags, messages, what
// changes in the data set and what must not.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "files/document.h"
#include "link/record.h"
#include "link/transfer.h"
#include "model/channel_plans.h"
#include "model/image_codec.h"
#include "sim/memory_port.h"
#include "sim/simulated_radio.h"

namespace qw {
namespace {

namespace fs = std::filesystem;

// The memory of a radio that was programmed with a data set edited in a few places.
std::vector<uint8_t> EditedRadio(int16_t series) {
  RadioData d;
  BuildNewDataSet(d, series);
  d.CommonSettings.Scan = !d.CommonSettings.Scan;
  if (series == kSeriesMV710) d.USA[16].ChTag = "HARBOUR";
  PrepareImageForRadio(d);
  std::vector<uint8_t> m(d.RadioImage.begin(), d.RadioImage.begin() + d.ImageLast + 1);
  for (int a = 0; a < 0x40; ++a) m[a] = 0xA5;  // bytes the program keeps its own
  return m;
}

class DocumentRadio : public ::testing::TestWithParam<int16_t> {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("qw-docradio-" + std::to_string(getpid()));
    fs::create_directories(folder);
    Reset();
  }
  void Reset() {
    cancel = false;
    control.Progress = nullptr;
    doc = std::make_unique<Document>(folder, true);
    doc->NewDataSet(GetParam());
    radio = std::make_unique<SimulatedRadio>(GetParam(), EditedRadio(GetParam()));
    port = std::make_unique<MemoryPort>(*radio, clock);
  }
  void TearDown() override { fs::remove_all(folder); }

  fs::path folder;
  ManualClock clock;
  CancelFlag cancel;
  TransferControl control{nullptr, &cancel, &clock, nullptr};
  std::unique_ptr<Document> doc;
  std::unique_ptr<SimulatedRadio> radio;
  std::unique_ptr<MemoryPort> port;
};

TEST_P(DocumentRadio, ReadDecodesTheRadiosDataAndKeepsTheProgramsOwnBytes) {
  const RadioData before = doc->Data();
  Outcome r = doc->ReadFromRadio(*port, control);
  EXPECT_EQ(r.message, (Message{"Complete!!", "Read from Radio", MessageIcon::Information}));
  EXPECT_FALSE(doc->OperationFailed);
  const RadioData& d = doc->Data();
  EXPECT_NE(d.CommonSettings.Scan, before.CommonSettings.Scan);
  EXPECT_EQ(d.USA[16].ChTag, GetParam() == kSeriesMV710 ? "HARBOUR" : before.USA[16].ChTag);
  EXPECT_EQ(d.RadioImage[0x00], before.RadioImage[0x00]);
}

TEST_P(DocumentRadio, ProgramSendsTheEncodedImageWithAFreshChecksum) {
  doc->Data().RadioImage[0x5F] ^= 0xFF;  // a stale checksum must not reach the radio
  Outcome r = doc->ProgramToRadio(*port, control);
  EXPECT_EQ(r.message, (Message{"Complete!!", "Program to Radio", MessageIcon::Information}));
  EXPECT_FALSE(doc->OperationFailed);
  const Image& image = doc->Data().RadioImage;
  const auto& m = radio->Memory();
  EXPECT_EQ(m[0x5F], ImageChecksum(image, 0x42, 29));
  EXPECT_TRUE(std::equal(m.begin() + 0x300, m.begin() + std::min<int>(m.size(), 0x3600),
                         image.begin() + 0x300));
}

// Every way a transfer can end short: its message and flags, the port closed, the data set as it
// was, and a radio of the wrong model refused before any block crosses the line.
TEST_P(DocumentRadio, EveryFailureShowsItsMessageAndChangesNothing) {
  const int16_t series = GetParam();
  const uint16_t other = ModelIdFor(series == kSeriesMV510 ? kSeriesMV710 : kSeriesMV510);
  const std::size_t half = (ImageLastFor(series) + 1) / kBlockSize / 2 + 1;
  const std::string reason =
      "Cannot open /dev/ttyUSB0: permission denied (add yourself to the dialout group).";
  const Message modelType{"ModelType Error !!", "Read from Radio", MessageIcon::Stop};
  auto models = [this](uint16_t first, uint16_t second) {
    return [=, this](int) { radio->SetModelWords(first, second); };
  };
  // Armed once the model check has passed.
  auto spoil = [this](int RadioFaults::*fault) {
    return [=, this](int p) {
      if (p == 0) radio->Faults().*fault = 1000;
    };
  };
  auto cancelHalfway = [this](int p) {
    if (p >= 50) cancel = true;
  };
  struct Row {
    const char* what;
    bool program;
    std::function<void(int)> arm;    // called with -1 before the transfer, then with each percent
    std::optional<Message> message;  // none: cancelled
    std::size_t maxBlocks;
  };
  const Row rows[] = {
      {"read from another model", false, models(other, other), modelType, 0},
      {"program another model", true, models(other, other), modelType, 0},
      {"second model number disagrees", false, models(ModelIdFor(series), ModelIdFor(series) ^ 1),
       modelType, 0},
      {"port will not open", false, [&, this](int) { port->FailOpen(reason); },
       Message{reason, "Read from Radio", MessageIcon::Stop}, 0},
      {"silent radio", false, [this](int) { radio->Faults().dropReply = 1000; },
       Message{"Communication Error!!", "Model Check", MessageIcon::Stop}, 0},
      {"bad checksums", false, spoil(&RadioFaults::corruptChecksum),
       Message{"Communication Error!!", "Read from Radio", MessageIcon::Stop}, 2},
      {"no acknowledgements", true, spoil(&RadioFaults::dropReply),
       Message{"CommunicatiOn Error!!", "Program to Radio", MessageIcon::Stop}, 0},
      {"cancelled read", false, cancelHalfway, std::nullopt, half},
      {"cancelled program", true, cancelHalfway, std::nullopt, half},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Reset();
    row.arm(-1);
    control.Progress = row.arm;
    const RadioData before = doc->Data();
    const std::vector<uint8_t> memory = radio->Memory();
    Outcome r =
        row.program ? doc->ProgramToRadio(*port, control) : doc->ReadFromRadio(*port, control);
    EXPECT_EQ(r.message, row.message);
    EXPECT_EQ(r.cancelled(), !row.message);
    EXPECT_TRUE(doc->OperationFailed);
    EXPECT_EQ(doc->OperationCancelled, !row.message);
    EXPECT_FALSE(port->IsOpen());
    EXPECT_TRUE(row.program || doc->Data() == before);
    EXPECT_TRUE(!row.message || radio->Memory() == memory);
    std::size_t blocks = 0;
    for (const auto& q : radio->Requests())
      blocks += q.command == kCmdReadBlock || q.command == kCmdWriteBlock;
    EXPECT_LE(blocks, row.maxBlocks);
  }
  std::ifstream log(folder / "err.log");
  std::stringstream text;
  text << log.rdbuf();
  EXPECT_NE(text.str().find("frmRadio.PortOpen"), std::string::npos) << text.str();
}

INSTANTIATE_TEST_SUITE_P(Series, DocumentRadio, ::testing::Values(kSeriesMV510, kSeriesMV710),
                         [](const auto& info) {
                           return std::string(info.param == kSeriesMV510 ? "MV510" : "MV710");
                         });

}  // namespace
}  // namespace qw
