// The common settings as both reports show them: section by section, in the field table's
// order within a section, each with its label and its worded value.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/field_row.h"
#include "model/radio_data.h"

namespace qw {

struct CommonLine {
  std::string label;  // "Dual Watch:"
  std::string text;   // "On"
  fields::Worded worded;
};

struct CommonBlock {
  std::string title;  // "[Scanning Function]"
  std::vector<CommonLine> lines;
};

// The settings of the series `shows` keeps (it is given the series that hold a setting);
// sections left without a setting are left out.
std::vector<CommonBlock> CommonBlocks(const CommonSettings& c,
                                      const std::function<bool(fields::Held)>& shows);

struct GroupLine {
  std::string label;               // "TX TOT"
  std::vector<std::string> texts;  // a value per group
};

// The usable groups' settings the series holds, a line per field in the field table's order,
// each with a value per group: USA, INTL, Canada and the fourth group.
std::vector<GroupLine> GroupLines(const RadioData& d);

struct SettingLine {
  std::string label;               // "Beep Out:"
  std::vector<std::string> texts;  // On/Off for each group or entry of a list, or the text
  bool list;                       // the field is a list
};

// The DSC settings of a section, a line per field in the field table's order.
std::vector<SettingLine> DscLines(const DscSettings& dsc, fields::Section section);
// The ATIS settings the series `shows` keeps: the groups' lists first, under the group
// heading, then the code.
std::vector<SettingLine> AtisLines(const AtisSettings& atis,
                                   const std::function<bool(fields::Held)>& shows);

// A coded setting's value as the reports word it; "" for a value outside its list.
std::string WordedText(fields::Worded worded, int16_t v);

}  // namespace qw
