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

// The document's side of a transfer is the same for every series: an MV710 stands for all. (Each
// series' blocks are the clone procedures' test.)
constexpr int16_t kSeries = kSeriesMV710;

// The memory of a radio that was programmed with a data set edited in a few places.
std::vector<uint8_t> EditedRadio() {
  RadioData d = test::NewData(kSeries);
  d.CommonSettings.Scan = !d.CommonSettings.Scan;
  d.USA[16].ChTag = "HARBOUR";
  PrepareImageForRadio(d);
  std::vector<uint8_t> m(d.RadioImage.begin(), d.RadioImage.begin() + d.ImageLast + 1);
  for (int a = 0; a < 0x40; ++a) m[a] = 0xA5;  // bytes the program keeps its own
  return m;
}

class DocumentRadio : public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void Reset() {
    cancel = false;
    control.Progress = nullptr;
    doc = std::make_unique<Document>(folder, true);
    doc->NewDataSet(kSeries);
    radio = std::make_unique<SimulatedRadio>(kSeries, EditedRadio());
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

// Every way a transfer can end but the plain success: its message, flags and notes, the port
// closed, the data set as it was, a radio of the wrong model refused before any block crosses the
// line and a failure before the writing leaving the radio as it was. A program with a read-back
// says what the radio holds: what was sent, blocks stored wrong, no answer, or a cancel there.
TEST_F(DocumentRadio, EveryEndOfATransferShowsItsMessageAndChangesNothing) {
  const uint16_t other = ModelIdFor(kSeriesMV510);
  const std::size_t half = (ImageLastFor(kSeries) + 1) / kBlockSize / 2 + 1, any = 1000;
  const std::string reason =
      "Cannot open /dev/ttyUSB0: permission denied (add yourself to the dialout group).";
  const std::string eight =
      "0x00A0, 0x0120, 0x0160, 0x01A0, 0x01E0, 0x0320, 0x0360, 0x03A0";  // mid-block
  const Message modelType{"ModelType Error !!", "Read from Radio", MessageIcon::Stop};
  const Message complete{"Complete!!", "Program to Radio", MessageIcon::Information};
  auto stop = [](const std::string& text, const char* title) {
    return Message{text, title, MessageIcon::Stop};
  };
  // Acts once, when the bar first reaches a percent; -1 is before the transfer.
  auto at = [](int from, std::function<void()> act) {
    return [=, done = std::make_shared<bool>(false)](int p) {
      if (p >= from && !*done) act(), *done = true;
    };
  };
  auto models = [&, this](uint16_t first, uint16_t second) {
    return at(-1, [=, this] { radio->SetModelWords(first, second); });
  };
  auto fault = [&, this](int from, int RadioFaults::*which, int count) {
    return at(from, [=, this] { radio->Faults().*which = count; });
  };
  auto cancelAt = [&, this](int from) { return at(from, [this] { cancel = true; }); };
  enum Kind { Read, Program, Verify };
  struct Row {
    const char* what;
    Kind kind;
    std::function<void(int)> arm;    // called with -1 before the transfer, then with each percent
    std::optional<Message> message;  // none: cancelled
    std::string note;                // the notes' texts; no backup folder is given
    std::size_t maxBlocks;
  };
  const Row rows[] = {
      {"read from another model", Read, models(other, other), modelType, "", 0},
      {"program another model", Program, models(other, other), modelType, "", 0},
      {"second model number disagrees", Read, models(ModelIdFor(kSeries), ModelIdFor(kSeries) ^ 1),
       modelType, "", 0},
      {"port will not open", Read, at(-1, [&, this] { port->FailOpen(reason); }),
       stop(reason, "Read from Radio"), "", 0},
      {"silent radio", Read, fault(-1, &RadioFaults::dropReply, 1000),
       stop("Communication Error!!", "Model Check"), "", 0},
      // Armed once the model check has passed.
      {"bad checksums", Read, fault(0, &RadioFaults::corruptChecksum, 1000),
       stop("Communication Error!!", "Read from Radio"), "", 2},
      {"no acknowledgements", Program, fault(0, &RadioFaults::dropReply, 1000),
       stop("CommunicatiOn Error!!", "Program to Radio"), "", 0},
      {"cancelled read", Read, cancelAt(50), std::nullopt, "", half},
      {"cancelled program", Program, cancelAt(50), std::nullopt, "", half},
      {"radio holds the image", Verify, [](int) {}, complete, "verified", any},
      {"radio stores one block wrong", Verify, fault(0, &RadioFaults::storeWrong, 1),
       stop("Verify Error!!\n1 byte differs, at 0x00A0", "Program to Radio"), "", any},
      {"eight named", Verify, fault(0, &RadioFaults::storeWrong, 8),
       stop("Verify Error!!\n8 bytes differ, at " + eight, "Program to Radio"), "", any},
      {"nine, eight named", Verify, fault(0, &RadioFaults::storeWrong, 9),
       stop("Verify Error!!\n9 bytes differ, at " + eight + ", ...", "Program to Radio"), "", any},
      {"radio silent in the read-back", Verify, fault(51, &RadioFaults::dropReply, 1000), complete,
       "not verified: the radio did not answer the read-back", any},
      {"cancel in the read-back", Verify, cancelAt(75), complete,
       "not verified: the read-back was cancelled", any},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Reset();
    row.arm(-1);
    std::vector<int> shown;
    control.Progress = [&](int p) { shown.push_back(p), row.arm(p); };
    const RadioData before = doc->Data();
    const std::vector<uint8_t> memory = radio->Memory();
    Outcome r = row.kind == Read
                    ? doc->ReadFromRadio(*port, control)
                    : doc->ProgramToRadio(*port, control, {{}, row.kind == Verify, nullptr});
    EXPECT_EQ(r.message, row.message);
    EXPECT_EQ(r.cancelled(), !row.message);
    EXPECT_EQ(r.ok(), row.message && row.message->Icon == MessageIcon::Information);
    EXPECT_FALSE(port->IsOpen());
    EXPECT_TRUE(doc->Data() == before && !doc->IsModified());
    EXPECT_TRUE(row.kind == Verify || !row.message || radio->Memory() == memory);
    std::string note;
    for (const Message& n : r.notes) note += n.Text;
    EXPECT_EQ(note, row.note);
    EXPECT_EQ(WasVerified(r), row.note == "verified");
    std::size_t blocks = 0;
    for (const auto& q : radio->Requests())
      blocks += q.command == kCmdReadBlock || q.command == kCmdWriteBlock;
    EXPECT_LE(blocks, row.maxBlocks);
    // The bar only grows; with a read-back it shows the writing in its first half and the
    // read-back in its second. (Which blocks the read-back asks for is the clone procedures'.)
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    if (row.note == "verified") {
      EXPECT_EQ(shown.back(), 100);
      EXPECT_NE(std::find(shown.begin(), shown.end(), 50), shown.end());
    }
  }
  EXPECT_NE(test::ReadBytes(folder / "err.log").find("frmRadio.PortOpen"), std::string::npos);
}

// A read decodes what the radio holds and a program sends the encoded image of the data set,
// which it leaves alone. Each keeps the image as received or as about to be sent, named by series,
// time and kind; a backup folder that cannot be made is said once and the transfer still counts.
TEST_F(DocumentRadio, ReadAndProgramMoveTheImageAndKeepBackups) {
  const RadioData fresh = doc->Data();
  const auto when = std::chrono::system_clock::time_point{} + std::chrono::hours(24 * 20000);
  const std::string stem = std::string(Traits(kSeries).modelName) + "-" + BackupStamp(when);
  auto text = [](const auto& bytes) { return std::string(bytes.begin(), bytes.end()); };
  TransferOptions options{folder / "data" / "backups", false, [when] { return when; }};

  Outcome read = doc->ReadFromRadio(*port, control, options);
  EXPECT_EQ(read.message, (Message{"Complete!!", "Read from Radio", MessageIcon::Information}));
  EXPECT_NE(doc->Data().CommonSettings.Scan, fresh.CommonSettings.Scan);
  EXPECT_EQ(doc->Data().USA[16].ChTag, "HARBOUR");
  EXPECT_EQ(doc->Data().RadioImage[0x00], fresh.RadioImage[0x00]);  // the program's own bytes
  ASSERT_EQ(read.notes.size(), 1u);
  EXPECT_EQ(read.notes[0].Title, "Backup");
  EXPECT_EQ(fs::path(read.notes[0].Text), options.backupFolder / (stem + "-read.hex"));
  EXPECT_EQ(test::ReadBytes(read.notes[0].Text), text(radio->Memory()));  // exactly as received

  doc->Edit({}, [&fresh](RadioData& d) {
    d = fresh;                   // differs from what the radio holds
    d.RadioImage[0x5F] ^= 0xFF;  // a stale checksum must not reach the radio
  });
  const RadioData before = doc->Data();
  Outcome program = doc->ProgramToRadio(*port, control, options);
  EXPECT_EQ(program.message, (Message{"Complete!!", "Program to Radio", MessageIcon::Information}));
  EXPECT_TRUE(doc->Data() == before);  // the snapshot was sent, the data set is left alone
  RadioData sent = before;
  PrepareImageForRadio(sent);
  const auto& m = radio->Memory();
  EXPECT_EQ(m[0x5F], ImageChecksum(sent.RadioImage, 0x42, 29));
  EXPECT_TRUE(std::equal(m.begin() + 0x300, m.begin() + 0x3600, sent.RadioImage.begin() + 0x300));
  ASSERT_EQ(program.notes.size(), 1u);
  EXPECT_EQ(fs::path(program.notes[0].Text).filename(), stem + "-program.hex");
  EXPECT_EQ(test::ReadBytes(program.notes[0].Text),
            text(sent.RadioImage).substr(0, sent.ImageLast + 1));

  // Read and program keep their backups the same way; one unwritable folder stands for both.
  test::WriteBytes(folder / "file", "x");
  options.backupFolder = folder / "file" / "backups";
  Outcome r = doc->ReadFromRadio(*port, control, options);
  EXPECT_TRUE(r.ok());
  ASSERT_EQ(r.notes.size(), 1u);
  EXPECT_EQ(r.notes[0].Icon, MessageIcon::Exclamation);
  EXPECT_EQ(r.notes[0].Text.rfind("The backup was not kept: cannot create ", 0), 0u);
}

}  // namespace
}  // namespace qw
