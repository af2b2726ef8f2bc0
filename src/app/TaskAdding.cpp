#include "TaskAdding.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include "AddForm.h"
#include "Application.h"
#include "Globals.h"
#include "Lang.h"
#include "MsgForm.h"
#include "NativePath.h"
#include "Paths.h"
#include "ReadInput.h"
#include "TaskOps.h"

namespace {
// The longest the window spends listing before it answers its events again.
constexpr int SliceMs = 30;
}  // namespace

TTaskAdding::TTaskAdding(QProgressDialog* progress, std::function<void()> listed, QObject* parent)
    : QObject(parent), Progress_(progress), Listed_(std::move(listed)), Settings_(DefaultSettings) {}

TTaskAdding::~TTaskAdding() = default;

void TTaskAdding::Run(std::vector<TReadRequest> files, QStringList leftOut, int given) {
  Given_ = given;
  LeftOut_ = std::move(leftOut);
  for (const auto& t : Tasks) Outputs_.insert(t->DstFile);
  if (!files.empty()) {
    Pool_ = std::make_unique<TReadPool>(std::move(files), TTaskReader(Settings_, false));
    connect(Pool_.get(), &TReadPool::Ready, this, &TTaskAdding::Take);
    if (Progress_) {
      Progress_->setRange(0, Pool_->Total());
      connect(Progress_, &QProgressDialog::canceled, this, [this] {
        if (Pool_) Pool_->Stop();
      });
    }
    ShowCount();
    // A few files are read before the window would come up.
    QTimer::singleShot(500, this, [this] {
      ProgressDue_ = true;
      ShowProgress();
    });
    if (Pool_->Start()) {
      QEventLoop loop;
      Loop_ = &loop;
      loop.exec();  // until Finish
      Loop_ = nullptr;
    } else {
      ShowMessageWindow(miError, lang::ThreadNotCreated, lang::Help, lang::Ok);
    }
    Pool_.reset();  // waits for the reads under way
  }
  if (Progress_) Progress_->hide();
  emit Status(QString());
  if (Silent_ || LeftOut_.isEmpty() || ShutdownRequested) return;
  const QString head = LeftOut_.size() == 1 ? lang::LeftOutOneFormat(Given_)
                                            : lang::LeftOutFormat(Given_).arg(LeftOut_.size());
  ShowMessageWindow(miWarning, head, LeftOut_.join('\n'), lang::Help, lang::Ok);
}

void TTaskAdding::End() {
  Ended_ = Silent_ = true;
  if (Pool_) Pool_->Stop();
  if (!Taking_) Finish();
}

void TTaskAdding::Finish() {
  if (Loop_) Loop_->quit();
}

void TTaskAdding::Take() {
  if (Taking_ || !Pool_) return;
  if (ShutdownRequested) Ended_ = Silent_ = true;  // the program is ending: nothing more is listed
  if (Ended_) return Finish();
  Taking_ = true;
  QElapsedTimer slice;
  slice.start();
  const std::size_t before = Tasks.size();
  bool more = false;
  TReadResult result;
  while (!Ended_ && Pool_->TakeNext(result)) {
    Add(result);
    if (slice.elapsed() >= SliceMs) {
      more = true;
      break;
    }
  }
  if (Tasks.size() != before && Listed_) Listed_();
  ShowCount();
  Taking_ = false;
  if (Ended_ || Pool_->Drained())
    Finish();
  else if (more)
    QTimer::singleShot(0, this, &TTaskAdding::Take);
}

void TTaskAdding::Add(TReadResult& r) {
  if (!r.Ok()) {
    if (Given_ == 1)
      ReportAlone(r);
    else
      LeftOut_ << TTaskReader::Describe(r);
    return;
  }
  // The defaults as the last wizard left them, the naming as at the start.
  TTask& t = r.Task;
  ApplyDefaultsToTask(t, Settings_);
  t.DstFile = OutputNameFor(t, [this](const QString& name) { return Outputs_.contains(name); }, Settings_);
  t.EstimatedSize = ProbeSizeEstimate(t);
  CurrentTask = t;
  if (!SameSettings_) {
    if (Ask([] { return Wizard()->exec(); }) != 1 || ShutdownRequested) {
      Ended_ = true;
      Silent_ = ShutdownRequested;
      return;
    }
    // What the wizard made the defaults holds for the files after it; the naming
    // stays as it was when the adding began.
    TDefaultSettings next = DefaultSettings;
    next.NamePattern = Settings_.NamePattern;
    next.KeepFolderTree = Settings_.KeepFolderTree;
    next.ExistingOutput = Settings_.ExistingOutput;
    Settings_ = next;
  }
  StoreCurrentTask(true, 0);
  Outputs_.insert(Tasks.back()->DstFile);
  if (!SameSettings_ && Listed_) Listed_();
  if (std::exchange(First_, false) && Pool_->Taken() < Pool_->Total()) {
    SameSettings_ = Ask([] {
      return ShowMessageWindow(miQuestion, lang::SameSettingsQuestion, lang::No, lang::Yes);
    }) == 1;
    if (ShutdownRequested) Ended_ = Silent_ = true;
  }
}

int TTaskAdding::Ask(const std::function<int()>& question) {
  ShowCount();
  if (Progress_) Progress_->hide();
  Asking_ = true;
  const int answer = question();
  Asking_ = false;
  ShowProgress();
  return answer;
}

void TTaskAdding::ShowProgress() {
  if (Progress_ && ProgressDue_ && !Asking_ && Pool_ && !Ended_ && Pool_->Taken() < Pool_->Total())
    Progress_->show();
}

void TTaskAdding::ShowCount() {
  if (!Pool_) return;
  const QString text = lang::ReadingFormat(Pool_->Total()).arg(Pool_->Taken());
  if (Progress_) {
    Progress_->setLabelText(text);
    Progress_->setValue(Pool_->Taken());
  }
  emit Status(text);
}

void TTaskAdding::ReportAlone(const TReadResult& r) {
  const QString path = ReadableName(r.Path);
  Ask([&] {
    switch (r.Outcome) {
      case TReadOutcome::NoAudio:
        return ShowMessageWindow(miWarning, QString(lang::NoAudioStream) + "\n" + " " + path, lang::Help, lang::Ok);
      case TReadOutcome::Protected:
        return ShowMessageWindow(miError, QString(lang::ProtectedFormat).arg(path), lang::Help, lang::Ok);
      default:
        return ShowMessageWindow(miError, QString(lang::CannotRead) + "\n" + " " + path + "\n" + lang::AdviceCodecs,
                                 lang::Help, lang::Ok);
    }
  });
}
