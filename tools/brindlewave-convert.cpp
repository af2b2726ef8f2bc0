// Converts files to MP3 without windows, the way the program does: each file is
// read, given the saved defaults and an automatic output name, then converted.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHash>
#include <QLocale>
#include <QDir>
#include <QFile>
#include <QSet>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>
#include <unistd.h>

#include "AudioException.h"
#include "AudioFileReader.h"
#include "Catalogs.h"
#include "ConversionEngine.h"
#include "Globals.h"
#include "Lang.h"
#include "LibraryMessages.h"
#include "MP3Out.h"
#include "Paths.h"
#include "NamePattern.h"
#include "NativePath.h"
#include "ReadPool.h"
#include "TaskReader.h"
#include "FolderScan.h"
#include "FolderWatch.h"
#include "Shard.h"
#include "SignalWatch.h"
#include "TaskOps.h"

namespace {

struct Options {
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
};

bool IsTableRate(int kbps) {
  for (int r : BitRateTable)
    if (r == kbps) return true;
  return false;
}

[[noreturn]] void BadUsage(const QString& why) {
  std::fprintf(stderr, "brindlewave-convert: %s\n%s", why.toLocal8Bit().constData(),
               QString(lang::ConvertUsage).toLocal8Bit().constData());
  std::exit(2);
}

int Number(const QString& text, const char* option) {
  bool ok = false;
  const int v = text.toInt(&ok);
  if (!ok) BadUsage(QString(lang::NeedsNumberFormat).arg(option, text));
  return v;
}

Options Parse(const QStringList& args) {
  Options o;
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    auto value = [&]() -> QString {
      if (i + 1 >= args.size()) BadUsage(QString(lang::NeedsValueFormat).arg(a));
      return args[++i];
    };
    if (a == "--help" || a == "-h") {
      std::fputs(QString(lang::ConvertUsage).toLocal8Bit().constData(), stdout);
      std::fputs("\n", stdout);
      std::fputs(QString(lang::ConvertHelp).toLocal8Bit().constData(), stdout);
      std::exit(0);
    } else if (a == "--version") {
      std::printf("brindlewave-convert %s\n", BRINDLEWAVE_VERSION);
      std::exit(0);
    } else if (a == "-q" || a == "--quiet") {
      o.quiet = true;
    } else if (a == "-v" || a == "--verbose") {
      o.verbose = true;
    } else if (a == "-n" || a == "--dry-run") {
      o.dryRun = true;
    } else if (a == "--overwrite") {
      o.existing = TExistingOutput::Overwrite;
    } else if (a == "--existing") {
      const QStringList ways = {"number", "skip", "overwrite"};
      const QString way = value();
      if (!ways.contains(way)) BadUsage(lang::ExistingUsage);
      o.existing = TExistingOutput(ways.indexOf(way));
    } else if (a == "--replaygain") {
      const QStringList ways = {"none", "track", "album"};
      const QString way = value();
      if (!ways.contains(way)) BadUsage(lang::ReplayGainUsage);
      o.replayGain = TReplayGainMode(ways.indexOf(way));
    } else if (a == "--name") {
      o.namePattern = ReadableName(value());
      const TNamePattern pattern(*o.namePattern);
      if (!pattern.Error().isEmpty()) BadUsage("--name: " + pattern.Error());
    } else if (a == "--shard") {
      o.shard = TShard::Parse(value());
      if (!o.shard) BadUsage(lang::ShardUsage);
    } else if (a == "--keep-time") {
      o.keepTime = true;
    } else if (a == "--trash-source") {
      o.trashSource = true;
    } else if (a == "--watch") {
      o.watch = value();
    } else if (a == "--verify" || a == "--no-verify") {
      o.verify = a == "--verify";
    } else if (a == "--no-split") {
      o.noSplit = true;
    } else if (a == "-") {
      // File names from standard input, one a line, as the bytes they are.
      QFile in;
      if (in.open(stdin, QIODevice::ReadOnly))
        while (!in.atEnd()) {
          QByteArray line = in.readLine();
          if (line.endsWith('\n')) line.chop(line.endsWith("\r\n") ? 2 : 1);
          if (!line.isEmpty()) o.files << PathFromNative(line);
        }
    } else if (a == "-o") {
      o.outDir = ReadableName(value());
    } else if (a == "-j") {
      o.jobs = Number(value(), "-j");
      if (o.jobs < 1) BadUsage(lang::JobsUsage);
    } else if (a == "-b") {
      o.bitRate = Number(value(), "-b");
      if (!IsTableRate(*o.bitRate)) BadUsage(lang::BitRateUsage);
    } else if (a == "--vbr") {
      const QStringList parts = value().split(':');
      if (parts.size() != 2) BadUsage(lang::VbrUsage);
      o.vbrMin = Number(parts[0], "--vbr");
      o.vbrMax = Number(parts[1], "--vbr");
      if (!IsTableRate(*o.vbrMin) || !IsTableRate(*o.vbrMax)) BadUsage(lang::VbrRatesUsage);
    } else if (a == "-r") {
      o.sampleRate = Number(value(), "-r");
      if (*o.sampleRate != 32000 && *o.sampleRate != 44100 && *o.sampleRate != 48000)
        BadUsage(lang::SampleRateUsage);
    } else if (a == "-m") {
      const QString m = value();
      const QStringList modes = {"dual", "stereo", "joint", "mono"};
      if (!modes.contains(m)) BadUsage(lang::ModeUsage);
      o.mode = int(modes.indexOf(m));
    } else if (a == "--title") {
      o.title = ReadableName(value());
    } else if (a == "--artist") {
      o.artist = ReadableName(value());
    } else if (a == "--album") {
      o.album = ReadableName(value());
    } else if (a == "--year") {
      o.year = ReadableName(value());
    } else if (a == "--genre") {
      o.genre = ReadableName(value());
    } else if (a == "--comment") {
      o.comment = ReadableName(value());
    } else if (a.startsWith('-') && a != "-") {
      BadUsage(QString(lang::UnknownOptionFormat).arg(a));
    } else {
      o.files << a;
    }
  }
  if (o.bitRate && o.vbrMin) BadUsage(lang::BitRateAndVbr);
  if (!o.watch.isEmpty()) {
    if (!o.files.isEmpty()) BadUsage(lang::WatchAlone);
    if (!NativeIsDir(o.watch)) BadUsage(QString(lang::WatchNeedsFolderFormat).arg(o.watch));
    if (o.outDir.isEmpty()) BadUsage(lang::WatchNeedsOutput);
    if (o.dryRun) BadUsage(lang::WatchAndDryRun);
  } else if (o.files.isEmpty() && !args.contains("-")) {
    BadUsage(lang::NoFileGiven);
  }
  return o;
}

