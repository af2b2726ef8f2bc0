#include "ConversionEngine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaMethod>
#include <QStandardPaths>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <exception>
#include <system_error>
#include <thread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "AudioException.h"
#include "CoreBudget.h"
#include "DX9In.h"
#include "HouseSettings.h"
#include "Lang.h"
#include "LoudnessMeter.h"
#include "MP3FileCheck.h"
#include "MP3FileWriter.h"
#include "MP3Out.h"
#include "NativePath.h"
#include "OutputVerifier.h"
#include "Paths.h"
#include "ReplayGainTag.h"
#include "Task.h"
#include "TaskOps.h"

// One conversion of a run. All but the sinks' workers touch it on the engine's
// thread only: the sinks' handlers reach it there.
struct TConversionEngine::TJob {
  std::unique_ptr<TDX9In> Source;  // declared first: the sink's worker ends before its source goes
  std::unique_ptr<TMP3Out> Own;
  TMP3Out* Sink = nullptr;
  int Index = -1;  // the task; -1 while the job is free
  int Number = 0;
};

// The files of one album in a run: those not ended yet, and what the others measured.
struct TConversionEngine::TAlbum {
  int Pending = 0;
  struct TMember {
    int Index;
    QString Output;
    std::unique_ptr<TLoudnessMeter> Meter;
  };
  std::vector<TMember> Measured;
  QStringList LeftOut;  // file names
};

// One MP3's check: the thread writes Problem and then hands the record over.
struct TConversionEngine::TVerification {
  int Index = -1;
  TConvertResult Result;
  std::atomic<bool> Stop{false};
  std::string Problem;
  std::thread Thread;
  std::unique_ptr<TLoudnessMeter> Meter;  // for the album, once the file has passed
  bool Uncut = false;  // its conversion ran to its end unasked
};

namespace {
// A file a cancel ends within half a second of its end counts as whole.
constexpr qint64 WholeWithin = 5000000;
// An output this much shorter than its input was not made from all of it.
constexpr qint64 ShortOfInput = 10000000;

// Gives `to` the modification time `from` has (had, when `time` is given instead).
void GiveTime(const QString& from, const QString& to, QString& note, const timespec* time = nullptr) {
  struct stat input {};
  bool done = time || ::stat(NativePath(from).constData(), &input) == 0;
  if (done) {
    const timespec times[2] = {{0, UTIME_OMIT}, time ? *time : input.st_mtim};
    done = ::utimensat(AT_FDCWD, NativePath(to).constData(), times, 0) == 0;
  }
  if (!done)
    note += (note.isEmpty() ? "" : "; ") + QString("the input's time was not given to the MP3: ") +
            QString::fromLocal8Bit(std::strerror(errno));
}

void GiveInputTime(const TTask& task, TConvertResult& result) { GiveTime(task.SrcFile, task.DstFile, result.Note); }

// Moves `source` to the desktop's trash; empty, or why it stays. This runs on the
// engine's thread, like the time given to an MP3: a rename and a small info file,
// never a copy, as a drive without a trash of its own is refused, not copied
// across to the home trash.
QString MoveToTrash(const QString& source, const QString& output) {
  struct stat in {}, out {};
  if (::stat(NativePath(source).constData(), &in) != 0)
    return lang::TrashSourceGone + QString::fromLocal8Bit(std::strerror(errno));
  // Written over its own input, or over a link to it, the file is the MP3 now.
  if (::stat(NativePath(output).constData(), &out) == 0 && in.st_dev == out.st_dev && in.st_ino == out.st_ino)
    return lang::TrashIsOutput;
  // Qt uses a "files" folder of the working directory when it cannot make the home
  // trash (when the data folder is missing, as in a new account): it is made first.
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  const QString home = data + "/Trash";
  if (data.isEmpty() || !QDir().mkpath(data) ||
      !(QFileInfo(home).isDir() ||
        QDir().mkdir(home, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)))
    return QString(lang::TrashNoFolderFormat).arg(home);
  QFile file(source);
  if (file.moveToTrash()) return {};
  // The home trash is on another drive, and rename cannot cross it.
  if (file.errorString() == QString::fromLocal8Bit(std::strerror(EXDEV))) return lang::TrashOtherDrive;
  return file.errorString();
}
}  // namespace

