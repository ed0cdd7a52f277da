#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/exit_status.h"
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

  std::optional<std::string> columns, rows, title, comment, indexName, indexExt, maintainerName,
      maintainerEmail, bodyOption, tableOption, headBlockFile;
  // Switches given as --x or --no-x; the last one given wins.
  std::optional<bool> multiPage, newPage, name, fileSize, pictureSize, timeStamp, dateTime, warning,
      autoOrient, update, smooth;
  struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
  };
  std::optional<Size> ignoreSize;
};

struct ParsedCommandLine {
  std::optional<BatchOptions> options;  // nothing: exit with `exitCode` (help, version, usage)
  int exitCode = kExitDone;
};

// Refuses, as a usage error, an X or Y that is not a whole number of at least 1 and an ignore
// size that is not two decimal whole numbers.
ParsedCommandLine parseBatchCommandLine(int argc, char** argv);

// Lays the command line's catalog and option values over `catalog` and `options`. Throws Error
// for a HEAD block file it cannot read.
void applyBatchOptions(const BatchOptions& batch, CatalogSettings& catalog,
                       ThumbnailOptions& options);

}  // namespace vok