void Apply(const Options& o, TTask& t) {
  if (o.bitRate) {
    t.BitRate = *o.bitRate;
    t.VBR = false;
  }
  if (o.vbrMin) {
    t.VBR = true;
    t.VbrMinBitrate = *o.vbrMin;
    t.VbrMaxBitrate = *o.vbrMax;
  }
  if (o.sampleRate) t.SampleRate = *o.sampleRate;
  if (o.mode) t.ChannelMode = *o.mode;
  if (o.title) t.Title = *o.title;
  if (o.artist) t.Artist = *o.artist;
  if (o.album) t.Album = *o.album;
  if (o.year) t.Year = *o.year;
  if (o.genre) t.Genre = *o.genre;
  if (o.comment) t.Comment = *o.comment;
}

// `file` as the user's own bytes, to be copied into the next command.
void Report(const QString& file, const QString& why) {
  std::fprintf(stderr, "%s: %s\n", NativePath(file).constData(), why.toLocal8Bit().constData());
}

// Reads inputs into the task list with the saved defaults, the options over them.
class TInputs {
 public:
  TInputs(const Options& o, const QString& outDir) : O_(o), Settings_(DefaultSettings) {
    // Each file goes beside its own input when no output folder is set.
    Settings_.OutputFileDir = outDir;
  }

