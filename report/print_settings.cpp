// Page 1 of the printed listing: the usable groups, the common settings and the ATIS settings.
#include "model/series_traits.h"
#include "report/common_blocks.h"
#include "report/formatters.h"
#include "report/print_sections.h"

namespace qw {

namespace {

void AddGroupNames(PageBuilder& page, int16_t series) {
  page.GroupRow({}, {"USA", "INTL", "Canada", FourthGroupText(series)});
}

void AddUsableGroups(PageBuilder& page, const RadioData& d) {
  page.Blank();
  page.Text("##### Available CH Group Setup #####");
  AddGroupNames(page, d.ModelSeries);
  for (GroupLine& line : GroupLines(d)) {
    // The printed page spells this label with a small "n".
    if (line.label == "Status Name") line.label = "Status name";
    page.GroupRow(line.label, line.texts);
  }
}

// The settings every series holds.
void AddCommon(PageBuilder& page, const CommonSettings& c) {
  page.Blank();
  page.Text("##### Common Setup #####");
  bool first = true;
  for (const CommonBlock& block :
       CommonBlocks(c, [](fields::Held h) { return h == fields::Held::Always; })) {
    if (!first) page.Blank();
    first = false;
    page.Text(block.title);
    for (const CommonLine& line : block.lines) page.ValueRow(line.label, line.text);
  }
}

void AddAtis(PageBuilder& page, const AtisSettings& a, int16_t series) {
  page.Blank();
  page.Text("##### ATIS Setup (Common) #####");
  AddGroupNames(page, series);
  for (const SettingLine& line :
       AtisLines(a, [](fields::Held h) { return h == fields::Held::Always; })) {
    if (line.list) {
      page.GroupRow(line.label, line.texts);
    } else {
      page.ValueRow(line.label, line.texts.front());
    }
  }
  page.Blank();
}

}  // namespace

PrintPage SettingsPage(const RadioData& d) {
  PageBuilder page(d.ModelSeries);
  page.RepeatLinesSoFar();
  AddUsableGroups(page, d);
  AddCommon(page, d.CommonSettings);
  AddAtis(page, d.AtisSettings, d.ModelSeries);
  return page.Take();
}

}  // namespace qw
