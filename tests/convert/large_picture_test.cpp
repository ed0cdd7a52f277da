// A 96-megapixel progressive 4:4:4 photograph, whose coefficients alone take 576 MB, converts
// through vok-batch at its default jobs, two copies side by side. It needs a few GB of memory:
// the test carries the label large-memory, so `ctest -LE large-memory` leaves it out.
#include <gtest/gtest.h>

#include <filesystem>

#include "codec/jpeg_codec.h"
#include "codec/memory_budget.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/test_jpeg.h"

namespace vok {
namespace {

using test::shellQuote;

TEST(LargePicture, NinetySixMegapixelProgressive444Converts) {
  constexpr int kWidth = 12000, kHeight = 8000;
  if (decodeMemoryBudget().capacity() < (std::int64_t{3} << 30)) {
    GTEST_SKIP() << "the machine has too little memory";
  }
  test::TempDir photos, scratch;
  const test::RowSource gradient = [](int y, std::uint8_t* samples) {
    for (int x = 0; x < kWidth; ++x) {
      *samples++ = static_cast<std::uint8_t>(x * 255 / kWidth);
      *samples++ = static_cast<std::uint8_t>(y * 255 / kHeight);
      *samples++ = static_cast<std::uint8_t>((x + y) * 255 / (kWidth + kHeight));
    }
  };
  test::writeTestJpeg(photos.file("a.jpg"), {kWidth, kHeight, {{1, 1}, {1, 1}, {1, 1}}, true},
                      gradient);
  std::filesystem::create_hard_link(photos.file("a.jpg"), photos.file("b.jpg"));

  const std::string folder = shellQuote(photos.path().string());
  const test::CommandResult result =
      test::runCommand("VOK_SETTINGS_FILE=" + shellQuote(scratch.file("settings")) + " " +
                       shellQuote(std::string(VOK_BINARY_DIR) + "/app/vok-batch") + " " + folder +
                       " " + folder + " 200 200 _ NULL 2>&1");
  ASSERT_EQ(result.status, 0) << result.output;
  for (const char* name : {"_a.jpg", "_b.jpg"}) {
    JpegCodec thumbnail;
    thumbnail.decodeFile(photos.file(name));
    EXPECT_EQ(thumbnail.width(), 200) << name;
    EXPECT_EQ(thumbnail.height(), 133) << name;
  }
}

}  // namespace
}  // namespace vok
