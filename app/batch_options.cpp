#include "app/batch_options.h"

#include <fmt/format.h>
#include <CLI/CLI.hpp>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string_view>

#include "common/error.h"
#include "common/revision.h"
#include "common/version.h"
#include "common/whole_number.h"

namespace vok {
namespace {

constexpr const char* kDescription =
    "vok-batch [OPTIONS] [--] ORIGINAL THUMBNAIL X Y PREAMBLE POSTAMBLE\n\n"
    "Makes a JPEG thumbnail of every JPEG picture in ORIGINAL that is larger than the ignore "
    "size,\n"
    "in THUMBNAIL (ORIGINAL itself or a folder directly inside it), fitted into an X by Y box, "
    "named\n"
    "PREAMBLE + name + POSTAMBLE + \".jpg\" (NULL stands for an empty affix). With --html it also\n"
    "writes an HTML catalog of the thumbnails into ORIGINAL. Options come before the six "
    "arguments;\n"
    "\"--\" ends them. Of --x and --no-x the last one given wins.\n"
    "\n"
    "Exit status:\n"
    "  0  every selected picture larger than the ignore size got its thumbnail\n"
    "  1  the run finished, but some picture was not converted: it could not be read, or a\n"
    "     picture that Vok did not make is in the way of its thumbnail\n"
    "  2  wrong command line (a missing folder included)\n"
    "  3  stopped on an error: a file that cannot be written, a catalog value that is not a\n"
    "     whole number, a settings store that cannot be read or saved\n"
    "  4  nothing to convert: both affixes NULL, no JPEG file, nothing left after the size\n"
    "     check, or (without --html) every picture too small\n"
    "  130  interrupted (Ctrl+C, or a termination signal): the run ended after the picture in\n"
    "     hand and closed the catalog page it had open; a second Ctrl+C ends the tool at once\n"
    "  Where several apply, 3 wins over 130, 130 over 1 and 1 over 4.";

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

// Two decimal whole numbers, each with an optional sign, around an "x".
std::optional<BatchOptions::Size> parseIgnoreSize(const std::string& text) {
  const auto isDecimal = [](std::string_view part) {
    if (!part.empty() && (part[0] == '+' || part[0] == '-')) part.remove_prefix(1);
    return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
  };
  const auto x = text.find_first_of("xX");
  if (x == std::string::npos) return std::nullopt;
  const std::string width = text.substr(0, x), height = text.substr(x + 1);
  if (!isDecimal(width) || !isDecimal(height)) return std::nullopt;
  const auto w = tryParseWholeNumber(width), h = tryParseWholeNumber(height);
  if (!w || !h) return std::nullopt;
  return BatchOptions::Size{*w, *h};
}

// A box below one pixel could only make empty thumbnails.
bool isBoxSide(const std::string& text) {
  const auto value = tryParseWholeNumber(text);
  return value && *value >= 1;
}

// --x and --no-x as one option, so that the last one given wins.
class Switches {
 public:
  void add(CLI::App& app, const std::string& on, const std::string& off,
           std::optional<bool>& target, const std::string& help) {
    auto entry = std::make_unique<Entry>();
    entry->option = app.add_flag(on + ",!" + off, entry->value, help)
                        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    entry->target = &target;
    entries_.push_back(std::move(entry));
  }
  void settle() const {
    for (const auto& entry : entries_) {
      if (entry->option->count() > 0) *entry->target = entry->value;
    }
  }