TConversionEngine::TConversionEngine(TMP3Out* firstSink, QObject* parent) : QObject(parent), Configure(ApplyHouseSettings) {
  Kick_ = new QTimer(this);
  Kick_->setSingleShot(true);
  Kick_->setInterval(0);
  connect(Kick_, &QTimer::timeout, this, &TConversionEngine::StartNext);
  WakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (WakeFd_ < 0) throw EAudioException("The conversion engine cannot be set up: no event descriptor");
  Wake_ = new QSocketNotifier(WakeFd_, QSocketNotifier::Read, this);
  connect(Wake_, &QSocketNotifier::activated, this, &TConversionEngine::CollectFailures);
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
  // Handlers that run while the workers end find the engine closing.
  Active_ = false;
  Terminating_ = true;
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

void TConversionEngine::Begin(std::vector<TTask*> tasks, int jobs, bool split) {
  Tasks_ = std::move(tasks);
  Next_ = 0;
  Started_ = 0;
  Written_.clear();
  Paused_ = Held_ = Cancelled_ = Terminating_ = false;
  Active_ = true;
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
    job->Sink->SplitFiles = split;
    job->Sink->ReplayGain = ReplayGain != TReplayGainMode::None;
  }
  AlbumOf_.clear();
  Albums_.clear();
  for (int i = 0; i < int(Tasks_.size()); ++i) JoinAlbum(i);
  if (AutoStart) Kick();
}

bool TConversionEngine::Append(TTask* task) {
  if (Cancelled_ || Terminating_ || Jobs_.empty()) return false;
  Tasks_.push_back(task);
  JoinAlbum(int(Tasks_.size()) - 1);
  Active_ = true;
  if (AutoStart) Kick();
  return true;
}

bool TConversionEngine::AnyRunning() const {
  return std::any_of(Jobs_.begin(), Jobs_.end(), [](const auto& j) { return j->Index >= 0; });
}

