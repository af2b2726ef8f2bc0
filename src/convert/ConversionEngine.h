#pragma once
#include <QObject>
#include <QHash>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "ConvertResult.h"
#include "DefaultSettings.h"
#include "EngineOptions.h"
#include "RunState.h"

class QSocketNotifier;
class QTimer;
class TAlbumGain;
class TLoudnessMeter;
class TOutputChecks;
class TMP3Out;
class TFFmpegIn;
struct TTask;

// Converts the tasks of one run through up to a given number of sinks at once,
// each with its own worker thread, starting them in list order. It owns the
// jobs, the share of the cores they leave for splitting files, the names the
// run writes, and pause, cancel and the end at once for all of them. It lives
// on the thread that created it and tells its client through signals only.
//
// Starts come when the client asks (StartNext), so a window can pace them; with
// AutoStart the engine starts the next task itself as soon as a job is free.
class TConversionEngine : public QObject {
  Q_OBJECT
 public:
  // `firstSink`, when given, is the first job's sink and stays the caller's;
  // the engine makes the others. A lent sink's run must have ended (Finished)
  // before the engine goes: its handlers are taken back then. Throws EAudioException when the encoder
  // library cannot be loaded.
  explicit TConversionEngine(TMP3Out* firstSink = nullptr, QObject* parent = nullptr);
  ~TConversionEngine() override;

  // Sets up each sink the engine makes; the house settings by default.
  std::function<void(TMP3Out&)> Configure;
  // Whether another task, outside this run, claims `name` as its output.
  std::function<bool(const QString& name, const TTask& task)> NameClaimed;
  bool AutoStart = false;
  // What to do with an output name that already stands: numbered names are given
  // by the client; Skip leaves a complete output not older than its input alone.
  TExistingOutput Existing = TExistingOutput::Number;
  // Each MP3 made gets its input's modification time.
  bool KeepFileTime = false;
  // The ReplayGain the MP3s are tagged with. A file's album gain is written once
  // every file of its album in the run has ended: files sharing the album tag and
  // album artist (else artist), or, untagged, the input's folder.
  TReplayGainMode ReplayGain = TReplayGainMode::None;
  // Each MP3 made is decoded, on a thread of its own while the next file encodes,
  // before its end is told: one that does not play cleanly to its length fails.
  bool Verify = true;
  // Each input whose MP3 was made whole goes to the desktop's trash once its end is
  // final: after the check with Verify, never after a failure, an early end, a
  // cancel or the end at once, never when the MP3 is the input itself.
  bool TrashSources = false;
  // For tests: called on the engine's thread between an MP3's writing and its check.
  std::function<void(const QString& output)> BeforeVerify;

  // Begins a run over `tasks` with up to `jobs` at once (0: one for each core);
  // cores the jobs leave free go to splitting long files when `split`. Starts
  // nothing by itself unless AutoStart is set. Refused while a run is active.
  bool Begin(std::vector<TTask*> tasks, int jobs, bool split);
  // The same, with the options of the run set first.
  bool Begin(std::vector<TTask*> tasks, const TEngineOptions& options);
  // After Begin: adds a task at the end of the run, taking the run up again when it has
  // finished (not when it was cancelled or ended). A task appended again while it
  // still runs is converted again after, into its own output.
  bool Append(TTask* task);
  TTask* Task(int index) const { return Tasks_[std::size_t(index)]; }
  // Starts tasks in list order in the free jobs, unless the run is paused,
  // held, cancelled or ended. Emits Finished once nothing runs and nothing is left.
  void StartNext();

  // Each of these moves the run as RunStateAfter allows, and is refused (false,
  // nothing done) where it does not.
  bool Pause();
  bool Resume();
  // The running files end with the audio so far; no other starts.
  bool Cancel();
  // The running files are discarded; no other starts. Those written already stay,
  // their checks stopped.
  bool Terminate();
  // No task starts while held, whatever the run's state; those running go on.
  // For a question put to the user: the answer decides what comes next.
  void Hold(bool held) { Held_ = held; }

  TRunState State() const { return State_; }
  bool Paused() const { return State_ == TRunState::Paused; }
  // Cancelled by the user, ending or ended.
  bool Cancelled() const { return State_ == TRunState::Cancelling || State_ == TRunState::Cancelled; }
  // A run has begun and not yet finished.
  bool Active() const { return RunActive(State_); }
  bool AnyRunning() const;

