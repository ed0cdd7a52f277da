#include "convert/parallel_thumbnail_producer.h"

namespace vok {
namespace {

// A worker may be this many pictures ahead of the run, on top of one picture each: enough to
// keep every core busy while the run writes files, few enough to bound the memory in flight.
constexpr std::size_t kSpareAhead = 2;

}  // namespace

ParallelThumbnailProducer::ParallelThumbnailProducer(int jobs, KeepLimits limits)
    : jobs_(jobs < 1 ? 1 : jobs), kept_(std::move(limits)) {
  for (int i = 0; i < jobs_; ++i) workers_.emplace_back([this] { work(); });
}

ParallelThumbnailProducer::~ParallelThumbnailProducer() {
  stopWorkers();
}

void ParallelThumbnailProducer::stopWorkers() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  workAvailable_.notify_all();
  for (std::thread& worker : workers_) worker.join();
  workers_.clear();
}

int ParallelThumbnailProducer::decodes() const {
  std::lock_guard lock(mutex_);
  return decodes_;
}

void ParallelThumbnailProducer::expect(const std::vector<std::string>& paths,
                                       const ThumbnailRecipe& recipe, Reuse reuse) {
  reuse_ = reuse;
  {
    std::lock_guard lock(mutex_);
    ++generation_;  // results of an earlier plan still being made are dropped
    plan_ = paths;
    recipe_ = recipe;
    nextToStart_ = 0;
    nextToTake_ = 0;
    ready_.clear();
  }
  // What the new plan does not hold would never be taken.
  kept_.keepOnly(paths);
  workAvailable_.notify_all();
}

void ParallelThumbnailProducer::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    workAvailable_.wait(lock, [this] {
      return stopping_ ||
             (nextToStart_ < plan_.size() &&
              nextToStart_ < nextToTake_ + static_cast<std::size_t>(jobs_) + kSpareAhead);
    });
    if (stopping_) return;
    const std::size_t index = nextToStart_++;
    const int generation = generation_;
    const std::string path = plan_[index];
    const ThumbnailRecipe recipe = recipe_;

    lock.unlock();
    Made made = fetch(path, recipe);
    lock.lock();

    if (generation == generation_) {
      ready_.emplace(index, std::move(made));
      resultReady_.notify_all();
    }
  }
}

ParallelThumbnailProducer::Made ParallelThumbnailProducer::make(const std::string& path,
                                                                const ThumbnailRecipe& recipe) {
  Made made;
  // Stamped before reading: a change during or after the read shows as a different stamp.
  made.stamp = stampOf(path);
  made.thumbnail = makeThumbnail(path, recipe);
  std::lock_guard lock(mutex_);
  ++decodes_;
  return made;
}

ParallelThumbnailProducer::Made ParallelThumbnailProducer::fetch(const std::string& path,
                                                                 const ThumbnailRecipe& recipe) {
  if (auto kept = kept_.take(path, recipe)) {
    if (stampOf(path) == kept->stamp) return Made{kept->stamp, std::move(kept->thumbnail)};
  }
  return make(path, recipe);
}

PictureThumbnail ParallelThumbnailProducer::take(const std::string& path,
                                                 const ThumbnailRecipe& recipe) {
  std::optional<std::size_t> index;
  {
    std::lock_guard lock(mutex_);
    if (nextToTake_ < plan_.size() && plan_[nextToTake_] == path && recipe == recipe_) {
      index = nextToTake_;
    }
  }
  if (index) return takeInPlan(*index, path, recipe);

  // Asked out of the expected order (the selection changed): fetch it here and now.
  Made made = fetch(path, recipe);
  keep(path, made, recipe);
  return std::move(made.thumbnail);
}

PictureThumbnail ParallelThumbnailProducer::takeInPlan(std::size_t index, const std::string& path,
                                                       const ThumbnailRecipe& recipe) {
  std::optional<Made> made;
  {
    std::unique_lock lock(mutex_);
    resultReady_.wait(lock, [&] { return ready_.count(index) > 0; });
    made = std::move(ready_.at(index));
    ready_.erase(index);
    ++nextToTake_;
  }
  workAvailable_.notify_all();

  // A file that changed after it was read ahead is read again now, as an in-order run would.
  if (!made->stamp || stampOf(path) != made->stamp) made = make(path, recipe);
  keep(path, *made, recipe);
  return std::move(made->thumbnail);
}

void ParallelThumbnailProducer::keep(const std::string& path, const Made& made,
                                     const ThumbnailRecipe& recipe) {
  if (reuse_ != Reuse::kKeepForRun || !made.stamp) return;
  kept_.keep(path, *made.stamp, recipe, made.thumbnail);
}

}  // namespace vok
