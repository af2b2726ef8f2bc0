#include "RunProgress.h"

#include <algorithm>

#include "DoString.h"
#include "Lang.h"
#include "RunClock.h"
#include "Task.h"

void TRunProgress::Begin(const std::vector<TTask*>& tasks) {
  Tasks_ = &tasks;
  Total_ = 0;
  for (const TTask* task : tasks) Total_ += Work(*task);
  Done_ = 0;
  Checking_ = 0;
  CheckingTasks_.clear();
}

qint64 TRunProgress::Audio(const TTask& task) { return std::max<qint64>(task.Duration, 0); }

qint64 TRunProgress::Work(const TTask& task) { return Audio(task) + FileWork; }

void TRunProgress::Written(int index) {
  Checking_ += Audio(*(*Tasks_)[index]);
  CheckingTasks_.insert(index);
}

void TRunProgress::Ended(int index) {
  // A task whose input never opened still counts its share as done, so the total
  // bar and the remaining time stay right for the rest of the run.
  Done_ += Work(*(*Tasks_)[index]);
  if (CheckingTasks_.remove(index)) Checking_ -= Audio(*(*Tasks_)[index]);
}

qint64 TRunProgress::Done(const std::vector<TConversionEngine::TJobView>& jobs) const {
  // Only the audio of tasks of known length counts while it converts; each
  // task's share for opening and finishing counts when it ends.
  qint64 running = Checking_;
  for (const auto& j : jobs) {
    const qint64 length = (*Tasks_)[j.Index]->Duration;
    if (j.Reading && length > 0) running += std::min<qint64>(j.Delivered, length);
  }
  return std::min(Done_ + running, Total_);
}

int TRunProgress::Percent(qint64 done) const { return Total_ > 0 ? static_cast<int>(done * 100 / Total_) : 0; }

QString TRunProgress::TimeLine(qint64 elapsedMs, qint64 done) const {
  if (Total_ <= 0 || elapsedMs < EstimateAfterMs || done * 100 < Total_ * EstimateAfterPercent) return {};
  // The remaining time is that of the work the bar shows undone, at the pace so far.
  const qint64 remainingMs = TRunClock::Remaining(elapsedMs, done, Total_);
  return QString(lang::TimeElapsed) + ": " + ClockText(elapsedMs * 10000) + ", " + lang::Remained + ": " +
         lang::AboutWord + " " + ClockText(remainingMs * 10000);
}
