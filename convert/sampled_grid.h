#pragma once

#include <vector>

#include "convert/fit_to_box.h"

namespace vok {

// The stored pixels that the thumbnail of the upright picture samples. The picture is turned
// and mirrored as its EXIF orientation says (1: as stored), fitted, and each canvas pixel copies
// the upright pixel under its centre; this maps that pixel back to the stored one, so the decode
// still streams the stored rows and no turned copy of the picture is ever made.
struct SampledGrid {
  // False: canvas row k is filled from stored row lineRows[k]. True (a quarter turn): canvas
  // column k is.
  bool linesAreColumns = false;
  std::vector<int> lineRows;
  // The stored column read for each place along a line.
  std::vector<int> columns;
};

// `canvas` is the fitted size of the upright picture.
SampledGrid sampledGrid(int storedWidth, int storedHeight, FittedSize canvas, int orientation);

}  // namespace vok
