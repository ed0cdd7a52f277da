#pragma once

#include <string>

#include "catalog/catalog_settings.h"

namespace vok {

// The catalog settings a run takes once, at its start: changing them in the dialog during a run
// must not move cells between pages or rename the pages.
struct CatalogRunSettings {
  int column = 4;
  int row = 5;
  bool multiPage = false;
  std::string indexName = "index";
  std::string indexExt = "html";
  std::string maintainerName;
  std::string maintainerEmail;
  bool displayInNewPage = false;
};

// Reads the once-per-run settings. Column and Row are converted by the whole-number rule
// (NotWholeNumberError for a text that is not a number); a value below 1 throws Error, since the
// layout divides by both. Called at the start of every run, also when no catalog is written.
CatalogRunSettings readCatalogRunSettings(const CatalogSettings& settings);

}  // namespace vok
