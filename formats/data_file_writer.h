// The data file (.dat) writer: fixed sections in a fixed order, "key=value" lines, CR LF.
#pragma once

#include <string>

#include "model/radio_data.h"

namespace qw {

// The whole file for the data set under its ModelSeries. decimalSeparator is the user's
// (the process's numeric locale when not given).
std::string DataFileText(const RadioData& d, char decimalSeparator);
std::string DataFileText(const RadioData& d);

// A frequency in general form: at most 15 significant digits, no trailing zeros and no trailing
// separator ("156.05", "157.1", "0").
std::string FormatFrequency(double mhz, char decimalSeparator);

// The separator of the process's numeric locale.
char LocaleDecimalSeparator();

}  // namespace qw
