#include "codec/memory_budget.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace vok {
namespace {

TEST(MemoryBudget, ReservationsShareTheCapacityAndGiveItBack) {
  MemoryBudget budget(100);
  MemoryBudget::Reservation a = budget.reserve(60);
  MemoryBudget::Reservation b = budget.reserve(40);
  EXPECT_TRUE(a.holds() && b.holds());
  b.release();
  EXPECT_FALSE(b.holds());
  EXPECT_TRUE(budget.reserve(40).holds());  // what b gave back
}

TEST(MemoryBudget, ANeedThatCanNeverFitFailsAtOnce) {
  MemoryBudget budget(100);
  MemoryBudget::Reservation held = budget.reserve(100);
  // Even while the budget is taken: waiting would never help.
  EXPECT_FALSE(budget.reserve(101).holds());
  EXPECT_EQ(budget.waiting(), 0);
}

TEST(MemoryBudget, ASecondLargeNeedWaitsUntilTheFirstIsReleased) {
  MemoryBudget budget(100);
  MemoryBudget::Reservation first = budget.reserve(60);
  std::atomic<bool> secondHeld = false;
  std::thread second([&] {
    MemoryBudget::Reservation reservation = budget.reserve(60);
    secondHeld = reservation.holds();
  });
  while (budget.waiting() == 0) std::this_thread::yield();
  EXPECT_FALSE(secondHeld);
  first.release();
  second.join();
  EXPECT_TRUE(secondHeld);
  EXPECT_TRUE(budget.reserve(100).holds()) << "the second gave its share back too";
}

TEST(MemoryBudget, TheProcessBudgetCanHoldALargePhotograph) {
  EXPECT_GE(decodeMemoryBudget().capacity(), std::int64_t{256} << 20);
}

}  // namespace
}  // namespace vok
