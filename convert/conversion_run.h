#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalog/catalog_layout.h"
#include "catalog/catalog_settings.h"
#include "catalog/page_environment.h"
#include "common/run_log.h"
#include "convert/picture_stage.h"
#include "convert/run_host.h"
#include "convert/run_summary.h"
#include "convert/thumbnail_options.h"
#include "convert/thumbnail_producer.h"
#include "convert/up_to_date.h"

namespace vok {

// The batch run behind "Save": checks, the picture size check when the catalog is on, one
// thumbnail per selected picture that is larger than the ignore size, the catalog pages, progress
// and the run log. An error that stops the run (a file that cannot be written, a Column or Row
// that is not a whole number) comes back in the summary, for the host's general error box.
class ConversionRun {
 public:
  ConversionRun(RunHost& host, RunLog& log, const ThumbnailOptions& options,
                const CatalogSettingsSource& catalog, PictureStage& stage,
                ThumbnailProducer& producer, PageEnvironment environment = systemPageEnvironment());

  // Runs once; a call made while a run is going on (from events processed between entries) is
  // ignored.
  [[nodiscard]] RunSummary run();

  bool running() const { return running_; }

 private:
  struct Tally {
    int entries = 0;   // N
    int selected = 0;  // S
    int ordinal = 0;   // q
  };

  void execute();
  bool checksPass();
  void CheckPictureSizes();
  void convertEntry(std::size_t index);
  void saveThumbnailOf(const std::string& picturePath, const std::string& pictureName);
  void findUpToDateThumbnails();
  void keepUpToDate(const std::string& path, const std::string& name,
                    const UpToDateThumbnail& thumbnail);
  std::string thumbnailPathOf(const std::string& pictureName) const;
  void writeCell(const std::string& picturePath, const std::string& pictureName, int pictureWidth,
                 int pictureHeight, int thumbnailWidth, int thumbnailHeight);
  bool keepsForeignPicture(const std::string& thumbnailPath);
  void endCatalogAfterFailure() noexcept;
  void reportTooSmall(const std::string& path, const std::string& name, int width, int height);
  bool stopRequestedBeforeTheEnd() const;
  void reportInterruption();
  int countSelected() const;
  // The selected pictures that must be made, leaving out those whose thumbnails are up to date.
  std::vector<std::string> pathsToMake() const;
  std::string entryPath(std::size_t index) const;
  void show(MessageKind kind, MessageButton button, const std::string& text);

  RunHost& host_;
  RunLog& log_;
  const ThumbnailOptions& options_;
  const CatalogSettingsSource& catalog_;
  PictureStage& stage_;
  ThumbnailProducer& producer_;
  PageEnvironment environment_;

  bool running_ = false;
  RunSummary summary_;
  Tally tally_;
  bool html_ = false;
  std::string relativeThumbnailFolder_;
  std::int32_t ignoreX_ = 0;
  std::int32_t ignoreY_ = 0;
  std::optional<CatalogLayout> layout_;
  std::map<std::size_t, UpToDateThumbnail> upToDate_;  // by file list entry
  bool multiPage_ = false;
  int lastPage_ = 0;
};

}  // namespace vok
