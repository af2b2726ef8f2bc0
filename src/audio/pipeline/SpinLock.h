#pragma once
#include <atomic>

// The byte spin lock the pipeline holds around each read from its input.
class TSpinLock {
 public:
  void Lock() {
    while (Flag_.test_and_set(std::memory_order_acquire)) Flag_.wait(true, std::memory_order_relaxed);
  }
  void Unlock() {
    Flag_.clear(std::memory_order_release);
    Flag_.notify_one();
  }
  bool IsLocked() const { return Flag_.test(std::memory_order_relaxed); }

 private:
  std::atomic_flag Flag_;
};

class TSpinGuard {
 public:
  explicit TSpinGuard(TSpinLock& lock) : Lock_(lock) { Lock_.Lock(); }
  ~TSpinGuard() { Lock_.Unlock(); }
  TSpinGuard(const TSpinGuard&) = delete;
  TSpinGuard& operator=(const TSpinGuard&) = delete;

 private:
  TSpinLock& Lock_;
};
