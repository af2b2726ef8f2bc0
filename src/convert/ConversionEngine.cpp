#include "ConversionEngine.h"

#include <QMetaMethod>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <exception>
#include <optional>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "AlbumGain.h"
#include "AudioException.h"
#include "CoreBudget.h"
#include "FFmpegIn.h"
#include "HouseSettings.h"
#include "Lang.h"
#include "LoudnessMeter.h"
#include "MP3FileWriter.h"
#include "MP3Out.h"
#include "NativePath.h"
#include "OutputChecks.h"
#include "Paths.h"
#include "SourceTrash.h"
#include "Task.h"
#include "TaskOps.h"

// One conversion of a run. All but the sinks' workers touch it on the engine's
// thread only: the sinks' handlers reach it there.
struct TConversionEngine::TJob {
  std::unique_ptr<TFFmpegIn> Source;  // declared first: the sink's worker ends before its source goes
  std::unique_ptr<TMP3Out> Own;
  TMP3Out* Sink = nullptr;
  int Index = -1;  // the task; -1 while the job is free
  int Number = 0;
};

namespace {
// A file a cancel ends within half a second of its end counts as whole.
constexpr qint64 WholeWithin = 5000000;

// Gives `to` the modification time `from` has (had, when `time` is given instead).
void GiveTime(const QString& from, const QString& to, QString& note, const timespec* time = nullptr) {
  struct stat input {};
  bool done = time || ::stat(NativePath(from).constData(), &input) == 0;
  if (done) {
    const timespec times[2] = {{0, UTIME_OMIT}, time ? *time : input.st_mtim};
    done = ::utimensat(AT_FDCWD, NativePath(to).constData(), times, 0) == 0;
  }
  if (!done)
    note += (note.isEmpty() ? "" : "; ") +
            QString(lang::InputTimeNotGivenFormat).arg(QString::fromLocal8Bit(std::strerror(errno)));
}

void GiveInputTime(const TTask& task, TConvertResult& result) { GiveTime(task.SrcFile, task.DstFile, result.Note); }

}  // namespace

TConversionEngine::TConversionEngine(TMP3Out* firstSink, QObject* parent) : QObject(parent), Configure(ApplyHouseSettings) {
  Kick_ = new QTimer(this);
  Kick_->setSingleShot(true);
  Kick_->setInterval(0);
  connect(Kick_, &QTimer::timeout, this, &TConversionEngine::StartNext);
  WakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (WakeFd_ < 0) throw EAudioException(lang::Say(lang::EngineSetupFailed));
  Wake_ = new QSocketNotifier(WakeFd_, QSocketNotifier::Read, this);
  connect(Wake_, &QSocketNotifier::activated, this, &TConversionEngine::CollectFailures);
  Checks_ = std::make_unique<TOutputChecks>([fd = WakeFd_] {
    const std::uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(fd, &one, sizeof one);
  });
  Albums_ = std::make_unique<TAlbumGain>();
  auto job = std::make_unique<TJob>();
  if (firstSink) {
    job->Sink = firstSink;
  } else {
    job->Own = std::make_unique<TMP3Out>();
    job->Sink = job->Own.get();
    Configure(*job->Sink);
  }
  Jobs_.push_back(std::move(job));
}

TConversionEngine::~TConversionEngine() {
  // Handlers that run while the workers end find the run ended at once.
  State_ = TRunState::Terminated;
  for (auto& job : Jobs_) {
    if (job->Index >= 0) {
      job->Sink->DiscardRun();
      job->Sink->Resume();
      job->Sink->Stop();
    }
    if (!job->Own) {
      // A lent sink stays its owner's: it is left idle, without our handlers.
      job->Sink->Settle();
      job->Sink->OnDone = nullptr;
      job->Sink->OnThreadException = nullptr;
      job->Sink->OnProgress = nullptr;
      job->Sink->SetInput(nullptr);
    }
    job->Own.reset();
    job->Source.reset();
  }
  EndVerifications(true);
  delete Wake_;
  ::close(WakeFd_);
}

void TConversionEngine::Kick() { Kick_->start(); }