  const TDefaultSettings& Settings() const { return Settings_; }

  // Reads `files` on one reader per core; the tasks in the order given.
  void AddAll(std::vector<TReadRequest> files, std::vector<TTask*>& tasks, int& failed) {
    TTaskReader::LeaveOutOwnOutputs(files, Settings_);
    TReadPool pool(std::move(files), TTaskReader(Settings_, false));
    QEventLoop loop;
    const auto take = [&] {
      TReadResult r;
      while (pool.TakeNext(r))
        if (TTask* t = Take(r))
          tasks.push_back(t);
        else
          ++failed;
      if (pool.Drained()) loop.quit();
    };
    QObject::connect(&pool, &TReadPool::Ready, &loop, take);
    if (!pool.Start()) {
      Report("brindlewave-convert", lang::ThreadNotCreated);
      ++failed;
      return;
    }
    loop.exec();
  }

  // A task for `file` (an earlier one of the same file is used again), or null
  // when it cannot be used; `quietIfGone` says nothing of a file that is gone.
  TTask* Add(const QString& file, const QString& subFolder, bool quietIfGone = false) {
    TReadResult r = TTaskReader(Settings_, false).Read(file, subFolder);
    if (quietIfGone && r.Outcome == TReadOutcome::Gone) return nullptr;
    return Take(r);
  }

  // The name the user gave for a task's input.
  QString Name(const TTask* task) const { return Names_.value(task); }

 private:
  TTask* Take(TReadResult& r) {
    if (!r.Ok()) {
      if (r.Outcome == TReadOutcome::Protected)
        std::fprintf(stderr, "%s\n", QString(lang::ProtectedFormat).arg(ReadableName(r.Path)).toLocal8Bit().constData());
      else
        Report(r.Path, r.Outcome == TReadOutcome::NoAudio ? QString(lang::NoAudioStream)
                       : r.Reason.isEmpty()                ? QString(lang::CannotRead)
                                                           : r.Reason);
      return nullptr;
    }
    TTask& read = r.Task;
    read.SrcFile = NativeAbsolutePath(read.SrcFile);
    TTask* earlier = nullptr;
    for (const auto& t : Tasks)
      if (t->SrcFile == read.SrcFile) earlier = t.get();
    // Its own earlier output is not another task's name.
    if (earlier) Outputs_.remove(earlier->DstFile);
    read.DstFile = OutputNameFor(read, [this](const QString& name) { return Outputs_.contains(name); }, Settings_);
    Apply(O_, read);
    read.EstimatedSize = ProbeSizeEstimate(read);
    read.Checked = true;
    TTask* task = earlier;
    if (earlier) {
      *earlier = read;
    } else {
      Tasks.push_back(std::make_unique<TTask>(read));
      task = Tasks.back().get();
    }
    Outputs_.insert(task->DstFile);
    Names_[task] = r.Path;
    return task;
  }

  const Options& O_;
  TDefaultSettings Settings_;
  QSet<QString> Outputs_;
  QHash<const TTask*, QString> Names_;
};