  struct TJobView {
    int Index = -1;          // the task's place in the run
    int Number = 0;          // 1 for the first task started, 2 for the next...
    bool Reading = false;    // its input is open
    qint64 Delivered = 0;    // audio handed to the encoder so far, 100-ns units
    qint64 Length = 0;       // the input's length as read, 0 when unknown
  };
  // The running jobs, the task with the lowest index first.
  std::vector<TJobView> Running() const;
  int Started() const { return Started_; }

  // The task's output is there, complete and not older than its input: a run that
  // skips existing outputs leaves it alone.
  static bool UpToDate(const TTask& task);

  // The house sink settings, as `Configure` applies them by default.
  TMP3Out& FirstSink();

 signals:
  void JobStarted(int index);
  // `percent` of the file at `index` has been read; only while connected.
  void JobProgress(int index, int percent);
  void JobEnded(int index, const TConvertResult& result);
  // After JobEnded, once the file's album is done: what its album gain left out,
  // or why it has none.
  void JobNote(int index, const QString& note);
  // The MP3 of the task at `index` is written and its job free for the next task;
  // JobEnded follows once the file is checked.
  void JobWritten(int index);
  // The run is over: every task started has ended and none is left to start.
  void Finished();

 private:
  struct TJob;
  // Moves the run's state on `event`; false when the state allows no such move.
  bool Move(TRunEvent event);
  // Nothing more starts: cancelled or ended at once.
  bool Stopping() const { return Cancelled() || Discarding(); }
  // Ending or ended at once: the running files are discarded.
  bool Discarding() const { return State_ == TRunState::Terminating || State_ == TRunState::Terminated; }
  void SetUpJobs(int count);
  void StartTask(TJob& job, int index);
  // The task's output is there, complete and not older than its input.
  bool AlreadyConverted(const TTask& task) const;
  void Skip(int index);
  void SinkDone(TJob& job);
  void SinkFailed(TJob& job, const QString& reason);
  void End(TJob& job, TConvertResult result);
  // `whole`: the file ran to its end uncut and, with Verify, played to its end.
  void Report(int index, TConvertResult result, std::unique_ptr<TLoudnessMeter> meter, bool whole = false);
  void StartVerification(int index, TConvertResult result, std::unique_ptr<TLoudnessMeter> meter, bool uncut);
  // Moves the task's input to the trash, or says in `result` why it stays.
  void TrashSource(int index, TConvertResult& result);
  // Reports the checks that have ended; with `all`, stops the others and waits for them first.
  void EndVerifications(bool all);
  // StartNext once the current event is handled.
  void Kick();
  // Takes the failures the sinks' workers reported.
  void CollectFailures();
  // A name no earlier task of this run wrote and no other task claims; the
  // task's own when free.
  QString ReserveOutput(TTask& task);

  // Album gain: counts the task in its album's.
  void JoinAlbum(int index);
  // Keeps what the ended task measured, and writes the album gain when it was the last.
  void AlbumEnded(int index, const TConvertResult& result, std::unique_ptr<TLoudnessMeter> meter);

  std::vector<std::unique_ptr<TJob>> Jobs_;
  std::vector<TTask*> Tasks_;
  std::size_t Next_ = 0;
  int Started_ = 0;
  int Wanted_ = 1;
  QHash<QString, const TTask*> Written_;  // names written in this run, and by which task
  TRunState State_ = TRunState::Idle;
  bool Held_ = false;
  bool Starting_ = false;
  bool Progress_ = false;
  QTimer* Kick_ = nullptr;
  // A failure caught on a worker is left here and told through an eventfd: the
  // hand-over is one the race checker can follow, unlike Qt's event queue.
  std::mutex FailedMx_;
  std::vector<std::pair<TJob*, QString>> Failed_;
  int WakeFd_ = -1;
  // Checks under way; those ended are told through the same eventfd.
  std::unique_ptr<TOutputChecks> Checks_;
  QSocketNotifier* Wake_ = nullptr;
  std::unique_ptr<TAlbumGain> Albums_;
};
