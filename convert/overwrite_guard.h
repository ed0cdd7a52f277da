#pragma once

#include <string>

#include "convert/thumbnail_maker.h"

namespace vok {

// Whether the file at a thumbnail's path is a photograph that must not be written over: a
// readable JPEG without the program's mark that is larger than `box` in either direction. Older
// thumbnails carry the mark, so a run with a smaller box still replaces them; anything that is
// not a readable JPEG holds nothing of value and is replaced too.
bool isForeignPicture(const std::string& path, ThumbnailBox box);

}  // namespace vok
