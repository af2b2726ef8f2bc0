#pragma once
#include <QLabel>
#include <QProgressDialog>
#include <QStringList>
#include <vector>

#include "FolderScan.h"
#include "ReadPool.h"

// Chosen or dropped paths made into the files to read: each folder is replaced by the audio
// files under it, searched while the windows go on, each knowing its place under its folder
// (under the folder's own name when several were given). The search counts what it has found
// in `progress`, which comes up when the search takes a moment, and in `status`.
class TFolderExpansion {
 public:
  TFolderExpansion(QProgressDialog& progress, QLabel* status) : Progress_(progress), Status_(status) {}

  // Readies the window that counts the files found, then those read, with its Stop throughout.
  static void PrepareProgress(QProgressDialog& progress);
  // `paths` in the order given, a folder's files where the folder was; stopped, the files found
  // so far. Gives false when the search could not start.
  bool Expand(const QStringList& paths, std::vector<TReadRequest>& files);

 private:
  // Searches the folders `roots`, each one's files in `found`; false when the search could not start.
  bool Search(const QStringList& roots, std::vector<std::vector<TFoundFile>>& found, bool& stopped);

  QProgressDialog& Progress_;
  QLabel* Status_;
};
