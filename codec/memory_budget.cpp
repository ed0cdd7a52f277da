#include "codec/memory_budget.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

namespace vok {
namespace {

std::int64_t machineMemory() {
  const long pages = ::sysconf(_SC_PHYS_PAGES);
  const long pageSize = ::sysconf(_SC_PAGESIZE);
  std::int64_t bytes = pages > 0 && pageSize > 0 ? std::int64_t{pages} * pageSize : 0;
  // A container sees the host's memory through sysconf; its own limit is the one that counts.
  std::ifstream limit("/sys/fs/cgroup/memory.max");
  std::string text;
  if (limit >> text && !text.empty() && text.find_first_not_of("0123456789") == std::string::npos) {
    const std::int64_t cgroup = std::stoll(text);
    if (cgroup > 0 && (bytes == 0 || cgroup < bytes)) bytes = cgroup;
  }
  return bytes;
}

}  // namespace

MemoryBudget::Reservation::Reservation(Reservation&& other) noexcept
    : budget_(other.budget_), bytes_(other.bytes_) {
  other.budget_ = nullptr;
  other.bytes_ = 0;
}

MemoryBudget::Reservation& MemoryBudget::Reservation::operator=(Reservation&& other) noexcept {
  if (this != &other) {
    release();
    budget_ = other.budget_;
    bytes_ = other.bytes_;
    other.budget_ = nullptr;
    other.bytes_ = 0;
  }
  return *this;
}

void MemoryBudget::Reservation::release() {
  if (budget_ != nullptr) budget_->giveBack(bytes_);
  budget_ = nullptr;
  bytes_ = 0;
}

MemoryBudget::Reservation MemoryBudget::reserve(std::int64_t bytes) {
  bytes = std::max<std::int64_t>(bytes, 0);
  if (bytes > capacity_) return {};
  std::unique_lock lock(mutex_);
  const std::uint64_t ticket = nextTicket_++;
  ++waiting_;
  changed_.wait(lock, [&] { return ticket == serving_ && free_ >= bytes; });
  --waiting_;
  ++serving_;
  free_ -= bytes;
  lock.unlock();
  changed_.notify_all();  // the next in line may fit too
  return Reservation(this, bytes);
}

int MemoryBudget::waiting() const {
  std::lock_guard lock(mutex_);
  return waiting_;
}

void MemoryBudget::giveBack(std::int64_t bytes) {
  {
    std::lock_guard lock(mutex_);
    free_ += bytes;
  }
  changed_.notify_all();
}

MemoryBudget& decodeMemoryBudget() {
  // Never less than 256 MiB, so that a machine that hides its size still decodes photographs.
  static MemoryBudget budget(std::max<std::int64_t>(machineMemory() / 2, std::int64_t{256} << 20));
  return budget;
}

}  // namespace vok
