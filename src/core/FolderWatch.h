#pragma once
#include <QHash>
#include <QObject>
#include <QString>

class QSocketNotifier;
class QTimer;

// Follows a folder tree through inotify and tells of each audio file that appears
// or changes in it, once the file has been left alone for a moment (a copy in
// progress is not taken half-written). Folders made under it are followed, and
// the files already in them told; folders removed are let go.
class TFolderWatch : public QObject {
  Q_OBJECT
 public:
  // Nothing under `ignored` (the output folder, when it lies inside) is told.
  TFolderWatch(const QString& root, const QString& ignored, int settleMs = 1000, QObject* parent = nullptr);
  ~TFolderWatch() override;
  // Starts watching; false with the system's reason when it cannot.
  bool Start(QString* error);
  int Folders() const { return int(Folders_.size()); }

 signals:
  // `subFolder`: the file's folder under the root, "" or "A/B/".
  void FileReady(const QString& path, const QString& subFolder);

 private:
  void ReadEvents();
  // Watches `folder` and those under it; with `tell`, the files in them are told.
  void AddFolder(const QString& folder, bool tell);
  void Touched(const QString& path);
  void Settled(const QString& path);
  bool Wanted(const QString& path) const;

  QString Root_, Ignored_;
  int SettleMs_;
  int Fd_ = -1;
  QSocketNotifier* Notifier_ = nullptr;
  QHash<int, QString> Folders_;      // watch descriptor -> folder, with its trailing "/"
  QHash<QString, QTimer*> Settling_;  // files waiting to be left alone
};
