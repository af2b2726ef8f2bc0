#include "RunClock.h"

#include <algorithm>
#include <chrono>

void TRunClock::Start(std::int64_t now) {
  Start_ = now;
  PausedFor_ = 0;
  PausedAt_ = -1;
}

void TRunClock::Pause(std::int64_t now) {
  if (!Paused()) PausedAt_ = now;
}

void TRunClock::Resume(std::int64_t now) {
  if (!Paused()) return;
  PausedFor_ += std::max<std::int64_t>(now - PausedAt_, 0);
  PausedAt_ = -1;
}

std::int64_t TRunClock::Elapsed(std::int64_t now) const {
  const std::int64_t end = Paused() ? PausedAt_ : now;
  return std::max<std::int64_t>(end - Start_ - PausedFor_, 0);
}

std::int64_t TRunClock::Remaining(std::int64_t elapsed, std::int64_t done, std::int64_t total) {
  if (done <= 0 || total <= done) return 0;
  return static_cast<std::int64_t>(double(elapsed) / double(done) * double(total - done));
}

std::int64_t TRunClock::SteadyMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
