// The commands that build, convert and describe data sets: new, convert, info.
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/cli_common.h"
#include "model/image_codec.h"
#include "model/image_header.h"
#include "model/series_traits.h"

namespace qw::cli {
namespace {

struct FileOptions {
  std::string series;
  std::string destination;
  std::string input;
  std::string output;
  std::string csv;  // "common" writes the common channel-list format
};

int RunNew(const FileOptions& o, const std::filesystem::path& folder) {
  Document doc(folder);
  Outcome started = StartDocument(doc, ChooseSeries(o.series, o.input), o.destination);
  if (!started.ok()) return Report(started);
  return Report(WriteOutput(doc, o.output));
}

int RunConvert(const FileOptions& o, const std::filesystem::path& folder) {
  Document doc(folder);
  Outcome loaded = OpenInput(doc, ChooseSeries(o.series, o.input), o.destination, o.input);
  if (!loaded.ok()) return Report(loaded);
  const auto csv = o.csv == "common" ? Document::CsvFormat::Common : Document::CsvFormat::Ours;
  return Report(WriteOutput(doc, o.output, csv));
}

std::string Hex4(int value) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%04X", value & 0xFFFF);
  return buf;
}

std::string Hex2(int value) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%02X", value & 0xFF);
  return buf;
}

int CountEnabled(const std::vector<ChannelRecord>& list) {
  int n = 0;
  for (const auto& c : list) n += c.Enable ? 1 : 0;
  return n;
}

int RunInfo(const FileOptions& o, const std::filesystem::path& folder) {
  Document doc(folder);
  doc.NewDataSet(ChooseSeries(o.series, o.input));
  Outcome loaded = LoadInput(doc, o.input);
  if (!loaded.ok()) return Report(loaded);
  RadioData d = doc.Data();
  // A raw image is described as it is on disk; other files as the image they would program.
  const bool rawImage = KindOfPath(o.input) == FileKind::RawImage;
  if (!rawImage) PrepareImageForRadio(d);
  const ImageHeaderFacts h = HeaderFacts(d.RadioImage, d.ModelSeries);

  std::cout << "file: " << o.input << "\n";
  std::cout << "series: " << Traits(d.ModelSeries).cliName << " (ModelSeries " << d.ModelSeries
            << ", " << (d.ImageLast + 1) << " bytes)\n";
  std::cout << "model number: " << Hex4(h.firstModelId) << " at " << h.firstModelIdOffset << ".."
            << h.firstModelIdOffset + 1 << ", " << Hex4(h.secondModelId) << " at "
            << h.secondModelIdOffset << ".." << h.secondModelIdOffset + 1 << " (expected "
            << Hex4(ModelIdFor(d.ModelSeries)) << ")\n";
  std::cout << "header checksum: " << (h.storedChecksum == h.computedChecksum ? "right" : "wrong")
            << " (byte " << h.checksumOffset << " " << Hex2(h.storedChecksum) << ", sum of "
            << h.checksumFirst << ".." << h.checksumLast << " " << Hex2(h.computedChecksum)
            << ")\n";
  const char* fourth = FourthGroupName(d.ModelSeries);
  std::cout << "enabled channels: USA " << CountEnabled(d.USA) << ", INTL " << CountEnabled(d.INTL)
            << ", CANADA " << CountEnabled(d.CANADA) << ", " << fourth << " "
            << CountEnabled(d.FourthGroup) << ", WX " << CountEnabled(d.WX) << "\n";
  std::cout << "usable groups:";
  for (int g = 0; g < 4; ++g) {
    if (d.UsableGroupSettings[g].Usable)
      std::cout << " " << (g < 3 ? kMarineGroupNames[g] : fourth);
  }
  std::cout << "\n";
  return kExitOk;
}

}  // namespace

void RegisterFileCommands(CLI::App& app, Context& ctx) {
  auto opts = std::make_shared<FileOptions>();

  CLI::App* create = app.add_subcommand("new", "Write a new default data set");
  create
      ->add_option("--series", opts->series,
                   SeriesNamesText() + " (default " + Traits(kDefaultSeries).cliName + ")")
      ->check(SeriesNameCheck());
  create->add_option("--destination", opts->destination, "load the destination image NAME");
  create
      ->add_option("-o", opts->output,
                   "output file (" +
                       ExtensionList({FileKind::DataFile, FileKind::RawImage, FileKind::Json,
                                      FileKind::Text, FileKind::Pdf}) +
                       ")")
      ->required();
  create->callback([opts, &ctx] { ctx.exitCode = RunNew(*opts, ctx.programFolder); });

  CLI::App* convert = app.add_subcommand("convert", "Convert a data set between file kinds");
  convert->add_option("IN", opts->input, "input file (" + OpenedExtensions() + ")")->required();
  convert->add_option("-o", opts->output, "output file (" + ExtensionList(kOutputKinds) + ")")
      ->required();
  convert->add_option("--csv", opts->csv, "CSV format to write: ours (default) or common")
      ->check(CLI::IsMember({"ours", "common"}, CLI::ignore_case));
  AddSeriesAndDestination(convert, opts->series, opts->destination);
  convert->callback([opts, &ctx] { ctx.exitCode = RunConvert(*opts, ctx.programFolder); });

  CLI::App* info = app.add_subcommand("info", "Describe a data file or raw image");
  AddDataSetInput(info, opts->input);
  info->callback([opts, &ctx] { ctx.exitCode = RunInfo(*opts, ctx.programFolder); });
}

}  // namespace qw::cli
