#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace vok {

// Memory shared by every decode of the process. A decode reserves its whole need at once before
// it starts, so a decode never holds part of the budget while it waits for more, and decodes
// running side by side never ask for more than there is. Waiters are served in the order they
// asked, so a large need is not starved by a stream of small ones.
class MemoryBudget {
 public:
  // Gives its bytes back to the budget when it goes.
  class Reservation {
   public:
    Reservation() = default;
    ~Reservation() { release(); }
    Reservation(Reservation&& other) noexcept;
    Reservation& operator=(Reservation&& other) noexcept;
    Reservation(const Reservation&) = delete;
    Reservation& operator=(const Reservation&) = delete;

    bool holds() const { return budget_ != nullptr; }
    std::int64_t bytes() const { return bytes_; }
    void release();

   private:
    friend class MemoryBudget;
    Reservation(MemoryBudget* budget, std::int64_t bytes) : budget_(budget), bytes_(bytes) {}
    MemoryBudget* budget_ = nullptr;
    std::int64_t bytes_ = 0;
  };

  explicit MemoryBudget(std::int64_t capacity) : capacity_(capacity), free_(capacity) {}
  MemoryBudget(const MemoryBudget&) = delete;
  MemoryBudget& operator=(const MemoryBudget&) = delete;

  std::int64_t capacity() const { return capacity_; }
  // Waits until `bytes` are free. A need larger than the whole budget can never be met: it gets
  // an empty reservation at once.
  Reservation reserve(std::int64_t bytes);
  // How many callers are waiting, for tests.
  int waiting() const;

 private:
  void giveBack(std::int64_t bytes);

  const std::int64_t capacity_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::int64_t free_;
  std::uint64_t nextTicket_ = 0;
  std::uint64_t serving_ = 0;
  int waiting_ = 0;
};

// The budget of every decode in this process: half of the memory the machine (or the control
// group the process runs in) has, so that the pictures being decoded never push the rest of the
// system into swapping; the other half is left to everything else.
MemoryBudget& decodeMemoryBudget();

}  // namespace vok