void TConversionEngine::CollectFailures() {
  std::uint64_t count;
  [[maybe_unused]] ssize_t n = ::read(WakeFd_, &count, sizeof count);
  std::vector<std::pair<TJob*, QString>> failed;
  {
    std::lock_guard l(FailedMx_);
    failed.swap(Failed_);
  }
  for (auto& [job, reason] : failed) SinkFailed(*job, reason);
  EndVerifications(false);
}

void TConversionEngine::SetUpJobs(int count) {
  while (int(Jobs_.size()) < count) {
    auto job = std::make_unique<TJob>();
    job->Own = std::make_unique<TMP3Out>();
    job->Sink = job->Own.get();
    if (Configure) Configure(*job->Sink);
    Jobs_.push_back(std::move(job));
  }
  for (auto& job : Jobs_) {
    TJob* j = job.get();
    j->Sink->OnDone = [this, j](TComponent*) { SinkDone(*j); };
    // Raised on whichever thread caught the failure; handled on the engine's.
    j->Sink->OnThreadException = [this, j](TComponent*, const std::exception& e) {
      {
        std::lock_guard l(FailedMx_);
        Failed_.emplace_back(j, QString::fromUtf8(e.what()));
      }
      const std::uint64_t one = 1;
      [[maybe_unused]] ssize_t n = ::write(WakeFd_, &one, sizeof one);
    };
    if (Progress_)
      j->Sink->OnProgress = [this, j](TComponent*) {
        if (j->Index >= 0) emit JobProgress(j->Index, j->Sink->LastProgress);
      };
    else
      j->Sink->OnProgress = nullptr;
  }
}

bool TConversionEngine::Move(TRunEvent event) {
  const std::optional<TRunState> next = RunStateAfter(State_, event);
  if (next) State_ = *next;
  return next.has_value();
}

bool TConversionEngine::Begin(std::vector<TTask*> tasks, const TEngineOptions& options) {
  if (Active()) return false;
  Existing = options.Existing;
  KeepFileTime = options.KeepFileTime;
  ReplayGain = options.ReplayGain;
  Verify = options.Verify;
  TrashSources = options.TrashSources;
  return Begin(std::move(tasks), options.Jobs, options.Split);
}

bool TConversionEngine::Begin(std::vector<TTask*> tasks, int jobs, bool split) {
  if (!Move(TRunEvent::Begin)) return false;
  Tasks_ = std::move(tasks);
  Next_ = 0;
  Started_ = 0;
  Written_.clear();
  Held_ = false;
  Progress_ = isSignalConnected(QMetaMethod::fromSignal(&TConversionEngine::JobProgress));
  const int cores = std::max(QThread::idealThreadCount(), 1);
  if (jobs <= 0) jobs = cores;
  TCoreBudget::SetJobs(jobs);  // cores the run leaves free go to splitting files
  try {
    SetUpJobs(std::clamp(jobs, 1, std::max(int(Tasks_.size()), 1)));
  } catch (const std::exception&) {
    // No more sinks to be had: the run goes with the jobs there are.
    SetUpJobs(int(Jobs_.size()));
  }
  Wanted_ = std::clamp(jobs, 1, int(Jobs_.size()));
  for (auto& job : Jobs_) {
    TMP3OutSettings s = job->Sink->Settings();
    s.SplitFiles = split;
    s.ReplayGain = ReplayGain != TReplayGainMode::None;
    job->Sink->SetSettings(s);
  }
  Albums_->Clear();
  for (int i = 0; i < int(Tasks_.size()); ++i) JoinAlbum(i);
  if (AutoStart) Kick();
  return true;
}

bool TConversionEngine::Append(TTask* task) {
  if (!Move(TRunEvent::Append)) return false;
  Tasks_.push_back(task);
  JoinAlbum(int(Tasks_.size()) - 1);
  if (AutoStart) Kick();
  return true;
}

bool TConversionEngine::AnyRunning() const {
  return std::any_of(Jobs_.begin(), Jobs_.end(), [](const auto& j) { return j->Index >= 0; });
}

