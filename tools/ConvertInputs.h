#pragma once
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

#include "DefaultSettings.h"
#include "TaskReader.h"

struct TConvertOptions;
struct TTask;

// Says on standard error what became of `file`, named as the user's own bytes,
// to be copied into the next command.
void ReportFile(const QString& file, const QString& why);

// Reads the command line's inputs into the task list with the saved defaults,
// the options over them, each with its output name.
class TConvertInputs {
 public:
  TConvertInputs(const TConvertOptions& o, const QString& outDir);

  const TDefaultSettings& Settings() const { return Settings_; }

  // Reads the files given and every audio file under the folders given, those of
  // the share asked for only; the tasks in the order given, or found.
  void AddPaths(const QStringList& paths, std::vector<TTask*>& tasks, int& failed);
  // Reads `files` on one reader per core; the tasks in the order given.
  void AddAll(std::vector<TReadRequest> files, std::vector<TTask*>& tasks, int& failed);
  // A task for `file` (an earlier one of the same file is used again), or null
  // when it cannot be used; `quietIfGone` says nothing of a file that is gone.
  TTask* Add(const QString& file, const QString& subFolder, bool quietIfGone = false);
  // Another share's files are not read at all: on a shared library each machine reads only its own.
  bool InShare(const QString& path, const QString& subFolder) const;

  // The name the user gave for a task's input.
  QString Name(const TTask* task) const { return Names_.value(task); }

 private:
  TTask* Take(TReadResult& r);

  const TConvertOptions& O_;
  TDefaultSettings Settings_;
  QSet<QString> Outputs_;
  QHash<const TTask*, QString> Names_;
};
