#pragma once
#include <QDateTime>
#include <QDialog>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QSet>
#include <QPushButton>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "RunClock.h"
#include "SkinFrame.h"

class TConversionEngine;
class TDoneNotice;
class TMP3Out;
struct TConvertResult;
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
  TMP3Out* MP3Out = nullptr;  // the first job's sink
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
  // Tells the desktop of a run's end that the user is not looking at.
  TDoneNotice* Notice;

 public slots:
  void Timer1Timer();
  void Timer2Timer();
  void pauseBtnClick();
  void cancelBtnClick();
  void hideBtnClick();
  void skinFrameTitleBarCustomBtnsClick(int ButtonIndex);
  void TrayIconClick();
  // A task of the run has ended, converted or not.
  void MP3OutDone(int index, const TConvertResult& result);
  // The desktop's tray went away or came back.
  void TrayChanged(bool available);
  // The notice of the run's end reached the desktop's notification service, or
  // did not and goes to the tray icon instead.
  void NoticeAnswered(bool delivered);

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  void FormCreate();
  void FormShow();
  void RunEnded();
  void FinishBatch();
  QString Summary() const;
  QString ReportLists() const;
  // Starts the next tasks once the current event is handled.
  void Advance();
  // Puts a yes-or-no question while the run holds its starts; true for yes
  // when the run still goes on.
  bool Ask(const QString& question);
  void CancelRun();
  void AskToStop(const QString& folder, const QString& reason);
  // A task's share of the run's work: its audio, and for its opening, tags and
  // check about what converting a second of audio costs, so that files of
  // unknown length and runs of short files move the total bar too.
  static qint64 Work(const TTask& task);
  static constexpr qint64 FileWork = 10000000;
  // The time line waits for a pace worth extrapolating.
  static constexpr qint64 EstimateAfterMs = 3000;
  static constexpr qint64 EstimateAfterPercent = 2;
  void HideToTray();
  void TaskFailed(int index, const QString& reason);
  void NoteFailure(int index, const QString& reason);
  void NoteKeptShort(int index, const TConvertResult& result);
  void EndTask(int index);
  void ShowLeading();
  void ShowBars(bool visible);
  void CloseWindow();
  void SendNotice();

  TRunClock StartTime;  // the run's converting time, pauses left out
  std::unique_ptr<TConversionEngine> Engine_;
  std::vector<TTask*> RunTasks_;  // the ticked tasks, in list order
  bool Started_ = false;  // the run's first tick has come
  int ShownIndex_ = -1;  // the task the file line and bar show
  // The run's work and the part of it done, in 100-ns units of audio (see Work).
  qint64 TotalDuration = 0;
  int CheckedCount = 0;
  qint64 DoneDuration = 0;
  qint64 Checking_ = 0;  // the audio of the files written and being checked
  QSet<int> CheckingTasks_;
  bool Paused = false;
  bool Cancelled = false;

  bool Hidden_ = false;
  bool Running_ = false;
  bool Asking_ = false;       // the cancel question is on screen
  bool Terminating_ = false;
  QEventLoop* RunLoop_ = nullptr;
  QStringList Failures_;
  std::vector<int> FailedAt_;  // the task of each failure, in order
  QStringList KeptShort_;     // files a cancel ended early, with how much they hold
  QStringList AlbumNotes_;    // what an album's gain left out, once per album
  QStringList Trashed_;       // names of the inputs moved to the trash
  QStringList NotTrashed_;    // inputs that could not be, with the reason of each
  int AlreadyDone_ = 0;  // outputs found complete and left alone
  int Converted_ = 0;    // files converted whole in this run
  bool RefusalAsked_ = false;  // the run has asked whether to stop for an output that takes no files
  bool TimeLineShown_ = false;  // the run has an estimate of its time
  bool Notify_ = false;  // the run's NotifyWhenDone
  QString NoticeBody_;
};