void TConversionEngine::StartNext() {
  if (!Active() || Starting_) return;
  Starting_ = true;
  for (int k = 0; k < Wanted_; ++k) {
    if (State_ != TRunState::Running || Held_ || Next_ >= Tasks_.size()) break;
    TJob& job = *Jobs_[k];
    if (job.Index >= 0) continue;
    // Outputs left as they are take no job.
    while (Next_ < Tasks_.size() && !Stopping() && AlreadyConverted(*Tasks_[Next_])) Skip(int(Next_++));
    if (Stopping() || Next_ >= Tasks_.size()) break;
    // A task appended again waits for its first conversion to end: both would write one file.
    if (std::any_of(Jobs_.begin(), Jobs_.end(), [this](const auto& j) { return j->Index >= 0 && Tasks_[j->Index] == Tasks_[Next_]; }) ||
        Checks_->Any([this](int i) { return Tasks_[i] == Tasks_[Next_]; }))
      break;
    StartTask(job, int(Next_++));
  }
  Starting_ = false;
  const bool left = Next_ < Tasks_.size() && !Stopping();
  if (AnyRunning() || !Checks_->Empty()) return;
  if (left) {
    // Tasks that failed at once left their jobs free for the rest.
    if (AutoStart && !Paused() && !Held_) Kick();
    return;
  }
  Move(TRunEvent::Drained);
  Albums_->Clear();  // albums a cancel left incomplete keep their files' own gains only
  emit Finished();
}

QString TConversionEngine::ReserveOutput(TTask& task) {
  auto otherWrote = [this, &task](const QString& name) { return Written_.value(name, &task) != &task; };
  if (otherWrote(task.DstFile))
    task.DstFile = NextFreeName(
        task.DstFile,
        [this, &task, &otherWrote](const QString& name) {
          if (otherWrote(name)) return true;
          for (const TTask* other : Tasks_)
            if (other != &task && other->DstFile == name) return true;
          return NameClaimed && NameClaimed(name, task);
        },
        Existing == TExistingOutput::Number);
  Written_.insert(task.DstFile, &task);
  return task.DstFile;
}

bool TConversionEngine::AlreadyConverted(const TTask& task) const {
  return Existing == TExistingOutput::Skip && Written_.value(task.DstFile, &task) == &task && UpToDate(task);
}

bool TConversionEngine::UpToDate(const TTask& task) { return TOutputChecks::UpToDate(task); }

void TConversionEngine::Skip(int index) {
  TTask& task = *Tasks_[index];
  Written_.insert(task.DstFile, &task);
  TConvertResult result;
  result.Outcome = TJobOutcome::Skipped;
  result.Output = task.DstFile;
  result.Length = std::max<qint64>(task.Duration, 0);
  emit JobEnded(index, result);
  AlbumEnded(index, result, nullptr);
}

void TConversionEngine::StartTask(TJob& job, int index) {
  TTask& task = *Tasks_[index];
  job.Index = index;
  job.Number = ++Started_;
  job.Sink->FileName = ReserveOutput(task);
  job.Source = std::make_unique<TFFmpegIn>();
  job.Sink->SetInput(job.Source.get());
  job.Source->FileName = task.SrcFile;
  emit JobStarted(index);
  // Names from tags and kept folder trees put files in folders not made yet.
  QString error;
  if (ForceFolder(FolderPart(task.DstFile), {}, &error).isEmpty()) {
    SinkFailed(job, QString(lang::FolderNotMadeFormat).arg(FolderPart(task.DstFile), error));
    return;
  }
  try {
    job.Source->OpenFile();  // held until the source goes
  } catch (const std::exception& e) {
    SinkFailed(job, QString::fromUtf8(e.what()));
    return;
  }
  TMP3OutSettings settings = job.Sink->Settings();
  TMP3Tags tags;
  ApplyTaskToEncoder(task, settings, tags);
  job.Sink->SetSettings(settings);
  job.Sink->SetTags(tags);
  job.Sink->Run();  // a failure to start arrives through SinkFailed
}

void TConversionEngine::SinkDone(TJob& job) {
  if (job.Index < 0 || !Active()) return;
  TConvertResult result;
  const TTask& task = *Tasks_[job.Index];
  if (TFFmpegIn* source = job.Source.get()) {
    result.Written = source->DeliveredTime();
    if (source->Reader()) {
      result.Length = std::max<qint64>(source->Reader()->Duration, 0);
      result.SkippedPackets = source->Reader()->SkippedPackets();
    }
    if (!Discarding()) result.Shortfall = source->Shortfall();
  }
  result.Note = QString::fromStdString(job.Sink->CoverNote());
  result.EncodedSamples = job.Sink->EncodedSamples();
  if (Discarding()) {
    result.Outcome = TJobOutcome::Discarded;
  } else if (Cancelled()) {
    const qint64 length = result.Length > 0 ? result.Length : task.Duration;
    if (length <= 0 || result.Written < length - WholeWithin) result.Outcome = TJobOutcome::Cancelled;
  } else if (!result.Shortfall.isEmpty()) {
    result.Outcome = TJobOutcome::EndedEarly;
  }
  End(job, std::move(result));
}

