#include "convert/parallel_thumbnail_producer.h"

#include <algorithm>
#include <chrono>
#include <new>
#include <utility>

namespace vok {

namespace {

// How long the run's thread waits for a worker before it lets its host handle events.
constexpr std::chrono::milliseconds kWaitingTurn{20};

}  // namespace
namespace {

// Pictures may be made this many ahead of the run, on top of one per worker: enough to keep every
// core busy while the run writes files, few enough to bound the memory in flight.
constexpr std::size_t kSpareAhead = 2;

PictureThumbnail unreadable(const std::exception& error) noexcept {
  PictureThumbnail result;
  try {
    result.failure = error.what();
  } catch (const std::bad_alloc&) {
    // The reason is only a nicety; the picture is unreadable all the same.
  }
  return result;
}

}  // namespace

ParallelThumbnailProducer::ParallelThumbnailProducer(int jobs, KeepLimits limits,
                                                     MakeThumbnail make)
    : jobs_(jobs < 1 ? 1 : jobs),
      make_(std::move(make)),
      kept_(std::move(limits)),
      plan_(std::make_shared<const std::vector<std::string>>()) {
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

int ParallelThumbnailProducer::decodesOnRunThread() const {
  std::lock_guard lock(mutex_);
  return decodesOnRunThread_;
}

void ParallelThumbnailProducer::expect(const std::vector<std::string>& paths,
                                       const ThumbnailRecipe& recipe, Reuse reuse) {
  std::shared_ptr<const std::vector<std::string>> plan =
      std::make_shared<const std::vector<std::string>>(paths);
  std::unordered_multimap<std::string_view, std::size_t> positions;
  positions.reserve(plan->size());
  for (std::size_t i = 0; i < plan->size(); ++i) positions.emplace((*plan)[i], i);
  std::vector<Slot> slots(plan->size());
  reuse_ = reuse;
  {
    std::lock_guard lock(mutex_);
    ++generation_;  // results of an earlier plan still being made are dropped
    plan_.swap(plan);
    recipe_ = recipe;
    slots_.swap(slots);
    cursor_ = 0;
    nextToStart_ = 0;
    ready_ = 0;
  }
  positions_.swap(positions);
  // What the new plan does not hold would never be taken.
  kept_.keepOnly(paths);
  workAvailable_.notify_all();
}

bool ParallelThumbnailProducer::startable() {
  while (nextToStart_ < slots_.size() && slots_[nextToStart_].state != State::kWaiting) {
    ++nextToStart_;
  }
  if (nextToStart_ >= slots_.size()) return false;
  // The picture the run waits for is started whatever is ahead of it.
  return nextToStart_ == cursor_ ||
         making_ + ready_ < static_cast<std::size_t>(jobs_) + kSpareAhead;
}

void ParallelThumbnailProducer::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    workAvailable_.wait(lock, [this] { return stopping_ || startable(); });
    if (stopping_) return;
    const std::size_t index = nextToStart_++;
    slots_[index].state = State::kMaking;
    ++making_;
    const int generation = generation_;
    const std::shared_ptr<const std::vector<std::string>> plan = plan_;
    const ThumbnailRecipe recipe = recipe_;

    lock.unlock();
    Made made = fetch((*plan)[index], recipe, false);
    lock.lock();
    finish(index, generation, std::move(made));
  }
}

void ParallelThumbnailProducer::finish(std::size_t index, int generation, Made made) {
  --making_;
  if (generation != generation_) return;  // made for a plan or recipe given up since
  Slot& slot = slots_[index];
  if (index < cursor_) {
    slot.state = State::kWaiting;  // the run went past it; made again if asked after all
    return;
  }
  slot.made = std::make_unique<Made>(std::move(made));
  slot.state = State::kReady;
  ++ready_;
  resultReady_.notify_all();
}

ParallelThumbnailProducer::Made ParallelThumbnailProducer::make(const std::string& path,
                                                                const ThumbnailRecipe& recipe,
                                                                bool onRunThread) {
  Made made;
  // Stamped before reading: a change during or after the read shows as a different stamp.
  made.stamp = stampOf(path);
  try {
    made.thumbnail = make_(path, recipe);
  } catch (const std::exception& error) {
    // Running out of memory on one picture makes it unreadable, like any file that fails.
    made.thumbnail = unreadable(error);
  }
  std::lock_guard lock(mutex_);
  ++decodes_;
  if (onRunThread) ++decodesOnRunThread_;
  return made;
}

