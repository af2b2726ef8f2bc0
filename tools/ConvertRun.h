#pragma once
#include <QEventLoop>
#include <QString>
#include <memory>
#include <vector>

#include "ConvertInputs.h"

class QCoreApplication;
class QElapsedTimer;
class TConversionEngine;
class TFolderWatch;
struct TConvertOptions;
struct TConvertResult;
struct TTask;

// One run of the command line: reads its inputs (and, watching a folder, what
// appears there), converts them, and prints each file's end and a summary.
class TConvertRun {
 public:
  TConvertRun(const TConvertOptions& options, const QString& outDir);
  ~TConvertRun();

  // Reads the inputs given, or those of the watched folder once it is watched;
  // false when it cannot be.
  bool ReadInputs();
  // Prints what would be written, where and how; the exit status.
  int PrintPlan();
  // Converts what was read, and what comes while watching, until done or
  // interrupted; prints the summary and gives the exit status.
  int Convert(QCoreApplication& app, const QElapsedTimer& clock);

 private:
  bool MakeEngine();
  // The running file's percentage on a terminal.
  void ShowProgress();
  void TellEnd(int index, const TConvertResult& result);
  void TellNote(int index, const QString& note);
  // A signal ends the running conversions and discards their files; no new one starts.
  void StopOnSignal(QCoreApplication& app);
  void FollowWatch();
  void PrintSummary(qint64 elapsedMs) const;

  const TConvertOptions& O_;
  TConvertInputs Inputs_;
  std::vector<TTask*> Tasks_;
  std::unique_ptr<TFolderWatch> Watch_;
  std::unique_ptr<TConversionEngine> Engine_;
  QEventLoop Loop_;
  const QString OutDir_;
  const bool Watching_;
  const bool Terminal_;
  bool Interrupted_ = false;
  bool Trashing_ = false;
  int Failed_ = 0, Converted_ = 0, Skipped_ = 0, Trashed_ = 0;
};
