// The settings sections of the text report: usable groups, common settings, DSC and ATIS.

#include <array>
#include <cstddef>

#include "report/common_blocks.h"
#include "report/formatters.h"
#include "report/text_sections.h"

namespace qw {

namespace {

template <std::size_t N>
std::vector<std::string> OnOffTexts(const std::array<bool, N>& flags) {
  std::vector<std::string> texts;
  for (bool f : flags) texts.push_back(OnOffText(f));
  return texts;
}

void AddGroupHeading(TextImage& out, int16_t series) {
  out.Row("", {"USA", "INTL", "Canada", FourthGroupText(series)});
}

void AddDscBasic(TextImage& out, const DscSettings& dsc) {
  out.Blank();
  out.Line("##### DSC Setup (Basic Setup) #####");
  out.Row("", {"USA", "INTL", "Canada"});
  out.Row("DSC CH Group:", OnOffTexts(dsc.DscGroup));
  out.Row("User MMSI:", {dsc.UserMmsi});
}

// The option sets have up to eight entries each, so they get narrow numbered columns.
void AddDscAdvanced(TextImage& out, const DscSettings& dsc) {
  constexpr int kWidth = 5;
  out.Blank();
  out.Line("##### DSC Setup (Advanced Setup) #####");
  out.Row("", {"1", "2", "3", "4", "5", "6", "7", "8"}, kWidth);
  out.Row("Position Request:", OnOffTexts(dsc.PosRequest), kWidth);
  out.Row("TX:", OnOffTexts(dsc.Tx), kWidth);
  out.Row("Beep Out:", OnOffTexts(dsc.BeepOut), kWidth);
  out.Row("All Ships Call:", OnOffTexts(dsc.AllShipsCall), kWidth);
  out.Row("All Ships Call TX:", OnOffTexts(dsc.AllShipsCallTx), kWidth);
  out.Row("Group Call:", OnOffTexts(dsc.GroupCall), kWidth);
  out.Row("Group Call TX:", OnOffTexts(dsc.GroupCallTx), kWidth);
  out.Row("Individual Call:", OnOffTexts(dsc.IndividualCall), kWidth);
  out.Row("Individual Call TX:", OnOffTexts(dsc.IndividualCallTx), kWidth);
}

void AddDscDisplay(TextImage& out, const DscSettings& dsc) {
  out.Blank();
  out.Line("##### DSC Setup (Display Setup) #####");
  out.Row("Individual ACK Menu:", {OnOffText(dsc.AckMenu[0])});
  out.Row("Individual ACK Message Menu:", {OnOffText(dsc.AckMenu[1])});
  out.Row("POS Request ACK Menu:", {OnOffText(dsc.AckMenu[2])});
}

void AddAtisCallSigns(TextImage& out, const AtisSettings& atis) {
  out.Blank();
  out.Line("##### ATIS Setup (Call Sign) #####");
  out.Line("No  MID  DISP");
  out.Line("--  ---  ----");
  int number = 1;
  for (const auto& entry : atis.AtisCallSign) {
    out.Cells({{std::to_string(number++), 4},
               {PadOrDashes(entry.MID, 3), 5},
               {PadOrDashes(entry.DISP, 3), 4}});
  }
}

}  // namespace

void AddGroupSection(TextImage& out, const RadioData& d) {
  out.Blank();
  out.Line("##### Available CH Group Setup #####");
  AddGroupHeading(out, d.ModelSeries);
  for (const GroupLine& line : GroupLines(d)) out.Row(line.label, line.texts);
}

void AddCommonSection(TextImage& out, const RadioData& d) {
  out.Blank();
  out.Line("##### Common Setup #####");
  const SeriesTraits& series = Traits(d.ModelSeries);
  bool first = true;
  for (const CommonBlock& block :
       CommonBlocks(d.CommonSettings, [&](fields::Held h) { return fields::Holds(series, h); })) {
    if (!first) out.Blank();
    first = false;
    out.Line(block.title);
    for (const CommonLine& line : block.lines) {
      // The power and the weather lists get the label's width ("Lo Po on Changing CH" would
      // be cut by a value column).
      const bool wide =
          line.worded == fields::Worded::TxPoDisplay || line.worded == fields::Worded::Weater;
      out.Row(line.label, {line.text}, wide ? TextImage::kLabelWidth : TextImage::kValueWidth);
    }
  }
}

void AddDscSections(TextImage& out, const RadioData& d) {
  if (!ShowsThirdVariantSections(d.ModelSeries)) return;
  AddDscBasic(out, d.DscSettings);
  AddDscAdvanced(out, d.DscSettings);
  AddDscDisplay(out, d.DscSettings);
}

void AddAtisSections(TextImage& out, const RadioData& d) {
  const auto& atis = d.AtisSettings;
  const bool third = ShowsThirdVariantSections(d.ModelSeries);
  out.Blank();
  out.Line("##### ATIS Setup (Common) #####");
  AddGroupHeading(out, d.ModelSeries);
  out.Row("Usable ATIS CH Group:", OnOffTexts(atis.UsableAtisGroup));
  if (third) out.Row("Usable ATIS Killer CH Group:", OnOffTexts(atis.AtisKillerGroup));
  out.Row("ATIS Code:", {atis.AtisCode});
  if (third) AddAtisCallSigns(out, atis);
}

}  // namespace qw
