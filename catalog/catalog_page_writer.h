#pragma once

#include <optional>
#include <string>

#include "catalog/catalog_settings.h"
#include "catalog/cell_facts.h"
#include "catalog/page_environment.h"
#include "catalog/page_file.h"
#include "common/run_log.h"

namespace vok {

// The settings a page writer takes once per run (the rest it reads from the dialog per piece).
struct PageRunOptions {
  int column = 4;
  bool displayInNewPage = false;
  std::string maintainerName;
  std::string maintainerEmail;
};

// Writes the pieces of one catalog page at a time into its page file, CR LF line ends, each row of
// the table on one line. Pieces that name a run-log line append it before they write. Every write
// failure throws FileWriteError.
class CatalogPageWriter {
 public:
  CatalogPageWriter(const CatalogSettingsSource& settings, RunLog& log, PageRunOptions options,
                    PageEnvironment environment);

  // Creates (or empties) the page file; a page still open is closed first.
  void OpenPage(const std::string& path);
  void WritePageHead();
  // The links of the navigation line: page `page` of `pageCount`.
  void WriteNavigation(int page, int pageCount, const std::string& indexName,
                       const std::string& indexExt);
  // Sets the first-row flag.
  void WriteTableStart();
  // One picture cell, with the row start before and the row end after it when its ordinal says so.
  void WriteCell(const CellFacts& facts);
  // An empty cell for an ordinal that got no picture, so that its row still starts and ends.
  void WritePlaceholderCell(int ordinal);
  // Closes a short last row of `cellsInLastRow` (1 to column - 1) cells: alone on its page with
  // just the row end, under full rows filled up with empty cells.
  void CompleteLastRow(int cellsInLastRow);
  void WriteTableEnd();
  void WritePageFooter();
  // Table end, footer, and the file closed.
  void FinishPage();

  bool isPageOpen() const { return page_.has_value(); }
  bool firstRow() const { return firstRow_; }

 private:
  PageFile& page();
  void writeRowStartIfDue(int ordinal);
  void writeRowEndIfDue(int ordinal);

  const CatalogSettingsSource& settings_;
  RunLog& log_;
  PageRunOptions options_;
  PageEnvironment environment_;
  std::optional<PageFile> page_;
  bool firstRow_ = false;
};

}  // namespace vok
