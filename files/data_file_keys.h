// Section names and keys the data file's writer and reader share, spelt as the file spells them
// ("Weater", "Kikker" included).
#pragma once

#include "files/text_util.h"

namespace qw {

inline constexpr const char* kUsableSection = "Usable CH Group Setup";
inline constexpr const char* kUsableGroupKeys = "USA, INTL, Canada, EXP CH";
inline constexpr const char* kTxTotKey = "TX TOT ";
inline constexpr const char* kPriorityKey = "Priority CH ";
inline constexpr const char* kStatusIconKey = "Status Icon ";
inline constexpr const char* kStatusNameKey = "Status name ";
inline constexpr const char* kCommonSection = "Common Setup";
inline constexpr const char* kAtisSection = "ATIS Setup (Common)";
inline constexpr const char* kAtisGroupKey = "Usable ATIS CH Group";
inline constexpr const char* kAtisKillerKey = "Usable ATIS Kikker CH Group";
// USA, INTL, CANADA in group order.
inline constexpr const char* kMarinePrefixes[3] = {"CHUSA", "CHINT", "CHCAN"};
inline constexpr const char* kWeatherPrefix = "CHWX";
inline constexpr const char* kFourthPrefix = "CHEXP";
inline constexpr const char* kMemoryIdPrefix = "CHMMSID";
inline constexpr const char* kGroupIdPrefix = "CHGRPID";

}  // namespace qw
