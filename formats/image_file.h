// Memory images kept in files: the raw image file (.hex) and the destination images
// (NAME_XXXX.ini) that come with the program. Both hold image bytes 0..ImageLast, nothing else.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "formats/atomic_file.h"
#include "model/radio_data.h"

namespace qw {

enum class ImageFileStatus { Ok, WrongLength, WrongModel, Unreadable };

// Reads a whole image of the series into image[0..ImageLast] (the rest untouched) when the file
// has exactly the series' length and both copies of its model number match the series. The
// image is not touched unless the result is Ok.
ImageFileStatus ReadImageFile(const std::filesystem::path& path, int16_t series, Image& image,
                              FileError* error = nullptr);

// The same checks on bytes already in memory.
ImageFileStatus ImageFromBytes(const uint8_t* bytes, std::size_t size, int16_t series,
                               Image& image);

// Writes image[0..ImageLast] for the series, through a temporary file.
bool WriteImageFile(const std::filesystem::path& path, int16_t series, const Image& image,
                    FileError* error = nullptr);

// "usa_02C6.ini": the name, "_", the series' model number as four upper-case hex digits.
std::string DestinationFileName(const std::string& name, int16_t series);

// The destination image NAME_XXXX.ini in the folder. The menu shows names in upper case while
// the files may be named in any case, so on file systems that tell case apart a file whose name
// differs only in case is taken too.
std::filesystem::path FindDestinationFile(const std::filesystem::path& folder,
                                          const std::string& name, int16_t series);

// The destination names the folder holds for the series: from the first ten matching files the
// listing gives, the part before the first "_" in upper case, sorted ignoring letter case.
std::vector<std::string> ListDestinationNames(const std::filesystem::path& folder, int16_t series);

}  // namespace qw
