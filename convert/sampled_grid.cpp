#include "convert/sampled_grid.h"

#include "codec/exif_orientation.h"
#include "convert/nearest_reduction.h"

namespace vok {

SampledGrid sampledGrid(int storedWidth, int storedHeight, FittedSize canvas, int orientation) {
  const bool quarterTurn = swapsSides(orientation);
  const int uprightWidth = quarterTurn ? storedHeight : storedWidth;
  const int uprightHeight = quarterTurn ? storedWidth : storedHeight;
  // Where the upright picture runs against the stored one: 2 mirrors, 3 turns half, 4 flips,
  // 5 transposes, 6 turns a quarter clockwise, 7 transposes across the other diagonal, 8 turns
  // a quarter anticlockwise.
  const bool columnsBackwards =
      orientation == 2 || orientation == 3 || orientation == 7 || orientation == 8;
  const bool rowsBackwards =
      orientation == 3 || orientation == 4 || orientation == 6 || orientation == 7;
  const auto storedColumn = [&](int index) {
    return columnsBackwards ? storedWidth - 1 - index : index;
  };
  const auto storedRow = [&](int index) {
    return rowsBackwards ? storedHeight - 1 - index : index;
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
