#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalog/catalog_settings.h"
#include "convert/thumbnail_options.h"

namespace vok {

// What the batch tool's command line says. Everything it leaves out keeps the value it already
// has (the user's stored settings, or the defaults).
struct BatchOptions {
  std::vector<std::string> arguments;  // ORIGINAL THUMBNAIL X Y PREAMBLE POSTAMBLE
  bool html = false;
  bool quiet = false;
  bool save = false;
  int jobs = 0;  // 0: one a core

  std::optional<bool> multiPage;
  std::optional<std::string> columns, rows, title, comment, indexName, indexExt, maintainerName,
      maintainerEmail, bodyOption, tableOption, headBlockFile;
  bool newPage = false, noName = false, noFileSize = false, noPictureSize = false,
       noTimeStamp = false, noDateTime = false, warning = false;
  std::optional<std::string> ignoreSize;  // "WxH"
};

// Exit codes of the batch tool.
enum ExitCode : int {
  kExitDone = 0,
  kExitSomeUnreadable = 1,
  kExitUsage = 2,
  kExitStopped = 3,
};

struct ParsedCommandLine {
  std::optional<BatchOptions> options;  // nothing: exit with `exitCode` (help, version, usage)
  int exitCode = kExitDone;
};

ParsedCommandLine parseBatchCommandLine(int argc, char** argv);

// Lays the command line's catalog and option values over `catalog` and `options`. Throws Error
// for a value it cannot take (an ignore size that is not WxH, a HEAD block file it cannot read).
void applyBatchOptions(const BatchOptions& batch, CatalogSettings& catalog,
                       ThumbnailOptions& options);

}  // namespace vok