void TConversionEngine::SinkFailed(TJob& job, const QString& reason) {
  if (job.Index < 0 || !Active()) return;
  TConvertResult result;
  result.Outcome = Discarding() ? TJobOutcome::Discarded : TJobOutcome::Failed;
  result.Failure = reason;
  for (const int refusal : {ENOSPC, EDQUOT, EROFS})
    if (const QString text = QString::fromLocal8Bit(std::strerror(refusal)); reason.contains(text)) result.OutputRefused = text;
  if (job.Source && job.Source->Reader()) {
    result.Length = std::max<qint64>(job.Source->Reader()->Duration, 0);
    result.SkippedPackets = job.Source->Reader()->SkippedPackets();
  }
  End(job, std::move(result));
}

void TConversionEngine::End(TJob& job, TConvertResult result) {
  const int index = job.Index;
  result.Output = Tasks_[index]->DstFile;
  job.Source.reset();  // the sink lets go of it through its notification
  job.Index = -1;
  std::unique_ptr<TLoudnessMeter> meter = job.Sink->TakeLoudness();
  // A file a cancel cut short is short by design: only whole ones are checked.
  const bool whole = result.Outcome == TJobOutcome::Converted || result.Outcome == TJobOutcome::EndedEarly;
  // Only a file that ran to its end unasked may cost the user its input: one a
  // cancel ended within half a second of its end counts as converted, but is cut.
  const bool uncut = result.Outcome == TJobOutcome::Converted && !Stopping();
  if (Verify && whole && !Discarding() && result.EncodedSamples > 0)
    return StartVerification(index, std::move(result), std::move(meter), uncut);
  Report(index, std::move(result), std::move(meter), uncut && !Verify);
}

void TConversionEngine::Report(int index, TConvertResult result, std::unique_ptr<TLoudnessMeter> meter, bool whole) {
  if (KeepFileTime && (result.Outcome == TJobOutcome::Converted || result.Outcome == TJobOutcome::EndedEarly))
    GiveInputTime(*Tasks_[index], result);
  // After the input's time is read. Album gain rewrites only the MP3, later.
  if (TrashSources && whole && result.Outcome == TJobOutcome::Converted && !Discarding()) TrashSource(index, result);
  emit JobEnded(index, result);
  AlbumEnded(index, result, std::move(meter));
  if (AutoStart || Stopping())
    Kick();
}

void TConversionEngine::StartVerification(int index, TConvertResult result, std::unique_ptr<TLoudnessMeter> meter,
                                          bool uncut) {
  if (BeforeVerify) BeforeVerify(result.Output);
  if (Discarding()) return Report(index, std::move(result), std::move(meter));
  TOutputChecks::TCheck check{index, std::move(result), std::move(meter), uncut, {}};
  // No thread to be had: the file stays unchecked.
  if (!Checks_->Start(check)) return Report(index, std::move(check.Result), std::move(check.Meter));
  emit JobWritten(index);
  if (AutoStart) Kick();
}

void TConversionEngine::EndVerifications(bool all) {
  for (TOutputChecks::TCheck& c : Checks_->TakeEnded(all)) {
    // A check stopped before its end passed nothing.
    const bool passed = c.Uncut && c.Problem.empty() && !all && !Discarding();
    if (Active()) Report(c.Index, std::move(c.Result), std::move(c.Meter), passed);
  }
}

void TConversionEngine::TrashSource(int index, TConvertResult& result) {
  const QString& source = Tasks_[index]->SrcFile;
  // A later conversion of the same input in this run (a watched file that changed
  // meanwhile) still reads it: the last one moves it.
  auto reads = [&](int i) { return i != index && Tasks_[i]->SrcFile == source; };
  for (std::size_t i = Next_; i < Tasks_.size(); ++i)
    if (reads(int(i))) return;
  for (const auto& job : Jobs_)
    if (job->Index >= 0 && reads(job->Index)) return;
  if (Checks_->Any(reads)) return;
  const QString problem = TSourceTrash::Move(source, result.Output);
  if (problem.isEmpty())
    result.Trashed = source;
  else
    result.NotTrashed = problem;
}

