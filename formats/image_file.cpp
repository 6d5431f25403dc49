#include "formats/image_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>

#include "formats/text_util.h"
#include "model/image_codec.h"

namespace qw {
namespace {

constexpr std::size_t kMaxDestinations = 10;

void SetError(FileError* error, int number) {
  if (!error) return;
  error->Number = number != 0 ? number : EIO;
  error->Description = std::generic_category().message(error->Number);
}

std::string ModelIdDigits(int16_t series) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(ModelIdFor(series)));
  return digits;
}

}  // namespace

ImageFileStatus ReadImageFile(const std::filesystem::path& path, int16_t series, Image& image,
                              FileError* error) {
  const std::size_t length = static_cast<std::size_t>(ImageLastFor(series)) + 1;
  std::error_code sized;
  auto size = std::filesystem::file_size(path, sized);
  if (sized) {
    SetError(error, sized.value());
    return ImageFileStatus::Unreadable;
  }
  if (size != length) return ImageFileStatus::WrongLength;

  errno = 0;
  std::ifstream file(path, std::ios::binary);
  std::vector<char> bytes(length);
  if (file) file.read(bytes.data(), static_cast<std::streamsize>(length));
  if (!file || static_cast<std::size_t>(file.gcount()) != length) {
    SetError(error, errno);
    return ImageFileStatus::Unreadable;
  }
  return ImageFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), length, series, image);
}

ImageFileStatus ImageFromBytes(const uint8_t* bytes, std::size_t size, int16_t series,
                               Image& image) {
  const std::size_t length = static_cast<std::size_t>(ImageLastFor(series)) + 1;
  if (size != length) return ImageFileStatus::WrongLength;
  if (!ModelIdsMatch(bytes, length, series)) return ImageFileStatus::WrongModel;
  std::copy(bytes, bytes + length, image.begin());
  return ImageFileStatus::Ok;
}

bool WriteImageFile(const std::filesystem::path& path, int16_t series, const Image& image,
                    FileError* error) {
  const std::size_t length = static_cast<std::size_t>(ImageLastFor(series)) + 1;
  std::string_view bytes(reinterpret_cast<const char*>(image.data()), length);
  return WriteFileAtomically(path, bytes, error);
}

std::string DestinationFileName(const std::string& name, int16_t series) {
  return name + "_" + ModelIdDigits(series) + ".ini";
}

std::filesystem::path FindDestinationFile(const std::filesystem::path& folder,
                                          const std::string& name, int16_t series) {
  const std::string file = DestinationFileName(name, series);
  std::filesystem::path exact = folder / file;
  std::error_code error;
  if (std::filesystem::exists(exact, error)) return exact;
  std::filesystem::directory_iterator it(folder, error), end;
  for (; !error && it != end; it.increment(error)) {
    if (EqualsIgnoringCase(it->path().filename().string(), file)) return it->path();
  }
  return exact;
}

std::vector<std::string> ListDestinationNames(const std::filesystem::path& folder, int16_t series) {
  // Folder listings on the desktop match names without regard to letter case.
  const std::string suffix = "_" + ModelIdDigits(series) + ".ini";
  std::vector<std::string> names;
  std::error_code listed;
  std::filesystem::directory_iterator it(folder, listed), end;
  for (; !listed && it != end && names.size() < kMaxDestinations; it.increment(listed)) {
    std::error_code kind;
    if (!it->is_regular_file(kind)) continue;
    std::string file = it->path().filename().string();
    if (file.size() < suffix.size() ||
        !EqualsIgnoringCase(std::string_view(file).substr(file.size() - suffix.size()), suffix)) {
      continue;
    }
    // A file named only "_XXXX.ini" would give an entry without a caption; it is left out.
    std::string name = ToUpperAscii(file.substr(0, file.find('_')));
    if (!name.empty()) names.push_back(std::move(name));
  }
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return LessIgnoringCase(a, b);
  });
  return names;
}

}  // namespace qw
