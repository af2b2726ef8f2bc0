#include "PrgForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <QUrl>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <unistd.h>

#include "CoreBudget.h"
#include "AudioException.h"
#include "DX9In.h"
#include "DoString.h"
#include "Globals.h"
#include "Lang.h"
#include "MP3Out.h"
#include "MsgForm.h"
#include "Paths.h"
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

  auto steady = std::make_shared<QElapsedTimer>();
  steady->start();
  Now = [steady] { return steady->elapsed(); };

  MP3Out = std::make_unique<TMP3Out>();
  SetUpJobs(1);

  connect(Timer1, &QTimer::timeout, this, &TprgFrm::Timer1Timer);
  connect(Timer2, &QTimer::timeout, this, &TprgFrm::Timer2Timer);
  connect(pauseBtn, &QPushButton::clicked, this, &TprgFrm::pauseBtnClick);
  connect(cancelBtn, &QPushButton::clicked, this, &TprgFrm::cancelBtnClick);
  connect(hideBtn, &QPushButton::clicked, this, &TprgFrm::hideBtnClick);
  connect(skinFrame, &TSkinFrame::TitleBarCustomBtnsClick, this, &TprgFrm::skinFrameTitleBarCustomBtnsClick);
  connect(TrayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason) { TrayIconClick(); });
  connect(new TTrayWatch(this), &TTrayWatch::Changed, this, &TprgFrm::TrayChanged);
  ShowBars(true);
  FormCreate();
}

TprgFrm::~TprgFrm() {
  Timer1->stop();
  Timer2->stop();
  // The sinks end their workers before the sources go.
  MoreSinks_.clear();
  MP3Out.reset();
  for (TJob& job : Jobs_) delete job.Source;
}

void TprgFrm::SetUpJobs(int count) {
  while (int(Jobs_.size()) < count) {
    const int k = int(Jobs_.size());
    TMP3Out* sink = MP3Out.get();
    if (k > 0) {
      MoreSinks_.push_back(std::make_unique<TMP3Out>());
      sink = MoreSinks_.back().get();
    }
    sink->SetSuspendWhenIdle(true);
    sink->SetFileMode(TFileOutputMode::foRewrite);
    sink->BitRate = TMP3BitRate::br192;
    sink->Quality = TMP3Quality::ql2;
    sink->SampleRate = TMP3SampleRate::sr41kHz;
    sink->Original = false;
    sink->VBRQuality = TMP3Quality::ql2;
    sink->OnDone = [this, k](TComponent*) { MP3OutDone(k); };
    // Raised on whichever thread caught the failure; handled on this window's thread.
    sink->OnThreadException = [this, k](TComponent*, const std::exception& e) {
      const QString reason = QString::fromUtf8(e.what());
      QMetaObject::invokeMethod(this, [this, k, reason] { TaskFailed(k, reason); }, Qt::QueuedConnection);
    };
    Jobs_.push_back(TJob{sink});
  }
}

bool TprgFrm::AnyRunning() const {
  return std::any_of(Jobs_.begin(), Jobs_.end(), [](const TJob& j) { return j.Index >= 0; });
}

