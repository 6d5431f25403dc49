// The text form of the report: the whole data set in fixed-width columns, as the preview window
// shows it and "Save As" writes it.
#pragma once

#include <string>

#include "model/radio_data.h"

namespace qw {

// The text image. Every line is appended as CR LF followed by its content, so the text starts
// with a line break.
std::string BuildTextReport(const RadioData& data);

// What a text file of the report holds: the text image followed by CR LF.
std::string TextFileContent(const std::string& textImage);

}  // namespace qw
