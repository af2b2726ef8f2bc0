#include "PrgForm.h"

#include <QApplication>
#include <QShortcut>
#include <QUrl>
#include <algorithm>
#include <unistd.h>

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
#include "TextFit.h"

TprgFrm::TprgFrm(QWidget* parent) : QDialog(parent) {
  setObjectName("prgFrm");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint);
  setFixedSize(318, 230);
  skinFrame = new TSkinFrame(this);
  skinFrame->setGeometry(0, 0, 318, 26);
  skinFrame->AddCustomButton(QString(QChar(0x2715)), "Cancel");
  skinFrame->AddCustomButton(QString(QChar(0x25BE)), lang::HideToTrayTip);
  BuildProgressGroup();
  BuildButtons();
  BuildTimers();
  BuildTray();
  Engine_ = std::make_unique<TConversionEngine>(nullptr);
  MP3Out = &Engine_->FirstSink();
  ConnectEngine();
  ConnectControls();
  ShowBars(true);
}

void TprgFrm::BuildProgressGroup() {
  progressGroup = new QGroupBox(this);
  progressGroup->setObjectName("progressGroup");
  progressGroup->setGeometry(24, 48, 265, 121);
  timeLabel = new QLabel(progressGroup);
  timeLabel->setObjectName("timeLabel");
  timeLabel->setGeometry(16, 16, 240, 16);
  notEstimatedLabel = new QLabel(lang::TimeNotEstimated, progressGroup);
  notEstimatedLabel->setObjectName("notEstimatedLabel");
  notEstimatedLabel->setGeometry(64, 40, 190, 16);
  totalPrgBar = new QProgressBar(progressGroup);
  totalPrgBar->setObjectName("totalPrgBar");
  totalPrgBar->setGeometry(16, 32, 225, 25);
  totalPrgBar->setRange(0, 100);
  fileLabel = new QLabel(progressGroup);
  fileLabel->setObjectName("fileLabel");
  fileLabel->setGeometry(16, 64, 225, 16);
  fileLabel->setTextFormat(Qt::PlainText);
  reportLaterLabel = new QLabel(lang::PromptAfterConversion, progressGroup);
  reportLaterLabel->setObjectName("reportLaterLabel");
  reportLaterLabel->setGeometry(16, 88, 240, 16);
  curPrgbar = new QProgressBar(progressGroup);
  curPrgbar->setObjectName("curPrgbar");
  curPrgbar->setGeometry(16, 80, 225, 25);
  totalPrgBar->setAccessibleName(lang::TotalProgress);
  curPrgbar->setAccessibleName(lang::CurrentFile);
  for (QLabel* l : {timeLabel, notEstimatedLabel, reportLaterLabel}) l->setTextFormat(Qt::PlainText);
  progressGroup->setStyleSheet("QLabel { font-size: 10px; }");
  timeLabel->resize(245, 16);
  // Their English widths, which grow with the window.
  for (QWidget* w : std::initializer_list<QWidget*>{timeLabel, notEstimatedLabel, totalPrgBar, fileLabel,
                                                     reportLaterLabel, curPrgbar})
    w->setProperty("w0", w->width());
}

void TprgFrm::BuildButtons() {
  hideBtn = new QPushButton(lang::HideToTray, this);
  hideBtn->setObjectName("hideBtn");
  pauseBtn = new QPushButton(lang::Pause, this);
  pauseBtn->setObjectName("pauseBtn");
  cancelBtn = new QPushButton(lang::Cancel, this);
  cancelBtn->setObjectName("cancelBtn");
  for (QPushButton* b : {hideBtn, pauseBtn, cancelBtn}) {
    b->resize(80, 27);
    b->setAutoDefault(false);
  }
  PlaceButtons();
}

void TprgFrm::PlaceButtons() {
  // Each button as wide as its texts need, the window as wide as the row; in English
  // they are all 80 and the window 318.
  hideBtn->resize(TextFit::ButtonWidth(hideBtn, {lang::HideToTray}, 80), 27);
  pauseBtn->resize(TextFit::ButtonWidth(pauseBtn, {lang::Pause, lang::Resume}, 80), 27);
  cancelBtn->resize(TextFit::ButtonWidth(cancelBtn, {lang::Cancel, lang::Ok}, 80), 27);
  int x = 24;
  for (QPushButton* b : {hideBtn, pauseBtn, cancelBtn}) {
    b->move(x, 184);
    x += b->width() + 12;
  }
  const int wider = std::max(0, x - 12 - 288);
  setFixedSize(318 + wider, 230);
  skinFrame->resize(318 + wider, 26);
  progressGroup->resize(265 + wider, 121);
  for (QWidget* w : std::initializer_list<QWidget*>{timeLabel, notEstimatedLabel, totalPrgBar, fileLabel,
                                                     reportLaterLabel, curPrgbar})
    w->resize(w->property("w0").toInt() + wider, w->height());
}

