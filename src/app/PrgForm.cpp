#include "PrgForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QShortcut>
#include <algorithm>
#include <QUrl>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <unistd.h>

#include "AudioException.h"
#include "ConversionEngine.h"
#include "DoString.h"
#include "DoneNotice.h"
#include "Globals.h"
#include "Lang.h"
#include "MP3Out.h"
#include "MsgForm.h"
#include "NativePath.h"
#include "Paths.h"
#include "PrefsForm.h"
#include "TaskOps.h"
#include "TrayWatch.h"

TprgFrm::TprgFrm(QWidget* parent) : QDialog(parent) {
  setObjectName("prgFrm");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint);
  setFixedSize(318, 230);

  skinFrame = new TSkinFrame(this);
  skinFrame->setGeometry(0, 0, 318, 26);
  skinFrame->AddCustomButton(QString(QChar(0x2715)), "Cancel");
  skinFrame->AddCustomButton(QString(QChar(0x25BE)), "Hide to Tray");

  progressGroup = new QGroupBox(this);
  progressGroup->setObjectName("progressGroup");
  progressGroup->setGeometry(24, 48, 265, 121);
  timeLabel = new QLabel(progressGroup);
  timeLabel->setObjectName("timeLabel");
  timeLabel->setGeometry(16, 16, 240, 16);
  Label1 = new QLabel(lang::TimeNotEstimated, progressGroup);
  Label1->setObjectName("Label1");
  Label1->setGeometry(64, 40, 190, 16);
  totalPrgBar = new QProgressBar(progressGroup);
  totalPrgBar->setObjectName("totalPrgBar");
  totalPrgBar->setGeometry(16, 32, 225, 25);
  totalPrgBar->setRange(0, 100);
  fileLabel = new QLabel(progressGroup);
  fileLabel->setObjectName("fileLabel");
  fileLabel->setGeometry(16, 64, 225, 16);
  fileLabel->setTextFormat(Qt::PlainText);
  Label2 = new QLabel(lang::PromptAfterConversion, progressGroup);
  Label2->setObjectName("Label2");
  Label2->setGeometry(16, 88, 240, 16);
  curPrgbar = new QProgressBar(progressGroup);
  curPrgbar->setObjectName("curPrgbar");
  curPrgbar->setGeometry(16, 80, 225, 25);
  totalPrgBar->setAccessibleName(lang::TotalProgress);
  curPrgbar->setAccessibleName(lang::CurrentFile);
  for (QLabel* l : {timeLabel, Label1, Label2}) l->setTextFormat(Qt::PlainText);
  progressGroup->setStyleSheet("QLabel { font-size: 10px; }");
  timeLabel->resize(245, 16);

  hideBtn = new QPushButton(lang::HideToTray, this);
  hideBtn->setObjectName("hideBtn");
  pauseBtn = new QPushButton(lang::Pause, this);
  pauseBtn->setObjectName("pauseBtn");
  cancelBtn = new QPushButton(lang::Cancel, this);
  cancelBtn->setObjectName("cancelBtn");
  int x = 24;
  for (QPushButton* b : {hideBtn, pauseBtn, cancelBtn}) {
    b->setGeometry(x, 184, 80, 27);
    b->setAutoDefault(false);
    x += 92;
  }

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(100);
  Timer1->setSingleShot(true);
  Timer2 = new QTimer(this);
  Timer2->setObjectName("Timer2");
  Timer2->setInterval(100);
  TrayIcon = new QSystemTrayIcon(QApplication::windowIcon(), this);
  TrayIcon->setObjectName("TrayIcon");
  auto* trayMenu = new QMenu(this);
  trayMenu->setObjectName("trayMenu");
  connect(trayMenu->addAction(lang::TrayRestore), &QAction::triggered, this, &TprgFrm::TrayIconClick);
  connect(trayMenu->addAction(QString(lang::Preferences) + lang::Dots), &QAction::triggered, this, ShowPrefsWindow);
  TrayIcon->setContextMenu(trayMenu);
  // The preferences from here too; the run keeps its settings, a change is for the next one.
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this), &QShortcut::activated, this, ShowPrefsWindow);
  Notice = new TDoneNotice(this);
  connect(Notice, &TDoneNotice::Answered, this, &TprgFrm::NoticeAnswered);

  auto steady = std::make_shared<QElapsedTimer>();
  steady->start();
  Now = [steady] { return steady->elapsed(); };

  Engine_ = std::make_unique<TConversionEngine>(nullptr);
  MP3Out = &Engine_->FirstSink();
  // Other tasks of the list keep their names: a run numbers its outputs around them.
  Engine_->NameClaimed = [](const QString& name, const TTask& task) {
    return std::any_of(Tasks.begin(), Tasks.end(),
                       [&](const auto& other) { return other.get() != &task && other->DstFile == name; });
  };
  connect(Engine_.get(), &TConversionEngine::JobEnded, this, &TprgFrm::MP3OutDone);
  connect(Engine_.get(), &TConversionEngine::Finished, this, &TprgFrm::RunEnded);
  connect(Engine_.get(), &TConversionEngine::JobNote, this, [this](int index, const QString& note) {
    // Each file of an album is told the same; the report says it once, after the album's name.
    const TTask& task = *RunTasks_[index];
    QString album = task.Album.isEmpty() ? FolderPart(task.SrcFile) : task.Album;
    if (album.size() > 1 && album.endsWith('/')) album.chop(1);
    const QString line = album + ": " + note;
    if (!AlbumNotes_.contains(line)) AlbumNotes_ << line;
  });
  // A job whose file is being checked is free for the next task.
  connect(Engine_.get(), &TConversionEngine::JobWritten, this, [this](int index) {
    Checking_ += std::max<qint64>(RunTasks_[index]->Duration, 0);
    CheckingTasks_.insert(index);
    Advance();
  });
  connect(Engine_.get(), &TConversionEngine::JobStarted, this, [this] {
    ShowLeading();
    if (!TimeLineShown_) timeLabel->setText(lang::ConvertingPleaseWait);
    // Restarted at every start, it would never tick in a run of files shorter than its interval.
    if (!Timer2->isActive() && !Paused) Timer2->start();
  });

  connect(Timer1, &QTimer::timeout, this, &TprgFrm::Timer1Timer);
  connect(Timer2, &QTimer::timeout, this, &TprgFrm::Timer2Timer);
  connect(pauseBtn, &QPushButton::clicked, this, &TprgFrm::pauseBtnClick);
  connect(cancelBtn, &QPushButton::clicked, this, &TprgFrm::cancelBtnClick);
  connect(hideBtn, &QPushButton::clicked, this, &TprgFrm::hideBtnClick);
  connect(skinFrame, &TSkinFrame::TitleBarCustomBtnsClick, this, &TprgFrm::skinFrameTitleBarCustomBtnsClick);
  // The other button opens the icon's menu.
  connect(TrayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason != QSystemTrayIcon::Context) TrayIconClick();
  });
  connect(new TTrayWatch(this), &TTrayWatch::Changed, this, &TprgFrm::TrayChanged);
  ShowBars(true);
  FormCreate();
}

