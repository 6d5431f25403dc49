// Raw image files, destination images and the error log, through Document.
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

#include "document/document.h"
#include "document/error_log.h"
#include "formats/atomic_file.h"
#include "formats/bounded_read.h"
#include "formats/file_kinds.h"
#include "formats/image_file.h"
#include "model/image_codec.h"
#include "test_support.h"

namespace qw {
namespace {

// A valid image file of the series.
std::string ImageBytes(int16_t series, int step) {
  const std::vector<uint8_t> memory = test::PatternMemory(series, step);
  return {memory.begin(), memory.end()};
}

// The image bytes a file of the document's series holds.
std::string ImageText(const Document& doc) {
  const auto* bytes = reinterpret_cast<const char*>(doc.Data().RadioImage.data());
  return std::string(bytes, ImageLastFor(doc.Series()) + 1);
}

class ImageFiles : public ::testing::Test {
 protected:
  test::TempFolder folder;
  Document doc{folder.Path(), /*debug=*/true};
};

TEST_F(ImageFiles, RawImageSavedAndLoadedByteForByteAndFilesChosenByExtension) {
  for (int16_t series : {kSeriesMV510, kSeriesMV710, kSeriesThird}) {
    SCOPED_TRACE(series);
    doc.NewDataSet(series);
    EXPECT_EQ(doc.FileName(), "");  // cleared by the new data set
    doc.Edit({}, [](RadioData& d) { d.CommonSettings.TxPoDisplay = 7; });  // an unsaved edit
    ASSERT_TRUE(doc.SaveRawImage(folder.File("a.hex")).ok());
    // The file carries the encoded edit and a fresh header checksum.
    const std::string saved = test::ReadBytes(folder.File("a.hex"));
    EXPECT_EQ(saved, ImageText(doc));
    EXPECT_EQ(static_cast<uint8_t>(saved[0x5F]), ImageChecksum(doc.Data().RadioImage, 0x42, 29));

    const std::string other = ImageBytes(series, 5);
    test::WriteBytes(folder.File("b.hex"), other);
    ASSERT_TRUE(doc.LoadRawImage(folder.File("b.hex")).ok());
    EXPECT_EQ(doc.FileName(), folder.File("b.hex"));
    EXPECT_EQ(ImageText(doc), other);

    // Files are chosen by extension and tell their series (opening them is the CLI's test).
    for (const char* name : {"s.dat", "s.JSON", "s.Hex"}) {
      ASSERT_TRUE(doc.SaveAs(folder.File(name)).ok()) << name;
      EXPECT_EQ(SeriesOfFile(folder.File(name)), series) << name;
    }
  }
  // A 16384-byte image of no known model is taken for the MV710, whose check then refuses it.
  std::string stranger = ImageBytes(kSeriesMV710, 4);
  stranger[0x41] ^= 1;
  test::WriteBytes(folder.File("x.hex"), stranger);
  EXPECT_EQ(SeriesOfFile(folder.File("x.hex")), kSeriesMV710);
  test::WriteBytes(folder.File("short.hex"), stranger.substr(0, 100));
  EXPECT_EQ(SeriesOfFile(folder.File("short.hex")), std::nullopt);
  // A JSON file names its series at the top level, as a whole number of a known series.
  const std::pair<const char*, std::optional<int16_t>> json[] = {
      {R"({"ModelSeries": 7})", std::nullopt},
      {R"({"ModelSeries": 1.0})", kSeriesMV510},
      {R"({"ModelSeries": 2.5})", std::nullopt},
      {R"({"Name": "\"ModelSeries\": 1", "ModelSeries": 0})", kSeriesThird},
      {R"({"ModelSeries": 1)", std::nullopt},
  };
  for (const auto& [text, series] : json) {
    test::WriteBytes(folder.File("j.json"), text);
    EXPECT_EQ(SeriesOfFile(folder.File("j.json")), series) << text;
  }

