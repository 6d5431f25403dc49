// The settings sections of the text report: usable groups, common settings, DSC and ATIS.

#include <array>
#include <cstddef>

#include "report/common_blocks.h"
#include "report/formatters.h"
#include "report/text_sections.h"

namespace qw {

namespace {

void AddGroupHeading(TextImage& out, int16_t series) {
  out.Row("", {"USA", "INTL", "Canada", FourthGroupText(series)});
}

void AddDscBasic(TextImage& out, const DscSettings& dsc) {
  out.Blank();
  out.Line("##### DSC Setup (Basic Setup) #####");
  out.Row("", {"USA", "INTL", "Canada"});
  for (const SettingLine& line : DscLines(dsc, fields::Section::DscBasic))
    out.Row(line.label, line.texts);
}

// The option sets have up to eight entries each, so they get narrow numbered columns.
void AddDscAdvanced(TextImage& out, const DscSettings& dsc) {
  constexpr int kWidth = 5;
  out.Blank();
  out.Line("##### DSC Setup (Advanced Setup) #####");
  out.Row("", {"1", "2", "3", "4", "5", "6", "7", "8"}, kWidth);
  for (const SettingLine& line : DscLines(dsc, fields::Section::DscAdvanced))
    out.Row(line.label, line.texts, kWidth);
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
  const SeriesTraits& series = Traits(d.ModelSeries);
  out.Blank();
  out.Line("##### ATIS Setup (Common) #####");
  AddGroupHeading(out, d.ModelSeries);
  for (const SettingLine& line :
       AtisLines(d.AtisSettings, [&](fields::Held h) { return fields::Holds(series, h); }))
    out.Row(line.label, line.texts);
  if (ShowsThirdVariantSections(d.ModelSeries)) AddAtisCallSigns(out, d.AtisSettings);
}

}  // namespace qw
