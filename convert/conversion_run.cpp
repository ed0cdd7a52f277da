#include "convert/conversion_run.h"

#include <filesystem>

#include "catalog/catalog_run_settings.h"
#include "catalog/page_file_name.h"
#include "codec/jpeg_decoder.h"
#include "codec/picture_file.h"
#include "convert/folder_rules.h"
#include "convert/overwrite_guard.h"
#include "convert/thumbnail_name.h"

namespace vok {
namespace {

// Clears the running flag however the run ends.
class RunningFlag {
 public:
  explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningFlag() { flag_ = false; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;

 private:
  bool& flag_;
};

// The thumbnail folder as the pages in the Original folder link to it. With Auto Dir off it can
// lie outside the Original folder; the link then climbs out, so that it still reaches the file.
std::string thumbnailLinkFolder(const std::string& original, const std::string& thumbnail) {
  if (auto inside = relativeThumbnailFolder(original, thumbnail)) return *inside;
  return std::filesystem::path(thumbnail).lexically_relative(original).string() + "/";
}

std::string fileNameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

ConversionRun::ConversionRun(RunHost& host, RunLog& log, const ThumbnailOptions& options,
                             const CatalogSettingsSource& catalog, PictureStage& stage,
                             ThumbnailProducer& producer, PageEnvironment environment)
    : host_(host),
      log_(log),
      options_(options),
      catalog_(catalog),
      stage_(stage),
      producer_(producer),
      environment_(std::move(environment)) {}

RunSummary ConversionRun::run() {
  if (running_) return {};
  RunningFlag flag(running_);
  summary_ = RunSummary{};
  summary_.outcome = RunSummary::Outcome::kRefused;
  summary_.selected = countSelected();
  try {
    execute();
  } catch (...) {
    layout_.reset();  // closes a page left open
    summary_.outcome = RunSummary::Outcome::kStopped;
    summary_.error = std::current_exception();
  }
  return summary_;
}

bool ConversionRun::checksPass() {
  if (host_.preamble().empty() && host_.postamble().empty()) {
    show(MessageKind::kWarning, MessageButton::kOk, "Preamble and Postamble are empty.");
    return false;
  }
  if (countSelected() == 0) {
    show(MessageKind::kWarning, MessageButton::kOk, "No selected JPEG file.");
    return false;
  }
  return true;
}

void ConversionRun::execute() {
  if (!checksPass()) return;

  html_ = host_.htmlChecked();
  relativeThumbnailFolder_ = thumbnailLinkFolder(host_.originalFolder(), host_.thumbnailFolder());
  tally_ = Tally{static_cast<int>(host_.fileCount()), countSelected(), 0};
  host_.reportProgressRange(1, tally_.entries);
  ignoreX_ = options_.IgnoreX;
  ignoreY_ = options_.IgnoreY;
  log_.clear();
  findUpToDateThumbnails();
  const bool displayInNewPage = catalog_.current().DisplayInNewPage;
  host_.reportProgressRange(1, tally_.selected);

  if (html_) {
    CheckPictureSizes();
    if (stopRequestedBeforeTheEnd()) {
      reportInterruption();
      return;
    }
    tally_.selected = countSelected();
    if (tally_.selected == 0) {
      show(MessageKind::kWarning, MessageButton::kOk, "No selected JPEG file.");
      return;
    }
  }
  host_.reportProgressRange(1, tally_.selected);

  CatalogRunSettings catalogRun = readCatalogRunSettings(catalog_.current(), html_);
  catalogRun.displayInNewPage = displayInNewPage;
  tally_.ordinal = 0;

  log_.append("***** Conversion Log *****");
  log_.append("Number of Files : " + std::to_string(tally_.entries));
  log_.append("Number of Selected Files : " + std::to_string(tally_.selected));
  if (html_) {
    multiPage_ = catalogRun.multiPage;
    lastPage_ = 0;
    layout_.emplace(catalog_, log_, environment_);
    layout_->start(tally_.selected, catalogRun, host_.originalFolder());
  }

  producer_.expect(pathsToMake(), stage_.currentRecipe(), ThumbnailProducer::Reuse::kOnce);
  for (std::size_t index = 0;
       tally_.ordinal <= tally_.selected && index < static_cast<std::size_t>(tally_.entries);
       ++index) {
    if (host_.fileSelected(index)) convertEntry(index);
    host_.letEventsRun();
    if (stopRequestedBeforeTheEnd()) break;
  }

  if (html_) layout_->finish();
  layout_.reset();
  if (stopRequestedBeforeTheEnd()) {
    reportInterruption();
  } else {
    summary_.outcome = RunSummary::Outcome::kFinished;
  }
  host_.withdrawThumbnail();
  host_.reportProgress(0);
  host_.refreshFileLists();
}

void ConversionRun::convertEntry(std::size_t index) {
  const std::string path = entryPath(index);
  const std::string name = fileNameOf(path);
  ++tally_.ordinal;
  if (html_) {
    layout_->beforeFile();
    const int perPage = layout_->cellsPerPage();
    const int page = multiPage_ ? (layout_->ordinal() - 1) / perPage + 1 : 1;
    if (page != lastPage_) ++summary_.pagesWritten;
    lastPage_ = page;
  }
  host_.reportProgress(tally_.ordinal);
  host_.reportStatus("Converting (" + std::to_string(tally_.ordinal) + "/" +
                     std::to_string(tally_.selected) + ")  " + name);

  if (const auto kept = upToDate_.find(index); kept != upToDate_.end()) {
    keepUpToDate(path, name, kept->second);
  } else if (stage_.ShowPicture(path, producer_.take(path, stage_.currentRecipe()))) {
    const int width = stage_.pictureWidth();
    const int height = stage_.pictureHeight();
    if (width > ignoreX_ && height > ignoreY_) {
      saveThumbnailOf(path, name);
    } else {
      reportTooSmall(path, name, width, height);
    }
  } else {
    ++summary_.unreadable;
    show(MessageKind::kWarning, MessageButton::kOk, "UnExpected Error.  File name is " + path);
  }

  host_.reportStatus("");
  if (html_) layout_->afterFile();
}

void ConversionRun::saveThumbnailOf(const std::string& picturePath,
                                    const std::string& pictureName) {
  const std::string thumbnailPath = thumbnailPathOf(pictureName);
  if (keepsForeignPicture(thumbnailPath)) return;
  try {
    stage_.SaveThumbnail(thumbnailPath);
  } catch (...) {
    endCatalogAfterFailure();
    throw;
  }
  ++summary_.converted;
  writeCell(picturePath, pictureName, stage_.pictureWidth(), stage_.pictureHeight(),
            stage_.canvas().width(), stage_.canvas().height());
}

// A thumbnail left as it is counts as converted, and its cell is the one a full run writes.
void ConversionRun::keepUpToDate(const std::string& path, const std::string& name,
                                 const UpToDateThumbnail& thumbnail) {
  if (thumbnail.pictureWidth <= ignoreX_ || thumbnail.pictureHeight <= ignoreY_) {
    reportTooSmall(path, name, thumbnail.pictureWidth, thumbnail.pictureHeight);
    return;
  }
  log_.append(path + " is up to date.");
  ++summary_.converted;
  writeCell(path, name, thumbnail.pictureWidth, thumbnail.pictureHeight, thumbnail.thumbnailWidth,
            thumbnail.thumbnailHeight);
}

void ConversionRun::writeCell(const std::string& picturePath, const std::string& pictureName,
                              int pictureWidth, int pictureHeight, int thumbnailWidth,
                              int thumbnailHeight) {
  if (!html_) return;
  CellFacts facts;
  facts.pictureName = pictureName;
  facts.picturePath = picturePath;
  facts.thumbnailName = thumbnailNameOf(pictureName, host_.preamble(), host_.postamble());
  facts.thumbnailFolderLink = relativeThumbnailFolder_;
  facts.thumbnailWidth = thumbnailWidth;
  facts.thumbnailHeight = thumbnailHeight;
  facts.pictureWidth = pictureWidth;
  facts.pictureHeight = pictureHeight;
  layout_->writeCell(facts);
}

std::string ConversionRun::thumbnailPathOf(const std::string& pictureName) const {
  return pathInFolder(host_.thumbnailFolder(),
                      thumbnailNameOf(pictureName, host_.preamble(), host_.postamble()));
}

// With "update only changed", the thumbnails that already match their pictures and the recipe.
void ConversionRun::findUpToDateThumbnails() {
  upToDate_.clear();
  if (!options_.UpdateOnly) return;
  const ThumbnailRecipe recipe = stage_.currentRecipe();
  for (std::size_t index = 0; index < host_.fileCount(); ++index) {
    if (!host_.fileSelected(index)) continue;
    const std::string path = entryPath(index);
    if (auto found = upToDateThumbnail(path, thumbnailPathOf(fileNameOf(path)), recipe))
      upToDate_.emplace(index, *found);
  }
}

// The originals are only read: a photograph at the thumbnail's path (for example a_.jpg when the
// postamble is "_") is never written over.
bool ConversionRun::keepsForeignPicture(const std::string& thumbnailPath) {
  const ThumbnailRecipe recipe = stage_.currentRecipe();
  if (!recipe.box || !isForeignPicture(thumbnailPath, *recipe.box)) return false;
  ++summary_.kept;
  const std::string text =
      thumbnailPath + " is a picture that Vok did not make; it was not overwritten.";
  log_.append(text);
  if (options_.Warning) show(MessageKind::kWarning, MessageButton::kOk, text);
  return true;
}

// The run stops at a thumbnail that cannot be written; the open page still gets its row, table
// and page ends, so that it stays a well-formed page. A failure while ending it adds nothing to
// the error that stopped the run.
void ConversionRun::endCatalogAfterFailure() noexcept {
  if (!layout_) return;
  try {
    layout_->afterFile();
    layout_->finish();
  } catch (const std::exception&) {
  }
}

void ConversionRun::reportTooSmall(const std::string& path, const std::string& name, int width,
                                   int height) {
  ++summary_.tooSmall;
  log_.append(path + " is too small.  X=" + std::to_string(width) +
              "  Y=" + std::to_string(height));
  if (options_.Warning) {
    show(MessageKind::kInformation, MessageButton::kYes,
         name + "\rPicture size is too small.\rX=" + std::to_string(width) +
             " , Y=" + std::to_string(height));
  }
}

// A request that comes while the last picture is made is too late to leave anything out.
bool ConversionRun::stopRequestedBeforeTheEnd() const {
  return tally_.ordinal < tally_.selected && host_.stopRequested();
}

void ConversionRun::reportInterruption() {
  summary_.outcome = RunSummary::Outcome::kInterrupted;
  log_.append("Stopped on request after " + std::to_string(tally_.ordinal) + " of " +
              std::to_string(tally_.selected) + " files.");
}

int ConversionRun::countSelected() const {
  int count = 0;
  for (std::size_t i = 0; i < host_.fileCount(); ++i) count += host_.fileSelected(i) ? 1 : 0;
  return count;
}

std::vector<std::string> ConversionRun::pathsToMake() const {
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < host_.fileCount(); ++i) {
    if (host_.fileSelected(i) && !upToDate_.contains(i)) paths.push_back(entryPath(i));
  }
  return paths;
}

std::string ConversionRun::entryPath(std::size_t index) const {
  return pathInFolder(host_.originalFolder(), host_.fileName(index));
}

void ConversionRun::show(MessageKind kind, MessageButton button, const std::string& text) {
  host_.tellUser(kind, button, text);
}

}  // namespace vok
