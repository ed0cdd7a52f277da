#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace vok::test {

// A JPEG file made for a test, with the sampling factors and the mode chosen freely.
struct TestJpegShape {
  int width = 0;
  int height = 0;
  // One (h, v) pair a component: one component is grey, three are colour (RGB given, YCbCr
  // stored), any other count is written as it is, in no colour space.
  std::vector<std::pair<int, int>> sampling = {{2, 2}, {1, 1}, {1, 1}};
  bool progressive = false;
  int quality = 90;
};

// Fills the samples of row y: width times the number of components bytes.
using RowSource = std::function<void(int y, std::uint8_t* samples)>;

// A picture with detail in every row and column, so that a wrong row or column shows.
RowSource texturedRows(int width, int components);

std::vector<unsigned char> makeTestJpeg(const TestJpegShape& shape, const RowSource& rows);
void writeTestJpeg(const std::filesystem::path& path, const TestJpegShape& shape,
                   const RowSource& rows);

}  // namespace vok::test