const TprgFrm::TJob* TprgFrm::Leading() const {
  const TJob* lowest = nullptr;
  for (const TJob& j : Jobs_)
    if (j.Index >= 0 && (!lowest || j.Index < lowest->Index)) lowest = &j;
  return lowest;
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
  for (const auto& task : Tasks) {
    if (!task->Checked) continue;
    if (!QFileInfo(task->SrcFile).isFile())
      ShowMessageWindow(miError, QString::fromLocal8Bit(std::strerror(ENOENT)) + "\n " + task->SrcFile, lang::Help,
                        lang::Ok);
    ++count;
    total += task->Duration;
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
  const int cores = std::max(QThread::idealThreadCount(), 1);
  const int jobs = DefaultSettings.ParallelJobs > 0 ? DefaultSettings.ParallelJobs : cores;
  TCoreBudget::SetJobs(jobs);  // cores the run leaves free go to splitting files
  try {
    SetUpJobs(std::clamp(jobs, 1, count));
  } catch (const std::exception&) {
    // No more sinks to be had: the run goes with the jobs there are.
  }
  ShownIndex_ = -1;
  DoneDuration = 0;
  cancelBtn->setText(lang::Cancel);
  pauseBtn->setText(lang::Pause);
  pauseBtn->setEnabled(true);
  CurrentIndex = -1;
  Cancelled = false;
  Paused = false;
  Terminating_ = false;
  Failures_.clear();
  KeptShort_.clear();
  Written_.clear();
  hideBtn->setEnabled(true);
  Hidden_ = false;
  TrayIcon->hide();
  // A window that was minimised with its run, or shown from the tray after one,
  // opens normally and modally.
  setWindowState(windowState() & ~Qt::WindowMinimized);
  setWindowModality(Qt::ApplicationModal);
  Running_ = true;
  Timer1->start();
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
  if (MainWindow && MainWindow->isVisible() && !MainWindow->isMinimized()) MainWindow->activateWindow();
  setResult(QDialog::Accepted);
  if (RunLoop_) RunLoop_->quit();
}

void TprgFrm::Terminate() {
  if (!Running_) return;
  Terminating_ = true;
  Timer1->stop();
  Timer2->stop();
  bool waiting = false;
  for (TJob& job : Jobs_) {
    if (job.Index < 0) continue;
    if (job.Sink->Status() == TOutputStatus::Idle) continue;  // its end is already on its way
    job.Sink->DiscardRun();
    if (job.Sink->Status() == TOutputStatus::Paused) job.Sink->Resume();
    job.Sink->Stop();
    waiting = true;
  }
  if (!waiting && !AnyRunning()) CloseWindow();  // otherwise the last end closes it
}

QString TprgFrm::OutputFor(TTask& task) {
  if (Written_.contains(task.DstFile))
    task.DstFile = NextFreeName(task.DstFile, [this, &task](const QString& name) {
      if (Written_.contains(name)) return true;
      for (const auto& other : Tasks)
        if (other.get() != &task && other->DstFile == name) return true;
      return false;
    });
  Written_.insert(task.DstFile);
  return task.DstFile;
}

void TprgFrm::ShowBars(bool visible) {
  totalPrgBar->setVisible(visible);
  curPrgbar->setVisible(visible);
  Label1->setVisible(!visible);
  Label2->setVisible(!visible);
}

void TprgFrm::Timer1Timer() {
  Timer1->stop();
  if (Asking_ || Paused) {
    // Nothing starts or ends while the cancel question waits for its answer, and
    // no task starts while the run is paused.
    Timer1->start();
    return;
  }
  if (CurrentIndex == -1) {
    CurrentNumber = 0;
    StartTime.Start(Now());
  }
  // Tasks start in list order, each in a free job.
  const int n = static_cast<int>(Tasks.size());
  for (TJob& job : Jobs_) {
    if (Cancelled || Terminating_) break;
    if (job.Index >= 0) continue;
    int next = CurrentIndex + 1;
    while (next < n && !Tasks[next]->Checked) ++next;
    if (next >= n) break;
    CurrentIndex = next;
    job.Index = next;
    job.Number = ++CurrentNumber;
    StartTask(job);
  }
  if (AnyRunning()) return;
  int next = CurrentIndex + 1;
  while (next < n && !Tasks[next]->Checked) ++next;
  // Tasks that failed at once leave jobs free for the rest, at the next tick.
  if (next < n && !Cancelled && !Terminating_)
    Timer1->start();
  else
    FinishBatch();
}

void TprgFrm::StartTask(TJob& job) {
  TTask& task = *Tasks[job.Index];
  job.Sink->FileName = OutputFor(task);
  job.Source = new TDX9In();
  job.Sink->SetInput(job.Source);
  job.Source->FileName = task.SrcFile;
  ShowLeading();
  timeLabel->setText(lang::ConvertingPleaseWait);
  try {
    job.Source->OpenFile();
  } catch (const std::exception& e) {
    TaskFailed(int(&job - Jobs_.data()), QString::fromUtf8(e.what()));
    return;
  }
  TMP3Settings settings = job.Sink->Settings();
  TMP3Tags tags;
  ApplyTaskToEncoder(task, settings, tags);
  job.Sink->ApplySettings(settings);
  job.Sink->ApplyTags(tags);
  job.Sink->SplitFiles = DefaultSettings.SplitFiles;
  Timer2->start();
  job.Sink->Run();  // a failure to start arrives through TaskFailed
}

// The file line and bar follow the running task with the lowest list index.
void TprgFrm::ShowLeading() {
  const TJob* lead = Leading();
  if (!lead || lead->Index == ShownIndex_) return;
  ShownIndex_ = lead->Index;
  const TTask& task = *Tasks[lead->Index];
  fileLabel->setText(QString(lang::CurrentFile) + QString::asprintf(lang::CurrentFileFormat, lead->Number, CheckedCount,
                                                                    task.Title.toUtf8().constData()));
  curPrgbar->setRange(0, static_cast<int>(std::min<qint64>(task.Duration / 10000, INT32_MAX)));
  curPrgbar->setValue(0);
  ShowBars(task.Duration > 0);
}

void TprgFrm::Timer2Timer() {
  ShowLeading();
  const TJob* lead = Leading();
  if (!lead) return;
  // Only tasks of known length count against the total, which holds only theirs.
  qint64 running = 0;
  for (const TJob& j : Jobs_)
    if (j.Index >= 0 && j.Source && j.Source->Reader() && Tasks[j.Index]->Duration > 0)
      running += std::min(j.Source->DeliveredTime(), Tasks[j.Index]->Duration);
  if (lead->Source && lead->Source->Reader())
    curPrgbar->setValue(static_cast<int>(std::min<qint64>(lead->Source->DeliveredTime() / 10000, curPrgbar->maximum())));
  const qint64 done = DoneDuration + running;
  if (TotalDuration > 0)
    totalPrgBar->setValue(std::clamp(static_cast<int>(std::floor((done / 100.0) / (TotalDuration / 10000.0))), 0, 100));
  if (Tasks[lead->Index]->Duration <= 0) {
    // The window says the time cannot be estimated: no time line beside it.
    timeLabel->setText(lang::ConvertingPleaseWait);
  } else if (done > 0 && TotalDuration > 0) {
    const qint64 elapsedMs = StartTime.Elapsed(Now());
    const qint64 remainingMs = TRunClock::Remaining(elapsedMs, done, TotalDuration);
    timeLabel->setText(QString(lang::TimeElapsed) + ": " + ClockText(elapsedMs * 10000) + ", " + lang::Remained +
                       ": " + lang::AboutWord + " " + ClockText(remainingMs * 10000));
  }
  if (TrayIcon->isVisible()) TrayIcon->setToolTip(QString(lang::RestoreHint) + "\n" + timeLabel->text());
}

void TprgFrm::EndTask(TJob& job) {
  // A task whose input never opened still counts its length as done, so the total
  // bar and the remaining time stay right for the rest of the run; one of unknown
  // length never entered the total, and counts nothing.
  const qint64 counted = job.Index >= 0 && job.Index < static_cast<int>(Tasks.size()) ? Tasks[job.Index]->Duration : 0;
  if (counted > 0)
    DoneDuration += job.Source && job.Source->Reader() && job.Source->Reader()->Duration > 0
                        ? job.Source->Reader()->Duration
                        : counted;
  delete job.Source;  // the sink lets go of it through its notification
  job.Source = nullptr;
  const bool shown = job.Index == ShownIndex_;
  job.Index = -1;
  if (Terminating_) {
    if (!AnyRunning()) CloseWindow();
    return;
  }
  if (shown) {
    curPrgbar->setValue(curPrgbar->maximum());
    ShownIndex_ = -1;
  }
  if (!AnyRunning()) {
    Timer2->stop();
    timeLabel->setText(QString(lang::ReadingPleaseWait) + lang::Dots);
  }
  Timer1->start();
}

void TprgFrm::MP3OutDone(int k) {
  TJob& job = Jobs_[k];
  // Its MP3 is kept, but a file whose audio ends early does not count as converted.
  const QString shortfall = job.Source && !Terminating_ ? job.Source->Shortfall() : QString();
  if (!shortfall.isEmpty() && job.Index >= 0) Failures_ << Tasks[job.Index]->SrcFile + ": " + shortfall;
  if (Cancelled && !Terminating_ && job.Index >= 0 && job.Source) NoteKeptShort(job);
  EndTask(job);
}

// A file the cancel stopped is kept with the audio so far: the report says how much.
void TprgFrm::NoteKeptShort(const TJob& job) {
  const TTask& task = *Tasks[job.Index];
  const qint64 length = job.Source->Reader() && job.Source->Reader()->Duration > 0 ? job.Source->Reader()->Duration
                                                                                   : task.Duration;
  const qint64 written = job.Source->DeliveredTime();
  if (length > 0 && written >= length - 5000000) return;  // within half a second of its end: whole
  KeptShort_ << QString(lang::KeptShortFormat)
                    .arg(FileNamePart(task.DstFile), ShortClockText(written),
                         length > 0 ? ShortClockText(length) : QString("?"));
}

void TprgFrm::TaskFailed(int k, const QString& reason) {
  TJob& job = Jobs_[k];
  if (job.Index < 0) return;
  if (!Terminating_) {
    Failures_ << Tasks[job.Index]->SrcFile + ": " + reason;
    // A folder that takes no files is not offered again as the place for the next ones.
    const QString folder = FolderPart(Tasks[job.Index]->DstFile);
    if (!folder.isEmpty() && DefaultSettings.OutputFileDir == folder && ::access(folder.toLocal8Bit().constData(), W_OK) != 0)
      DefaultSettings.OutputFileDir.clear();
  }
  EndTask(job);
}

void TprgFrm::FinishBatch() {
  totalPrgBar->setValue(totalPrgBar->maximum());
  QCoreApplication::processEvents();
  QString result;
  if (Cancelled)
    result = lang::Canceled;
  else if (!Failures_.isEmpty())
    result = QString::asprintf(lang::FilesFailedFormat, int(Failures_.size()), CheckedCount);
  else
    result = lang::AllConverted;
  if (!Failures_.isEmpty() && Cancelled) result += "\n" + QString::asprintf(lang::FilesFailedFormat, int(Failures_.size()), CheckedCount);
  for (const QString& f : Failures_) result += "\n " + f;
  if (!KeptShort_.isEmpty()) result += QString("\n") + lang::KeptShort;
  for (const QString& f : KeptShort_) result += "\n " + f;
  // Whatever came first, the cancel, the hiding or the end, the window now only
  // reports, and closes with OK, Escape or its close button.
  Timer2->stop();
  timeLabel->setText(result.section('\n', 0, 0));
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
  if (ShowMessageWindow(miInformation, result + "\n" + lang::OpenOutputFolder, lang::No, lang::Yes) == 1)
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

void TprgFrm::pauseBtnClick() {
  if (!Paused) {
    pauseBtn->setText(lang::Resume);
    for (TJob& job : Jobs_) job.Sink->Pause();
    Timer2->stop();
    StartTime.Pause(Now());
    Paused = true;
  } else {
    pauseBtn->setText(lang::Pause);
    StartTime.Resume(Now());
    for (TJob& job : Jobs_)
      if (job.Sink->Status() == TOutputStatus::Paused) job.Sink->Resume();
    if (AnyRunning()) Timer2->start();
    Paused = false;
  }
}

void TprgFrm::cancelBtnClick() {
  if (cancelBtn->text() != lang::Cancel) {
    CloseWindow();
    return;
  }
  if (!isVisible() || Asking_ || !Running_) return;
  Asking_ = true;
  const bool yes = ShowMessageWindow(miQuestion, lang::ConfirmCancel, lang::No, lang::Yes) == 1;
  Asking_ = false;
  if (!yes || !Running_) return;
  // The answer holds even when the task, or the last one, ended meanwhile. Each
  // running file is completed with the audio so far.
  for (TJob& job : Jobs_) {
    if (job.Sink->Status() == TOutputStatus::Paused) job.Sink->Resume();
    if (job.Index >= 0) job.Sink->Stop();
  }
  Paused = false;
  StartTime.Resume(Now());
  pauseBtn->setText(lang::Pause);
  Cancelled = true;
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