void TprgFrm::BuildTimers() {
  nextTaskTimer = new QTimer(this);
  nextTaskTimer->setObjectName("nextTaskTimer");
  nextTaskTimer->setInterval(100);
  nextTaskTimer->setSingleShot(true);
  progressTimer = new QTimer(this);
  progressTimer->setObjectName("progressTimer");
  progressTimer->setInterval(100);
  Now = TRunClock::SteadyMs;
}

void TprgFrm::BuildTray() {
  Tray_ = new TTrayHiding(this);
  TrayIcon = Tray_->Icon;
  connect(Tray_, &TTrayHiding::RestoreAsked, this, &TprgFrm::TrayIconClick);
  // The preferences from here too; the run keeps its settings, a change is for the next one.
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this), &QShortcut::activated, this, ShowPrefsWindow);
  Notice = new TDoneNotice(this);
  connect(Notice, &TDoneNotice::Answered, this, &TprgFrm::NoticeAnswered);
}

void TprgFrm::ConnectEngine() {
  // Other tasks of the list keep their names: a run numbers its outputs around them.
  Engine_->NameClaimed = [](const QString& name, const TTask& task) {
    return std::any_of(Tasks.begin(), Tasks.end(),
                       [&](const auto& other) { return other.get() != &task && other->DstFile == name; });
  };
  connect(Engine_.get(), &TConversionEngine::JobEnded, this, &TprgFrm::MP3OutDone);
  connect(Engine_.get(), &TConversionEngine::Finished, this, &TprgFrm::RunEnded);
  connect(Engine_.get(), &TConversionEngine::JobNote, this,
          [this](int index, const QString& note) { Report_.AlbumNote(*RunTasks_[index], note); });
  // A job whose file is being checked is free for the next task.
  connect(Engine_.get(), &TConversionEngine::JobWritten, this, [this](int index) {
    Progress_.Written(index);
    Advance();
  });
  connect(Engine_.get(), &TConversionEngine::JobStarted, this, [this] {
    ShowLeading();
    if (!TimeLineShown_) timeLabel->setText(lang::ConvertingPleaseWait);
    // Restarted at every start, it would never tick in a run of files shorter than its interval.
    if (!progressTimer->isActive() && !Engine_->Paused()) progressTimer->start();
  });
}

void TprgFrm::ConnectControls() {
  connect(nextTaskTimer, &QTimer::timeout, this, &TprgFrm::StartNextTasks);
  connect(progressTimer, &QTimer::timeout, this, &TprgFrm::ShowProgress);
  connect(pauseBtn, &QPushButton::clicked, this, &TprgFrm::pauseBtnClick);
  connect(cancelBtn, &QPushButton::clicked, this, &TprgFrm::cancelBtnClick);
  connect(hideBtn, &QPushButton::clicked, this, &TprgFrm::hideBtnClick);
  connect(skinFrame, &TSkinFrame::TitleBarCustomBtnsClick, this, &TprgFrm::skinFrameTitleBarCustomBtnsClick);
}

TprgFrm::~TprgFrm() {
  nextTaskTimer->stop();
  progressTimer->stop();
}

void TprgFrm::showEvent(QShowEvent* event) {
  skinFrame->SetCaption(lang::ProgressCaption);
  setWindowTitle(lang::ProgressCaption);
  hideBtn->setText(lang::HideToTray);
  PlaceButtons();
  QDialog::showEvent(event);
}

void TprgFrm::reject() {
  // Escape or the window manager's close act as the cancel button.
  cancelBtnClick();
}