TprgFrm::~TprgFrm() {
  Timer1->stop();
  Timer2->stop();
}

void TprgFrm::FormCreate() {
  Paused = false;
  Cancelled = false;
}

void TprgFrm::FormShow() {
  skinFrame->SetCaption(lang::ProgressCaption);
  setWindowTitle(lang::ProgressCaption);
  hideBtn->setText(lang::HideToTray);
}

void TprgFrm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TprgFrm::reject() {
  // Escape or the window manager's close act as the cancel button.
  cancelBtnClick();
}

void TprgFrm::StartRun() {
  qint64 total = 0;
  int count = 0;
  // An input gone since it was added fails in its turn, and the report names it
  // with the others: a question here would come once for each of them.
  for (const auto& task : Tasks) {
    if (!task->Checked) continue;
    ++count;
    total += Work(*task);
  }
  if (count == 0) {
    ShowMessageWindow(miQuestion, QString(lang::NothingToConvert) + " " + "\n" + lang::PleaseCheck, lang::Help,
                      lang::Ok);
    return;
  }
  timeLabel->setText(QString(lang::ReadingPleaseWait) + lang::Dots);
  fileLabel->clear();
  totalPrgBar->setValue(0);
  curPrgbar->setRange(0, 100);
  curPrgbar->setValue(0);
  ShowBars(true);
  TotalDuration = total;
  CheckedCount = count;
  RunTasks_.clear();
  for (const auto& task : Tasks)
    if (task->Checked) RunTasks_.push_back(task.get());
  Engine_->Existing = DefaultSettings.ExistingOutput;
  Engine_->KeepFileTime = DefaultSettings.KeepFileTime;
  Engine_->ReplayGain = DefaultSettings.ReplayGain;
  Engine_->Verify = DefaultSettings.VerifyOutput;
  Engine_->TrashSources = DefaultSettings.TrashSources;
  Engine_->Begin(RunTasks_, DefaultSettings.ParallelJobs, DefaultSettings.SplitFiles);
  Notify_ = DefaultSettings.NotifyWhenDone;
  AlreadyDone_ = 0;
  Converted_ = 0;
  Checking_ = 0;
  CheckingTasks_.clear();
  RefusalAsked_ = false;
  TimeLineShown_ = false;
  Started_ = false;
  ShownIndex_ = -1;
  DoneDuration = 0;
  cancelBtn->setText(lang::Cancel);
  pauseBtn->setText(lang::Pause);
  pauseBtn->setEnabled(true);
  Cancelled = false;
  Paused = false;
  Terminating_ = false;
  Failures_.clear();
  FailedAt_.clear();
  KeptShort_.clear();
  AlbumNotes_.clear();
  Trashed_.clear();
  NotTrashed_.clear();
  hideBtn->setEnabled(true);
  Hidden_ = false;
  TrayIcon->hide();
  // A window that was minimised with its run, or shown from the tray after one,
  // opens normally and modally.
  setWindowState(windowState() & ~Qt::WindowMinimized);
  setWindowModality(Qt::ApplicationModal);
  Running_ = true;
  Timer1->start(100);
  show();
  raise();
  activateWindow();
  // Our own loop rather than exec(): exec() ends when the window is hidden, and
  // a run hidden to the tray must stay modal.
  QEventLoop loop;
  RunLoop_ = &loop;
  loop.exec();
  RunLoop_ = nullptr;
  Running_ = false;
}

