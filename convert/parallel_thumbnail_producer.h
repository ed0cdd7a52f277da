#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <vector>

#include "convert/file_stamp.h"
#include "convert/kept_thumbnails.h"
#include "convert/thumbnail_producer.h"

namespace vok {

// Makes the thumbnails of the pictures a run is about to ask for on worker threads, a few
// pictures ahead of the run, and hands them out as the run asks. The run may leave the expected
// order (the selection changed while it goes on): a picture of the plan is then still made by the
// workers, and they go on ahead from it; only a picture outside the plan is made on the run's
// thread. A result is handed out only while the file is unchanged since it was read and the recipe
// is the one asked for; otherwise the picture is made again on the spot, exactly as an in-order
// run would have made it. A failure of the work on one picture, running out of memory included,
// is an unreadable result for that picture. The thumbnails made during the size check are kept
// (see KeptThumbnails), so that the run that follows does not decode the same unchanged picture
// twice; the workers fetch them ahead as well.
class ParallelThumbnailProducer : public ThumbnailProducer {
 public:
  // The work on one picture; tests put a failing one in.
  using MakeThumbnail =
      std::function<PictureThumbnail(const std::string& path, const ThumbnailRecipe& recipe)>;

  explicit ParallelThumbnailProducer(
      int jobs, KeepLimits limits = {},
      MakeThumbnail make =
          static_cast<PictureThumbnail (*)(const std::string&, const ThumbnailRecipe&)>(
              makeThumbnail));
  ~ParallelThumbnailProducer() override;
  ParallelThumbnailProducer(const ParallelThumbnailProducer&) = delete;
  ParallelThumbnailProducer& operator=(const ParallelThumbnailProducer&) = delete;

  void expect(const std::vector<std::string>& paths, const ThumbnailRecipe& recipe,
              Reuse reuse) override;
  PictureThumbnail take(const std::string& path, const ThumbnailRecipe& recipe) override;
  // Called on the run's thread every few milliseconds while take() waits for a worker, so that
  // a window stays live while a large picture is being decoded.
  void setWhileWaiting(std::function<void()> whileWaiting) {
    whileWaiting_ = std::move(whileWaiting);
  }

  // How many pictures were decoded, for tests and the benchmark.
  int decodes() const;
  // How many of them on the run's thread instead of a worker, for tests.
  int decodesOnRunThread() const;
  // How many bytes of kept thumbnails are held in memory now, for tests.
  std::size_t keptMemoryBytes() const { return kept_.memoryBytes(); }

 private:
  struct Made {
    std::optional<FileStamp> stamp;  // taken before the file was read
    PictureThumbnail thumbnail;
  };
  enum class State { kWaiting, kMaking, kReady, kTaken };
  struct Slot {
    State state = State::kWaiting;
    // When ready. Held apart: a result carries a whole raster, and a plan has a slot for every
    // picture of the folder.
    std::unique_ptr<Made> made;
  };

  void work();
  bool startable();
  void finish(std::size_t index, int generation, Made made);
  Made make(const std::string& path, const ThumbnailRecipe& recipe, bool onRunThread);
  // What was kept for the picture if the file is unchanged, else the picture made anew.
  Made fetch(const std::string& path, const ThumbnailRecipe& recipe, bool onRunThread);
  std::optional<std::size_t> findInPlan(const std::string& path) const;
  void moveTo(std::size_t index);
  void replan(const ThumbnailRecipe& recipe);
  PictureThumbnail takeInPlan(std::size_t index, const std::string& path,
                              const ThumbnailRecipe& recipe);
  void keep(const std::string& path, const Made& made, const ThumbnailRecipe& recipe);
  void stopWorkers();

  const int jobs_;
  const MakeThumbnail make_;
  KeptThumbnails kept_;

  mutable std::mutex mutex_;
  std::condition_variable workAvailable_;
  std::condition_variable resultReady_;
  std::vector<std::thread> workers_;
  bool stopping_ = false;

  // The current plan: what to make and how far each picture got. The run is expected to ask for
  // the picture at `cursor_` next; the workers make the first waiting ones from there on.
  std::shared_ptr<const std::vector<std::string>> plan_;
  ThumbnailRecipe recipe_;
  std::vector<Slot> slots_;
  std::size_t cursor_ = 0;
  std::size_t nextToStart_ = 0;  // no picture from `cursor_` up to here is waiting
  std::size_t making_ = 0;       // pictures on the workers, of any plan
  std::size_t ready_ = 0;        // results of this plan not taken
  int generation_ = 0;
  int decodes_ = 0;
  int decodesOnRunThread_ = 0;

  // Only touched by the run's thread. The keys point into `*plan_`.
  std::unordered_multimap<std::string_view, std::size_t> positions_;
  Reuse reuse_ = Reuse::kOnce;
  std::function<void()> whileWaiting_;
};

}  // namespace vok
