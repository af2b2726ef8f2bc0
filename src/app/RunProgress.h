#pragma once
#include <QSet>
#include <QString>
#include <QtGlobal>
#include <vector>

#include "ConversionEngine.h"

struct TTask;

// How far a run of the progress window has come: its work, the part done, and
// the time line that extrapolates the pace so far.
class TRunProgress {
 public:
  // Sets up for a run over `tasks`, which stay the caller's.
  void Begin(const std::vector<TTask*>& tasks);
  // The MP3 of the task at `index` is written and being checked: its audio is done.
  void Written(int index);
  // The task at `index` has ended, converted or not: its whole share is done.
  void Ended(int index);
  // The work done, with what the running `jobs` have read, up to the total.
  qint64 Done(const std::vector<TConversionEngine::TJobView>& jobs) const;
  // The part of the run `done` is, 0 to 100.
  int Percent(qint64 done) const;
  // "Time elapsed ..., remained about ...", once the run has gone long enough and
  // far enough for its pace to be worth extrapolating; empty before.
  QString TimeLine(qint64 elapsedMs, qint64 done) const;

  // A task's share of the run's work: its audio, and for its opening, tags and
  // check about what converting a second of audio costs, so that files of
  // unknown length and runs of short files move the total bar too.
  static qint64 Work(const TTask& task);
  static constexpr qint64 FileWork = 10000000;
  // The time line waits for a pace worth extrapolating.
  static constexpr qint64 EstimateAfterMs = 3000;
  static constexpr qint64 EstimateAfterPercent = 2;

 private:
  static qint64 Audio(const TTask& task);

  const std::vector<TTask*>* Tasks_ = nullptr;
  // The run's work and the part of it done, in 100-ns units of audio (see Work).
  qint64 Total_ = 0;
  qint64 Done_ = 0;
  qint64 Checking_ = 0;  // the audio of the files written and being checked
  QSet<int> CheckingTasks_;
};
