#include "ConvertRun.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <unistd.h>

#include "AudioException.h"
#include "ConversionEngine.h"
#include "ConvertOptions.h"
#include "FolderWatch.h"
#include "Globals.h"
#include "Lang.h"
#include "NativePath.h"
#include "SignalWatch.h"
#include "Task.h"
#include "TaskOps.h"

namespace {
QString Duration(qint64 ms) {
  const qint64 s = ms / 1000;
  return s >= 3600 ? QString::asprintf("%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60)
                   : QString::asprintf("%lld:%02lld", s / 60, s % 60);
}
}  // namespace

TConvertRun::TConvertRun(const TConvertOptions& options, const QString& outDir)
    : O_(options),
      Inputs_(options, outDir),
      OutDir_(outDir),
      Watching_(!options.watch.isEmpty()),
      Terminal_(::isatty(2) && !options.quiet) {}

TConvertRun::~TConvertRun() = default;

bool TConvertRun::ReadInputs() {
  if (!Watching_) {
    Inputs_.AddPaths(O_.files, Tasks_, Failed_);
    return true;
  }
  // Watched before the folder is read, so nothing made meanwhile is missed.
  Watch_ = std::make_unique<TFolderWatch>(O_.watch, OutDir_);
  QString error;
  if (!Watch_->Start(&error)) {
    ReportFile(O_.watch, QString(lang::NotWatchedFormat).arg(error));
    return false;
  }
  Inputs_.AddPaths({O_.watch}, Tasks_, Failed_);
  return true;
}

int TConvertRun::PrintPlan() {
  for (const TTask* t : Tasks_) {
    const QString rate = t->VBR ? QString(lang::VbrRateFormat).arg(t->VbrMinBitrate).arg(t->VbrMaxBitrate)
                                : QString(lang::CbrRateFormat).arg(t->BitRate);
    const QString mode = t->ChannelMode >= 0 && t->ChannelMode < 4 ? lang::ChannelModes[t->ChannelMode] : QString();
    std::printf("%s -> %s (%s, %d Hz, %s)\n", NativePath(t->SrcFile).constData(), NativePath(t->DstFile).constData(),
                rate.toLocal8Bit().constData(), t->SampleRate, mode.toLocal8Bit().constData());
  }
  FreeAllTasks();
  return Failed_ ? 1 : 0;
}

bool TConvertRun::MakeEngine() {
  try {
    Engine_ = std::make_unique<TConversionEngine>();
  } catch (const EAudioException& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return false;
  }
  return true;
}

int TConvertRun::Convert(QCoreApplication& app, const QElapsedTimer& clock) {
  if (!MakeEngine()) return 1;
  const TEngineOptions options = TEngineOptions::FromSettings(DefaultSettings);
  Trashing_ = options.TrashSources;
  StopOnSignal(app);
  if (Terminal_) ShowProgress();
  QObject::connect(Engine_.get(), &TConversionEngine::JobEnded,
                   [this](int index, const TConvertResult& result) { TellEnd(index, result); });
  QObject::connect(Engine_.get(), &TConversionEngine::JobNote,
                   [this](int index, const QString& note) { TellNote(index, note); });
  QObject::connect(Engine_.get(), &TConversionEngine::Finished, &Loop_, [this] {
    if (!Watching_ || Interrupted_) Loop_.quit();
  });
  if (Watch_) FollowWatch();
  Engine_->AutoStart = true;
  Engine_->Begin(Tasks_, options);
  Loop_.exec();
  Engine_.reset();
  FreeAllTasks();
  PrintSummary(clock.elapsed());
  if (Interrupted_) return 130;
  return Failed_ ? 1 : 0;
}

void TConvertRun::StopOnSignal(QCoreApplication& app) {
  QObject::connect(new TSignalWatch(&app), &TSignalWatch::Received, Engine_.get(), [this] {
    Interrupted_ = true;
    Watch_.reset();
    if (Engine_->Active())
      Engine_->Terminate();
    else
      Loop_.quit();
  });
}

void TConvertRun::ShowProgress() {
  QObject::connect(Engine_.get(), &TConversionEngine::JobProgress, [this](int index, int percent) {
    // The line follows the task with the lowest index while it runs.
    const auto running = Engine_->Running();
    if (!running.empty() && running.front().Index == index)
      std::fprintf(stderr, "\r%s: %d%%", NativePath(Inputs_.Name(Engine_->Task(index))).constData(), percent);
  });
}

void TConvertRun::FollowWatch() {
  QObject::connect(Watch_.get(), &TFolderWatch::FileReady, Engine_.get(), [this](const QString& path, const QString& sub) {
    if (!Inputs_.InShare(path, sub)) return;
    if (TTask* t = Inputs_.Add(path, sub, true))
      Engine_->Append(t);
    else if (NativeExists(path))
      ++Failed_;
  });
}

void TConvertRun::TellEnd(int index, const TConvertResult& result) {
  if (result.Outcome == TJobOutcome::Discarded) return;
  const TTask& task = *Engine_->Task(index);
  const QString name = Inputs_.Name(&task);
  if (Terminal_) std::fputs("\r\033[K", stderr);
  if (result.Outcome == TJobOutcome::Skipped) {
    ++Skipped_;
    if (!O_.quiet && !Watching_) ReportFile(name, lang::AlreadyConverted);
    return;
  }
  if (result.SkippedPackets > 0 && !O_.quiet) ReportFile(name, lang::SkippedPacketsFormat(result.SkippedPackets));
  if (!result.Note.isEmpty() && !O_.quiet) ReportFile(name, result.Note);
  if (result.Failure.isEmpty() && !O_.quiet) {
    std::printf("%s\n", NativePath(task.DstFile).constData());
    std::fflush(stdout);
  }
  if (!result.Trashed.isEmpty()) {
    ++Trashed_;
    if (!O_.quiet) ReportFile(name, lang::TrashedNote);
  }
  // Said even when quiet: the input was asked to go and is still there.
  if (!result.NotTrashed.isEmpty()) ReportFile(name, QString(lang::NotTrashedFormat).arg(result.NotTrashed));
  if (!result.Problem().isEmpty()) {
    ReportFile(name, result.Problem());
    ++Failed_;
  } else {
    ++Converted_;
  }
}

void TConvertRun::TellNote(int index, const QString& note) {
  if (O_.quiet) return;
  if (Terminal_) std::fputs("\r\033[K", stderr);
  ReportFile(Inputs_.Name(Engine_->Task(index)), note);
}

void TConvertRun::PrintSummary(qint64 elapsedMs) const {
  if (O_.quiet) return;
  std::fprintf(stderr, "%s\n",
               QString(lang::ConvertSummaryFormat)
                   .arg(Converted_).arg(Skipped_).arg(Failed_)
                   .arg(Trashing_ ? QString(lang::TrashedCountFormat).arg(Trashed_) : QString(), Duration(elapsedMs))
                   .toLocal8Bit().constData());
}
