// The profile-file look-up the data file's model check uses, and that check.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "model/outcome.h"

namespace qw {

// The value of key in section (both without regard to letter case), trimmed, cut to 127
// characters and at the first NUL, then without one leading "#". Empty when the file, the
// section or the key is missing (or the value is the look-up's default "<NONE>").
std::string ReadProfileValue(const std::filesystem::path& file, const std::string& section,
                             const std::string& key);

// The same look-up in the file's text.
std::string ProfileValueInText(std::string_view text, std::string_view section,
                               std::string_view key);

// MAIN/MODELTYPE in a data file's text must be a number equal to the series; "different
// model!!" otherwise.
Outcome CheckFileModelText(std::string_view text, int16_t series);

}  // namespace qw
