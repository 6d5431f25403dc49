#include "formats/profile_file.h"

#include "formats/bounded_read.h"
#include "formats/text_util.h"

namespace qw {
namespace {

constexpr const char* kDefault = "<NONE>";
// The look-up fills a 128-character buffer, the last place taken by the terminating NUL.
constexpr std::size_t kBufferChars = 128;

std::string LookUp(std::string_view text, std::string_view section, std::string_view key) {
  bool inSection = false;
  std::string found = kDefault;
  ForEachLine(text, [&](std::string_view line) {
    line = TrimBlanks(line);
    if (!line.empty() && line[0] == '[') {
      std::size_t close = line.find(']');
      std::string_view name =
          line.substr(1, close == std::string_view::npos ? line.npos : close - 1);
      inSection = EqualsIgnoringCase(TrimBlanks(name), section);
      return true;
    }
    if (!inSection) return true;
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return true;
    if (!EqualsIgnoringCase(TrimBlanks(line.substr(0, equals)), key)) return true;
    found = std::string(TrimBlanks(line.substr(equals + 1)));
    return false;
  });
  return found;
}

}  // namespace

std::string ReadProfileValue(const std::filesystem::path& file, const std::string& section,
                             const std::string& key) {
  std::string bytes;
  // The look-up only ever needs the beginning of an oversized file.
  if (ReadFileBounded(file, kMaxTextFileBytes, bytes) == ReadStatus::Failed) return {};
  return ProfileValueInText(bytes, section, key);
}

std::string ProfileValueInText(std::string_view text, std::string_view section,
                               std::string_view key) {
  std::string value = LookUp(text, section, key);
  if (value.size() > kBufferChars - 1) value.resize(kBufferChars - 1);
  std::size_t nul = value.find('\0');
  if (nul != std::string::npos) value.resize(nul);
  if (value == kDefault) return {};
  if (!value.empty() && value[0] == '#') value.erase(0, 1);
  return value;
}

namespace {

Outcome ModelOutcome(const std::string& modelType, int16_t series) {
  auto model = ParseInt16(modelType);
  if (model && *model == series) return Outcome::Ok();
  return Outcome::Failed(Message{"different model!!", kProgramTitle, MessageIcon::Stop});
}

}  // namespace

Outcome CheckFileModelText(std::string_view text, int16_t series) {
  return ModelOutcome(ProfileValueInText(text, "MAIN", "MODELTYPE"), series);
}

}  // namespace qw
