#pragma once
#include <QDateTime>
#include <QDialog>
#include <QEventLoop>
#include <QSet>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "RunClock.h"
#include "SkinFrame.h"

class TMP3Out;
class TDX9In;
struct TTask;

// The progress window: converts the ticked tasks one after the other.
class TprgFrm : public QDialog {
  Q_OBJECT
 public:
  // Throws EAudioException when the encoder library cannot be loaded.
  explicit TprgFrm(QWidget* parent = nullptr);
  ~TprgFrm() override;

  // Shows the window modally for one run over the ticked tasks; returns when the
  // run is over. Hiding the window to the tray keeps the run modal.
  void StartRun();
  // A run is in progress, shown or hidden.
  bool Running() const { return Running_; }
  // Ends a run at once, without questions: the file being written is discarded,
  // finished files stay. For the program's end on a signal.
  void Terminate();
  // The window whose visibility follows this one when hiding to the tray.
  QWidget* MainWindow = nullptr;

  TSkinFrame* skinFrame;
  QProgressBar* totalPrgBar;
  QProgressBar* curPrgbar;
  QGroupBox* progressGroup;
  QLabel* timeLabel;
  QLabel* fileLabel;
  QPushButton* pauseBtn;
  QPushButton* cancelBtn;
  QPushButton* hideBtn;
  QTimer* Timer1;
  QSystemTrayIcon* TrayIcon;
  std::unique_ptr<TMP3Out> MP3Out;
  QTimer* Timer2;
  QLabel* Label1;
  QLabel* Label2;

  // The files of the last run that could not be converted, with the reason of each.
  const QStringList& Failures() const { return Failures_; }
  bool HiddenToTray() const { return Hidden_; }
  // Takes away a window left over from a run that has ended, shown or in the
  // tray, bringing the main window back from the tray. Nothing while a run goes on.
  void Dismiss();
  // The steady clock, in milliseconds, that the time line reads; replaceable, for tests.
  std::function<qint64()> Now;

 public slots:
  void Timer1Timer();
  void Timer2Timer();
  void pauseBtnClick();
  void cancelBtnClick();
  void hideBtnClick();
  void skinFrameTitleBarCustomBtnsClick(int ButtonIndex);
  void TrayIconClick();
  void MP3OutDone(int job = 0);
  // The desktop's tray went away or came back.
  void TrayChanged(bool available);

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  void FormCreate();
  void FormShow();
  // One conversion of a run; a run has up to ParallelJobs of them at once.
  struct TJob {
    TMP3Out* Sink = nullptr;
    TDX9In* Source = nullptr;
    int Index = -1;  // the task; -1 while the job is free
    int Number = 0;  // its number among the ticked tasks
  };
  void StartTask(TJob& job);
  void FinishBatch();
  void HideToTray();
  void TaskFailed(int job, const QString& reason);
  void NoteKeptShort(const TJob& job);
  void EndTask(TJob& job);
  void SetUpJobs(int count);
  bool AnyRunning() const;
  // The running job with the lowest list index, or none.
  const TJob* Leading() const;
  void ShowLeading();
  void ShowBars(bool visible);
  void CloseWindow();
  // A name no earlier task of this run wrote; the task's own when free.
  QString OutputFor(TTask& task);

  TRunClock StartTime;  // the run's converting time, pauses left out
  std::vector<TJob> Jobs_;
  std::vector<std::unique_ptr<TMP3Out>> MoreSinks_;  // the sinks of jobs after the first
  int ShownIndex_ = -1;  // the task the file line and bar show
  int CurrentNumber = 0;
  qint64 TotalDuration = 0;
  int CheckedCount = 0;
  qint64 DoneDuration = 0;
  int CurrentIndex = -1;
  bool Paused = false;
  bool Cancelled = false;

  bool Hidden_ = false;
  bool Running_ = false;
  bool Asking_ = false;       // the cancel question is on screen
  bool Terminating_ = false;
  QEventLoop* RunLoop_ = nullptr;
  QSet<QString> Written_;     // outputs of this run
  QStringList Failures_;
  QStringList KeptShort_;     // files a cancel ended early, with how much they hold
};
