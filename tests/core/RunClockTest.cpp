#include <gtest/gtest.h>
#include <chrono>
#include <cstdint>
#include <thread>
#include <time.h>

#include "RunClock.h"

namespace {

// The system's monotonic clock in milliseconds, read without the clock under test.
std::int64_t ReferenceMs() {
  timespec ts {};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return std::int64_t(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

}  // namespace

// The real clock keeps time with the system's: over a quarter of a second its
// count lies between the reference's readings taken just inside and just
// outside its own, however busy the machine (a millisecond either way for the
// rounding of each).
TEST(RunClockTest, TheRealClockCountsMilliseconds) {
  const std::int64_t outerStart = ReferenceMs();
  const std::int64_t start = TRunClock::SteadyMs();
  const std::int64_t innerStart = ReferenceMs();
  // Time passing is what is measured here: nothing to wait for but the clock.
  std::this_thread::sleep_for(std::chrono::milliseconds(250));
  const std::int64_t innerEnd = ReferenceMs();
  const std::int64_t end = TRunClock::SteadyMs();
  const std::int64_t outerEnd = ReferenceMs();
  EXPECT_GE(end - start, innerEnd - innerStart - 2);
  EXPECT_LE(end - start, outerEnd - outerStart + 2);
}

// The pauses are left out of the run's time, and the remaining time follows
// the pace so far.
TEST(RunClockTest, PausesAreLeftOutOfTheRunsTime) {
  TRunClock clock;
  clock.Start(1000);
  clock.Pause(1400);
  EXPECT_EQ(clock.Elapsed(5000), 400);
  clock.Resume(2400);
  EXPECT_EQ(clock.Elapsed(3000), 1000);
  EXPECT_EQ(TRunClock::Remaining(1000, 25, 100), 3000);
}
