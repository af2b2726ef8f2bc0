#include "DoneNotice.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>

#include "Lang.h"

namespace {
const char* const Service = "org.freedesktop.Notifications";
const char* const Path = "/org/freedesktop/Notifications";
const char* const Interface = "org.freedesktop.Notifications";
// A service the bus starts for the call may take a moment; one that takes
// longer than this is not there to tell the user anything.
constexpr int AnswerMs = 5000;
}  // namespace

TDoneNotice::TDoneNotice(QObject* parent) : QObject(parent) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  bus.connect(Service, Path, Interface, "ActionInvoked", this, SLOT(ActionInvoked(uint, QString)));
  bus.connect(Service, Path, Interface, "NotificationClosed", this, SLOT(NotificationClosed(uint, uint)));
}

void TDoneNotice::Send(const QString& summary, const QString& body, const QString& folder) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    QMetaObject::invokeMethod(this, [this] { emit Answered(false); }, Qt::QueuedConnection);
    return;
  }
  QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, "Notify");
  // "default" is a click on the notice itself; the other is shown as a button.
  const QStringList actions = {"default", lang::OpenFolder, "open-folder", lang::OpenFolder};
  const QVariantMap hints = {{"desktop-entry", QString("brindlewave")}, {"category", QString("transfer.complete")}};
  call << QString(lang::AppTitle) << uint(0) << QString("brindlewave") << summary << body << actions
       << hints << -1;
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, AnswerMs), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, folder] {
    watcher->deleteLater();
    const QDBusPendingReply<uint> reply = *watcher;
    if (reply.isError()) {
      emit Answered(false);
      return;
    }
    Folders_.insert(reply.value(), folder);
    emit Answered(true);
  });
}

void TDoneNotice::ActionInvoked(uint id, const QString& action) {
  const auto it = Folders_.constFind(id);
  if (it == Folders_.constEnd() || (action != "default" && action != "open-folder")) return;
  QDesktopServices::openUrl(QUrl::fromLocalFile(*it));
}

void TDoneNotice::NotificationClosed(uint id, uint) { Folders_.remove(id); }
