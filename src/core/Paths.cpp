#include "Paths.h"

#include <QDesktopServices>
#include <QUrl>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "DoString.h"
#include "Globals.h"
#include "NamePattern.h"
#include "NativePath.h"

QString ForceFolder(const QString& folder, const QString& fallback, QString* error) {
  // "/" is the only separator: a backslash is an ordinary character of a name here.
  const QString p = TrimBlanks(folder);
  QStringList pieces;
  SplitString(p, "/", pieces);
  QString path;
  for (const QString& piece : pieces) {
    if (piece.isEmpty()) continue;
    path += "/" + piece;
    const QByteArray native = NativePath(path);
    struct stat st {};
    if (::stat(native.constData(), &st) == 0) {
      if (S_ISDIR(st.st_mode)) continue;
      // A plain file of that name is no folder to put files in.
      if (error) *error = QString::fromLocal8Bit(std::strerror(ENOTDIR));
      return {};
    }
    if (::mkdir(native.constData(), 0777) != 0 && errno != EEXIST) {
      if (error) *error = QString::fromLocal8Bit(std::strerror(errno));
      return {};
    }
  }
  if (path.isEmpty()) return p.startsWith('/') ? QStringLiteral("/") : fallback;
  return path + "/";
}

bool IsOutputTaken(const QString& path) {
  for (const auto& task : Tasks)
    if (task->DstFile == path) return true;
  return false;
}

QString FolderPart(const QString& path) {
  const int slash = path.lastIndexOf('/');
  return slash < 0 ? QString() : path.left(slash + 1);
}

QString FileNamePart(const QString& path) { return path.mid(path.lastIndexOf('/') + 1); }

QString RelativeOutputName(const TTask& task) {
  if (!DefaultSettings.NamePattern.isEmpty()) {
    const TNamePattern pattern(DefaultSettings.NamePattern);
    if (pattern.Error().isEmpty()) return pattern.Expand(task);
  }
  // The input's name may hold bytes that are not UTF-8; the output's is readable.
  const QString name = ReadableName(FileNamePart(task.SrcFile));
  const int dot = name.lastIndexOf('.');
  const QString stem = dot < 0 ? name : name.left(dot);
  return (DefaultSettings.KeepFolderTree ? ReadableName(task.SubFolder) : QString()) + stem;
}

QString OutputBaseFolder(const TTask& task) {
  const QString folder = FolderPart(task.DstFile);
  const QString added = FolderPart(RelativeOutputName(task));
  return !added.isEmpty() && folder.endsWith("/" + added) ? folder.left(folder.size() - added.size()) : folder;
}

QString MakeOutputName(const QString& extension) {
  const QString path = DefaultSettings.OutputFileDir + RelativeOutputName(CurrentTask) + extension;
  // Otherwise a file standing under the name is dealt with when the run comes to it.
  const bool numbered = DefaultSettings.ExistingOutput == TExistingOutput::Number;
  return NextFreeName(path, IsOutputTaken, numbered);
}

QString NextFreeName(const QString& path, const std::function<bool(const QString&)>& taken, bool existing) {
  const int slash = path.lastIndexOf('/');
  int dot = path.lastIndexOf('.');
  if (dot <= slash) dot = int(path.size());
  QString candidate = path;
  for (int n = 2; (existing && NativeExists(candidate)) || taken(candidate); ++n)
    candidate = path.left(dot) + "(" + QString::number(n) + ")" + path.mid(dot);
  return candidate;
}

QString HelpFilePath() { return DataFilePath(HelpFile); }

bool OpenHelpFile() { return QDesktopServices::openUrl(QUrl::fromLocalFile(HelpFilePath())); }
