#pragma once

#include <optional>
#include <string>

#include "convert/thumbnail_maker.h"

namespace vok {

// What the catalog needs of a picture whose thumbnail is left as it is.
struct UpToDateThumbnail {
  int pictureWidth = 0;  // from the picture's header, upright as the thumbnail was made
  int pictureHeight = 0;
  int thumbnailWidth = 0;  // from the thumbnail's header
  int thumbnailHeight = 0;
};

// The thumbnail at `thumbnailPath` is up to date when its mark records exactly this picture (its
// name, size and modification time) and this recipe (the box, smooth or not, turned or not, the
// pixel rules). Recorded values are compared, not file ages, so a picture restored with an old
// time is still remade. Nothing is decoded: only the two files' headers are read.
std::optional<UpToDateThumbnail> upToDateThumbnail(const std::string& picturePath,
                                                   const std::string& thumbnailPath,
                                                   const ThumbnailRecipe& recipe);

}  // namespace vok
