#pragma once
#include <cstdint>

// The time a run has spent converting. Stretches spent paused are left out, so
// the pace of the run, and the time left that it gives, are those of the work.
// Times are milliseconds on any steady clock the caller reads.
class TRunClock {
 public:
  void Start(std::int64_t now);
  void Pause(std::int64_t now);
  void Resume(std::int64_t now);
  bool Paused() const { return PausedAt_ >= 0; }
  std::int64_t Elapsed(std::int64_t now) const;

  // What is left of `total` after `done` (any one unit), at the pace `elapsed`
  // took for `done`; 0 before any progress.
  static std::int64_t Remaining(std::int64_t elapsed, std::int64_t done, std::int64_t total);
  // The real steady clock in milliseconds, from an arbitrary start: what the
  // progress window reads unless a test gives it another.
  static std::int64_t SteadyMs();

 private:
  std::int64_t Start_ = 0;
  std::int64_t PausedFor_ = 0;
  std::int64_t PausedAt_ = -1;
};
