#pragma once

#include <optional>
#include <string>

#include "codec/raster.h"
#include "common/run_log.h"
#include "convert/run_host.h"
#include "convert/thumbnail_maker.h"
#include "convert/thumbnail_options.h"

namespace vok {

// The main window's working picture and thumbnail canvas: the last picture loaded, its size, and
// the fitted, reduced picture that is both the preview and the pixels of the thumbnail file.
class PictureStage {
 public:
  PictureStage(RunHost& host, RunLog& log, const ThumbnailOptions& options)
      : host_(host), log_(log), options_(options) {}

  // The recipe for the box that the window's size fields give now.
  ThumbnailRecipe currentRecipe() const;

  // Loads the picture at `path` into the stage and shows its thumbnail. A file that cannot be
  // read is logged as "<path> is corrupt." (and shown in a box when Warning is on); then the
  // result is false and the stage keeps the previous picture's size.
  bool ShowPicture(const std::string& path);
  // The same, for a picture whose thumbnail was made ahead of time.
  bool ShowPicture(const std::string& path, PictureThumbnail made);

  // Writes the canvas as a thumbnail file, replacing any file at `path`; the file carries the mark
  // of the picture shown last (see thumbnail_mark.h). Throws FileWriteError on failure.
  void SaveThumbnail(const std::string& path) const;

  int pictureWidth() const { return pictureWidth_; }
  int pictureHeight() const { return pictureHeight_; }
  const Raster& canvas() const { return canvas_; }

 private:
  RunHost& host_;
  RunLog& log_;
  const ThumbnailOptions& options_;
  std::string sourcePath_;
  ThumbnailBox box_;
  bool smooth_ = false;
  std::optional<int> orientation_;  // when turning was asked for
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
  Raster canvas_;
  std::vector<std::uint8_t> encoded_;
};

}  // namespace vok
