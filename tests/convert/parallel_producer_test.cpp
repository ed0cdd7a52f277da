#include "convert/parallel_thumbnail_producer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <functional>
#include <new>
#include <thread>

#include "codec/codec_errors.h"
#include "codec/jpeg_codec.h"
#include "support/files.h"
#include "support/temp_dir.h"

namespace vok {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> corpusPictures() {
  std::vector<std::string> paths;
  for (const auto& entry : fs::directory_iterator(test::jpegCorpus(""))) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() == ".jpg" && !name.starts_with("large-")) {
      paths.push_back(entry.path().string());
    }
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

const ThumbnailRecipe kRecipe{ThumbnailBox{160, 120}, true, true};

void expectSame(const PictureThumbnail& made, const PictureThumbnail& expected,
                const std::string& path) {
  EXPECT_EQ(made.readable, expected.readable) << path;
  EXPECT_EQ(made.pictureWidth, expected.pictureWidth) << path;
  EXPECT_EQ(made.pictureHeight, expected.pictureHeight) << path;
  EXPECT_TRUE(made.encoded == expected.encoded) << path;
  EXPECT_EQ(made.canvas.width(), expected.canvas.width()) << path;
}

// Whatever the number of workers, the same bytes as made directly: also smooth and turned.
TEST(ParallelProducer, HandsOutInOrderWhatTheDirectWayMakes) {
  const auto paths = corpusPictures();
  ThumbnailRecipe smooth = kRecipe;
  smooth.smooth = smooth.autoOrient = true;
  for (const ThumbnailRecipe& recipe : {kRecipe, smooth}) {
    for (const int jobs : {1, 2, 3}) {
      ParallelThumbnailProducer producer(jobs);
      producer.expect(paths, recipe, ThumbnailProducer::Reuse::kOnce);
      for (const std::string& path : paths) {
        expectSame(producer.take(path, recipe), makeThumbnail(path, recipe), path);
      }
      EXPECT_EQ(producer.decodes(), static_cast<int>(paths.size()));
    }
  }
}

TEST(ParallelProducer, RunAfterTheCheckReusesUnchangedPictures) {
  test::TempDir dir;
  std::vector<std::string> paths;
  for (const char* name : {"baseline-420-227x149.jpg", "greyscale-128x128.jpg",
                           "exif-orientation-3-308x410.jpg", "tiny-3x3.jpg"}) {
    paths.push_back(dir.file(name));
    fs::copy_file(test::jpegCorpus(name), paths.back());
  }
  ParallelThumbnailProducer producer(2);
  producer.expect(paths, kRecipe, ThumbnailProducer::Reuse::kKeepForRun);
  for (const std::string& path : paths) producer.take(path, kRecipe);

  // One picture changes between the check and the run: only that one is decoded again.
  fs::copy_file(test::jpegCorpus("baseline-422-100x75.jpg"), paths[2],
                fs::copy_options::overwrite_existing);
  producer.expect(paths, kRecipe, ThumbnailProducer::Reuse::kOnce);
  for (const std::string& path : paths) {
    const PictureThumbnail made = producer.take(path, kRecipe);
    expectSame(made, makeThumbnail(path, kRecipe), path);
  }
  EXPECT_EQ(producer.decodes(), static_cast<int>(paths.size()) + 1);
}

// Whatever the memory budget, the run gets back in order exactly what the check made, without a
// second decode: with no budget every kept thumbnail waits in the temporary file, with a small one
// some do. The canvas comes back as the kept thumbnail file decodes.
TEST(ParallelProducer, KeptThumbnailsComeBackTheSameHeldOrSpilled) {
  const auto paths = corpusPictures();
  for (const std::size_t budget : {std::size_t{0}, std::size_t{20'000}, std::size_t{64u << 20}}) {
    test::TempDir spillFolder;
    ParallelThumbnailProducer producer(2, KeepLimits{budget, spillFolder.path().string()});
    producer.expect(paths, kRecipe, ThumbnailProducer::Reuse::kKeepForRun);
    for (const std::string& path : paths) producer.take(path, kRecipe);
    EXPECT_LE(producer.keptMemoryBytes(), budget);

    producer.expect(paths, kRecipe, ThumbnailProducer::Reuse::kOnce);
    int unreadable = 0;
    for (const std::string& path : paths) {
      const PictureThumbnail expected = makeThumbnail(path, kRecipe);
      const PictureThumbnail made = producer.take(path, kRecipe);
      expectSame(made, expected, path);
      if (expected.readable) {
        EXPECT_TRUE(made.canvas == decodeRaster(expected.encoded)) << path;
      } else {
        ++unreadable;  // nothing kept: read again
      }
    }
    EXPECT_EQ(producer.decodes(), static_cast<int>(paths.size()) + unreadable) << budget;
    EXPECT_EQ(producer.keptMemoryBytes(), 0u);
    EXPECT_TRUE(fs::is_empty(spillFolder.path()));  // the file never had a name there
  }
}

TEST(ParallelProducer, DifferentBoxIsMadeAgain) {
  const std::string path = test::jpegCorpus("baseline-420-227x149.jpg").string();
  ParallelThumbnailProducer producer(1);
  producer.expect({path}, kRecipe, ThumbnailProducer::Reuse::kKeepForRun);
  producer.take(path, kRecipe);
  const ThumbnailRecipe smaller{ThumbnailBox{64, 64}, true, true};
  producer.expect({path}, smaller, ThumbnailProducer::Reuse::kOnce);
  EXPECT_EQ(producer.take(path, smaller).canvas.width(), 64);
}

TEST(ParallelProducer, FileChangedAfterItWasReadAheadIsReadAgain) {
  test::TempDir dir;
  const auto first = dir.file("a.jpg"), second = dir.file("b.jpg");
  fs::copy_file(test::jpegCorpus("baseline-420-227x149.jpg"), first);
  fs::copy_file(test::jpegCorpus("baseline-420-227x149.jpg"), second);
  ParallelThumbnailProducer producer(2);
  producer.expect({first, second}, kRecipe, ThumbnailProducer::Reuse::kOnce);
  producer.take(first, kRecipe);
  // Give the workers time to read b.jpg ahead, then replace it.
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  fs::copy_file(test::jpegCorpus("exif-orientation-3-308x410.jpg"), second,
                fs::copy_options::overwrite_existing);
  const PictureThumbnail made = producer.take(second, kRecipe);
  EXPECT_EQ(made.pictureWidth, 308);
  EXPECT_EQ(made.pictureHeight, 410);
}

// The selection changes while the run goes on: it skips pictures, goes back to skipped ones, asks
// for one the plan does not hold, then for another box. The workers still make every picture of
// the plan; only the one outside it is made on the run's thread.
TEST(ParallelProducer, WorkersKeepMakingWhenTheOrderChanges) {
  const auto paths = corpusPictures();
  ASSERT_GT(paths.size(), 45u);
  test::TempDir dir;
  const std::string outside = dir.file("outside.jpg");
  fs::copy_file(test::jpegCorpus("baseline-420-227x149.jpg"), outside);
  const ThumbnailRecipe smaller{ThumbnailBox{64, 64}, true, true};

  std::vector<std::pair<std::string, ThumbnailRecipe>> asked;
  const auto ask = [&](std::size_t first, std::size_t last, std::size_t stride,
                       const ThumbnailRecipe& recipe) {
    for (std::size_t i = first; i < last; i += stride) asked.emplace_back(paths[i], recipe);
  };
  ask(0, 8, 1, kRecipe);
  ask(15, 25, 3, kRecipe);
  ask(9, 12, 1, kRecipe);
  asked.emplace_back(outside, kRecipe);
  ask(25, 40, 2, kRecipe);
  ask(40, paths.size(), 1, smaller);

  for (const int jobs : {1, 2, 3}) {
    ParallelThumbnailProducer producer(jobs);
    producer.expect(paths, kRecipe, ThumbnailProducer::Reuse::kOnce);
    for (const auto& [path, recipe] : asked) {
      expectSame(producer.take(path, recipe), makeThumbnail(path, recipe), path);
    }
    EXPECT_EQ(producer.decodesOnRunThread(), 1) << jobs;
    EXPECT_GE(producer.decodes(), static_cast<int>(asked.size())) << jobs;
  }
}

// The work on one picture runs out of memory on a worker: that picture is unreadable, the others
// come out as ever and the run goes on to the end.
TEST(ParallelProducer, FailedAllocationInAWorkerIsAnUnreadablePicture) {
  std::vector<std::string> paths;
  for (const char* name : {"baseline-420-227x149.jpg", "greyscale-128x128.jpg",
                           "exif-orientation-3-308x410.jpg", "tiny-3x3.jpg"}) {
    paths.push_back(test::jpegCorpus(name).string());
  }
  const std::string& failing = paths[1];
  const std::vector<std::function<void()>> failures{[] { throw std::bad_alloc(); },
                                                    [] { throw OutOfMemoryError(); }};
  for (const auto& fail : failures) {
    ParallelThumbnailProducer producer(2, {},
                                       [&](const std::string& path, const ThumbnailRecipe& recipe) {
                                         if (path == failing) fail();
                                         return makeThumbnail(path, recipe);
                                       });
    producer.expect(paths, kRecipe, ThumbnailProducer::Reuse::kKeepForRun);
    for (const std::string& path : paths) {
      const PictureThumbnail made = producer.take(path, kRecipe);
      if (path == failing) {
        EXPECT_FALSE(made.readable);
        EXPECT_TRUE(made.encoded.empty());
      } else {
        expectSame(made, makeThumbnail(path, kRecipe), path);
      }
    }
    EXPECT_EQ(producer.decodesOnRunThread(), 0);
  }
}

// A window waiting for a slow picture handles its events meanwhile; the picture it gets is the
// one a worker made.
TEST(ParallelProducer, WaitingForASlowPictureLetsTheHostRun) {
  const std::string path = test::jpegCorpus("baseline-420-227x149.jpg").string();
  std::atomic<bool> released{false};
  ParallelThumbnailProducer producer(1, {},
                                     [&](const std::string& file, const ThumbnailRecipe& recipe) {
                                       while (!released) std::this_thread::yield();
                                       return makeThumbnail(file, recipe);
                                     });
  int turns = 0;
  producer.setWhileWaiting([&] {
    if (++turns == 3) released = true;
  });
  producer.expect({path}, kRecipe, ThumbnailProducer::Reuse::kOnce);
  expectSame(producer.take(path, kRecipe), makeThumbnail(path, kRecipe), path);
  EXPECT_GE(turns, 3);
  EXPECT_EQ(producer.decodesOnRunThread(), 0);
}

TEST(ParallelProducer, OutOfOrderRequestIsStillAnswered) {
  const auto paths = corpusPictures();
  ParallelThumbnailProducer producer(2);
  producer.expect(paths, kRecipe, ThumbnailProducer::Reuse::kOnce);
  const std::string& last = paths.back();
  expectSame(producer.take(last, kRecipe), makeThumbnail(last, kRecipe), last);
  expectSame(producer.take(paths[0], kRecipe), makeThumbnail(paths[0], kRecipe), paths[0]);
}

}  // namespace
}  // namespace vok
