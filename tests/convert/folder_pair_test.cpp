#include "convert/folder_pair.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "convert/folder_rules.h"

namespace vok {
namespace {

// Records the warnings and every raise of the thumbnail change event, with the folder it saw.
struct Recorder {
  std::vector<std::string> warnings;
  std::vector<std::string> thumbnailEvents;

  FolderPair::Hooks hooks() {
    return {[this](std::string_view text) { warnings.emplace_back(text); },
            [this](const std::string& folder) { thumbnailEvents.push_back(folder); }};
  }
};

std::vector<std::string> strings(std::initializer_list<const char*> items) {
  return {items.begin(), items.end()};
}

TEST(FolderPairStart, ThumbnailFolderStartsOnTheOriginalWithoutEvents) {
  Recorder rec;
  FolderPair pair("/photos", true, rec.hooks());
  EXPECT_EQ(pair.thumbnailFolder(), "/photos");
  EXPECT_TRUE(rec.thumbnailEvents.empty());
  EXPECT_TRUE(rec.warnings.empty());
}

TEST(FolderPairThumbnail, AllowedChoicesStandSilently) {
  for (const char* choice : {"/photos", "/photos/thumbs"}) {
    Recorder rec;
    FolderPair pair("/photos", false, rec.hooks());
    pair.setThumbnailFolder(choice);
    EXPECT_EQ(pair.thumbnailFolder(), choice);
    EXPECT_TRUE(rec.warnings.empty()) << choice;
    EXPECT_EQ(rec.thumbnailEvents, strings({choice}));
  }
}

TEST(FolderPairThumbnail, TooDeepGivesOneMessageAndFallsBackToTheOriginal) {
  Recorder rec;
  FolderPair pair("/photos", true, rec.hooks());
  pair.setThumbnailFolder("/photos/thumbs/small");
  EXPECT_EQ(pair.thumbnailFolder(), "/photos");
  EXPECT_EQ(rec.warnings, strings({"Thumbnail directory is too deep.  Only one level lower "
                                   "directory is permitted."}));
  // The refused choice, the reset, and the re-reading after it: the nested checks pass.
  EXPECT_EQ(rec.thumbnailEvents, strings({"/photos/thumbs/small", "/photos", "/photos"}));
}

TEST(FolderPairThumbnail, OutsideGivesOneMessageNamingTheOriginal) {
  for (const char* choice : {"/", "/other", "/photos2"}) {
    Recorder rec;
    FolderPair pair("/photos", true, rec.hooks());
    pair.setThumbnailFolder(choice);
    EXPECT_EQ(pair.thumbnailFolder(), "/photos") << choice;
    EXPECT_EQ(rec.warnings, strings({"Thumbnail directory must be under Original Dir(/photos)."}))
        << choice;
  }
}

TEST(FolderPairThumbnail, UnderTheRootOneLevelIsAllowedAndTwoAreNot) {
  Recorder rec;
  FolderPair pair("/", false, rec.hooks());
  pair.setThumbnailFolder("/thumbs");
  EXPECT_EQ(pair.thumbnailFolder(), "/thumbs");
  EXPECT_TRUE(rec.warnings.empty());

  pair.setThumbnailFolder("/thumbs/small");
  EXPECT_EQ(pair.thumbnailFolder(), "/");
  EXPECT_EQ(rec.warnings.size(), 1u);
  EXPECT_EQ(rec.warnings.front(), kThumbnailTooDeepMessage);
}

TEST(FolderPairThumbnail, EachRefusedChoiceGivesExactlyOneMessage) {
  Recorder rec;
  FolderPair pair("/photos", true, rec.hooks());
  pair.setThumbnailFolder("/other");
  pair.setThumbnailFolder("/photos/thumbs");
  pair.setThumbnailFolder("/photos/a/b");
  pair.setThumbnailFolder("/photos2");
  EXPECT_EQ(rec.warnings.size(), 3u);
  EXPECT_EQ(pair.thumbnailFolder(), "/photos");
}

TEST(FolderPairThumbnail, ReReadingAnAcceptedFolderRaisesTheEventOnceMore) {
  Recorder rec;
  FolderPair pair("/photos", false, rec.hooks());
  pair.setThumbnailFolder("/photos/th");
  pair.rereadThumbnailList();
  EXPECT_EQ(rec.thumbnailEvents, strings({"/photos/th", "/photos/th"}));
  EXPECT_TRUE(rec.warnings.empty());
}

TEST(FolderPairThumbnail, ReReadingAFolderLeftOutsideRunsTheCheck) {
  Recorder rec;
  FolderPair pair("/a", false, rec.hooks());
  pair.setThumbnailFolder("/a/th");
  pair.setOriginalFolder("/b");
  pair.rereadThumbnailList();
  EXPECT_EQ(pair.thumbnailFolder(), "/b");
  EXPECT_EQ(rec.warnings, strings({"Thumbnail directory must be under Original Dir(/b)."}));
}

TEST(FolderPairThumbnail, ResetUsesTheOriginalFolderAsItIsAfterTheBox) {
  // A modal box lets other events run; one of them may move the Original folder.
  FolderPair* target = nullptr;
  int boxes = 0;
  FolderPair pair("/a", false,
                  {[&](std::string_view) {
                     ++boxes;
                     target->setOriginalFolder("/b");
                   },
                   {}});
  target = &pair;
  pair.setThumbnailFolder("/elsewhere");
  EXPECT_EQ(pair.thumbnailFolder(), "/b");
  EXPECT_EQ(boxes, 1);
}

TEST(FolderPairThumbnail, WorksWithoutHooks) {
  FolderPair pair("/photos", true, {});
  pair.setThumbnailFolder("/photos/a/b");
  EXPECT_EQ(pair.thumbnailFolder(), "/photos");
}

TEST(FolderPairAutoDir, OnMovesTheThumbnailFolderOntoTheNewOriginalSilently) {
  Recorder rec;
  FolderPair pair("/a", true, rec.hooks());
  pair.setThumbnailFolder("/a/th");
  pair.setOriginalFolder("/b");
  EXPECT_EQ(pair.originalFolder(), "/b");
  EXPECT_EQ(pair.thumbnailFolder(), "/b");
  EXPECT_TRUE(rec.warnings.empty());
  // The choice, then the Auto Dir move and its re-reading.
  EXPECT_EQ(rec.thumbnailEvents, strings({"/a/th", "/b", "/b"}));
}

TEST(FolderPairAutoDir, OnPutsTheThumbnailFolderOnTheOriginalNotInsideIt) {
  Recorder rec;
  FolderPair pair("/photos", true, rec.hooks());
  pair.setThumbnailFolder("/photos/th");
  pair.setOriginalFolder("/photos");
  EXPECT_EQ(pair.thumbnailFolder(), "/photos");
}

TEST(FolderPairAutoDir, OffLeavesTheThumbnailFolderWhereItWas) {
  Recorder rec;
  FolderPair pair("/a", false, rec.hooks());
  pair.setThumbnailFolder("/a/th");
  pair.setOriginalFolder("/b");
  EXPECT_EQ(pair.originalFolder(), "/b");
  EXPECT_EQ(pair.thumbnailFolder(), "/a/th");
  EXPECT_TRUE(rec.warnings.empty());
  EXPECT_EQ(rec.thumbnailEvents, strings({"/a/th"}));
}

TEST(FolderPairAutoDir, TurningItOnTakesEffectAtTheNextOriginalChange) {
  Recorder rec;
  FolderPair pair("/a", false, rec.hooks());
  pair.setThumbnailFolder("/a/th");
  pair.setOriginalFolder("/b");
  pair.setAutoDir(true);
  EXPECT_TRUE(pair.autoDir());
  EXPECT_EQ(pair.thumbnailFolder(), "/a/th");
  pair.setOriginalFolder("/c");
  EXPECT_EQ(pair.thumbnailFolder(), "/c");
  EXPECT_TRUE(rec.warnings.empty());
}

TEST(FolderPairCommandLine, ThumbnailFolderTwoLevelsDownEndsOnTheOriginal) {
  // As the batch run sets them: the Original folder first (Auto Dir on), then the thumbnail one.
  Recorder rec;
  FolderPair pair("/home/u", true, rec.hooks());
  pair.setOriginalFolder("/pic");
  pair.setThumbnailFolder("/pic/th/small");
  EXPECT_EQ(pair.thumbnailFolder(), "/pic");
  EXPECT_EQ(rec.warnings.size(), 1u);
}

}  // namespace
}  // namespace vok
