#include "formats/bounded_read.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace qw {
namespace {

ReadStatus Fail(FileError* error, int number) {
  if (error) {
    error->Number = number != 0 ? number : EIO;
    error->Description = std::generic_category().message(error->Number);
  }
  return ReadStatus::Failed;
}

}  // namespace

ReadStatus ReadFileBounded(const std::filesystem::path& path, std::size_t maxBytes,
                           std::string& bytes, FileError* error) {
  bytes.clear();
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file) return Fail(error, errno != 0 ? errno : ENOENT);
  // Reading in pieces keeps a file that grows or lies about its size within the ceiling.
  constexpr std::size_t kPiece = 64 * 1024;
  while (bytes.size() < maxBytes) {
    std::size_t want = std::min(kPiece, maxBytes - bytes.size());
    std::size_t had = bytes.size();
    bytes.resize(had + want);
    file.read(bytes.data() + had, static_cast<std::streamsize>(want));
    bytes.resize(had + static_cast<std::size_t>(file.gcount()));
    if (file.eof()) return ReadStatus::Ok;
    if (file.fail()) return Fail(error, errno);
  }
  return file.peek() == std::char_traits<char>::eof() ? ReadStatus::Ok : ReadStatus::TooLarge;
}

}  // namespace qw
