// A fresh folder per test and whole-file reads and writes.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace qw::test {

// A fresh folder, removed with everything in it at the end of the test.
class TempFolder {
 public:
  TempFolder() : path_(std::filesystem::temp_directory_path() / Unique()) {
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  static std::string Unique() {
    std::random_device random;
    return "qw_test_" + std::to_string(random()) + std::to_string(random());
  }
  const std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Page objects of a PDF ("/Type /Page", not the page tree's "/Type /Pages").
inline int PdfPages(const std::string& pdf) {
  int count = 0;
  for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
       at = pdf.find("/Type /Page", at + 1))
    count += pdf.compare(at, 12, "/Type /Pages") != 0 ? 1 : 0;
  return count;
}

}  // namespace qw::test