  EXPECT_EQ(doc.Open(folder.File("a.bin")).message->Text,
            folder.File("a.bin") + ": unknown kind of file (use .dat, .hex, .json or .csv)");
}

TEST_F(ImageFiles, RawImageRefusals) {
  const Message badFile{"bad file!!", kProgramTitle, MessageIcon::Stop};
  const Message wrongModel{"ModelType Error !!", "Read from Radio", MessageIcon::Stop};
  struct Case {
    int16_t series, fileSeries;
    int corrupt;  // a byte of the file flipped, or -1
    Message message;
  } cases[] = {
      {kSeriesMV510, kSeriesMV710, -1, badFile},
      {kSeriesMV710, kSeriesMV710, 16383, wrongModel},  // second copy differs
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.corrupt);
    doc.NewDataSet(c.series);
    const RadioData before = doc.Data();
    std::string bytes = ImageBytes(c.fileSeries, 1);
    if (c.corrupt >= 0) bytes[c.corrupt] ^= 1;
    test::WriteBytes(folder.File("x.hex"), bytes);
    Outcome outcome = doc.LoadRawImage(folder.File("x.hex"));
    ASSERT_TRUE(outcome.failed());
    EXPECT_EQ(*outcome.message, c.message);
    EXPECT_EQ(doc.Data(), before);
    EXPECT_EQ(doc.FileName(), "");
  }
}

// A read takes a file of exactly the ceiling and no byte more (the system's reason for a file
// it cannot open is the CLI's test).
TEST_F(ImageFiles, BoundedReadsStopAtTheCeiling) {
  std::string bytes;
  test::WriteBytes(folder.File("ten.dat"), "0123456789");
  EXPECT_EQ(ReadFileBounded(folder.File("ten.dat"), 10, bytes), ReadStatus::Ok);
  EXPECT_EQ(bytes, "0123456789");
  EXPECT_EQ(ReadFileBounded(folder.File("ten.dat"), 9, bytes), ReadStatus::TooLarge);
  EXPECT_EQ(bytes, "012345678");
}

TEST_F(ImageFiles, AFailedSaveKeepsThePreviousFileAndLogsInDebugMode) {
  doc.NewDataSet(kSeriesMV710);
  Outcome outcome = doc.SaveRawImage(folder.File("none/x.hex"));
  // The program's message, then the file and the system's reason.
  EXPECT_EQ(*outcome.message, (Message{"FileSave Error!!\n" + folder.File("none/x.hex") +
                                           ": No such file or directory",
                                       kProgramTitle, MessageIcon::Exclamation}));
  EXPECT_NE(test::ReadBytes(folder.File("err.log")).find(":frmMain.SaveHexFileAs -> "),
            std::string::npos);

  // A target that cannot be replaced stays as it was, and no temporary file is left beside it.
  std::filesystem::create_directories(folder.Path() / "busy" / "inner");
  EXPECT_FALSE(WriteFileAtomically(folder.Path() / "busy", "bytes"));
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "busy" / "inner"));
  auto entries = std::filesystem::directory_iterator(folder.Path());
  EXPECT_EQ(std::distance(begin(entries), end(entries)), 2);  // busy and err.log
  // A name that names no file is refused as missing, not written somewhere.
  for (const std::filesystem::path& nameless : {std::filesystem::path(), folder.Path() / ""}) {
    FileError error;
    EXPECT_FALSE(WriteFileAtomically(nameless, "bytes", &error)) << nameless;
    EXPECT_EQ(error.Number, ENOENT);
  }
}

TEST_F(ImageFiles, ErrorLogWrittenOnlyInDebugModeToItsFolderInTheExactLineForm) {
  Document(folder.Path(), false).WriteErrorLog("frmMain.FileRead2", "53File not found");
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "err.log"));
  Document(folder.Path() / "missing", true).WriteErrorLog("x", "y");  // no error of its own
  // An installed program logs to the user's data folder, made on first use.
  Document installed(folder.Path() / "share", true);
  installed.SetErrorLogFolder(folder.Path() / "user/data");
  installed.WriteErrorLog("frmMain.SaveFileAs", "75Path/File access error");
  EXPECT_NE(test::ReadBytes(folder.Path() / "user/data/err.log").find("frmMain.SaveFileAs -> 75"),
            std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "share/err.log"));

  // Every file a read cannot open leaves its own location in the log.
  const struct {
    const char* location;
    std::function<Outcome(Document&, const std::string&)> open;
  } reads[] = {
      {"frmMain.FileReadJson", [](Document& d, const std::string& p) { return d.OpenJson(p); }},
      {"frmMain.FileRead2", [](Document& d, const std::string& p) { return d.OpenDataFile(p); }},
      {"frmMain.ReadHexFileAs",
       [](Document& d, const std::string& p) { return d.LoadRawImage(p); }},
      {"frmMain.ImportChannels",
       [](Document& d, const std::string& p) { return d.ImportChannels(p); }},
  };
  for (const auto& r : reads) {
    Document logged(folder.Path() / "logs", true);
    std::filesystem::create_directories(folder.Path() / "logs");
    EXPECT_TRUE(r.open(logged, folder.File("absent")).failed());
    EXPECT_NE(
        test::ReadBytes(folder.Path() / "logs/err.log").find(std::string(r.location) + " -> "),
        std::string::npos)
        << r.location;
    std::filesystem::remove(folder.Path() / "logs/err.log");
  }

  std::tm moment{};
  moment.tm_year = 126, moment.tm_mon = 11, moment.tm_mday = 5;
  moment.tm_hour = 14, moment.tm_min = 3, moment.tm_sec = 9, moment.tm_isdst = -1;
  EXPECT_EQ(ErrorLogLine("loc", "1x", std::mktime(&moment)), "12/05/26,14:03:09:loc -> 1x\r\n");
}

