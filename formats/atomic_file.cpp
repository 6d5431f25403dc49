#include "formats/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

namespace qw {
namespace {

// A name beside the target that no other writer uses at the same time.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& path) {
  std::random_device random;
  std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, ".%06x.tmp", digits(random));
  std::filesystem::path temporary = path;
  temporary += suffix;
  return temporary;
}

void SetError(FileError* error, int number) {
  if (!error) return;
  if (number == 0) number = EIO;
  error->Number = number;
  error->Description = std::generic_category().message(number);
}

// Writes, flushes and closes; errno tells the reason when it returns false.
bool WriteAll(const std::filesystem::path& path, std::string_view bytes) {
  errno = 0;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.flush();
  file.close();
  return !file.fail();
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         FileError* error) {
  if (path.empty() || !path.has_filename()) {
    SetError(error, ENOENT);
    return false;
  }
  std::filesystem::path temporary = TemporaryPathFor(path);
  if (!WriteAll(temporary, bytes)) {
    SetError(error, errno);
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  std::error_code renamed;
  std::filesystem::rename(temporary, path, renamed);
  if (renamed) {
    SetError(error, renamed.value());
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  return true;
}

}  // namespace qw
