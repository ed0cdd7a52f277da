#include "app/batch_options.h"

#include <fmt/format.h>
#include <CLI/CLI.hpp>

#include <fstream>
#include <iterator>

#include "common/error.h"
#include "common/revision.h"
#include "common/version.h"
#include "common/whole_number.h"

namespace vok {
namespace {

constexpr const char* kDescription =
    "vok-batch [OPTIONS] ORIGINAL THUMBNAIL X Y PREAMBLE POSTAMBLE\n\n"
    "Makes a JPEG thumbnail of every JPEG picture in ORIGINAL that is larger than the ignore "
    "size,\n"
    "in THUMBNAIL (ORIGINAL itself or a folder directly inside it), fitted into an X by Y box, "
    "named\n"
    "PREAMBLE + name + POSTAMBLE + \".jpg\" (NULL stands for an empty affix). With --html it also\n"
    "writes an HTML catalog of the thumbnails into ORIGINAL. Options come before the six "
    "arguments.\n"
    "\n"
    "Exit status: 0 done, 1 done but some pictures could not be read, 2 bad usage,\n"
    "3 the run stopped on an error (a file that could not be written).";

std::string readWholeTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error(fmt::format("Cannot read the HEAD block file {}", path));
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  // The block is stored with CR LF between its lines.
  std::string crlf;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) crlf += '\r';
    crlf += text[i];
  }
  return crlf;
}

void parseIgnoreSize(const std::string& text, ThumbnailOptions& options) {
  const auto x = text.find_first_of("xX");
  std::optional<std::int32_t> width, height;
  if (x != std::string::npos) {
    width = tryParseWholeNumber(text.substr(0, x));
    height = tryParseWholeNumber(text.substr(x + 1));
  }
  if (!width || !height) {
    throw Error(fmt::format("The ignore size must be given as WIDTHxHEIGHT, not {}", text));
  }
  options.IgnoreX = *width;
  options.IgnoreY = *height;
}

}  // namespace

ParsedCommandLine parseBatchCommandLine(int argc, char** argv) {
  BatchOptions batch;
  CLI::App app(kDescription, "vok-batch");
  // The six arguments may look like options ("-s" as a postamble): everything from the first
  // argument on is taken as it stands.
  app.prefix_command();
  app.set_version_flag("--version", fmt::format("vok-batch {} ({})", kVersion, kSourceRevision));

  app.add_flag("--html", batch.html, "Also write the HTML catalog");
  app.add_flag_callback(
      "--multi-page", [&] { batch.multiPage = true; }, "Spread the catalog over numbered pages");
  app.add_option("--columns", batch.columns, "Thumbnails a row");
  app.add_option("--rows", batch.rows, "Rows a page (multi page)");
  app.add_option("--title", batch.title, "Title of the catalog");
  app.add_option("--comment", batch.comment, "Paragraph under the title");
  app.add_option("--index-name", batch.indexName, "Page file name without extension");
  app.add_option("--index-ext", batch.indexExt, "Page file extension");
  app.add_option("--maintainer-name", batch.maintainerName, "Maintainer named in the footer");
  app.add_option("--maintainer-email", batch.maintainerEmail, "Maintainer's e-mail address");
  app.add_option("--body-option", batch.bodyOption, "Attributes of the BODY tag");
  app.add_option("--table-option", batch.tableOption, "Attributes of the TABLE tag");
  app.add_option("--head-block-file", batch.headBlockFile, "File of extra lines for the HEAD");
  app.add_flag("--new-page", batch.newPage, "Open the pictures in a new window");
  app.add_flag("--no-name", batch.noName, "Leave the file name out of the cells");
  app.add_flag("--no-file-size", batch.noFileSize, "Leave the file size out of the cells");
  app.add_flag("--no-picture-size", batch.noPictureSize, "Leave the picture size out of the cells");
  app.add_flag("--no-time-stamp", batch.noTimeStamp, "Leave the time stamp out of the cells");
  app.add_flag("--no-date-time", batch.noDateTime, "Leave the date out of the footer");
  app.add_option("--ignore-size", batch.ignoreSize,
                 "Pictures not larger than WxH in both directions are left out");
  app.add_flag("--warning", batch.warning, "Also report single-file problems on standard error");
  app.add_flag("--quiet", batch.quiet, "Do not print the run log");
  app.add_option("--jobs", batch.jobs, "Pictures decoded at once (default: one a core)")
      ->check(CLI::Range(1, 256));
  app.add_flag("--save", batch.save, "Store the values used as the user's settings");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error);
    return {std::nullopt, status == 0 ? kExitDone : kExitUsage};
  }
  batch.arguments = app.remaining();
  if (batch.arguments.size() != 6) {
    std::fprintf(stderr, "error: expected 6 arguments, got %zu\n%s\n", batch.arguments.size(),
                 "Usage: vok-batch [OPTIONS] ORIGINAL THUMBNAIL X Y PREAMBLE POSTAMBLE (--help)");
    return {std::nullopt, kExitUsage};
  }
  return {batch, kExitDone};
}

void applyBatchOptions(const BatchOptions& batch, CatalogSettings& catalog,
                       ThumbnailOptions& options) {
  if (batch.multiPage) catalog.SingleMultiPage = *batch.multiPage ? 1 : 0;
  if (batch.columns) catalog.Column = *batch.columns;
  if (batch.rows) catalog.Row = *batch.rows;
  if (batch.title) catalog.Title = *batch.title;
  if (batch.comment) catalog.Comment = *batch.comment;
  if (batch.indexName) catalog.IndexName = *batch.indexName;
  if (batch.indexExt) catalog.IndexExt = *batch.indexExt;
  if (batch.maintainerName) catalog.MaintainerName = *batch.maintainerName;
  if (batch.maintainerEmail) catalog.MaintainerEmail = *batch.maintainerEmail;
  if (batch.bodyOption) catalog.BODYOption = *batch.bodyOption;
  if (batch.tableOption) catalog.TABLEOption = *batch.tableOption;
  if (batch.headBlockFile) catalog.HEADBlock = readWholeTextFile(*batch.headBlockFile);
  if (batch.newPage) catalog.DisplayInNewPage = true;
  if (batch.noName) catalog.NameInfo = false;
  if (batch.noFileSize) catalog.FileSizeInfo = false;
  if (batch.noPictureSize) catalog.PictureSizeInfo = false;
  if (batch.noTimeStamp) catalog.TimeStamp = false;
  if (batch.noDateTime) catalog.DateAndTime = false;
  if (batch.ignoreSize) parseIgnoreSize(*batch.ignoreSize, options);
  if (batch.warning) options.Warning = true;
}

}  // namespace vok
