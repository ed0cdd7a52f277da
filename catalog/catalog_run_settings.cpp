#include "catalog/catalog_run_settings.h"

#include <algorithm>

#include "common/whole_number.h"

namespace vok {
namespace {

// The settings store loads these texts unchecked, so 0 or a negative number can reach a run. The
// layout divides by the counts it uses: those must be at least 1, and get the message of a text
// that is not a number otherwise.
int count(const std::string& text, bool used) {
  const int value = parseWholeNumber(text);
  if (used && value < 1) throw NotWholeNumberError(notWholeNumberMessage(text));
  return value;
}

}  // namespace

CatalogRunSettings readCatalogRunSettings(const CatalogSettings& settings, bool writesCatalog) {
  CatalogRunSettings run;
  run.multiPage = settings.isMultiPage();
  run.column = count(settings.Column, writesCatalog);
  const int row = count(settings.Row, writesCatalog && run.multiPage);
  // A single page takes every picture whatever Row says; 1 keeps the page arithmetic whole.
  run.row = run.multiPage ? row : std::max(row, 1);
  run.indexName = settings.IndexName;
  run.indexExt = settings.IndexExt;
  run.maintainerName = settings.MaintainerName;
  run.maintainerEmail = settings.MaintainerEmail;
  run.displayInNewPage = settings.DisplayInNewPage;
  return run;
}

}  // namespace vok
