#pragma once

#include <optional>
#include <string>

#include "catalog/catalog_page_writer.h"
#include "catalog/catalog_run_settings.h"
#include "catalog/catalog_settings.h"
#include "catalog/cell_facts.h"
#include "catalog/page_environment.h"
#include "common/run_log.h"

namespace vok {

// Lays the selected pictures of one run out over catalog pages: single page, or pages of
// Column x Row ordinals with a navigation line. The run calls, when the catalog is on:
//
//   CatalogLayout layout(settingsSource, log);
//   layout.start(selectedCount, readCatalogRunSettings(settings), originalFolder);
//   for each selected file:
//     layout.beforeFile();                 // takes the next ordinal, opens its page when due
//     if (thumbnail written) layout.writeCell(facts);
//     layout.afterFile();                  // fills a gap, finishes a full page (multi page)
//   layout.finish();                       // completes the last row, finishes the open page
//
// Every page failure throws FileWriteError; the run then stops and drops the layout.
class CatalogLayout {
 public:
  CatalogLayout(const CatalogSettingsSource& settings, RunLog& log,
                PageEnvironment environment = systemPageEnvironment());

  // Settles the layout for `selectedCount` files and logs it. Throws Error when Column x Row
  // exceeds 32 bits.
  void start(int selectedCount, const CatalogRunSettings& run, const std::string& originalFolder);
  void beforeFile();
  // The cell of the current file; its ordinal is the layout's, whatever `facts` carries.
  void writeCell(CellFacts facts);
  void afterFile();
  void finish();

  int ordinal() const { return ordinal_; }
  int cellsPerPage() const { return cellsPerPage_; }
  int pageCount() const { return pageCount_; }
  // The full path of page `page`'s file.
  std::string pagePath(int page) const;

 private:
  CatalogPageWriter& writer();
  void openPage(int page);

  const CatalogSettingsSource& settings_;
  RunLog& log_;
  PageEnvironment environment_;
  CatalogRunSettings run_;
  std::string originalFolder_;
  std::optional<CatalogPageWriter> writer_;
  int cellsPerPage_ = 0;
  int pageCount_ = 0;
  int ordinal_ = 0;
  int lastOpenedPage_ = 0;  // none yet
  bool cellWritten_ = false;
};

}  // namespace vok
