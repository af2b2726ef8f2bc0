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
#include "RunProgress.h"
#include "RunReport.h"
#include "SkinFrame.h"
#include "TrayHiding.h"

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
  // A run is in progress, shown or hidden, or its report waits to be read:
  // the window's own loop is on.
  bool Running() const { return RunLoop_ != nullptr; }
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
  QTimer* nextTaskTimer;  // starts the next tasks once the current event is handled
  QSystemTrayIcon* TrayIcon;
  TMP3Out* MP3Out = nullptr;  // the first job's sink
  QTimer* progressTimer;  // moves the bars and the time line while files convert
  // In place of the bars while a file of unknown length converts.
  QLabel* notEstimatedLabel;
  QLabel* reportLaterLabel;

  // The files of the last run that could not be converted, with the reason of each.
  const QStringList& Failures() const { return Report_.Failures(); }
  bool HiddenToTray() const { return Tray_->Hidden(); }
  // Takes away a window left over from a run that has ended, shown or in the
  // tray, bringing the main window back from the tray. Nothing while a run goes on.
  void Dismiss();
  // The steady clock, in milliseconds, that the time line reads; replaceable, for tests.
  std::function<qint64()> Now;
  // Tells the desktop of a run's end that the user is not looking at.
  TDoneNotice* Notice;

 public slots:
  // Starts tasks in the free jobs, unless a question waits or the run is paused.
  void StartNextTasks();
  // Shows the run's progress: the file line, the bars, the time line.
  void ShowProgress();
  void pauseBtnClick();
  void cancelBtnClick();
  void hideBtnClick();
  void skinFrameTitleBarCustomBtnsClick(int ButtonIndex);
  void TrayIconClick();
  // A task of the run has ended, converted or not.
  void MP3OutDone(int index, const TConvertResult& result);
  // The notice of the run's end reached the desktop's notification service, or
  // did not and goes to the tray icon instead.
  void NoticeAnswered(bool delivered);

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  void BuildProgressGroup();
  void BuildButtons();
  void PlaceButtons();
  void BuildTimers();
  void BuildTray();
  void ConnectEngine();
  void ConnectControls();
  // Sets the window and the engine up for a run over the ticked tasks.
  void BeginRun();
  void QuitRunLoop();
  void RunEnded();
  void FinishBatch();
  QString Summary() const;
  // Starts the next tasks once the current event is handled.
  void Advance();
  // Puts a yes-or-no question while the run holds its starts; true for yes
  // when the run still goes on.
  bool Ask(const QString& question);
  void CancelRun();
  void AskToStop(const QString& folder, const QString& reason);
  void HideToTray();
  void TaskFailed(int index, const QString& reason);
  void EndTask(int index);
  void ShowLeading();
  void ShowBars(bool visible);
  void CloseWindow();
  void SendNotice();

  TRunClock StartTime;  // the run's converting time, pauses left out
  // Holds the run's state too: running, paused, cancelled or ending at once.
  std::unique_ptr<TConversionEngine> Engine_;
  std::vector<TTask*> RunTasks_;  // the ticked tasks, in list order
  bool Started_ = false;  // the run's first tick has come
  int ShownIndex_ = -1;  // the task the file line and bar show
  int CheckedCount = 0;
  TRunProgress Progress_;
  TTrayHiding* Tray_;
  bool Asking_ = false;       // a question is on screen, the engine's starts held
  QEventLoop* RunLoop_ = nullptr;  // the run's loop, while the window is in a run
  TRunReport Report_;
  bool RefusalAsked_ = false;  // the run has asked whether to stop for an output that takes no files
  bool TimeLineShown_ = false;  // the run has an estimate of its time
  bool Notify_ = false;  // the run's NotifyWhenDone
  QString NoticeBody_;
};