void TConversionEngine::StartNext() {
  if (!Active_ || Starting_) return;
  Starting_ = true;
  for (int k = 0; k < Wanted_; ++k) {
    if (Paused_ || Held_ || Cancelled_ || Terminating_ || Next_ >= Tasks_.size()) break;
    TJob& job = *Jobs_[k];
    if (job.Index >= 0) continue;
    // Outputs left as they are take no job.
    while (Next_ < Tasks_.size() && !Terminating_ && !Cancelled_ && AlreadyConverted(*Tasks_[Next_])) Skip(int(Next_++));
    if (Terminating_ || Cancelled_ || Next_ >= Tasks_.size()) break;
    // A task appended again waits for its first conversion to end: both would write one file.
    if (std::any_of(Jobs_.begin(), Jobs_.end(), [this](const auto& j) { return j->Index >= 0 && Tasks_[j->Index] == Tasks_[Next_]; }) ||
        std::any_of(Verifying_.begin(), Verifying_.end(), [this](const auto& v) { return Tasks_[v->Index] == Tasks_[Next_]; }))
      break;
    StartTask(job, int(Next_++));
  }
  Starting_ = false;
  const bool left = Next_ < Tasks_.size() && !Cancelled_ && !Terminating_;
  if (AnyRunning() || !Verifying_.empty()) return;
  if (left) {
    // Tasks that failed at once left their jobs free for the rest.
    if (AutoStart && !Paused_ && !Held_) Kick();
    return;
  }
  Active_ = false;
  Albums_.clear();  // albums a cancel left incomplete keep their files' own gains only
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

bool TConversionEngine::UpToDate(const TTask& task) {
  struct stat output {}, input {};
  const QByteArray outputName = NativePath(task.DstFile);
  if (::stat(outputName.constData(), &output) != 0 || !S_ISREG(output.st_mode)) return false;
  // An input that cannot be read now leaves the output be: its conversion would fail.
  if (::stat(NativePath(task.SrcFile).constData(), &input) == 0 &&
      std::pair(output.st_mtim.tv_sec, output.st_mtim.tv_nsec) < std::pair(input.st_mtim.tv_sec, input.st_mtim.tv_nsec))
    return false;
  const TMP3FileCheck::TResult check = TMP3FileCheck::Read(outputName.toStdString());
  // A whole file that holds less than the input states (one a cancel ended) is made again.
  return check.Complete && (task.Duration <= 0 || qint64(check.Seconds() * 1e7) >= task.Duration - ShortOfInput);
}

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
  job.Source = std::make_unique<TDX9In>();
  job.Sink->SetInput(job.Source.get());
  job.Source->FileName = task.SrcFile;
  emit JobStarted(index);
  // Names from tags and kept folder trees put files in folders not made yet.
  QString error;
  if (ForceFolder(FolderPart(task.DstFile), {}, &error).isEmpty()) {
    SinkFailed(job, QString("the folder %1 cannot be made: %2").arg(FolderPart(task.DstFile), error));
    return;
  }
  try {
    job.Source->OpenFile();  // held until the source goes
  } catch (const std::exception& e) {
    SinkFailed(job, QString::fromUtf8(e.what()));
    return;
  }
  TMP3Settings settings = job.Sink->Settings();
  TMP3Tags tags;
  ApplyTaskToEncoder(task, settings, tags);
  job.Sink->ApplySettings(settings);
  job.Sink->ApplyTags(tags);
  job.Sink->Run();  // a failure to start arrives through SinkFailed
}

void TConversionEngine::SinkDone(TJob& job) {
  if (job.Index < 0 || !Active_) return;
  TConvertResult result;
  const TTask& task = *Tasks_[job.Index];
  if (TDX9In* source = job.Source.get()) {
    result.Written = source->DeliveredTime();
    if (source->Reader()) {
      result.Length = std::max<qint64>(source->Reader()->Duration, 0);
      result.SkippedPackets = source->Reader()->SkippedPackets();
    }
    if (!Terminating_) result.Shortfall = source->Shortfall();
  }
  result.Note = QString::fromStdString(job.Sink->CoverNote());
  result.EncodedSamples = job.Sink->EncodedSamples();
  if (Terminating_) {
    result.Outcome = TJobOutcome::Discarded;
  } else if (Cancelled_) {
    const qint64 length = result.Length > 0 ? result.Length : task.Duration;
    if (length <= 0 || result.Written < length - WholeWithin) result.Outcome = TJobOutcome::Cancelled;
  } else if (!result.Shortfall.isEmpty()) {
    result.Outcome = TJobOutcome::EndedEarly;
  }
  End(job, std::move(result));
}

void TConversionEngine::SinkFailed(TJob& job, const QString& reason) {
  if (job.Index < 0 || !Active_) return;
  TConvertResult result;
  result.Outcome = Terminating_ ? TJobOutcome::Discarded : TJobOutcome::Failed;
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
  const bool uncut = result.Outcome == TJobOutcome::Converted && !Cancelled_ && !Terminating_;
  if (Verify && whole && !Terminating_ && result.EncodedSamples > 0)
    return StartVerification(index, std::move(result), std::move(meter), uncut);
  Report(index, std::move(result), std::move(meter), uncut && !Verify);
}

