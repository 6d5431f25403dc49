// Reading from and programming to a radio as whole-document operations: flags, messages, what
// changes in the data set and what must not.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/document.h"
#include "link/clone_procedures.h"
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
  d.UsableGroupSettings[kGroupUSA].TxTot = !d.UsableGroupSettings[kGroupUSA].TxTot;
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
    doc = std::make_unique<Document>(folder, true);
    doc->NewDataSet(GetParam());
    radio = std::make_unique<SimulatedRadio>(GetParam(), EditedRadio(GetParam()));
    port = std::make_unique<MemoryPort>(*radio, clock);
  }
  void TearDown() override { fs::remove_all(folder); }

  fs::path folder;
  ManualClock clock;
  std::atomic<bool> cancel{false};
  TransferControl control{nullptr, &cancel, &clock, nullptr};
  std::unique_ptr<Document> doc;
  std::unique_ptr<SimulatedRadio> radio;
  std::unique_ptr<MemoryPort> port;
};

TEST_P(DocumentRadio, ReadDecodesTheRadiosDataAndKeepsTheProgramsOwnBytes) {
  const RadioData before = doc->Data();
  Outcome r = doc->ReadFromRadio(*port, control);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.message, (Message{"Complete!!", "Read from Radio", MessageIcon::Information}));
  EXPECT_FALSE(doc->OperationFailed);
  const RadioData& d = doc->Data();
  EXPECT_NE(d.CommonSettings.Scan, before.CommonSettings.Scan);
  EXPECT_NE(d.UsableGroupSettings[kGroupUSA].TxTot, before.UsableGroupSettings[kGroupUSA].TxTot);
  if (GetParam() == kSeriesMV710) {
    EXPECT_EQ(d.USA[16].ChTag, "HARBOUR");
  }
  EXPECT_EQ(d.RadioImage[0x00], before.RadioImage[0x00]);
  EXPECT_EQ(d.RadioImage[0x80], radio->Memory()[0x80]);
}

TEST_P(DocumentRadio, FailedOrCancelledReadLeavesEverythingAsItWas) {
  const RadioData before = doc->Data();
  // Let the model check through, then spoil every reply.
  control.Progress = [this](int p) {
    if (p == 0) radio->Faults().corruptChecksum = 1000;
  };
  Outcome failed = doc->ReadFromRadio(*port, control);
  EXPECT_EQ(failed.message,
            (Message{"Communication Error!!", "Read from Radio", MessageIcon::Stop}));
  EXPECT_TRUE(doc->OperationFailed);
  EXPECT_FALSE(doc->OperationCancelled);
  EXPECT_EQ(doc->Data(), before);

  radio->Faults().corruptChecksum = 0;
  control.Progress = [this](int p) {
    if (p >= 50) cancel = true;
  };
  Outcome cancelled = doc->ReadFromRadio(*port, control);
  EXPECT_TRUE(cancelled.cancelled());
  EXPECT_TRUE(doc->OperationFailed);
  EXPECT_TRUE(doc->OperationCancelled);
  EXPECT_EQ(doc->Data(), before);
}

TEST_P(DocumentRadio, ProgramSendsTheEncodedImageWithAFreshChecksum) {
  doc->Data().CommonSettings.Scan = !doc->Data().CommonSettings.Scan;
  doc->Data().RadioImage[0x5F] ^= 0xFF;  // a stale checksum must not reach the radio
  Outcome r = doc->ProgramToRadio(*port, control);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.message, (Message{"Complete!!", "Program to Radio", MessageIcon::Information}));
  const Image& image = doc->Data().RadioImage;
  const auto& m = radio->Memory();
  EXPECT_EQ(m[0x5F], ImageChecksum(image, 0x42, 29));
  for (int a = 0x42; a < 0x3600 && a <= doc->Data().ImageLast; ++a) {
    if (a >= 0xC0 && a < 0x100) continue;
    if (a >= 0x200 && a < 0x300) continue;
    ASSERT_EQ(m[a], image[a]) << a;
  }
}

TEST_P(DocumentRadio, RadioOfAnotherSeriesIsRefusedBeforeAnyBlock) {
  radio->SetModelWords(ModelIdFor(GetParam()), 0x1BBC);
  Outcome r = doc->ProgramToRadio(*port, control);
  EXPECT_EQ(r.message, (Message{"ModelType Error !!", "Read from Radio", MessageIcon::Stop}));
  for (const auto& req : radio->Requests()) EXPECT_EQ(req.command, 0x12);
}

TEST_P(DocumentRadio, PortThatWillNotOpenIsLoggedAndExplained) {
  port->FailOpen(
      "Cannot open /dev/ttyUSB0: permission denied (add yourself to the dialout group).");
  Outcome r = doc->ReadFromRadio(*port, control);
  EXPECT_TRUE(r.failed());
  EXPECT_TRUE(doc->OperationFailed);
  EXPECT_NE(r.message->Text.find("dialout"), std::string::npos);
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
