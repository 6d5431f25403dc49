// Reading from and programming to a radio as whole-document operations: flags, messages, what
// changes in the data set and what must not.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "document/backups.h"
#include "document/document.h"
#include "link/clone_procedures.h"
#include "link/record.h"
#include "link/transfer.h"
#include "model/image_codec.h"
#include "model/series_traits.h"
#include "sim/memory_port.h"
#include "sim/simulated_radio.h"
#include "tests/support/radio_data.h"
#include "tests/support/temp_folder.h"

namespace qw {
namespace {

namespace fs = std::filesystem;

// The memory of a radio that was programmed with a data set edited in a few places.
std::vector<uint8_t> EditedRadio(int16_t series) {
  RadioData d = test::NewData(series);
  d.CommonSettings.Scan = !d.CommonSettings.Scan;
  if (series == kSeriesMV710) d.USA[16].ChTag = "HARBOUR";
  PrepareImageForRadio(d);
  std::vector<uint8_t> m(d.RadioImage.begin(), d.RadioImage.begin() + d.ImageLast + 1);
  for (int a = 0; a < 0x40; ++a) m[a] = 0xA5;  // bytes the program keeps its own
  return m;
}

class DocumentRadio : public ::testing::TestWithParam<int16_t> {
 protected:
  void SetUp() override { Reset(); }
  void Reset() {
    cancel = false;
    control.Progress = nullptr;
    doc = std::make_unique<Document>(folder, true);
    doc->NewDataSet(GetParam());
    radio = std::make_unique<SimulatedRadio>(GetParam(), EditedRadio(GetParam()));
    port = std::make_unique<MemoryPort>(*radio, clock);
  }
  test::TempFolder temp;
  const fs::path folder = temp.Path();
  ManualClock clock;
  CancelFlag cancel;
  TransferControl control{nullptr, &cancel, &clock, nullptr};
  std::unique_ptr<Document> doc;
  std::unique_ptr<SimulatedRadio> radio;
  std::unique_ptr<MemoryPort> port;
};

TEST_P(DocumentRadio, ReadDecodesTheRadiosDataAndProgramSendsTheEncodedImage) {
  const RadioData fresh = doc->Data();
  Outcome read = doc->ReadFromRadio(*port, control);
  EXPECT_EQ(read.message, (Message{"Complete!!", "Read from Radio", MessageIcon::Information}));
  EXPECT_TRUE(read.notes.empty());  // no backup folder given
  EXPECT_NE(doc->Data().CommonSettings.Scan, fresh.CommonSettings.Scan);
  EXPECT_EQ(doc->Data().USA[16].ChTag,
            GetParam() == kSeriesMV710 ? "HARBOUR" : fresh.USA[16].ChTag);
  EXPECT_EQ(doc->Data().RadioImage[0x00], fresh.RadioImage[0x00]);  // the program's own bytes

  doc->Edit({}, [&fresh](RadioData& d) {
    d = fresh;                   // differs from what the radio holds
    d.RadioImage[0x5F] ^= 0xFF;  // a stale checksum must not reach the radio
  });
  const RadioData before = doc->Data();
  Outcome r = doc->ProgramToRadio(*port, control);
  EXPECT_EQ(r.message, (Message{"Complete!!", "Program to Radio", MessageIcon::Information}));
  EXPECT_TRUE(doc->Data() == before);  // the snapshot was sent, the data set is left alone
  RadioData sent = before;
  PrepareImageForRadio(sent);
  const Image& image = sent.RadioImage;
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
    EXPECT_TRUE(r.cancelled() != bool(row.message) && !r.ok() && !port->IsOpen());
    EXPECT_TRUE(doc->Data() == before && !doc->IsModified());
    EXPECT_TRUE(!row.message || radio->Memory() == memory);
    std::size_t blocks = 0;
    for (const auto& q : radio->Requests())
      blocks += q.command == kCmdReadBlock || q.command == kCmdWriteBlock;
    EXPECT_LE(blocks, row.maxBlocks);
  }
  EXPECT_NE(test::ReadBytes(folder / "err.log").find("frmRadio.PortOpen"), std::string::npos);
}

// Programming with a read-back: what the user is told for a radio that holds what was sent, one
// that stores blocks wrong, one that stops answering, and a cancel in either half.
TEST_P(DocumentRadio, VerifyAfterProgramTellsWhatTheRadioHolds) {
  const int16_t series = GetParam();
  const Message complete{"Complete!!", "Program to Radio", MessageIcon::Information};
  // Acts once, when the bar first reaches a percent.
  auto at = [](int from, std::function<void()> act) {
    return [=, done = std::make_shared<bool>(false)](int p) {
      if (p >= from && !*done) act(), *done = true;
    };
  };
  struct Row {
    const char* what;
    std::function<void(int)> arm;
    Outcome::Status status;
    std::string text;  // the message's text; "" for none
    std::string note;  // the verify note; "" for none
  };
  const std::string eight =
      "0x00A0, 0x0120, 0x0160, 0x01A0, 0x01E0, 0x0320, 0x0360, 0x03A0";  // mid-block
  const Row rows[] = {
      {"radio holds the image", nullptr, Outcome::Status::Ok, "Complete!!", "verified"},
      {"radio stores three blocks wrong", at(0, [this] { radio->Faults().storeWrong = 3; }),
       Outcome::Status::Failed, "Verify Error!!\n3 bytes differ, at 0x00A0, 0x0120, 0x0160", ""},
      {"eight named", at(0, [this] { radio->Faults().storeWrong = 8; }), Outcome::Status::Failed,
       "Verify Error!!\n8 bytes differ, at " + eight, ""},
      {"nine, eight named", at(0, [this] { radio->Faults().storeWrong = 9; }),
       Outcome::Status::Failed, "Verify Error!!\n9 bytes differ, at " + eight + ", ...", ""},
      {"radio silent in the read-back", at(51, [this] { radio->Faults().dropReply = 1000; }),
       Outcome::Status::Ok, "Complete!!", "not verified: the radio did not answer the read-back"},
      {"cancel in the read-back", at(75, [this] { cancel = true; }), Outcome::Status::Ok,
       "Complete!!", "not verified: the read-back was cancelled"},
      {"cancel while writing", at(25, [this] { cancel = true; }), Outcome::Status::Cancelled, "",
       ""},
  };
  std::size_t readBackBlocks = 0;
  for (const WriteStep& step : WritePlan(series)) readBackBlocks += step.kind != WriteStep::Skip;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Reset();
    std::vector<int> shown;
    control.Progress = [&](int p) {
      shown.push_back(p);
      if (row.arm) row.arm(p);
    };
    Outcome r = doc->ProgramToRadio(*port, control, TransferOptions{{}, true, nullptr});
    EXPECT_EQ(r.status, row.status);
    EXPECT_EQ(r.message ? r.message->Text : "", row.text);
    EXPECT_EQ(r.message && r.message->Icon == MessageIcon::Stop,
              row.status == Outcome::Status::Failed);
    std::string note;
    for (const Message& n : r.notes) note += n.Text;
    EXPECT_EQ(note, row.note);
    EXPECT_EQ(WasVerified(r), row.note == "verified");
    EXPECT_FALSE(port->IsOpen());
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    if (row.note == "verified") {
      EXPECT_EQ(shown.back(), 100);
      EXPECT_NE(std::find(shown.begin(), shown.end(), 50), shown.end());
      std::size_t reads = 0;
      for (const auto& q : radio->Requests()) reads += q.command == kCmdReadBlock;
      EXPECT_EQ(reads, readBackBlocks);
    }
  }
}

