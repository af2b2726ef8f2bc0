#include "FolderWatch.h"

#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

#include "FolderScan.h"
#include "NativePath.h"
#include "Paths.h"

namespace {

constexpr std::uint32_t FolderEvents = IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM |
                                       IN_DELETE | IN_ATTRIB | IN_ONLYDIR | IN_EXCL_UNLINK;

QString WithSlash(QString path) { return path.endsWith('/') ? path : path + '/'; }

}  // namespace

TFolderWatch::TFolderWatch(const QString& root, const QString& ignored, int settleMs, QObject* parent)
    : QObject(parent),
      Root_(WithSlash(NativeAbsolutePath(root))),
      Ignored_(ignored.isEmpty() ? QString() : WithSlash(NativeAbsolutePath(ignored))),
      SettleMs_(settleMs) {}

TFolderWatch::~TFolderWatch() {
  if (Fd_ >= 0) ::close(Fd_);
}

bool TFolderWatch::Start(QString* error) {
  Fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (Fd_ < 0) {
    if (error) *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  Notifier_ = new QSocketNotifier(Fd_, QSocketNotifier::Read, this);
  connect(Notifier_, &QSocketNotifier::activated, this, &TFolderWatch::ReadEvents);
  AddFolder(Root_, false);
  if (Folders_.isEmpty()) {
    if (error) *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  return true;
}

bool TFolderWatch::Wanted(const QString& path) const {
  if (!Ignored_.isEmpty() && (path + '/').startsWith(Ignored_)) return false;
  // Hidden files and folders, our own unfinished outputs among them, are passed over.
  const QString below = path.mid(Root_.size());
  return !below.startsWith('.') && !below.contains(QStringLiteral("/."));
}

void TFolderWatch::AddFolder(const QString& folder, bool tell) {
  const QString dir = WithSlash(folder);
  if (dir != Root_ && !Wanted(dir.chopped(1))) return;
  const int wd = ::inotify_add_watch(Fd_, NativePath(dir).constData(), FolderEvents);
  if (wd < 0) return;  // gone already, or not ours to read: nothing to tell
  Folders_.insert(wd, dir);
  // Watched first, then listed: a file made in between is told twice at worst.
  QStringList files, folders;
  TFolderScan::List(dir, files, folders);
  for (const QString& f : folders) AddFolder(dir + f, tell);
  if (tell)
    for (const QString& f : files) Touched(dir + f);
}

void TFolderWatch::ReadEvents() {
  alignas(inotify_event) char buffer[16384];
  for (;;) {
    const ssize_t n = ::read(Fd_, buffer, sizeof buffer);
    if (n <= 0) return;
    for (char* p = buffer; p < buffer + n;) {
      const auto* e = reinterpret_cast<const inotify_event*>(p);
      p += sizeof(inotify_event) + e->len;
      if (e->mask & IN_Q_OVERFLOW) {
        // Events were lost: every folder is read again.
        AddFolder(Root_, true);
        continue;
      }
      if (e->mask & IN_IGNORED) {
        Folders_.remove(e->wd);
        continue;
      }
      const auto folder = Folders_.constFind(e->wd);
      if (folder == Folders_.constEnd() || e->len == 0) continue;
      const QString path = *folder + PathFromNative(QByteArray(e->name));
      if (!Wanted(path)) continue;
      if (e->mask & IN_ISDIR) {
        if (e->mask & (IN_CREATE | IN_MOVED_TO)) AddFolder(path, true);
      } else if (e->mask & (IN_DELETE | IN_MOVED_FROM)) {
        if (QTimer* t = Settling_.take(path)) t->deleteLater();
      } else {
        Touched(path);
      }
    }
  }
}

void TFolderWatch::Touched(const QString& path) {
  if (!TFolderScan::IsAudioName(path)) return;
  QTimer*& timer = Settling_[path];
  if (!timer) {
    timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, path] { Settled(path); });
  }
  timer->start(SettleMs_);  // each change puts it off again
}

void TFolderWatch::Settled(const QString& path) {
  if (QTimer* t = Settling_.take(path)) t->deleteLater();
  if (!NativeIsFile(path)) return;  // gone before it settled
  const QString folder = FolderPart(path);
  emit FileReady(path, folder.startsWith(Root_) ? folder.mid(Root_.size()) : QString());
}
