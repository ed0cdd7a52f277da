#include "convert/fit_to_box.h"

#include <gtest/gtest.h>

namespace vok {
namespace {

struct FitCase {
  int W, H, boxW, boxH, w, h;
};

TEST(FitToBox, WorkedResults) {
  const FitCase cases[] = {
      {640, 480, 160, 120, 160, 120},   {480, 640, 160, 120, 90, 120},
      {641, 480, 160, 120, 160, 119},   {639, 480, 160, 120, 159, 120},
      {3000, 2000, 160, 120, 160, 106}, {1920, 1080, 160, 120, 160, 90},
      {1080, 1920, 160, 120, 67, 120},  {333, 1000, 160, 120, 39, 120},
      {500, 500, 160, 120, 120, 120},   {200, 100, 160, 120, 160, 80},
      {100, 50, 160, 120, 100, 50},     {700, 300, 32, 32, 32, 13},
      {300, 100, 160, 120, 160, 53},    {500, 500, 120, 160, 120, 120},
      {160, 120, 160, 120, 160, 120},   {1600, 1200, 160, 120, 160, 120},
      {1200, 1600, 160, 120, 90, 120},
  };
  for (const FitCase& c : cases) {
    EXPECT_EQ(FitToBox(c.W, c.H, c.boxW, c.boxH), (FittedSize{c.w, c.h}))
        << c.W << "x" << c.H << " in " << c.boxW << "x" << c.boxH;
  }
}

TEST(FitToBox, LongThinPicturesKeepAtLeastOnePixel) {
  EXPECT_EQ(FitToBox(1000, 1, 32, 32), (FittedSize{32, 1}));
  EXPECT_EQ(FitToBox(1, 1000, 160, 120), (FittedSize{1, 120}));
  EXPECT_EQ(FitToBox(64250, 3, 32, 32), (FittedSize{32, 1}));
}

TEST(FitToBox, EveryBoxFitsNeverEnlargesAndKeepsTheAspect) {
  const int pictures[][2] = {{4000, 3000}, {3000, 4000}, {1, 1},       {201, 201}, {65535, 17},
                             {17, 65535},  {2592, 1944}, {1000, 1000}, {123, 457}};
  for (const auto& picture : pictures) {
    const int W = picture[0], H = picture[1];
    for (int boxW = 32; boxW <= 200; ++boxW) {
      for (int boxH = 32; boxH <= 200; boxH += 7) {
        const FittedSize size = FitToBox(W, H, boxW, boxH);
        ASSERT_GE(size.width, 1);
        ASSERT_GE(size.height, 1);
        ASSERT_LE(size.width, std::min(W, boxW));
        ASSERT_LE(size.height, std::min(H, boxH));
        // One side touches the box (or the picture keeps its size), give or take truncation.
        const bool fits = W <= boxW && H <= boxH;
        if (fits) {
          ASSERT_EQ(size, (FittedSize{W, H}));
        } else {
          ASSERT_TRUE(size.width >= boxW - 1 || size.height >= boxH - 1)
              << W << "x" << H << " in " << boxW << "x" << boxH;
        }
      }
    }
  }
}

}  // namespace
}  // namespace vok