 private:
  struct Entry {
    bool value = false;
    CLI::Option* option = nullptr;
    std::optional<bool>* target = nullptr;
  };
  std::vector<std::unique_ptr<Entry>> entries_;
};

ParsedCommandLine usageError(const std::string& message) {
  std::fprintf(
      stderr, "error: %s\n%s\n", message.c_str(),
      "Usage: vok-batch [OPTIONS] [--] ORIGINAL THUMBNAIL X Y PREAMBLE POSTAMBLE (--help)");
  return {std::nullopt, kExitUsage};
}

}  // namespace

ParsedCommandLine parseBatchCommandLine(int argc, char** argv) {
  BatchOptions batch;
  CLI::App app(kDescription, "vok-batch");
  // The six arguments may look like options ("-s" as a postamble): everything from the first
  // argument on is taken as it stands.
  app.prefix_command();
  app.set_version_flag("--version", fmt::format("vok-batch {} ({})", kVersion, kSourceRevision));
  Switches switches;
  std::optional<std::string> ignoreSize;

  app.add_flag("--html", batch.html, "Also write the HTML catalog");
  switches.add(app, "--multi-page", "--single-page", batch.multiPage,
               "Spread the catalog over numbered pages, or keep it on one page");
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
  switches.add(app, "--new-page", "--no-new-page", batch.newPage,
               "Open the pictures in a new window, or in the same one");
  switches.add(app, "--name", "--no-name", batch.name, "Show the file name in the cells, or not");
  switches.add(app, "--file-size", "--no-file-size", batch.fileSize,
               "Show the file size in the cells, or not");
  switches.add(app, "--picture-size", "--no-picture-size", batch.pictureSize,
               "Show the picture size in the cells, or not");
  switches.add(app, "--time-stamp", "--no-time-stamp", batch.timeStamp,
               "Show the time stamp in the cells, or not");
  switches.add(app, "--date-time", "--no-date-time", batch.dateTime,
               "Show the date in the footer, or not");
  app.add_option("--ignore-size", ignoreSize,
                 "WxH, two decimal whole numbers: a picture is left out when its width is not "
                 "larger than W or its height is not larger than H");
  switches.add(app, "--warning", "--no-warning", batch.warning,
               "Also report single-file problems on standard error, or not");
  switches.add(app, "--auto-orient", "--no-auto-orient", batch.autoOrient,
               "Turn each picture upright as its EXIF Orientation tag says, or keep it as stored");
  switches.add(app, "--update", "--no-update", batch.update,
               "Leave thumbnails that are up to date with their picture and the options, or "
               "remake all");
  switches.add(app, "--smooth", "--no-smooth", batch.smooth,
               "Reduce with a smooth (Lanczos) filter, or with the exact sampling");
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
  switches.settle();
  batch.arguments = app.remaining();
  if (!batch.arguments.empty() && batch.arguments.front() == "--") {
    batch.arguments.erase(batch.arguments.begin());
  }
  if (batch.arguments.size() != 6) {
    return usageError(fmt::format("expected 6 arguments, got {}", batch.arguments.size()));
  }
  if (!isBoxSide(batch.arguments[2]) || !isBoxSide(batch.arguments[3])) {
    return usageError(
        fmt::format("The thumbnail box must be whole numbers of at least 1 x 1 pixels, not {} x {}",
                    batch.arguments[2], batch.arguments[3]));
  }
  if (ignoreSize) {
    batch.ignoreSize = parseIgnoreSize(*ignoreSize);
    if (!batch.ignoreSize) {
      return usageError(
          fmt::format("The ignore size must be two decimal whole numbers as WIDTHxHEIGHT, not {}",
                      *ignoreSize));
    }
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
  if (batch.newPage) catalog.DisplayInNewPage = *batch.newPage;
  if (batch.name) catalog.NameInfo = *batch.name;
  if (batch.fileSize) catalog.FileSizeInfo = *batch.fileSize;
  if (batch.pictureSize) catalog.PictureSizeInfo = *batch.pictureSize;
  if (batch.timeStamp) catalog.TimeStamp = *batch.timeStamp;
  if (batch.dateTime) catalog.DateAndTime = *batch.dateTime;
  if (batch.ignoreSize) {
    options.IgnoreX = batch.ignoreSize->width;
    options.IgnoreY = batch.ignoreSize->height;
  }
  if (batch.warning) options.Warning = *batch.warning;
  if (batch.autoOrient) options.AutoOrient = *batch.autoOrient;
  if (batch.update) options.UpdateOnly = *batch.update;
  if (batch.smooth) options.Smooth = *batch.smooth;
}

}  // namespace vok