void TprgFrm::StartRun() {
  // An input gone since it was added fails in its turn, and the report names it
  // with the others: a question here would come once for each of them.
  if (std::none_of(Tasks.begin(), Tasks.end(), [](const auto& task) { return task->Checked; })) {
    ShowMessageWindow(miQuestion, QString(lang::NothingToConvert) + " " + "\n" + lang::PleaseCheck, lang::Help,
                      lang::Ok);
    return;
  }
  // Our own loop rather than exec(): exec() ends when the window is hidden, and
  // a run hidden to the tray must stay modal.
  QEventLoop loop;
  RunLoop_ = &loop;
  BeginRun();
  show();
  raise();
  activateWindow();
  loop.exec();
  RunLoop_ = nullptr;
}

void TprgFrm::BeginRun() {
  timeLabel->setText(QString(lang::ReadingPleaseWait) + lang::Dots);
  fileLabel->clear();
  totalPrgBar->setValue(0);
  curPrgbar->setRange(0, 100);
  curPrgbar->setValue(0);
  ShowBars(true);
  RunTasks_.clear();
  for (const auto& task : Tasks)
    if (task->Checked) RunTasks_.push_back(task.get());
  CheckedCount = int(RunTasks_.size());
  Progress_.Begin(RunTasks_);
  Engine_->Begin(RunTasks_, TEngineOptions::FromSettings(DefaultSettings));
  Notify_ = DefaultSettings.NotifyWhenDone;
  RefusalAsked_ = false;
  TimeLineShown_ = false;
  Started_ = false;
  ShownIndex_ = -1;
  cancelBtn->setText(lang::Cancel);
  pauseBtn->setText(lang::Pause);
  pauseBtn->setEnabled(true);
  Report_.Clear();
  hideBtn->setEnabled(true);
  Tray_->Forget();
  TrayIcon->hide();
  // A window that was minimised with its run, or shown from the tray after one,
  // opens normally and modally.
  setWindowState(windowState() & ~Qt::WindowMinimized);
  setWindowModality(Qt::ApplicationModal);
  nextTaskTimer->start(100);
}

void TprgFrm::QuitRunLoop() {
  if (RunLoop_) RunLoop_->quit();
  RunLoop_ = nullptr;
}

void TprgFrm::CloseWindow() {
  QuitRunLoop();
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
}

void TprgFrm::Terminate() {
  if (!Running()) return;
  nextTaskTimer->stop();
  progressTimer->stop();
  if (!Engine_->Terminate()) CloseWindow();  // else the run's end closes the window
}

void TprgFrm::ShowBars(bool visible) {
  totalPrgBar->setVisible(visible);
  curPrgbar->setVisible(visible);
  notEstimatedLabel->setVisible(!visible);
  reportLaterLabel->setVisible(!visible);
}

