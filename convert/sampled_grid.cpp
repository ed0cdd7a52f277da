#include "convert/sampled_grid.h"

#include "codec/exif_orientation.h"
#include "convert/nearest_reduction.h"

namespace vok {

SampledGrid sampledGrid(int storedWidth, int storedHeight, FittedSize canvas, int orientation) {
  const OrientationAxes axes = orientationAxes(orientation);
  const bool quarterTurn = axes.quarterTurn;
  const int uprightWidth = quarterTurn ? storedHeight : storedWidth;
  const int uprightHeight = quarterTurn ? storedWidth : storedHeight;
  const auto storedColumn = [&](int index) {
    return axes.columnsBackwards ? storedWidth - 1 - index : index;
  };
  const auto storedRow = [&](int index) {
    return axes.rowsBackwards ? storedHeight - 1 - index : index;
  };

  SampledGrid grid;
  grid.linesAreColumns = quarterTurn;
  // Upright x runs along stored rows when turned a quarter, along stored columns otherwise.
  const int lines = quarterTurn ? canvas.width : canvas.height;
  const int places = quarterTurn ? canvas.height : canvas.width;
  grid.lineRows.resize(static_cast<std::size_t>(lines));
  grid.columns.resize(static_cast<std::size_t>(places));
  for (int k = 0; k < lines; ++k) {
    const int upright = quarterTurn ? nearestSourceIndex(k, canvas.width, uprightWidth)
                                    : nearestSourceIndex(k, canvas.height, uprightHeight);
    grid.lineRows[k] = storedRow(upright);
  }
  for (int j = 0; j < places; ++j) {
    const int upright = quarterTurn ? nearestSourceIndex(j, canvas.height, uprightHeight)
                                    : nearestSourceIndex(j, canvas.width, uprightWidth);
    grid.columns[j] = storedColumn(upright);
  }
  return grid;
}

}  // namespace vok