void TprgFrm::CloseWindow() {
  Running_ = false;
  const bool minimised = isMinimized();
  // Preferences opened over this window go to the main window, before this one
  // goes: that one is then kept under them, as when they are opened from it.
  TPrefsForm* prefs = PrefsWindow() && PrefsWindow()->isVisible() ? PrefsWindow() : nullptr;
  if (prefs && MainWindow && MainWindow->isVisible() && !MainWindow->isMinimized()) SetOwnerWindow(prefs, MainWindow);
  hide();
  if (minimised) {
    // A window withdrawn while minimised keeps that state with some window
    // managers (the next run's window would open minimised, its owner with
    // it), and a late focus event can leave the keyboard with it though hidden.
    // The next run gets a new one.
    setWindowState(Qt::WindowNoState);
    destroy();
  }
  // Not every desktop gives the focus back to the owner of a closed window.
  // Preferences left open keep it: they are where the user was.
  if (prefs)
    prefs->activateWindow();
  else if (MainWindow && MainWindow->isVisible() && !MainWindow->isMinimized())
    MainWindow->activateWindow();
  setResult(QDialog::Accepted);
  if (RunLoop_) RunLoop_->quit();
}

void TprgFrm::Terminate() {
  if (!Running_) return;
  Terminating_ = true;
  Timer1->stop();
  Timer2->stop();
  if (Engine_->Active())
    Engine_->Terminate();  // its end closes the window
  else
    CloseWindow();
}