bool TConversionEngine::Pause() {
  if (!Move(TRunEvent::Pause)) return false;
  for (auto& job : Jobs_) job->Sink->Pause();
  return true;
}

bool TConversionEngine::Resume() {
  if (!Move(TRunEvent::Resume)) return false;
  for (auto& job : Jobs_)
    if (job->Sink->Status() == TOutputStatus::Paused) job->Sink->Resume();
  if (AutoStart) Kick();
  return true;
}

bool TConversionEngine::Cancel() {
  if (!Move(TRunEvent::Cancel)) return false;
  // The answer holds even when the task, or the last one, ended meanwhile. Each
  // running file is completed with the audio so far.
  for (auto& job : Jobs_) {
    if (job->Sink->Status() == TOutputStatus::Paused) job->Sink->Resume();
    if (job->Index >= 0) job->Sink->Stop();
  }
  if (!AnyRunning()) Kick();
  return true;
}

bool TConversionEngine::Terminate() {
  if (!Move(TRunEvent::Terminate)) return false;
  EndVerifications(true);  // their files are whole: they stay, unchecked
  for (auto& job : Jobs_) {
    if (job->Index < 0) continue;
    if (job->Sink->Status() == TOutputStatus::Idle) continue;  // its end is already on its way
    job->Sink->DiscardRun();
    if (job->Sink->Status() == TOutputStatus::Paused) job->Sink->Resume();
    job->Sink->Stop();
  }
  if (!AnyRunning()) StartNext();  // nothing to wait for: the run is over now
  return true;
}

std::vector<TConversionEngine::TJobView> TConversionEngine::Running() const {
  std::vector<TJobView> views;
  for (const auto& job : Jobs_) {
    if (job->Index < 0) continue;
    TJobView v;
    v.Index = job->Index;
    v.Number = job->Number;
    if (job->Source) {
      v.Delivered = job->Source->DeliveredTime();
      if (job->Source->Reader()) {
        v.Reading = true;
        v.Length = std::max<qint64>(job->Source->Reader()->Duration, 0);
      }
    }
    views.push_back(v);
  }
  std::sort(views.begin(), views.end(), [](const TJobView& a, const TJobView& b) { return a.Index < b.Index; });
  return views;
}

void TConversionEngine::JoinAlbum(int index) {
  if (ReplayGain != TReplayGainMode::Album) return;
  const TTask& task = *Tasks_[index];
  Albums_->Join(index, {task.Album, task.AlbumArtist, task.Artist, FolderPart(NativeAbsolutePath(task.SrcFile))});
}

void TConversionEngine::AlbumEnded(int index, const TConvertResult& result, std::unique_ptr<TLoudnessMeter> meter) {
  if (ReplayGain != TReplayGainMode::Album) return;
  const bool whole = result.Outcome == TJobOutcome::Converted || result.Outcome == TJobOutcome::EndedEarly;
  const std::optional<TAlbumGain::TDone> done = Albums_->Ended(
      index, result.Output, whole ? std::move(meter) : nullptr, ReadableName(FileNamePart(Tasks_[index]->SrcFile)));
  if (!done) return;
  for (const TAlbumGain::TMember& m : done->Measured) {
    QString note = done->LeftOut;
    try {
      // The fill touches the file after it was given its input's time; the input
      // itself may be in the trash by now, so the MP3's own time is given back.
      struct stat before {};
      const bool timed = ::stat(NativePath(m.Output).constData(), &before) == 0;
      TMP3FileWriter::FillPadding(NativePath(m.Output).toStdString(), done->Frames);
      if (KeepFileTime) GiveTime(Tasks_[m.Index]->SrcFile, m.Output, note, timed ? &before.st_mtim : nullptr);
    } catch (const std::exception& e) {
      note = lang::NoAlbumGain + QString::fromUtf8(e.what());
    }
    if (!note.isEmpty()) emit JobNote(m.Index, note);
  }
}

TMP3Out& TConversionEngine::FirstSink() { return *Jobs_.front()->Sink; }
