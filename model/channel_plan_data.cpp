// The three marine channel plans as the radio ships them.
#include <sstream>

#include "model/channel_plans.h"

namespace qw {
namespace {

// Channels that share a tag and flags; flags: D duplex, L low power, R receive only.
struct PlanRow {
  const char* labels;
  const char* tag;
  const char* flags;
};

// clang-format off
constexpr PlanRow kUsaPlan[] = {
    {"01A", "VTS", ""}, {"03A", "", ""}, {"05A", "VTS", ""}, {"06", "SAFTY", ""},
    {"07A", "COMMERCIAL", ""}, {"08", "COMMERCIAL", ""}, {"09", "CALLING", ""},
    {"10", "COMMERCIAL", ""}, {"11", "VTS", ""}, {"12", "VTS", ""}, {"13", "BRG/BRG", "L"},
    {"14", "VTS", ""}, {"15", "COMMERCIAL", "R"}, {"16", "DISTRESS", ""}, {"17", "SAR", "L"},
    {"18A", "COMMERCIAL", ""}, {"19A", "COMMERCIAL", ""}, {"20", "PORT OPR", "D"},
    {"20A", "PORT OPR", ""}, {"21A", "CCG", ""}, {"22A", "USCG", ""}, {"23A", "USCG", ""},
    {"24 25 26 27 28", "TELEPHONE", "D"}, {"61A", "CCG", ""}, {"63A", "VTS", ""},
    {"64A", "COMMERCIAL", ""}, {"65A", "PORT OPR", ""}, {"66A", "PORT OPR", ""},
    {"67", "BRG/BRG", "L"}, {"68", "SHIP-SHIP", ""}, {"69", "PLEASURE", ""}, {"70", "DSC", "R"},
    {"71", "PLEASURE", ""}, {"72", "SHIP-SHIP", ""}, {"73", "PORT OPR", ""},
    {"74", "PORT OPR", ""}, {"75", "PORT OPR", "L"}, {"76", "PORT OPR", "L"},
    {"77", "PORT OPR", "L"}, {"78A", "SHIP-SHIP", ""}, {"79A", "SHIP-SHIP", ""},
    {"80A", "SHIP-SHIP", ""}, {"81A", "CCG", ""}, {"82A", "CCG", ""}, {"83A", "USCG", ""},
    {"84 85 86 87 88", "TELEPHONE", "D"}, {"88A", "COMMERCIAL", ""},
};

constexpr PlanRow kIntlPlan[] = {
    {"01 02 03", "TELEPHONE", "D"}, {"04", "INTL", "D"}, {"05", "INTL", "D"},
    {"06", "SAFTY", ""}, {"07", "INTL", "D"}, {"08", "COMMERCIAL", ""}, {"09", "CALLING", ""},
    {"10", "COMMERCIAL", ""}, {"11", "VTS", ""}, {"12", "VTS", ""}, {"13", "BRG/BRG", ""},
    {"14", "VTS", ""}, {"15", "COMMERCIAL", "L"}, {"16", "DISTRESS", ""}, {"17", "SAR", "L"},
    {"18", "INTL", "D"}, {"19", "INTL", "D"}, {"20", "PORT OPR", "D"},
    {"21 22 23", "INTL", "D"}, {"24 25 26 27 28", "TELEPHONE", "D"}, {"60", "TELEPHONE", "D"},
    {"61 62 63", "INTL", "D"}, {"64", "TELEPHONE", "D"}, {"65", "INTL", "D"},
    {"66", "INTL", "D"}, {"67", "BRG/BRG", ""}, {"68", "SHIP-SHIP", ""},
    {"69", "PLEASURE", ""}, {"70", "DSC", "R"}, {"71", "PLEASURE", ""},
    {"72", "SHIP-SHIP", ""}, {"73", "PORT OPR", ""}, {"74", "PORT OPR", ""},
    {"77", "PORT OPR", ""}, {"78 79 80 81 82 83", "INTL", "D"},
    {"84 85 86 87 88", "TELEPHONE", "D"},
};

constexpr PlanRow kCanadaPlan[] = {
    {"01 02 03", "TELEPHONE", "D"}, {"04A", "CCG", ""}, {"05A", "VTS", ""},
    {"06", "SAFETY", ""}, {"07A", "COMMERCIAL", ""}, {"08", "COMMERCIAL", ""},
    {"09", "CALLING", ""}, {"10", "COMMERCIAL", ""}, {"11", "VTS", ""}, {"12", "VTS", ""},
    {"13", "BRG/BRG", "L"}, {"14", "VTS", ""}, {"15", "COMMERCIAL", "L"},
    {"16", "DISTRESS", ""}, {"17", "SAR", "L"}, {"18A", "COMMERCIAL", ""},
    {"19A", "COMMERCIAL", ""}, {"20", "PORT OPR", "DL"}, {"21A", "CCG", ""},
    {"22A", "USCG", ""}, {"23", "INTL", "D"}, {"24 25 26 27 28", "TELEPHONE", "D"},
    {"60", "TELEPHONE", "D"}, {"61A", "CCG", ""}, {"62A", "CCG", ""}, {"64", "USCG", "D"},
    {"64A", "INTL", ""}, {"65A", "TELEPHONE", ""}, {"66A", "TELEPHONE", "L"},
    {"67 68 69", "TELEPHONE", ""}, {"70", "TELEPHONE", "R"}, {"71", "CCG", ""},
    {"72", "SHIP-SHIP", ""}, {"73", "PORT OPR", ""}, {"74", "PORT OPR", ""},
    {"77", "PORT OPR", "L"}, {"78A 79A 80A", "SHIP-SHIP", ""}, {"81A", "CCG", ""},
    {"82A", "CCG", ""}, {"83", "CCG", "D"}, {"83A", "CCG", ""},
    {"84 85 86 87 88", "TELEPHONE", "D"},
};
// clang-format on

// "16" is slot 32, "16A" slot 33.
int SlotOfLabel(const std::string& label) {
  const bool suffix = !label.empty() && label.back() == 'A';
  return 2 * std::stoi(label) + (suffix ? 1 : 0);
}

template <std::size_t N>
std::vector<PlanEntry> Expand(const PlanRow (&rows)[N]) {
  std::vector<PlanEntry> plan;
  for (const PlanRow& row : rows) {
    const std::string flags = row.flags;
    std::istringstream labels(row.labels);
    for (std::string label; labels >> label;) {
      plan.push_back({SlotOfLabel(label), row.tag, flags.find('D') != std::string::npos,
                      flags.find('L') != std::string::npos, flags.find('R') != std::string::npos});
    }
  }
  return plan;
}

}  // namespace

const std::vector<PlanEntry>& ChannelPlan(int group) {
  static const std::vector<PlanEntry> usa = Expand(kUsaPlan);
  static const std::vector<PlanEntry> intl = Expand(kIntlPlan);
  static const std::vector<PlanEntry> canada = Expand(kCanadaPlan);
  static const std::vector<PlanEntry> none;
  switch (group) {
    case kGroupUSA:
      return usa;
    case kGroupINTL:
      return intl;
    case kGroupCANADA:
      return canada;
    default:
      return none;
  }
}

}  // namespace qw