void TprgFrm::ShowBars(bool visible) {
  totalPrgBar->setVisible(visible);
  curPrgbar->setVisible(visible);
  Label1->setVisible(!visible);
  Label2->setVisible(!visible);
}

void TprgFrm::Timer1Timer() {
  Timer1->stop();
  // Nothing starts or ends while a question waits for its answer, and the run
  // does not end while paused: the answer and the resume advance it again.
  if (Asking_ || Paused) return;
  if (!Started_) {
    Started_ = true;
    StartTime.Start(Now());
  }
  // Tasks start in list order, each in a free job; the run's end comes from the engine.
  Engine_->StartNext();
}

// The next task starts as soon as a job is free: a pause between files would add
// up to minutes in a run of thousands. The engine starts none while the run is
// paused or held for a question.
void TprgFrm::Advance() { Timer1->start(0); }

qint64 TprgFrm::Work(const TTask& task) { return std::max<qint64>(task.Duration, 0) + FileWork; }

void TprgFrm::RunEnded() {
  if (Terminating_)
    CloseWindow();
  else
    FinishBatch();
}

// The file line and bar follow the running task with the lowest list index.
void TprgFrm::ShowLeading() {
  const auto running = Engine_->Running();
  if (running.empty() || running.front().Index == ShownIndex_) return;
  const auto& lead = running.front();
  ShownIndex_ = lead.Index;
  const TTask& task = *RunTasks_[lead.Index];
  fileLabel->setText(QString(lang::CurrentFile) + QString::asprintf(lang::CurrentFileFormat, lead.Number, CheckedCount,
                                                                    ReadableName(task.Title).toUtf8().constData()));
  curPrgbar->setRange(0, static_cast<int>(std::min<qint64>(task.Duration / 10000, INT32_MAX)));
  curPrgbar->setValue(0);
  ShowBars(task.Duration > 0);
}

void TprgFrm::Timer2Timer() {
  ShowLeading();
  const auto jobs = Engine_->Running();
  // Only the audio of tasks of known length counts while it converts; each
  // task's share for opening and finishing counts when it ends.
  qint64 running = Checking_;
  for (const auto& j : jobs)
    if (j.Reading && RunTasks_[j.Index]->Duration > 0) running += std::min<qint64>(j.Delivered, RunTasks_[j.Index]->Duration);
  if (!jobs.empty() && jobs.front().Reading)
    curPrgbar->setValue(static_cast<int>(std::min<qint64>(jobs.front().Delivered / 10000, curPrgbar->maximum())));
  const qint64 done = std::min(DoneDuration + running, TotalDuration);
  if (TotalDuration > 0) totalPrgBar->setValue(static_cast<int>(done * 100 / TotalDuration));
  const qint64 elapsedMs = StartTime.Elapsed(Now());
  if (!jobs.empty() && RunTasks_[jobs.front().Index]->Duration <= 0) {
    // The window says the time cannot be estimated: no time line beside it.
    timeLabel->setText(lang::ConvertingPleaseWait);
  } else if (TotalDuration > 0 && elapsedMs >= EstimateAfterMs && done * 100 >= TotalDuration * EstimateAfterPercent) {
    // The remaining time is that of the work the bar shows undone, at the pace so far.
    const qint64 remainingMs = TRunClock::Remaining(elapsedMs, done, TotalDuration);
    timeLabel->setText(QString(lang::TimeElapsed) + ": " + ClockText(elapsedMs * 10000) + ", " + lang::Remained +
                       ": " + lang::AboutWord + " " + ClockText(remainingMs * 10000));
    TimeLineShown_ = true;
  }
  if (TrayIcon->isVisible()) TrayIcon->setToolTip(QString(lang::RestoreHint) + "\n" + timeLabel->text());
}

