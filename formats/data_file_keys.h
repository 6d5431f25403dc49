// Section names the data file's writer and reader share. The keys of the fields are in the
// field tables (model/field_table.h).
#pragma once

namespace qw {

inline constexpr const char* kUsableSection = "Usable CH Group Setup";
inline constexpr const char* kCommonSection = "Common Setup";
inline constexpr const char* kAtisSection = "ATIS Setup (Common)";
// USA, INTL, CANADA in group order.
inline constexpr const char* kMarinePrefixes[3] = {"CHUSA", "CHINT", "CHCAN"};
inline constexpr const char* kWeatherPrefix = "CHWX";
inline constexpr const char* kFourthPrefix = "CHEXP";
inline constexpr const char* kMemoryIdPrefix = "CHMMSID";
inline constexpr const char* kGroupIdPrefix = "CHGRPID";

}  // namespace qw
