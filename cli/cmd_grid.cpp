// grid: the editor's channel grids as tab-separated text.
#include <cctype>
#include <iostream>
#include <memory>

#include "cli/cli_common.h"
#include "report/channel_grid.h"

namespace qw::cli {
namespace {

struct GridOptions {
  std::string input;
  std::string group;
  std::string series;
  std::string destination;
};

// The order the grids are printed in when no group is named.
constexpr int kGridOrder[] = {kGroupUSA, kGroupINTL, kGroupCANADA, kGridWeather, kGroupFourth};

// The grid a --group names: the names the user sees, in any case. The fourth group answers to
// both of its names, LMR (MV710) and EXP (MV510), whichever series the file is for.
int GroupFromName(const std::string& name) {
  std::string upper = name;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return GridFromName(upper == "LMR" ? "EXP" : upper);
}

int RunGrid(const GridOptions& o, const std::filesystem::path& folder) {
  Document doc(folder);
  Outcome loaded = OpenInput(doc, ChooseSeries(o.series, o.input), o.destination, o.input);
  if (!loaded.ok()) return Report(loaded);

  for (int grid : kGridOrder) {
    if (!o.group.empty() && GroupFromName(o.group) != grid) continue;
    std::cout << "# " << GridName(grid) << "\n" << GridTsv(BuildGridText(doc.Data(), grid));
  }
  std::cout.flush();
  return std::cout ? kExitOk : kExitFailed;
}

}  // namespace

void RegisterGridCommand(CLI::App& app, Context& ctx) {
  auto opts = std::make_shared<GridOptions>();
  CLI::App* grid = app.add_subcommand("grid", "Print the channel grids as tab-separated text");
  AddDataSetInput(grid, opts->input);
  grid->add_option("--group", opts->group,
                   "USA, INTL, CANADA, LMR (or EXP) or WX, in any case (default: all five)")
      ->check(CLI::Validator(
          [](const std::string& name) {
            return GroupFromName(name) < 0 ? "not a group: " + name : std::string();
          },
          "GROUP"));
  AddSeriesAndDestination(grid, opts->series, opts->destination);
  grid->callback([opts, &ctx] { ctx.exitCode = RunGrid(*opts, ctx.programFolder); });
}

}  // namespace qw::cli
