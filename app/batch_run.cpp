#include "app/batch_run.h"

#include <cstdio>
#include <filesystem>

#include "app/interrupt_signal.h"
#include "app/terminal_window.h"
#include "common/error.h"
#include "common/error_box.h"
#include "convert/conversion_engine.h"
#include "convert/folder_pair.h"
#include "settings/stored_options.h"

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

}  // namespace

int runBatch(const BatchOptions& batch) {
  const std::vector<std::string>& arguments = batch.arguments;
  const std::string original = folderPathOf(arguments[0]);
  const std::string thumbnail = folderPathOf(arguments[1]);
  for (const std::string& folder : {original, thumbnail}) {
    if (!std::filesystem::is_directory(folder)) {
      printError("There is no folder " + folder);
      return kExitUsage;
    }
  }

  // What the command line does not give comes from the user's stored settings. A store that
  // cannot be read stops the tool: going on with the defaults would hide the user's choices, and
  // --save would write over them.
  StoredOptions stored;
  try {
    stored = loadStoredOptions();
  } catch (const std::exception& error) {
    printError(error.what());
    return kExitStopped;
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
  options.ThumbX = arguments[2];
  options.ThumbY = arguments[3];
  options.Preamble = affixOf(arguments[4]);
  options.Postamble = affixOf(arguments[5]);

  RunLog log;
  TerminalWindow window(
      {options.ThumbX, options.ThumbY, options.Preamble, options.Postamble, batch.html}, log,
      !batch.quiet);
  FolderPair folders(original, options.AutoDir,
                     {[&](std::string_view text) {
                        window.tellUser(MessageKind::kWarning, MessageButton::kOk, text);
                      },
                      {}});
  folders.setOriginalFolder(original);
  folders.setThumbnailFolder(thumbnail);
  window.setFolders(folders.originalFolder(), folders.thumbnailFolder());
  window.readFileList();
  if (window.fileCount() == 0) {
    window.tellUser(MessageKind::kWarning, MessageButton::kOk,
                    "There is no JPEG file in the directory.");
  } else {
    window.selectAll();
  }

  FixedCatalogSettings catalogSource(catalog);
  EngineSetup setup;
  setup.jobs = batch.jobs > 0 ? batch.jobs : ConversionEngine::allCores();
  ConversionEngine engine(window, log, options, catalogSource, std::move(setup));
  catchInterrupts();
  const RunSummary summary = engine.run();
  window.flushLog();
  if (summary.stopped()) {
    window.reportStatus("");
    try {
      summary.rethrowError();
    } catch (const std::exception& error) {
      printError(error.what());
    }
  }
  int status = exitStatusOf(summary);

  if (batch.save) {
    options.Directory = folders.originalFolder();
    try {
      saveUsedOptions(stored);
    } catch (const std::exception& error) {
      printError(error.what());
      status = kExitStopped;
    }
  }
  return status;
}

}  // namespace vok
