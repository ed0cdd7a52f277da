#include "convert/folder_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vok {
namespace {

constexpr auto kAccepted = ThumbnailFolderVerdict::kAccepted;
constexpr auto kOutside = ThumbnailFolderVerdict::kOutside;
constexpr auto kTooDeep = ThumbnailFolderVerdict::kTooDeep;

struct Case {
  const char* original;
  const char* thumbnail;
  std::optional<int> depth;
  ThumbnailFolderVerdict verdict;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.original << " <- " << c.thumbnail;
}

class FolderRule : public testing::TestWithParam<Case> {};

TEST_P(FolderRule, DepthInsideAndVerdictAgree) {
  const Case& c = GetParam();
  EXPECT_EQ(depthBelow(c.original, c.thumbnail), c.depth);
  EXPECT_EQ(isInside(c.original, c.thumbnail), c.depth.has_value());
  EXPECT_EQ(checkThumbnailFolder(c.original, c.thumbnail).verdict, c.verdict);
}

INSTANTIATE_TEST_SUITE_P(UnderAFolder, FolderRule,
                         testing::Values(Case{"/photos", "/photos", 0, kAccepted},
                                         Case{"/photos", "/photos/thumbs", 1, kAccepted},
                                         Case{"/photos", "/photos/thumbs/small", 2, kTooDeep},
                                         Case{"/photos", "/", std::nullopt, kOutside},
                                         Case{"/photos", "/other", std::nullopt, kOutside},
                                         Case{"/photos", "/photos2", std::nullopt, kOutside},
                                         Case{"/photos", "/photos2/thumbs", std::nullopt, kOutside},
                                         Case{"/photos", "/Photos", std::nullopt, kOutside},
                                         Case{"/photos", "/Photos/thumbs", std::nullopt, kOutside},
                                         Case{"/photos/2024", "/photos", std::nullopt, kOutside},
                                         Case{"/home/u/pics", "/home/u/pic", std::nullopt,
                                              kOutside}));

INSTANTIATE_TEST_SUITE_P(UnderTheRoot, FolderRule,
                         testing::Values(Case{"/", "/", 0, kAccepted},
                                         Case{"/", "/thumbs", 1, kAccepted},
                                         Case{"/", "/a", 1, kAccepted},
                                         Case{"/", "/thumbs/small", 2, kTooDeep},
                                         Case{"/", "/a/b/c", 3, kTooDeep}));

TEST(FolderRuleMessages, OutsideNamesTheOriginalFolderInBrackets) {
  const auto check = checkThumbnailFolder("/photos", "/other");
  EXPECT_EQ(check.message, "Thumbnail directory must be under Original Dir(/photos).");
  EXPECT_EQ(checkThumbnailFolder("/", "relative").message,
            "Thumbnail directory must be under Original Dir(/).");
}

TEST(FolderRuleMessages, TooDeepHasTwoBlanksAfterTheFirstSentence) {
  EXPECT_EQ(checkThumbnailFolder("/photos", "/photos/thumbs/small").message,
            "Thumbnail directory is too deep.  Only one level lower directory is permitted.");
}

TEST(FolderRuleMessages, AcceptedFoldersCarryNoMessage) {
  EXPECT_EQ(checkThumbnailFolder("/photos", "/photos").message, "");
  EXPECT_EQ(checkThumbnailFolder("/photos", "/photos/thumbs").message, "");
}

TEST(RelativeThumbnailFolder, IsEmptyForTheOriginalFolderItself) {
  EXPECT_EQ(relativeThumbnailFolder("/photos", "/photos"), "");
  EXPECT_EQ(relativeThumbnailFolder("/", "/"), "");
}

TEST(RelativeThumbnailFolder, IsTheSubfolderNameWithASlash) {
  EXPECT_EQ(relativeThumbnailFolder("/photos", "/photos/thumbs"), "thumbs/");
  EXPECT_EQ(relativeThumbnailFolder("/", "/th"), "th/");
  EXPECT_EQ(relativeThumbnailFolder("/home/u/pics", "/home/u/pics/small thumbs"), "small thumbs/");
}

TEST(RelativeThumbnailFolder, DeeperFoldersKeepTheirWholeRemainder) {
  EXPECT_EQ(relativeThumbnailFolder("/photos", "/photos/a/b"), "a/b/");
  EXPECT_EQ(relativeThumbnailFolder("/", "/a/b"), "a/b/");
}

TEST(RelativeThumbnailFolder, IsNothingOutsideTheOriginalFolder) {
  EXPECT_EQ(relativeThumbnailFolder("/photos", "/photos2"), std::nullopt);
  EXPECT_EQ(relativeThumbnailFolder("/photos", "/other/th"), std::nullopt);
  EXPECT_EQ(relativeThumbnailFolder("/photos/th", "/photos"), std::nullopt);
}

}  // namespace
}  // namespace vok
