// Random and mutated files for the readers: no crash, no hang, the data set keeps its shape.
#include <gtest/gtest.h>

#include "files/data_file_writer.h"
#include "files/document.h"
#include "files/profile_file.h"
#include "test_support.h"

namespace qw {
namespace {

void ExpectShapeKept(const RadioData& d, int16_t series) {
  EXPECT_EQ(d.ModelSeries, series);
  for (int group = 0; group < 3; ++group) {
    ASSERT_EQ(GroupList(d, group).size(), 240u);
    for (const ChannelRecord& ch : GroupList(d, group))
      ASSERT_TRUE(ch.Position >= 0 && ch.Position < 240 && (!ch.Duplex || ch.DuplexCapable));
  }
}

std::string Mutate(std::string text, std::mt19937& random) {
  const char pieces[] = "[]=#\r\n ,.-0123456789eE\t\0\xff";
  int edits = 1 + static_cast<int>(random() % 12);
  for (int e = 0; e < edits && !text.empty(); ++e) {
    std::size_t at = random() % text.size();
    const char piece = pieces[random() % (sizeof pieces - 1)];
    switch (random() % 4) {
      case 0:
        text[at] = random() % 2 ? static_cast<char>(random()) : piece;
        break;
      case 1:
        text.erase(at, random() % 64);
        break;
      case 2:  // duplicated sections and keys
        text.insert(at, text.substr(random() % text.size(), random() % 200));
        break;
      default:
        text.resize(at);
    }
  }
  return text;
}

// Mutated data files (even cases) and random bytes (odd cases), through every reader.
TEST(UntrustedInput, MutatedAndRandomFilesNeverBreakTheReaders) {
  test::TempFolder folder;
  Document doc(folder.Path(), true);
  std::mt19937 random(7);
  for (int i = 0; i < 600; ++i) {
    const auto series = static_cast<int16_t>(i / 2 % 3);
    doc.NewDataSet(series);
    std::string bytes;
    if (i % 2 == 0) {
      test::FillCarriedFields(doc.Data(), 3);
      bytes = Mutate(DataFileText(doc.Data(), '.'), random);
    } else {
      bytes.resize(random() % 3 ? random() % 20000 : ImageLastFor(series) + 1);
      for (char& b : bytes) b = static_cast<char>(random() % 4 == 0 ? '\n' : random());
      if (random() % 2) bytes.insert(0, "[MAIN]\r\nMODELTYPE=" + std::to_string(series) + "\n");
    }
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