void TConversionEngine::Report(int index, TConvertResult result, std::unique_ptr<TLoudnessMeter> meter, bool whole) {
  if (KeepFileTime && (result.Outcome == TJobOutcome::Converted || result.Outcome == TJobOutcome::EndedEarly))
    GiveInputTime(*Tasks_[index], result);
  // After the input's time is read. Album gain rewrites only the MP3, later.
  if (TrashSources && whole && result.Outcome == TJobOutcome::Converted && !Terminating_) TrashSource(index, result);
  emit JobEnded(index, result);
  AlbumEnded(index, result, std::move(meter));
  if (AutoStart || Terminating_ || Cancelled_)
    Kick();
}

void TConversionEngine::StartVerification(int index, TConvertResult result, std::unique_ptr<TLoudnessMeter> meter,
                                          bool uncut) {
  if (BeforeVerify) BeforeVerify(result.Output);
  if (Terminating_) return Report(index, std::move(result), std::move(meter));
  auto v = std::make_unique<TVerification>();
  v->Index = index;
  v->Uncut = uncut;
  v->Result = std::move(result);
  v->Meter = std::move(meter);
  TVerification* p = v.get();
  try {
    p->Thread = std::thread([this, p, path = NativePath(p->Result.Output).toStdString(),
                             samples = p->Result.EncodedSamples] {
      try {
        TOutputVerifier::TOptions options;
        options.Stop = &p->Stop;
        // A core no conversion is using decodes the file's back half.
        options.TakeCore = TCoreBudget::TryTakeHelper;
        options.GiveCore = TCoreBudget::GiveHelper;
        p->Problem = TOutputVerifier::Check(path, samples, options);
      } catch (const std::exception& e) {
        p->Problem = std::string("it cannot be checked: ") + e.what();
      }
      {
        std::lock_guard l(FailedMx_);
        Verified_.push_back(p);
      }
      const std::uint64_t one = 1;
      [[maybe_unused]] ssize_t n = ::write(WakeFd_, &one, sizeof one);
    });
  } catch (const std::system_error&) {
    return Report(index, std::move(v->Result), std::move(v->Meter));  // no thread to be had: the file stays unchecked
  }
  Verifying_.push_back(std::move(v));
  emit JobWritten(index);
  if (AutoStart) Kick();
}

