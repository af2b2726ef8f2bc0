#include "ReadPool.h"

#include <QSocketNotifier>
#include <QThread>
#include <sys/eventfd.h>
#include <system_error>
#include <unistd.h>

std::function<void(int index)> TReadPool::ReadHook;

TReadPool::TReadPool(std::vector<TReadRequest> files, const TTaskReader& reader, int threads, QObject* parent)
    : QObject(parent),
      Files_(std::move(files)),
      Reader_(reader),
      Threads_(threads > 0 ? threads : std::max(1, QThread::idealThreadCount())),
      Results_(Files_.size()),
      Done_(Files_.size(), 0) {
  WakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (WakeFd_ < 0) return;  // Start then refuses
  Wake_ = new QSocketNotifier(WakeFd_, QSocketNotifier::Read, this);
  connect(Wake_, &QSocketNotifier::activated, this, [this] {
    eventfd_t count = 0;
    ::eventfd_read(WakeFd_, &count);
    emit Ready();
  });
}

TReadPool::~TReadPool() {
  Stop();
  for (std::thread& w : Workers_) w.join();
  delete Wake_;
  if (WakeFd_ >= 0) ::close(WakeFd_);
}

bool TReadPool::Start() {
  if (WakeFd_ < 0) return false;
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
  if (WakeFd_ >= 0) ::eventfd_write(WakeFd_, 1);
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
