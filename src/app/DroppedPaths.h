#pragma once
#include <QMimeData>
#include <QStringList>

// What is dropped on, or given to, the main window, made into paths to add.
class TDroppedPaths {
 public:
  // The local files and folders a drop carries, by their own bytes: toLocalFile() would lose
  // a name that is not UTF-8.
  static QStringList FromDrop(const QMimeData& data);
  // The folders, and the files with an audio file's name, among `paths`, made absolute.
  static QStringList Addable(const QStringList& paths);
};