TEST_F(ImageFiles, DestinationNamesForTheSeriesSortedAndLimitedToTen) {
  for (const char* name : {"usa_02C6.ini", "eur_02C6.ini", "usa_01FE.ini", "Can_02c6.INI",
                           "_02C6.ini", "x_02C6.ini.bak", "readme.txt"}) {
    test::WriteBytes(folder.File(name), "");
  }
  std::filesystem::create_directories(folder.Path() / "dir_02C6.ini");
  doc.NewDataSet(kSeriesMV710);
  EXPECT_EQ(doc.DestinationNames(), (std::vector<std::string>{"CAN", "EUR", "USA"}));
  doc.NewDataSet(kSeriesMV510);
  EXPECT_EQ(doc.DestinationNames(), (std::vector<std::string>{"USA"}));
  doc.NewDataSet(kSeriesThird);
  EXPECT_TRUE(doc.DestinationNames().empty());

  // Of fourteen names, ten (those the listing gives first), sorted.
  test::TempFolder many;
  for (char c = 'a'; c < 'a' + 14; ++c)
    test::WriteBytes(many.Path() / (c + std::string("_02C6.ini")), "");
  const auto names = Document(many.Path()).DestinationNames();  // a new document is an MV710
  EXPECT_EQ(names.size(), 10u);
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
  EXPECT_TRUE(Document(folder.Path() / "missing").DestinationNames().empty());
}

TEST_F(ImageFiles, DestinationLoadsOnlyAnExactImageOfTheSeries) {
  doc.NewDataSet(kSeriesMV710);
  const std::string good = ImageBytes(kSeriesMV710, 9);
  test::WriteBytes(folder.File("eur_02C6.ini"), good);
  test::WriteBytes(folder.File("short_02C6.ini"), good.substr(0, 8192));
  std::string wrongModel = good;
  wrongModel[0x41] ^= 1;
  test::WriteBytes(folder.File("bad_02C6.ini"), wrongModel);

  const RadioData before = doc.Data();
  const Message refused{"IniFileRead Error!!", kProgramTitle, MessageIcon::Exclamation};
  for (const char* name : {"short", "bad", "none"}) EXPECT_TRUE(doc.LoadDestination(name).failed());
  EXPECT_EQ(doc.Data(), before);
  EXPECT_NE(test::ReadBytes(folder.File("err.log")).find(":frmMain.FileReadIni -> "),
            std::string::npos);

  doc.SetFileName("kept.dat");
  ASSERT_TRUE(doc.LoadDestination("EUR").ok());  // as the menu shows it
  EXPECT_EQ(ImageText(doc), good);
  EXPECT_EQ(doc.FileName(), "kept.dat");

  // A switch builds the new data set aside: when the destination fails, nothing changes.
  doc.Edit({}, [](RadioData& d) { d.USA[3].ChTag = "MINE"; });
  const RadioData mine = doc.Data();
  EXPECT_EQ(*doc.SwitchDestination("bad").message, refused);
  EXPECT_EQ(doc.Data(), mine);
  EXPECT_EQ(doc.FileName(), "kept.dat");
  ASSERT_TRUE(doc.SwitchDestination("eur").ok());
  EXPECT_EQ(ImageText(doc), good);
  EXPECT_NE(doc.Data().USA[3].ChTag, "MINE");  // a new data set, not the one before
  EXPECT_TRUE(doc.FileName().empty());
}

// The report window shows a failed save with the system's reason under the model's name.
TEST_F(ImageFiles, AFailedTextSaveIsCaptionedWithTheModel) {
  const Outcome failed = doc.SaveTextFile(folder.File("none/r.txt"), "A");
  EXPECT_EQ(std::pair(failed.message->Title, failed.message->Icon),
            std::pair(std::string("MV710 ") + kProgramTitle, MessageIcon::Exclamation));
}

}  // namespace
}  // namespace qw
