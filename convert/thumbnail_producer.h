#pragma once

#include <string>
#include <vector>

#include "convert/thumbnail_maker.h"

namespace vok {

// Where a run gets the thumbnail of each picture from. The plain producer makes it when asked; a
// producer that works ahead is told the order first and hands out what it has made, as long as
// the file and the recipe are still what they were.
class ThumbnailProducer {
 public:
  virtual ~ThumbnailProducer() = default;
  enum class Reuse {
    kOnce,        // each thumbnail is asked for once
    kKeepForRun,  // a run over the same pictures follows: keep what is made for it
  };
  // The pictures the run is about to ask for, in order.
  virtual void expect(const std::vector<std::string>& paths, const ThumbnailRecipe& recipe,
                      Reuse reuse) {
    (void)paths;
    (void)recipe;
    (void)reuse;
  }
  virtual PictureThumbnail take(const std::string& path, const ThumbnailRecipe& recipe) = 0;
};

class DirectThumbnailProducer : public ThumbnailProducer {
 public:
  PictureThumbnail take(const std::string& path, const ThumbnailRecipe& recipe) override {
    return makeThumbnail(path, recipe);
  }
};

}  // namespace vok