ParallelThumbnailProducer::Made ParallelThumbnailProducer::fetch(const std::string& path,
                                                                 const ThumbnailRecipe& recipe,
                                                                 bool onRunThread) {
  try {
    if (auto kept = kept_.take(path, recipe)) {
      if (stampOf(path) == kept->stamp) return Made{kept->stamp, std::move(kept->thumbnail)};
    }
  } catch (const std::exception&) {
    // Nothing kept to use: the picture is made anew.
  }
  return make(path, recipe, onRunThread);
}

std::optional<std::size_t> ParallelThumbnailProducer::findInPlan(const std::string& path) const {
  const std::vector<std::string>& plan = *plan_;
  if (cursor_ < plan.size() && slots_[cursor_].state != State::kTaken && plan[cursor_] == path) {
    return cursor_;
  }
  // The path may be in the plan more than once: the first one from the cursor on, else the first.
  std::optional<std::size_t> found;
  const auto rank = [this](std::size_t index) { return std::pair(index < cursor_, index); };
  const auto [first, last] = positions_.equal_range(path);
  for (auto position = first; position != last; ++position) {
    const std::size_t index = position->second;
    if (slots_[index].state == State::kTaken) continue;
    if (!found || rank(index) < rank(*found)) found = index;
  }
  return found;
}

void ParallelThumbnailProducer::moveTo(std::size_t index) {
  if (index == cursor_) return;
  // The results the run skipped are dropped, so that the memory ahead stays bounded.
  for (std::size_t skipped = cursor_; skipped < index; ++skipped) {
    Slot& slot = slots_[skipped];
    if (slot.state != State::kReady) continue;
    slot.made.reset();
    slot.state = State::kWaiting;
    --ready_;
  }
  cursor_ = index;
  nextToStart_ = index;
}

void ParallelThumbnailProducer::replan(const ThumbnailRecipe& recipe) {
  ++generation_;
  recipe_ = recipe;
  for (Slot& slot : slots_) {
    if (slot.state == State::kTaken) continue;
    slot.made.reset();
    slot.state = State::kWaiting;
  }
  ready_ = 0;
  nextToStart_ = cursor_;
}

PictureThumbnail ParallelThumbnailProducer::take(const std::string& path,
                                                 const ThumbnailRecipe& recipe) {
  std::optional<std::size_t> index;
  {
    std::lock_guard lock(mutex_);
    // Another box asked for (the size fields changed): the rest of the plan is made for it.
    if (!(recipe == recipe_)) replan(recipe);
    // Asked out of the expected order (the selection changed): the workers go on from there.
    index = findInPlan(path);
    if (index) moveTo(*index);
  }
  workAvailable_.notify_all();
  if (index) return takeInPlan(*index, path, recipe);

  // Not in the plan (selected since, or asked again): made here and now.
  Made made = fetch(path, recipe, true);
  keep(path, made, recipe);
  return std::move(made.thumbnail);
}

PictureThumbnail ParallelThumbnailProducer::takeInPlan(std::size_t index, const std::string& path,
                                                       const ThumbnailRecipe& recipe) {
  std::unique_ptr<Made> made;
  {
    std::unique_lock lock(mutex_);
    const auto ready = [&] { return slots_[index].state == State::kReady; };
    if (!whileWaiting_) {
      resultReady_.wait(lock, ready);
    } else {
      while (!resultReady_.wait_for(lock, kWaitingTurn, ready)) {
        lock.unlock();
        whileWaiting_();
        lock.lock();
      }
    }
    Slot& slot = slots_[index];
    made = std::move(slot.made);
    slot.made.reset();
    slot.state = State::kTaken;
    --ready_;
    cursor_ = index + 1;
    nextToStart_ = std::max(nextToStart_, cursor_);
  }
  workAvailable_.notify_all();

  // A file that changed after it was read ahead is read again now, as an in-order run would.
  if (!made->stamp || stampOf(path) != made->stamp) *made = make(path, recipe, true);
  keep(path, *made, recipe);
  return std::move(made->thumbnail);
}

void ParallelThumbnailProducer::keep(const std::string& path, const Made& made,
                                     const ThumbnailRecipe& recipe) {
  if (reuse_ != Reuse::kKeepForRun || !made.stamp) return;
  try {
    kept_.keep(path, *made.stamp, recipe, made.thumbnail);
  } catch (const std::bad_alloc&) {
    // Keeping only saves a decode: the picture is made again when asked.
  }
}

}  // namespace vok
