// grid: the editor's channel grids as tab-separated text.
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

int RunGrid(const GridOptions& o, const std::filesystem::path& folder) {
  Document doc(folder);
  Outcome loaded = OpenInput(doc, ChooseSeries(o.series, o.input), o.destination, o.input);
  if (!loaded.ok()) return Report(loaded);

  for (int grid : kGridOrder) {
    if (!o.group.empty() && GridFromName(o.group) != grid) continue;
    std::cout << "# " << GridName(grid) << "\n" << GridTsv(BuildGridText(doc.Data(), grid));
  }
  std::cout.flush();
  return std::cout ? kExitOk : kExitFailed;
}

}  // namespace

void RegisterGridCommand(CLI::App& app, Context& ctx) {
  auto opts = std::make_shared<GridOptions>();
  CLI::App* grid = app.add_subcommand("grid", "Print the channel grids as tab-separated text");
  grid->add_option("IN", opts->input, "input file (.dat, .hex or .json)")->required();
  grid->add_option("--group", opts->group, "USA, INTL, CANADA, EXP or WX (default: all five)")
      ->check(CLI::IsMember({"USA", "INTL", "CANADA", "EXP", "WX"}, CLI::ignore_case));
  grid->add_option("--series", opts->series, "series (default: taken from the input file)")
      ->check(SeriesNameCheck());
  grid->add_option("--destination", opts->destination, "load the destination image NAME first");
  grid->callback([opts, &ctx] { ctx.exitCode = RunGrid(*opts, ctx.programFolder); });
}

}  // namespace qw::cli
