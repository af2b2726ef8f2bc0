#include "FolderSearch.h"

#include <QThread>

std::function<void(int found)> TFolderSearch::FoundHook;

TFolderSearch::TFolderSearch(const QStringList& roots, QObject* parent) : QObject(parent), Roots_(roots) {}

TFolderSearch::~TFolderSearch() {
  Stop();
  if (Thread_) {
    Thread_->wait();
    delete Thread_;
  }
}

bool TFolderSearch::Start() {
  Thread_ = QThread::create([this] { Run(); });
  connect(Thread_, &QThread::finished, this, [this] {
    Thread_->wait();  // Found_ is the window's from here on
    emit Finished();
  });
  Thread_->start();
  if (!Thread_->isRunning() && !Thread_->isFinished()) {
    delete Thread_;
    Thread_ = nullptr;
    return false;
  }
  return true;
}

void TFolderSearch::Stop() { Stop_ = true; }

void TFolderSearch::Run() {
  int before = 0;
  for (const QString& root : Roots_) {
    if (Stop_) break;
    Found_.push_back(TFolderScan::Run(root, [&](int found) {
      Count_ = before + found;
      // One report waits in the window's queue at a time; it reads the latest count.
      if (!ProgressPending_.exchange(true)) {
        QMetaObject::invokeMethod(this, [this] {
          ProgressPending_ = false;
          emit Progress();
        }, Qt::QueuedConnection);
      }
      if (FoundHook) FoundHook(Count_);
      return !Stop_;
    }));
    before += static_cast<int>(Found_.back().size());
  }
}
