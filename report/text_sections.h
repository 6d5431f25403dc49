// The sections of the text report, each appended to the text in report order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/radio_data.h"
#include "report/text_image.h"

namespace qw {

// The third variant carries settings the other two series do not; any series value the program
// does not know is shown the same way, so nothing the data set holds is hidden.
inline bool ShowsThirdVariantSections(int16_t series) {
  return Traits(series).thirdVariantSettings;
}

// Settings (text_settings.cpp).
void AddGroupSection(TextImage& out, const RadioData& d);
void AddCommonSection(TextImage& out, const RadioData& d);
void AddDscSections(TextImage& out, const RadioData& d);
void AddAtisSections(TextImage& out, const RadioData& d);

// Tables (text_tables.cpp).
void AddMarineTable(TextImage& out, const std::vector<ChannelRecord>& list,
                    const std::string& heading, int16_t series);
void AddWeatherTable(TextImage& out, const RadioData& d);
void AddDirectorySections(TextImage& out, const RadioData& d);
void AddFourthGroupTable(TextImage& out, const RadioData& d);

}  // namespace qw
