#pragma once
#include <QHash>
#include <QObject>
#include <QString>

// The end of a run told through the desktop's notification service
// (org.freedesktop.Notifications on the session bus), with an action that opens
// the output folder.
class TDoneNotice : public QObject {
  Q_OBJECT
 public:
  explicit TDoneNotice(QObject* parent = nullptr);
  // Hands the notice to the service; Answered follows, from the event loop.
  void Send(const QString& summary, const QString& body, const QString& folder);

 signals:
  // A service took the notice, or none answered (no session bus, no service).
  void Answered(bool delivered);

 private slots:
  void ActionInvoked(uint id, const QString& action);
  void NotificationClosed(uint id, uint reason);

 private:
  QHash<uint, QString> Folders_;  // each notice on screen and the folder its action opens
};
