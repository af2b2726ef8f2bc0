#include "ReadPool.h"

#include <QThread>
#include <system_error>

std::function<void(int index)> TReadPool::ReadHook;

TReadPool::TReadPool(std::vector<TReadRequest> files, const TTaskReader& reader, int threads, QObject* parent)
    : QObject(parent),
      Files_(std::move(files)),
      Reader_(reader),
      Threads_(threads > 0 ? threads : std::max(1, QThread::idealThreadCount())),
      Results_(Files_.size()),
      Done_(Files_.size(), 0) {}

TReadPool::~TReadPool() {
  Stop();
  for (std::thread& w : Workers_) w.join();
}

bool TReadPool::Start() {
  const int count = std::min<int>(Threads_, std::max<int>(1, int(Files_.size())));
  for (int i = 0; i < count; ++i) {
    try {
      {
        const std::lock_guard lock(Mx_);
        ++Running_;
      }
      Workers_.emplace_back([this] { Run(); });
    } catch (const std::system_error&) {
      const std::lock_guard lock(Mx_);
      --Running_;
      break;
    }
  }
  if (Workers_.empty()) Stop();
  return !Workers_.empty();
}

void TReadPool::Stop() {
  Stop_ = true;
  Tell();
}

void TReadPool::Run() {
  for (std::size_t i = Next_++; i < Files_.size() && !Stop_; i = Next_++) {
    if (ReadHook) ReadHook(int(i));
    TReadResult result = Reader_.Read(Files_[i].Path, Files_[i].SubFolder);
    {
      const std::lock_guard lock(Mx_);
      Results_[i] = std::move(result);
      Done_[i] = 1;
    }
    Tell();
  }
  {
    const std::lock_guard lock(Mx_);
    --Running_;
  }
  Tell();
}

void TReadPool::Tell() {
  // One report waits in the window's queue at a time; it takes all there is.
  if (TellPending_.exchange(true)) return;
  QMetaObject::invokeMethod(
      this,
      [this] {
        TellPending_ = false;
        emit Ready();
      },
      Qt::QueuedConnection);
}

bool TReadPool::TakeNext(TReadResult& result) {
  const std::lock_guard lock(Mx_);
  if (std::size_t(Taken_) >= Files_.size() || !Done_[std::size_t(Taken_)]) return false;
  result = std::move(Results_[std::size_t(Taken_)]);
  Results_[std::size_t(Taken_)] = TReadResult{};
  ++Taken_;
  return true;
}

bool TReadPool::Drained() {
  const std::lock_guard lock(Mx_);
  if (std::size_t(Taken_) >= Files_.size()) return true;
  // Stopped: once no thread reads any more, what is not read by now never will be.
  return Stop_ && Running_ == 0 && !Done_[std::size_t(Taken_)];
}