void TprgFrm::EndTask(int index) {
  // A task whose input never opened still counts its share as done, so the total
  // bar and the remaining time stay right for the rest of the run.
  DoneDuration += Work(*RunTasks_[index]);
  if (CheckingTasks_.remove(index)) Checking_ -= std::max<qint64>(RunTasks_[index]->Duration, 0);
  if (Terminating_) return;  // the run's end closes the window
  if (index == ShownIndex_) {
    curPrgbar->setValue(curPrgbar->maximum());
    ShownIndex_ = -1;
  }
  if (!Engine_->AnyRunning() && !TimeLineShown_) timeLabel->setText(QString(lang::ReadingPleaseWait) + lang::Dots);
  Advance();
}

void TprgFrm::MP3OutDone(int index, const TConvertResult& result) {
  if (!result.Failure.isEmpty()) {
    TaskFailed(index, result.Failure);
    if (!result.OutputRefused.isEmpty() && !RefusalAsked_) {
      RefusalAsked_ = true;
      // No other file starts to fail the same way; asked once the engine has
      // finished telling this end.
      Engine_->Hold(true);
      QTimer::singleShot(0, this, [this, folder = FolderPart(result.Output), reason = result.OutputRefused] {
        AskToStop(folder, reason);
      });
    }
    EndTask(index);
    return;
  }
  if (result.Outcome == TJobOutcome::Converted) ++Converted_;
  // Its MP3 is kept, but a file whose audio ends early does not count as converted.
  if (!result.Shortfall.isEmpty()) NoteFailure(index, result.Shortfall);
  if (result.Outcome == TJobOutcome::Cancelled) NoteKeptShort(index, result);
  if (result.Outcome == TJobOutcome::Skipped) ++AlreadyDone_;
  if (!result.Trashed.isEmpty()) Trashed_ << FileNamePart(result.Trashed);
  if (!result.NotTrashed.isEmpty()) NotTrashed_ << RunTasks_[index]->SrcFile + ": " + result.NotTrashed;
  EndTask(index);
}

// A file the cancel stopped is kept with the audio so far: the report says how much.
void TprgFrm::NoteKeptShort(int index, const TConvertResult& result) {
  const TTask& task = *RunTasks_[index];
  const qint64 length = result.Length > 0 ? result.Length : task.Duration;
  KeptShort_ << QString(lang::KeptShortFormat)
                    .arg(FileNamePart(task.DstFile), ShortClockText(result.Written),
                         length > 0 ? ShortClockText(length) : QString("?"));
}

// In list order, however the jobs ended.
void TprgFrm::NoteFailure(int index, const QString& reason) {
  const auto at = std::upper_bound(FailedAt_.begin(), FailedAt_.end(), index);
  Failures_.insert(at - FailedAt_.begin(), ReadableName(RunTasks_[index]->SrcFile) + ": " + reason);
  FailedAt_.insert(at, index);
}

void TprgFrm::TaskFailed(int index, const QString& reason) {
  if (Terminating_) return;
  NoteFailure(index, reason);
  // A folder that takes no files is not offered again as the place for the next ones.
  const QString folder = FolderPart(RunTasks_[index]->DstFile);
  if (!folder.isEmpty() && DefaultSettings.OutputFileDir == folder &&
      ::access(NativePath(folder).constData(), W_OK) != 0)
    DefaultSettings.OutputFileDir.clear();
}

