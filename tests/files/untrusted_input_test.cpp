// Random and mutated files for the readers: no crash, no hang, the data set keeps its shape.
#include <gtest/gtest.h>

#include "files/data_file_parser.h"
#include "files/data_file_reader.h"
#include "files/data_file_writer.h"
#include "files/document.h"
#include "files/profile_file.h"
#include "test_support.h"

namespace qw {
namespace {

void ExpectShapeKept(const RadioData& d, int16_t series) {
  EXPECT_EQ(d.ModelSeries, series);
  EXPECT_EQ(d.WX.size() + d.FourthGroup.size(), 50u);
  int odd = 0;
  for (int group = 0; group < 3; ++group) {
    odd += GroupList(d, group).size() != 240;
    for (const ChannelRecord& ch : GroupList(d, group))
      odd += ch.Position < 0 || ch.Position >= 240 || (ch.Duplex && !ch.DuplexCapable);
  }
  EXPECT_EQ(odd, 0);
}

std::string Mutate(std::string text, std::mt19937& random) {
  const char pieces[] = "[]=#\r\n ,.-0123456789eE\t\0\xff";
  int edits = 1 + static_cast<int>(random() % 12);
  for (int e = 0; e < edits && !text.empty(); ++e) {
    std::size_t at = random() % text.size();
    const char piece = pieces[random() % (sizeof pieces - 1)];
    switch (random() % 5) {
      case 0:
        text[at] = random() % 2 ? static_cast<char>(random()) : piece;
        break;
      case 1:
        text.erase(at, random() % 64);
        break;
      case 2:
        text.insert(at, std::string(random() % 8, piece));
        break;
      case 3:  // duplicated sections and keys
        text.insert(at, text.substr(random() % text.size(), random() % 200));
        break;
      default:
        text.resize(at);
    }
  }
  return text;
}

TEST(UntrustedInput, MutatedDataFilesNeverBreakTheReader) {
  for (int16_t series : {kSeriesMV510, kSeriesMV710, kSeriesThird}) {
    RadioData base;
    BuildNewDataSet(base, series);
    test::FillCarriedFields(base, 3);
    const std::string valid = DataFileText(base, '.');
    std::mt19937 random(series + 100);
    for (int i = 0; i < 200; ++i) {
      std::string text = Mutate(valid, random);
      RadioData d = base;
      auto table = ParseDataFileText(text);
      ASSERT_TRUE(table);
      OverlayDataFile(*table, d);
      ExpectShapeKept(d, series);
      if (HasFailure()) FAIL() << "case " << i << " of series " << series;
    }
  }
}

TEST(UntrustedInput, RandomBytesThroughTheDocument) {
  test::TempFolder folder;
  Document doc(folder.Path(), true);
  std::mt19937 random(7);
  for (int i = 0; i < 300; ++i) {
    int16_t series = static_cast<int16_t>(random() % 3);
    doc.NewDataSet(series);
    std::size_t size =
        random() % 3 == 0 ? static_cast<std::size_t>(ImageLastFor(series) + 1) : random() % 20000;
    std::string bytes(size, '\0');
    for (char& b : bytes) b = static_cast<char>(random() % 4 == 0 ? '\n' : random());
    if (random() % 2 == 0) bytes.insert(0, "[MAIN]\r\nMODELTYPE=" + std::to_string(series) + "\n");
    test::WriteBytes(folder.File("in.bin"), bytes);
    doc.OpenDataFile(folder.File("in.bin"));
    ExpectShapeKept(doc.Data(), series);
    doc.LoadRawImage(folder.File("in.bin"));
    ExpectShapeKept(doc.Data(), series);
    ReadProfileValue(folder.File("in.bin"), "MAIN", "MODELTYPE");
    if (HasFailure()) FAIL() << "case " << i;
  }
}

TEST(UntrustedInput, ProfileValueIsCutToTheLookUpBuffer) {
  test::TempFolder folder;
  std::string value(300, 'v');
  test::WriteBytes(folder.File("p.ini"), "[other]\r\nMODELTYPE=9\r\n [ Main ] \r\n modeltype = #" +
                                             value + " \r\nnul=ab" + std::string(1, '\0') +
                                             "cd\r\nnone=<NONE>\r\n");
  EXPECT_EQ(ReadProfileValue(folder.File("p.ini"), "MAIN", "MODELTYPE"), value.substr(0, 126));
  EXPECT_EQ(ReadProfileValue(folder.File("p.ini"), "main", "NUL"), "ab");
  EXPECT_EQ(ReadProfileValue(folder.File("p.ini"), "MAIN", "none"), "");
  EXPECT_EQ(ReadProfileValue(folder.File("p.ini"), "MAIN", "missing"), "");
  EXPECT_EQ(ReadProfileValue(folder.File("missing.ini"), "MAIN", "MODELTYPE"), "");
}

}  // namespace
}  // namespace qw
