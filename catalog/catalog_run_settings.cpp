#include "catalog/catalog_run_settings.h"

#include <fmt/format.h>

#include "common/error.h"
#include "common/whole_number.h"

namespace vok {
namespace {

// The settings store loads these texts unchecked, so 0 or a negative number can reach a run.
int positiveCount(const char* name, const std::string& text) {
  const int value = parseWholeNumber(text);
  if (value < 1)
    throw Error(fmt::format("{} must be a whole number of 1 or more, not {}", name, value));
  return value;
}

}  // namespace

CatalogRunSettings readCatalogRunSettings(const CatalogSettings& settings) {
  CatalogRunSettings run;
  run.column = positiveCount("Column", settings.Column);
  run.row = positiveCount("Row", settings.Row);
  run.multiPage = settings.isMultiPage();
  run.indexName = settings.IndexName;
  run.indexExt = settings.IndexExt;
  run.maintainerName = settings.MaintainerName;
  run.maintainerEmail = settings.MaintainerEmail;
  run.displayInNewPage = settings.DisplayInNewPage;
  return run;
}

}  // namespace vok
