#include "convert/parallel_thumbnail_producer.h"

namespace vok {
namespace {

// A worker may be this many pictures ahead of the run, on top of one picture each: enough to
// keep every core busy while the run writes files, few enough to bound the memory in flight.
constexpr std::size_t kSpareAhead = 2;

std::size_t keptSize(const PictureThumbnail& thumbnail) {
  return thumbnail.canvas.pixels().size() + thumbnail.encoded.size();
}

}  // namespace

ParallelThumbnailProducer::ParallelThumbnailProducer(int jobs, std::size_t keptBytesLimit)
    : jobs_(jobs < 1 ? 1 : jobs), keptBytesLimit_(keptBytesLimit) {
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
  std::vector<bool> needsWork(paths.size(), true);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    const auto kept = kept_.find(paths[i]);
    needsWork[i] = kept == kept_.end() || !(kept->second.recipe == recipe);
  }
  {
    std::lock_guard lock(mutex_);
    ++generation_;  // results of an earlier plan still being made are dropped
    plan_ = paths;
    recipe_ = recipe;
    needsWork_ = std::move(needsWork);
    nextToStart_ = 0;
    nextToTake_ = 0;
    ready_.clear();
  }
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
    if (!needsWork_[index]) continue;
    const int generation = generation_;
    const std::string path = plan_[index];
    const ThumbnailRecipe recipe = recipe_;

    lock.unlock();
    Made made = make(path, recipe);
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

PictureThumbnail ParallelThumbnailProducer::take(const std::string& path,
                                                 const ThumbnailRecipe& recipe) {
  std::optional<std::size_t> index;
  {
    std::lock_guard lock(mutex_);
    if (nextToTake_ < plan_.size() && plan_[nextToTake_] == path && recipe == recipe_) {
      index = nextToTake_;
    }
  }
  if (auto kept = takeKept(path, recipe)) {
    if (index) {
      std::lock_guard lock(mutex_);
      ready_.erase(*index);
      ++nextToTake_;
    }
    workAvailable_.notify_all();
    return std::move(*kept);
  }
  if (index) return takeInPlan(*index, path, recipe);

  // Asked out of the expected order (the selection changed): make it here and now.
  Made made = make(path, recipe);
  keep(path, made, recipe);
  return std::move(made.thumbnail);
}

PictureThumbnail ParallelThumbnailProducer::takeInPlan(std::size_t index, const std::string& path,
                                                       const ThumbnailRecipe& recipe) {
  std::optional<Made> made;
  {
    std::unique_lock lock(mutex_);
    if (needsWork_[index]) {
      resultReady_.wait(lock, [&] { return ready_.count(index) > 0; });
      made = std::move(ready_.at(index));
      ready_.erase(index);
    }
    ++nextToTake_;
  }
  workAvailable_.notify_all();

  // A file that changed after it was read ahead is read again now, as an in-order run would.
  if (!made || !made->stamp || stampOf(path) != made->stamp) made = make(path, recipe);
  keep(path, *made, recipe);
  return std::move(made->thumbnail);
}

std::optional<PictureThumbnail> ParallelThumbnailProducer::takeKept(const std::string& path,
                                                                    const ThumbnailRecipe& recipe) {
  const auto found = kept_.find(path);
  if (found == kept_.end()) return std::nullopt;
  Kept kept = std::move(found->second);
  kept_.erase(found);
  keptBytes_ -= keptSize(kept.thumbnail);
  if (!(kept.recipe == recipe) || stampOf(path) != kept.stamp) return std::nullopt;
  return std::move(kept.thumbnail);
}

void ParallelThumbnailProducer::keep(const std::string& path, const Made& made,
                                     const ThumbnailRecipe& recipe) {
  if (reuse_ != Reuse::kKeepForRun || !made.stamp || !made.thumbnail.readable) return;
  const std::size_t bytes = keptSize(made.thumbnail);
  if (keptBytes_ + bytes > keptBytesLimit_) return;
  if (auto old = kept_.find(path); old != kept_.end())
    keptBytes_ -= keptSize(old->second.thumbnail);
  kept_.insert_or_assign(path, Kept{*made.stamp, recipe, made.thumbnail});
  keptBytes_ += bytes;
}

}  // namespace vok