void TprgFrm::StartNextTasks() {
  nextTaskTimer->stop();
  // Nothing starts or ends while a question waits for its answer, and the run
  // does not end while paused: the answer and the resume advance it again.
  if (Asking_ || Engine_->Paused()) return;
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
void TprgFrm::Advance() { nextTaskTimer->start(0); }

void TprgFrm::RunEnded() {
  if (Engine_->State() == TRunState::Terminated)
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

void TprgFrm::ShowProgress() {
  ShowLeading();
  const auto jobs = Engine_->Running();
  if (!jobs.empty() && jobs.front().Reading)
    curPrgbar->setValue(static_cast<int>(std::min<qint64>(jobs.front().Delivered / 10000, curPrgbar->maximum())));
  const qint64 done = Progress_.Done(jobs);
  totalPrgBar->setValue(Progress_.Percent(done));
  if (!jobs.empty() && RunTasks_[jobs.front().Index]->Duration <= 0) {
    // The window says the time cannot be estimated: no time line beside it.
    timeLabel->setText(lang::ConvertingPleaseWait);
  } else if (const QString line = Progress_.TimeLine(StartTime.Elapsed(Now()), done); !line.isEmpty()) {
    timeLabel->setText(line);
    TimeLineShown_ = true;
  }
  Tray_->ShowStatus(timeLabel->text());
}

void TprgFrm::EndTask(int index) {
  Progress_.Ended(index);
  if (Engine_->State() == TRunState::Terminating) return;  // the run's end closes the window
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
  Report_.Ended(index, *RunTasks_[index], result);
  EndTask(index);
}

void TprgFrm::TaskFailed(int index, const QString& reason) {
  if (Engine_->State() == TRunState::Terminating) return;
  Report_.Failed(index, *RunTasks_[index], reason);
  // A folder that takes no files is not offered again as the place for the next ones.
  const QString folder = FolderPart(RunTasks_[index]->DstFile);
  if (!folder.isEmpty() && DefaultSettings.OutputFileDir == folder &&
      ::access(NativePath(folder).constData(), W_OK) != 0)
    DefaultSettings.OutputFileDir.clear();
}

// The report's first line says how the run went; the lists under it scroll.
QString TprgFrm::Summary() const { return Report_.Summary(Engine_->Cancelled(), CheckedCount); }

void TprgFrm::FinishBatch() {
  totalPrgBar->setValue(totalPrgBar->maximum());
  QCoreApplication::processEvents();
  const QString result = Summary();
  // Whatever came first, the cancel, the hiding or the end, the window now only
  // reports, and closes with OK, Escape or its close button.
  progressTimer->stop();
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
    Tray_->BringBackMain(MainWindow);
    showNormal();
  }
  const QStringList& failures = Report_.Failures();
  const int icon = failures.isEmpty() ? miInformation : failures.size() == CheckedCount ? miError : miWarning;
  RunOver();
  if (ShowMessageWindow(icon, result, Report_.Lists(Engine_->Cancelled(), CheckedCount), lang::OpenOutputFolder, lang::No, lang::Yes) == 1)
    OpenOnDesktop(QUrl::fromLocalFile(DefaultSettings.OutputFileDir));
  if (Tray_->Hidden() && TrayIcon->isVisible()) {
    // Ended while hidden to the tray: the main window stays hidden and the icon
    // stays until clicked, which brings both windows back.
    QuitRunLoop();
    return;
  }
  // Minimised without a tray: nothing else would bring the program back.
  if (Tray_->Hidden()) Tray_->BringBackMain(MainWindow);
  CloseWindow();
}

// Hidden, minimised or behind another program's window, the end is told on the
// desktop as well, before the report takes the focus.
void TprgFrm::SendNotice() {
  const bool outOfSight = Tray_->Hidden() || isMinimized() || QGuiApplication::applicationState() != Qt::ApplicationActive;
  if (!Notify_ || !outOfSight) return;
  NoticeBody_ = Report_.NoticeBody(Engine_->Cancelled(), CheckedCount);
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

// A run being cancelled or ended is not paused: the engine refuses it.
void TprgFrm::pauseBtnClick() {
  if (Engine_->Pause()) {
    pauseBtn->setText(lang::Resume);
    progressTimer->stop();
    StartTime.Pause(Now());
  } else if (Engine_->Resume()) {
    pauseBtn->setText(lang::Pause);
    StartTime.Resume(Now());
    progressTimer->start();
    Advance();
  }
}

void TprgFrm::cancelBtnClick() {
  if (cancelBtn->text() != lang::Cancel) {
    CloseWindow();
    return;
  }
  if (!isVisible() || Asking_ || !Running()) return;
  if (Ask(lang::ConfirmCancel)) CancelRun();
}

// Nothing starts while a question waits for its answer; what runs goes on.
bool TprgFrm::Ask(const QString& question) {
  Asking_ = true;
  Engine_->Hold(true);
  const bool yes = ShowMessageWindow(miQuestion, question, lang::No, lang::Yes) == 1;
  Engine_->Hold(false);
  Asking_ = false;
  if (Running()) Advance();
  return yes && Running();
}

void TprgFrm::CancelRun() {
  // The answer holds even when the task, or the last one, ended meanwhile. Each
  // running file is completed with the audio so far.
  if (!Engine_->Cancel()) return;
  StartTime.Resume(Now());
  pauseBtn->setText(lang::Pause);
  pauseBtn->setEnabled(false);
}

// Asked once a run: every file after would fail for the same reason, and the
// report names them all at the end.
void TprgFrm::AskToStop(const QString& folder, const QString& reason) {
  // The cancel question on screen lets the starts go when it is answered.
  if (Asking_) return;
  if (!Running() || (Engine_->State() != TRunState::Running && Engine_->State() != TRunState::Paused)) {
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
  if (Running()) Tray_->Hide(MainWindow);  // an ended run's window only reports
}

void TprgFrm::TrayIconClick() {
  Tray_->BringBackMain(MainWindow);
  // After a run that ended hidden, the window comes back to be read and closed.
  if (!Running()) setWindowModality(Qt::NonModal);
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
  if (Running()) return;
  TrayIcon->hide();
  if (Tray_->Hidden()) Tray_->BringBackMain(MainWindow);
  if (isVisible()) CloseWindow();
}