// The image as received and the image about to be sent are kept, named by series, time and
// kind; a folder that cannot be made is said once and the transfer still counts.
TEST_P(DocumentRadio, TransfersKeepBackupsAndSurviveAnUnwritableFolder) {
  const int16_t series = GetParam();
  const auto when = std::chrono::system_clock::time_point{} + std::chrono::hours(24 * 20000);
  const std::string stamp = BackupStamp(when);
  const std::string model = Traits(series).modelName;
  auto text = [](const auto& bytes) { return std::string(bytes.begin(), bytes.end()); };
  TransferOptions options{folder / "data" / "backups", false, [when] { return when; }};

  Outcome read = doc->ReadFromRadio(*port, control, options);
  ASSERT_TRUE(read.ok());
  ASSERT_EQ(read.notes.size(), 1u);
  EXPECT_EQ(read.notes[0].Title, "Backup");
  EXPECT_EQ(fs::path(read.notes[0].Text),
            options.backupFolder / (model + "-" + stamp + "-read.hex"));
  EXPECT_EQ(test::ReadBytes(read.notes[0].Text), text(radio->Memory()));  // exactly as received

  Outcome program = doc->ProgramToRadio(*port, control, options);
  ASSERT_TRUE(program.ok());
  ASSERT_EQ(program.notes.size(), 1u);
  EXPECT_EQ(fs::path(program.notes[0].Text).filename(), model + "-" + stamp + "-program.hex");
  RadioData sent = doc->Data();
  PrepareImageForRadio(sent);
  EXPECT_EQ(test::ReadBytes(program.notes[0].Text),
            text(sent.RadioImage).substr(0, sent.ImageLast + 1));
  EXPECT_EQ(ListBackups(options.backupFolder).size(), 2u);

  test::WriteBytes(folder / "file", "x");
  options.backupFolder = folder / "file" / "backups";
  for (bool programRun : {false, true}) {
    Outcome r = programRun ? doc->ProgramToRadio(*port, control, options)
                           : doc->ReadFromRadio(*port, control, options);
    EXPECT_TRUE(r.ok());
    ASSERT_EQ(r.notes.size(), 1u);
    EXPECT_EQ(r.notes[0].Icon, MessageIcon::Exclamation);
    EXPECT_EQ(r.notes[0].Text.rfind("The backup was not kept: cannot create ", 0), 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(Series, DocumentRadio, ::testing::Values(kSeriesMV510, kSeriesMV710),
                         [](const auto& info) {
                           return std::string(info.param == kSeriesMV510 ? "MV510" : "MV710");
                         });

}  // namespace
}  // namespace qw
