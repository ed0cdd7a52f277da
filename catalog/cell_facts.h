#pragma once

#include <string>

namespace vok {

// What the run knows about one converted picture when its cell is written.
struct CellFacts {
  int ordinal = 0;                  // 1-based count of selected files taken up, this one included
  std::string pictureName;          // as listed in the original folder, e.g. "a.jpg"
  std::string picturePath;          // full path; its size and time stamp are read from here
  std::string thumbnailName;        // e.g. "_a.jpg"
  std::string thumbnailFolderLink;  // "" or the thumbnail folder's name and "/"
  int thumbnailWidth = 0;
  int thumbnailHeight = 0;
  int pictureWidth = 0;
  int pictureHeight = 0;
};

}  // namespace vok
