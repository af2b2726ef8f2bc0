#include "DroppedPaths.h"

#include <QUrl>

#include "FolderScan.h"
#include "NativePath.h"
#include "Paths.h"

QStringList TDroppedPaths::FromDrop(const QMimeData& data) {
  QStringList paths;
  for (const QUrl& url : data.urls())
    if (url.isLocalFile())
      paths << PathFromNative(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
  return paths;
}

QStringList TDroppedPaths::Addable(const QStringList& paths) {
  QStringList accepted;
  for (const QString& p : paths) {
    if (NativeIsDir(p) || (NativeIsFile(p) && TFolderScan::IsAudioName(FileNamePart(p))))
      accepted << NativeAbsolutePath(p);
  }
  return accepted;
}
