#include "SourceTrash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "Lang.h"
#include "NativePath.h"

QString TSourceTrash::Move(const QString& source, const QString& output) {
  struct stat in {}, out {};
  if (::stat(NativePath(source).constData(), &in) != 0)
    return lang::TrashSourceGone + QString::fromLocal8Bit(std::strerror(errno));
  // Written over its own input, or over a link to it, the file is the MP3 now.
  if (::stat(NativePath(output).constData(), &out) == 0 && in.st_dev == out.st_dev && in.st_ino == out.st_ino)
    return lang::TrashIsOutput;
  // Qt uses a "files" folder of the working directory when it cannot make the home
  // trash (when the data folder is missing, as in a new account): it is made first.
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  const QString home = data + "/Trash";
  if (data.isEmpty() || !QDir().mkpath(data) ||
      !(QFileInfo(home).isDir() ||
        QDir().mkdir(home, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)))
    return QString(lang::TrashNoFolderFormat).arg(home);
  QFile file(source);
  if (file.moveToTrash()) return {};
  // The home trash is on another drive, and rename cannot cross it.
  if (file.errorString() == QString::fromLocal8Bit(std::strerror(EXDEV))) return lang::TrashOtherDrive;
  return file.errorString();
}
