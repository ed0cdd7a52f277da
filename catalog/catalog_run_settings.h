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

// Reads the once-per-run settings. Column and Row are converted by the whole-number rule: a text
// that is not a number throws NotWholeNumberError in every run. A number below 1 throws the same
// error only where the run uses it: Column when it writes a catalog, Row when that catalog has
// several pages. Called at the start of every run, also when no catalog is written.
CatalogRunSettings readCatalogRunSettings(const CatalogSettings& settings, bool writesCatalog);

}  // namespace vok
