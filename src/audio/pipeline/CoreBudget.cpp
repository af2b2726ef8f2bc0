#include "CoreBudget.h"

#include <algorithm>
#include <mutex>
#include <thread>

namespace {
std::mutex Mx;
int JobCount = 0;
int Running = 0;

int Cores() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }
}  // namespace

void TCoreBudget::SetJobs(int jobs) {
  std::lock_guard l(Mx);
  JobCount = std::max(0, jobs);
}

int TCoreBudget::Jobs() {
  std::lock_guard l(Mx);
  return JobCount > 0 ? JobCount : Cores();
}

void TCoreBudget::Enter() {
  std::lock_guard l(Mx);
  ++Running;
}

void TCoreBudget::Leave() {
  std::lock_guard l(Mx);
  --Running;
}

int TCoreBudget::Free() {
  std::lock_guard l(Mx);
  return std::max(0, (JobCount > 0 ? JobCount : Cores()) - Running);
}

bool TCoreBudget::TryTakeHelper() {
  std::lock_guard l(Mx);
  if (Running >= (JobCount > 0 ? JobCount : Cores())) return false;
  ++Running;
  return true;
}

void TCoreBudget::GiveHelper() { Leave(); }
