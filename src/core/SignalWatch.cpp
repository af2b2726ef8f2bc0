#include "SignalWatch.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int Pipe[2] = {-1, -1};

void OnSignal(int) {
  const char c = 1;
  [[maybe_unused]] ssize_t n = ::write(Pipe[1], &c, 1);
}
}  // namespace

TSignalWatch::TSignalWatch(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, Pipe) != 0) return;
  Notifier_ = new QSocketNotifier(Pipe[0], QSocketNotifier::Read, this);
  connect(Notifier_, &QSocketNotifier::activated, this, [this] {
    char c;
    [[maybe_unused]] ssize_t n = ::read(Pipe[0], &c, 1);
    Notifier_->setEnabled(false);
    emit Received();
  });
  struct sigaction sa {};
  sa.sa_handler = OnSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGINT, &sa, nullptr);
}

TSignalWatch::~TSignalWatch() {
  if (!Notifier_) return;
  signal(SIGTERM, SIG_DFL);
  signal(SIGINT, SIG_DFL);
  ::close(Pipe[0]);
  ::close(Pipe[1]);
  Pipe[0] = Pipe[1] = -1;
}
