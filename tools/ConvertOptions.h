#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "DefaultSettings.h"
#include "Shard.h"

struct TTask;

// What the command line asks for, read from its arguments. Bad usage ends the
// program with a message and status 2; --help and --version end it with 0.
struct TConvertOptions {
  QString outDir;
  int jobs = 0;  // 0: one for each processor core
  bool quiet = false, dryRun = false, noSplit = false, keepTime = false, verbose = false;
  std::optional<TExistingOutput> existing;
  std::optional<TReplayGainMode> replayGain;
  std::optional<bool> verify;
  bool trashSource = false;
  std::optional<QString> namePattern;
  std::optional<TShard> shard;
  QString watch;
  std::optional<int> bitRate, vbrMin, vbrMax, sampleRate, mode;
  std::optional<QString> title, artist, album, year, genre, comment;
  QStringList files;

  static TConvertOptions Parse(const QStringList& args);
  // The encoding and the tag texts asked for, over a task's own.
  void ApplyTo(TTask& task) const;
  // The run's choices asked for, over the saved ones; the command line's own
  // defaults for the jobs and splitting.
  void ApplyTo(TDefaultSettings& settings) const;

 private:
  // The next argument, as the value of the option before it.
  using TValue = std::function<QString()>;
  bool ParseFlag(const QString& a);
  bool ParseRunChoice(const QString& a, const TValue& value);
  bool ParseEncoding(const QString& a, const TValue& value);
  bool ParseTag(const QString& a, const TValue& value);
  void ReadNamesFromStdin();
  void Check(const QStringList& args) const;
};