void TConversionEngine::EndVerifications(bool all) {
  if (all) {
    for (auto& v : Verifying_) v->Stop = true;
    for (auto& v : Verifying_)
      if (v->Thread.joinable()) v->Thread.join();
  }
  std::vector<TVerification*> ended;
  {
    std::lock_guard l(FailedMx_);
    ended.swap(Verified_);
  }
  for (TVerification* p : ended) {
    const auto at = std::find_if(Verifying_.begin(), Verifying_.end(), [p](const auto& v) { return v.get() == p; });
    if (at == Verifying_.end()) continue;
    std::unique_ptr<TVerification> v = std::move(*at);
    Verifying_.erase(at);
    if (v->Thread.joinable()) v->Thread.join();
    if (!v->Problem.empty()) {
      v->Result.Outcome = TJobOutcome::Failed;
      v->Result.Failure = "the MP3 does not play to its end: " + QString::fromStdString(v->Problem);
    }
    // A check stopped before its end passed nothing.
    const bool passed = v->Uncut && v->Problem.empty() && !all && !Terminating_;
    if (Active_) Report(v->Index, std::move(v->Result), std::move(v->Meter), passed);
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
  for (const auto& v : Verifying_)
    if (reads(v->Index)) return;
  const QString problem = MoveToTrash(source, result.Output);
  if (problem.isEmpty())
    result.Trashed = source;
  else
    result.NotTrashed = problem;
}

void TConversionEngine::Pause() {
  if (Paused_) return;
  Paused_ = true;
  for (auto& job : Jobs_) job->Sink->Pause();
}

void TConversionEngine::Resume() {
  if (!Paused_) return;
  Paused_ = false;
  for (auto& job : Jobs_)
    if (job->Sink->Status() == TOutputStatus::Paused) job->Sink->Resume();
  if (AutoStart) Kick();
}

void TConversionEngine::Cancel() {
  if (!Active_) return;
  // The answer holds even when the task, or the last one, ended meanwhile. Each
  // running file is completed with the audio so far.
  for (auto& job : Jobs_) {
    if (job->Sink->Status() == TOutputStatus::Paused) job->Sink->Resume();
    if (job->Index >= 0) job->Sink->Stop();
  }
  Paused_ = false;
  Cancelled_ = true;
  if (!AnyRunning()) Kick();
}

void TConversionEngine::Terminate() {
  if (!Active_) return;
  Terminating_ = true;
  EndVerifications(true);  // their files are whole: they stay, unchecked
  for (auto& job : Jobs_) {
    if (job->Index < 0) continue;
    if (job->Sink->Status() == TOutputStatus::Idle) continue;  // its end is already on its way
    job->Sink->DiscardRun();
    if (job->Sink->Status() == TOutputStatus::Paused) job->Sink->Resume();
    job->Sink->Stop();
  }
  if (!AnyRunning()) StartNext();  // nothing to wait for: the run is over now
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
  const QString& artist = task.AlbumArtist.isEmpty() ? task.Artist : task.AlbumArtist;
  const QString key = task.Album.isEmpty() ? "folder\n" + FolderPart(NativeAbsolutePath(task.SrcFile))
                                           : "album\n" + task.Album + "\n" + artist;
  AlbumOf_.resize(Tasks_.size());
  AlbumOf_[index] = key;
  auto& album = Albums_[key];
  if (!album) album = std::make_unique<TAlbum>();
  ++album->Pending;
}

void TConversionEngine::AlbumEnded(int index, const TConvertResult& result, std::unique_ptr<TLoudnessMeter> meter) {
  if (ReplayGain != TReplayGainMode::Album || index >= int(AlbumOf_.size())) return;
  const auto found = Albums_.find(AlbumOf_[index]);
  if (found == Albums_.end()) return;
  TAlbum& album = *found->second;
  const bool whole = result.Outcome == TJobOutcome::Converted || result.Outcome == TJobOutcome::EndedEarly;
  if (whole && meter)
    album.Measured.push_back({index, result.Output, std::move(meter)});
  else
    album.LeftOut << ReadableName(FileNamePart(Tasks_[index]->SrcFile));
  if (--album.Pending > 0) return;
  const std::unique_ptr<TAlbum> done = std::move(found->second);
  Albums_.erase(found);
  std::vector<const TLoudnessMeter*> meters;
  double peak = 0;
  for (const auto& m : done->Measured) {
    meters.push_back(m.Meter.get());
    peak = std::max(peak, m.Meter->Peak());
  }
  const std::vector<std::uint8_t> frames =
      TReplayGainTag::Frames("ALBUM", TLoudnessMeter::GainOf(TLoudnessMeter::Loudness(meters)), peak);
  const QString leftOut =
      done->LeftOut.isEmpty()
          ? QString()
          : lang::AlbumGainLeftOutFormat(qsizetype(done->Measured.size()) + done->LeftOut.size())
                .arg(done->Measured.size())
                .arg(done->LeftOut.join(", "));
  for (const auto& m : done->Measured) {
    QString note = leftOut;
    try {
      // The fill touches the file after it was given its input's time; the input
      // itself may be in the trash by now, so the MP3's own time is given back.
      struct stat before {};
      const bool timed = ::stat(NativePath(m.Output).constData(), &before) == 0;
      TMP3FileWriter::FillPadding(NativePath(m.Output).toStdString(), frames);
      if (KeepFileTime) GiveTime(Tasks_[m.Index]->SrcFile, m.Output, note, timed ? &before.st_mtim : nullptr);
    } catch (const std::exception& e) {
      note = lang::NoAlbumGain + QString::fromUtf8(e.what());
    }
    if (!note.isEmpty()) emit JobNote(m.Index, note);
  }
}

TMP3Out& TConversionEngine::FirstSink() { return *Jobs_.front()->Sink; }
