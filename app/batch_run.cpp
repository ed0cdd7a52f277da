#include "app/batch_run.h"

#include <cstdio>
#include <filesystem>
#include <thread>

#include "app/terminal_window.h"
#include "common/error_box.h"
#include "common/whole_number.h"
#include "convert/conversion_run.h"
#include "convert/parallel_thumbnail_producer.h"
#include "convert/picture_stage.h"
#include "settings/stored_options.h"
#include "ui/folder_pair.h"

namespace vok {
namespace {

std::string affixOf(const std::string& argument) {
  return argument == "NULL" ? "" : argument;
}

// A full path without a trailing "/" (except the root), as the folder lists give it.
std::string folderPathOf(const std::string& argument) {
  std::string path = std::filesystem::absolute(argument).lexically_normal().string();
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

void printError(const std::string& message) {
  std::fprintf(stderr, "error: %s\n", errorBoxText(message).c_str());
}

// A box below one pixel could only make empty thumbnails; refuse it before any file is touched.
bool boxIsUsable(const std::string& text) {
  const auto value = tryParseWholeNumber(text);
  return !value || *value >= 1;
}

int defaultJobs() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

bool anyPictureUnreadable(const RunLog& log) {
  for (const std::string& line : log.lines()) {
    if (line.ends_with(" is corrupt.")) return true;
  }
  return false;
}

}  // namespace

int runBatch(const BatchOptions& batch) {
  // What the command line does not give comes from the user's stored settings.
  StoredOptions stored;
  try {
    stored = loadStoredOptions();
  } catch (const Error& error) {
    printError(error.what());
  }
  for (const std::string& problem : stored.problems) printError(problem);
  ThumbnailOptions& options = stored.options;
  CatalogSettings& catalog = stored.catalog;
  try {
    applyBatchOptions(batch, catalog, options);
  } catch (const Error& error) {
    printError(error.what());
    return kExitUsage;
  }

  const std::vector<std::string>& arguments = batch.arguments;
  options.ThumbX = arguments[2];
  options.ThumbY = arguments[3];
  options.Preamble = affixOf(arguments[4]);
  options.Postamble = affixOf(arguments[5]);
  if (!boxIsUsable(options.ThumbX) || !boxIsUsable(options.ThumbY)) {
    printError("The thumbnail box must be at least 1 x 1 pixels, not " + options.ThumbX + " x " +
               options.ThumbY);
    return kExitUsage;
  }

  const std::string original = folderPathOf(arguments[0]);
  const std::string thumbnail = folderPathOf(arguments[1]);
  for (const std::string& folder : {original, thumbnail}) {
    if (!std::filesystem::is_directory(folder)) {
      printError("There is no folder " + folder);
      return kExitUsage;
    }
  }

  RunLog log;
  TerminalWindow window(
      {options.ThumbX, options.ThumbY, options.Preamble, options.Postamble, batch.html}, log,
      !batch.quiet);
  FolderPair folders(original, options.AutoDir,
                     {[&](std::string_view text) {
                        window.showMessage(MessageKind::kWarning, MessageButton::kOk, text);
                      },
                      {}});
  folders.setOriginalFolder(original);
  folders.setThumbnailFolder(thumbnail);
  window.setFolders(folders.originalFolder(), folders.thumbnailFolder());
  window.readFileList();
  if (window.fileCount() == 0) {
    window.showMessage(MessageKind::kWarning, MessageButton::kOk,
                       "There is no JPEG file in the directory.");
  } else {
    window.selectAll();
  }

  FixedCatalogSettings catalogSource(catalog);
  PictureStage stage(window, log, options);
  ParallelThumbnailProducer producer(batch.jobs > 0 ? batch.jobs : defaultJobs());
  ConversionRun conversion(window, log, options, catalogSource, stage, producer);
  int status = kExitDone;
  try {
    conversion.run();
    if (anyPictureUnreadable(log)) status = kExitSomeUnreadable;
  } catch (const std::exception& error) {
    window.flushLog();
    window.setStatusText("");
    printError(error.what());
    status = kExitStopped;
  }
  window.flushLog();

  if (batch.save) {
    options.Directory = folders.originalFolder();
    try {
      saveUsedOptions(stored);
    } catch (const std::exception& error) {
      printError(error.what());
      if (status == kExitDone) status = kExitStopped;
    }
  }
  return status;
}

}  // namespace vok
