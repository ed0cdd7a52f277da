#pragma once

#include <condition_variable>
#include <cstddef>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "convert/file_stamp.h"
#include "convert/kept_thumbnails.h"
#include "convert/thumbnail_producer.h"

namespace vok {

// Makes the thumbnails of the pictures a run is about to ask for on worker threads, a few
// pictures ahead of the run, and hands them out in the run's order. A result is handed out only
// while the file is unchanged since it was read and the recipe is the one asked for; otherwise
// the picture is made again on the spot, exactly as an in-order run would have made it. The
// thumbnails made during the size check are kept (see KeptThumbnails), so that the run that
// follows does not decode the same unchanged picture twice; the workers fetch them ahead as well.
class ParallelThumbnailProducer : public ThumbnailProducer {
 public:
  explicit ParallelThumbnailProducer(int jobs, KeepLimits limits = {});
  ~ParallelThumbnailProducer() override;
  ParallelThumbnailProducer(const ParallelThumbnailProducer&) = delete;
  ParallelThumbnailProducer& operator=(const ParallelThumbnailProducer&) = delete;

  void expect(const std::vector<std::string>& paths, const ThumbnailRecipe& recipe,
              Reuse reuse) override;
  PictureThumbnail take(const std::string& path, const ThumbnailRecipe& recipe) override;

  // How many pictures were decoded, for tests and the benchmark.
  int decodes() const;
  // How many bytes of kept thumbnails are held in memory now, for tests.
  std::size_t keptMemoryBytes() const { return kept_.memoryBytes(); }

 private:
  struct Made {
    std::optional<FileStamp> stamp;  // taken before the file was read
    PictureThumbnail thumbnail;
  };

  void work();
  Made make(const std::string& path, const ThumbnailRecipe& recipe);
  // What was kept for the picture if the file is unchanged, else the picture made anew.
  Made fetch(const std::string& path, const ThumbnailRecipe& recipe);
  PictureThumbnail takeInPlan(std::size_t index, const std::string& path,
                              const ThumbnailRecipe& recipe);
  void keep(const std::string& path, const Made& made, const ThumbnailRecipe& recipe);
  void stopWorkers();

  const int jobs_;
  KeptThumbnails kept_;

  mutable std::mutex mutex_;
  std::condition_variable workAvailable_;
  std::condition_variable resultReady_;
  std::vector<std::thread> workers_;
  bool stopping_ = false;

  // The current plan: what to make, how far the workers got, how far the run took.
  std::vector<std::string> plan_;
  ThumbnailRecipe recipe_;
  std::size_t nextToStart_ = 0;
  std::size_t nextToTake_ = 0;
  std::map<std::size_t, Made> ready_;
  int generation_ = 0;
  int decodes_ = 0;

  // Only touched by the run's thread.
  Reuse reuse_ = Reuse::kOnce;
};

}  // namespace vok