QString Duration(qint64 ms) {
  const qint64 s = ms / 1000;
  return s >= 3600 ? QString::asprintf("%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60)
                   : QString::asprintf("%lld:%02lld", s / 60, s % 60);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const TCatalogs catalogs(QLocale::system().uiLanguages());
  RouteLibraryMessages();
  InitAppGlobals(QCoreApplication::applicationFilePath());
  FillBitRateTable();
  // From argv's bytes: the application's arguments lose names that are not UTF-8.
  QStringList args;
  for (int i = 0; i < argc; ++i) args << PathFromNative(QByteArray(argv[i]));
  const Options options = Parse(args);
  ShowLibraryMessages(options.verbose);
  LoadDefaultSettings(TSettingsAccess::ReadOnly);
  if (!DirectShowPresent()) {
    std::fprintf(stderr, "%s\n", QString(lang::NoDecoders).toLocal8Bit().constData());
    return 1;
  }
  QElapsedTimer clock;
  clock.start();
  const bool watching = !options.watch.isEmpty();
  if (options.namePattern) DefaultSettings.NamePattern = *options.namePattern;
  if (!TNamePattern(DefaultSettings.NamePattern).Error().isEmpty()) {
    Report("NamePattern", QString(lang::SavedPatternFormat).arg(TNamePattern(DefaultSettings.NamePattern).Error()));
    DefaultSettings.NamePattern.clear();
  }
  if (options.existing)
    DefaultSettings.ExistingOutput = *options.existing;
  else if (watching)
    DefaultSettings.ExistingOutput = TExistingOutput::Skip;

  QString outDir = DefaultSettings.OutputFileDir;
  if (!options.outDir.isEmpty() && options.dryRun) {
    // A plan writes nothing, not even the folder it names.
    outDir = QDir::cleanPath(NativeAbsolutePath(options.outDir)) + "/";
  } else if (!options.outDir.isEmpty()) {
    QString error;
    outDir = ForceFolder(NativeAbsolutePath(options.outDir), "/", &error);
    if (outDir.isEmpty()) {
      Report(options.outDir, QString(lang::OutputNotCreatedFormat).arg(error));
      return 1;
    }
  }

  int failed = 0, converted = 0, skipped = 0;
  TInputs inputs(options, outDir);
  std::vector<TTask*> tasks;
  // Another share's files are not read at all: on a shared library each machine reads only its own.
  auto inShare = [&](const QString& path, const QString& subFolder) {
    return !options.shard || options.shard->Holds(subFolder + FileNamePart(path));
  };
  auto addAll = [&](const QStringList& files) {
    std::vector<TReadRequest> requests;
    int folders = 0;
    for (const QString& file : files) folders += NativeIsDir(file) ? 1 : 0;
    for (const QString& file : files) {
      if (!NativeIsDir(file)) {
        if (inShare(file, {})) requests.push_back({file, QString()});
        continue;
      }
      const auto found = TFolderScan::Run(file);
      if (found.empty() && !options.quiet) Report(file, lang::NoAudioFilesHere);
      // Several folders at once: each keeps its tree under its own name.
      const QString prefix = folders > 1 ? FileNamePart(QDir::cleanPath(file)) + "/" : QString();
      for (const TFoundFile& f : found)
        if (inShare(f.Path, f.SubFolder)) requests.push_back({f.Path, prefix + f.SubFolder});
    }
    inputs.AddAll(std::move(requests), tasks, failed);
  };
  std::unique_ptr<TFolderWatch> watch;
  if (watching) {
    // Watched before the folder is read, so nothing made meanwhile is missed.
    watch = std::make_unique<TFolderWatch>(options.watch, outDir);
    QString error;
    if (!watch->Start(&error)) {
      Report(options.watch, QString(lang::NotWatchedFormat).arg(error));
      return 1;
    }
    addAll({options.watch});
  } else {
    addAll(options.files);
  }

  if (options.dryRun) {
    for (const TTask* t : tasks) {
      const QString rate = t->VBR ? QString(lang::VbrRateFormat).arg(t->VbrMinBitrate).arg(t->VbrMaxBitrate)
                                  : QString(lang::CbrRateFormat).arg(t->BitRate);
      const QString mode = t->ChannelMode >= 0 && t->ChannelMode < 4 ? lang::ChannelModes[t->ChannelMode] : QString();
      std::printf("%s -> %s (%s, %d Hz, %s)\n", NativePath(t->SrcFile).constData(),
                  NativePath(t->DstFile).constData(), rate.toLocal8Bit().constData(), t->SampleRate,
                  mode.toLocal8Bit().constData());
    }
    FreeAllTasks();
    return failed ? 1 : 0;
  }

  std::unique_ptr<TConversionEngine> engine;
  try {
    engine = std::make_unique<TConversionEngine>();
  } catch (const EAudioException& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  engine->Existing = DefaultSettings.ExistingOutput;
  engine->KeepFileTime = options.keepTime || DefaultSettings.KeepFileTime;
  engine->ReplayGain = options.replayGain.value_or(DefaultSettings.ReplayGain);
  engine->Verify = options.verify.value_or(DefaultSettings.VerifyOutput);
  engine->TrashSources = options.trashSource || DefaultSettings.TrashSources;
  const bool trashing = engine->TrashSources;
  int trashed = 0;
  const bool terminal = ::isatty(2) && !options.quiet;
  bool interrupted = false;
  QEventLoop loop;
  // The running conversions are ended and their files discarded; no new one starts.
  QObject::connect(new TSignalWatch(&app), &TSignalWatch::Received, engine.get(), [&] {
    interrupted = true;
    watch.reset();
    if (engine->Active())
      engine->Terminate();
    else
      loop.quit();
  });
  if (terminal)
    QObject::connect(engine.get(), &TConversionEngine::JobProgress, [&](int index, int percent) {
      // The line follows the task with the lowest index while it runs.
      const auto running = engine->Running();
      if (!running.empty() && running.front().Index == index)
        std::fprintf(stderr, "\r%s: %d%%", NativePath(inputs.Name(engine->Task(index))).constData(), percent);
    });
  QObject::connect(engine.get(), &TConversionEngine::JobEnded, [&](int index, const TConvertResult& result) {
    if (result.Outcome == TJobOutcome::Discarded) return;
    const TTask& task = *engine->Task(index);
    const QString name = inputs.Name(&task);
    if (terminal) std::fputs("\r\033[K", stderr);
    if (result.Outcome == TJobOutcome::Skipped) {
      ++skipped;
      if (!options.quiet && !watching) Report(name, lang::AlreadyConverted);
      return;
    }
    if (result.SkippedPackets > 0 && !options.quiet)
      Report(name, lang::SkippedPacketsFormat(result.SkippedPackets));
    if (!result.Note.isEmpty() && !options.quiet) Report(name, result.Note);
    if (result.Failure.isEmpty() && !options.quiet) {
      std::printf("%s\n", NativePath(task.DstFile).constData());
      std::fflush(stdout);
    }
    if (!result.Trashed.isEmpty()) {
      ++trashed;
      if (!options.quiet) Report(name, lang::TrashedNote);
    }
    // Said even when quiet: the input was asked to go and is still there.
    if (!result.NotTrashed.isEmpty()) Report(name, QString(lang::NotTrashedFormat).arg(result.NotTrashed));
    if (!result.Problem().isEmpty()) {
      Report(name, result.Problem());
      ++failed;
    } else {
      ++converted;
    }
  });
  QObject::connect(engine.get(), &TConversionEngine::JobNote, [&](int index, const QString& note) {
    if (options.quiet) return;
    if (terminal) std::fputs("\r\033[K", stderr);
    Report(inputs.Name(engine->Task(index)), note);
  });
  QObject::connect(engine.get(), &TConversionEngine::Finished, &loop, [&] {
    if (!watching || interrupted) loop.quit();
  });
  if (watch)
    QObject::connect(watch.get(), &TFolderWatch::FileReady, engine.get(), [&](const QString& path, const QString& sub) {
      if (!inShare(path, sub)) return;
      if (TTask* t = inputs.Add(path, sub, true))
        engine->Append(t);
      else if (NativeExists(path))
        ++failed;
    });
  engine->AutoStart = true;
  engine->Begin(tasks, options.jobs, !options.noSplit);
  loop.exec();
  engine.reset();
  FreeAllTasks();
  if (!options.quiet)
    std::fprintf(stderr, "%s\n",
                 QString(lang::ConvertSummaryFormat)
                     .arg(converted).arg(skipped).arg(failed)
                     .arg(trashing ? QString(lang::TrashedCountFormat).arg(trashed) : QString(), Duration(clock.elapsed()))
                     .toLocal8Bit().constData());
  if (interrupted) return 130;
  return failed ? 1 : 0;
}