// The report's first line says how the run went; the lists under it scroll.
QString TprgFrm::Summary() const {
  if (Cancelled) return lang::Canceled;
  if (!Failures_.isEmpty()) return lang::FilesFailedFormat(CheckedCount).arg(Failures_.size());
  if (AlreadyDone_ > 0 && Converted_ == 0)
    return AlreadyDone_ == 1 ? QString(lang::NothingNewOne) : lang::NothingNewFormat(AlreadyDone_);
  if (AlreadyDone_ > 0) return QString(lang::SomeNewFormat).arg(Converted_).arg(AlreadyDone_);
  return lang::AllConverted;
}

QString TprgFrm::ReportLists() const {
  QStringList lines;
  auto list = [&lines](const QString& title, const QStringList& items) {
    if (items.isEmpty()) return;
    if (!title.isEmpty()) lines << title;
    for (const QString& item : items) lines << " " + item;
  };
  list(Cancelled ? lang::FilesFailedFormat(CheckedCount).arg(Failures_.size()) : QString(), Failures_);
  // Said by the first line when nothing else happened to the run.
  if (AlreadyDone_ > 0 && (Cancelled || !Failures_.isEmpty())) lines << lang::AlreadyConvertedFormat(AlreadyDone_);
  list(lang::KeptShort, KeptShort_);
  lines << AlbumNotes_;
  list(lang::MovedToTrash, Trashed_);
  list(lang::NotMovedToTrash, NotTrashed_);
  return lines.join('\n');
}

void TprgFrm::FinishBatch() {
  totalPrgBar->setValue(totalPrgBar->maximum());
  QCoreApplication::processEvents();
  const QString result = Summary();
  // Whatever came first, the cancel, the hiding or the end, the window now only
  // reports, and closes with OK, Escape or its close button.
  Timer2->stop();
  timeLabel->setText(result);
  SendNotice();
  pauseBtn->setEnabled(false);
  hideBtn->setEnabled(false);
  cancelBtn->setText(lang::Ok);
  // A question already on screen (the busy message the main window gave while
  // this one was minimised) is answered first: two at once would stack one under the other.
  WaitForAnswers();
  if (isMinimized()) {
    // Minimised, without a tray or by the user: the windows come back with the
    // question, which then stands above them. Asked alone, it would go under
    // this window, which is kept on top, as soon as that was restored.
    Hidden_ = false;
    if (MainWindow) MainWindow->showNormal();
    showNormal();
  }
  const int icon = Failures_.isEmpty() ? miInformation : Failures_.size() == CheckedCount ? miError : miWarning;
  RunOver();
  if (ShowMessageWindow(icon, result, ReportLists(), lang::OpenOutputFolder, lang::No, lang::Yes) == 1)
    OpenOnDesktop(QUrl::fromLocalFile(DefaultSettings.OutputFileDir));
  if (Hidden_ && TrayIcon->isVisible()) {
    // Ended while hidden to the tray: the main window stays hidden and the icon
    // stays until clicked, which brings both windows back.
    Running_ = false;
    if (RunLoop_) RunLoop_->quit();
    return;
  }
  if (Hidden_) {
    // Minimised without a tray: nothing else would bring the program back.
    Hidden_ = false;
    if (MainWindow) MainWindow->showNormal();
  }
  CloseWindow();
}

// Hidden, minimised or behind another program's window, the end is told on the
// desktop as well, before the report takes the focus.
void TprgFrm::SendNotice() {
  const bool outOfSight = Hidden_ || isMinimized() || QGuiApplication::applicationState() != Qt::ApplicationActive;
  if (!Notify_ || !outOfSight) return;
  NoticeBody_ = !Cancelled && !Failures_.isEmpty()
                    ? lang::NoticeFailedFormat(CheckedCount).arg(Failures_.size())
                    : Summary();
  Notice->Send(lang::NoticeSummary, NoticeBody_, DefaultSettings.OutputFileDir);
}

void TprgFrm::NoticeAnswered(bool delivered) {
  if (delivered) return;
  // No notification service: the tray icon's balloon, or else the task bar.
  if (TrayIcon->isVisible())
    TrayIcon->showMessage(lang::NoticeSummary, NoticeBody_, QSystemTrayIcon::Information);
  else
    QApplication::alert(this);
}

