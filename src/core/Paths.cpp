#include "Paths.h"

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

QString RelativeOutputName(const TTask& task, const TDefaultSettings& settings) {
  const QString tree = settings.KeepFolderTree ? ReadableName(task.SubFolder) : QString();
  if (!settings.NamePattern.isEmpty()) {
    const TNamePattern pattern(settings.NamePattern);
    if (pattern.Error().isEmpty()) {
      const QString name = pattern.Expand(task);
      return name.contains('/') ? name : tree + name;
    }
  }
  // The input's name may hold bytes that are not UTF-8; the output's is readable.
  const QString name = ReadableName(FileNamePart(task.SrcFile));
  const int dot = name.lastIndexOf('.');
  return tree + (dot < 0 ? name : name.left(dot));
}

QString OutputFolderFor(const TTask& task, const TDefaultSettings& settings) {
  if (!settings.OutputFileDir.isEmpty() && settings.OutputFileDir != settings.InputFileDir)
    return settings.OutputFileDir;
  const QString folder = FolderPart(task.SrcFile);
  return folder.endsWith("/" + task.SubFolder) ? folder.left(folder.size() - task.SubFolder.size()) : folder;
}

QString OutputNameFor(const TTask& task, const std::function<bool(const QString&)>& taken,
                      const TDefaultSettings& settings) {
  const QString path = OutputFolderFor(task, settings) + RelativeOutputName(task, settings) + ".mp3";
  // Otherwise a file standing under the name is dealt with when the run comes to it.
  const bool numbered = settings.ExistingOutput == TExistingOutput::Number;
  return NextFreeName(
      path, [&](const QString& name) { return name == task.SrcFile || (taken && taken(name)); }, numbered);
}

QString OutputBaseFolder(const TTask& task) {
  const QString folder = FolderPart(task.DstFile);
  const QString added = FolderPart(RelativeOutputName(task));
  return !added.isEmpty() && folder.endsWith("/" + added) ? folder.left(folder.size() - added.size()) : folder;
}

QString MakeOutputName() { return OutputNameFor(CurrentTask, IsOutputTaken); }

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
