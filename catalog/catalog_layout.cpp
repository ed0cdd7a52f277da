#include "catalog/catalog_layout.h"

#include <cstdint>
#include <fstream>
#include <limits>
#include <stdexcept>

#include <fmt/format.h>

#include "catalog/page_file_name.h"
#include "common/error.h"

namespace vok {
namespace {

int cellsPerPageOf(int column, int row) {
  const std::int64_t cells = std::int64_t{column} * row;
  if (cells > std::numeric_limits<std::int32_t>::max()) {
    throw Error(
        fmt::format("Column x Row ({} x {}) is too large for one catalog page", column, row));
  }
  return static_cast<int>(cells);
}

// Page names come from the settings; "photo" + "." + "jpg" must not turn a picture into a page.
void refuseToReplaceAPicture(const std::string& path) {
  std::ifstream existing(path, std::ios::binary);
  char start[3] = {};
  if (!existing.read(start, sizeof start)) return;
  if (static_cast<unsigned char>(start[0]) == 0xFF &&
      static_cast<unsigned char>(start[1]) == 0xD8 &&
      static_cast<unsigned char>(start[2]) == 0xFF) {
    throw FileWriteError(
        fmt::format("{} is a JPEG picture; the catalog page was not written over it", path));
  }
}

}  // namespace

CatalogLayout::CatalogLayout(const CatalogSettingsSource& settings, RunLog& log,
                             PageEnvironment environment)
    : settings_(settings), log_(log), environment_(std::move(environment)) {}

void CatalogLayout::start(int selectedCount, const CatalogRunSettings& run,
                          const std::string& originalFolder) {
  run_ = run;
  originalFolder_ = originalFolder;
  cellsPerPage_ = cellsPerPageOf(run.column, run.row);
  // In 64 bits: S + P - 1 may pass the 32-bit range although the quotient does not.
  pageCount_ = static_cast<int>((std::int64_t{selectedCount} + cellsPerPage_ - 1) / cellsPerPage_);
  ordinal_ = 0;
  lastOpenedPage_ = 0;
  writer_.emplace(
      settings_, log_,
      PageRunOptions{run.column, run.displayInNewPage, run.maintainerName, run.maintainerEmail},
      environment_);

  log_.append(run.multiPage ? "Page Mode: Multi Page" : "Page Mode: Single Page");
  log_.append("Column : " + std::to_string(run.column));
  if (run.multiPage) {
    log_.append("Row : " + std::to_string(run.row));
    log_.append("Number of Page : " + std::to_string(pageCount_));
  }
}

CatalogPageWriter& CatalogLayout::writer() {
  if (!writer_) throw std::logic_error("the catalog layout has not been started");
  return *writer_;
}

std::string CatalogLayout::pagePath(int page) const {
  return pathInFolder(originalFolder_, pageFileName(run_.indexName, run_.indexExt, page));
}

void CatalogLayout::openPage(int page) {
  const std::string path = pagePath(page);
  refuseToReplaceAPicture(path);
  CatalogPageWriter& pages = writer();
  pages.OpenPage(path);
  pages.WritePageHead();
  if (run_.multiPage) pages.WriteNavigation(page, pageCount_, run_.indexName, run_.indexExt);
  pages.WriteTableStart();
  lastOpenedPage_ = page;
  log_.append("FileName=" + path);
}

void CatalogLayout::beforeFile() {
  writer();  // refuses a layout that was never started, before anything divides by its page size
  ++ordinal_;
  cellWritten_ = false;
  const int page = static_cast<int>((std::int64_t{ordinal_} + cellsPerPage_ - 1) / cellsPerPage_);
  const bool due = run_.multiPage ? page != lastOpenedPage_ : lastOpenedPage_ == 0;
  if (due) openPage(page);
}

void CatalogLayout::writeCell(CellFacts facts) {
  if (cellWritten_ || ordinal_ == 0) throw std::logic_error("one cell per file, after beforeFile");
  facts.ordinal = ordinal_;
  writer().WriteCell(facts);
  cellWritten_ = true;
}

void CatalogLayout::afterFile() {
  // A file that yields no cell still holds its place, so that its row keeps its start and end.
  if (!cellWritten_) writer().WritePlaceholderCell(ordinal_);
  cellWritten_ = true;
  if (run_.multiPage && ordinal_ % cellsPerPage_ == 0) writer().FinishPage();
}

void CatalogLayout::finish() {
  CatalogPageWriter& pages = writer();
  if (!pages.isPageOpen()) return;  // the last page filled up and was finished after its file
  const int cellsInLastRow = ordinal_ % run_.column;
  if (cellsInLastRow > 0) pages.CompleteLastRow(cellsInLastRow);
  pages.FinishPage();
}

}  // namespace vok