void TprgFrm::pauseBtnClick() {
  if (!Paused) {
    pauseBtn->setText(lang::Resume);
    Engine_->Pause();
    Timer2->stop();
    StartTime.Pause(Now());
    Paused = true;
  } else {
    pauseBtn->setText(lang::Pause);
    StartTime.Resume(Now());
    Engine_->Resume();
    Timer2->start();
    Paused = false;
    Advance();
  }
}

void TprgFrm::cancelBtnClick() {
  if (cancelBtn->text() != lang::Cancel) {
    CloseWindow();
    return;
  }
  if (!isVisible() || Asking_ || !Running_) return;
  if (Ask(lang::ConfirmCancel)) CancelRun();
}

// Nothing starts while a question waits for its answer; what runs goes on.
bool TprgFrm::Ask(const QString& question) {
  Asking_ = true;
  Engine_->Hold(true);
  const bool yes = ShowMessageWindow(miQuestion, question, lang::No, lang::Yes) == 1;
  Engine_->Hold(false);
  Asking_ = false;
  if (Running_) Advance();
  return yes && Running_;
}

void TprgFrm::CancelRun() {
  // The answer holds even when the task, or the last one, ended meanwhile. Each
  // running file is completed with the audio so far.
  Engine_->Cancel();
  Paused = false;
  StartTime.Resume(Now());
  pauseBtn->setText(lang::Pause);
  Cancelled = true;
}

// Asked once a run: every file after would fail for the same reason, and the
// report names them all at the end.
void TprgFrm::AskToStop(const QString& folder, const QString& reason) {
  // The cancel question on screen lets the starts go when it is answered.
  if (Asking_) return;
  if (!Running_ || Cancelled || Terminating_ || !Engine_->Active()) {
    Engine_->Hold(false);
    return;
  }
  if (Ask(QString(lang::OutputRefusedFormat).arg(reason, ReadableName(folder)) + "\n" + lang::StopTheRun)) CancelRun();
}

void TprgFrm::skinFrameTitleBarCustomBtnsClick(int ButtonIndex) {
  if (ButtonIndex == 2)
    HideToTray();
  else if (ButtonIndex == 1)
    cancelBtnClick();
}

void TprgFrm::hideBtnClick() { HideToTray(); }

void TprgFrm::HideToTray() {
  if (!Running_) return;  // an ended run's window only reports
  Hidden_ = true;
  if (QSystemTrayIcon::isSystemTrayAvailable()) {
    TrayIcon->setToolTip(lang::RestoreHint);
    TrayIcon->show();
    hide();
    if (MainWindow) MainWindow->hide();
  } else {
    // No tray on this desktop: minimise, so the task bar still leads back.
    if (MainWindow) MainWindow->showMinimized();
    showMinimized();
  }
}

void TprgFrm::TrayIconClick() {
  Hidden_ = false;
  if (MainWindow) MainWindow->showNormal();
  // After a run that ended hidden, the window comes back to be read and closed.
  if (!Running_) setWindowModality(Qt::NonModal);
  showNormal();
  raise();
  activateWindow();
  TrayIcon->hide();
  // Preferences opened from the tray stay in front of the windows that come back.
  if (TPrefsForm* prefs = PrefsWindow()) {
    SetOwnerWindow(prefs, this);
    prefs->raise();
    prefs->activateWindow();
  }
}

void TprgFrm::Dismiss() {
  if (Running_) return;
  TrayIcon->hide();
  if (Hidden_) {
    Hidden_ = false;
    if (MainWindow) MainWindow->showNormal();
  }
  if (isVisible()) CloseWindow();
}

void TprgFrm::TrayChanged(bool available) {
  // Hidden with no tray to come back from: the windows come back at once.
  if (!available && Hidden_ && TrayIcon->isVisible()) TrayIconClick();
}
