#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct TFoundFile {
  QString Path;       // absolute
  QString SubFolder;  // its folder relative to the scanned root: "" or "A/B/" (always ends in "/")
};

// Finds the audio files in a folder tree, for adding a whole folder at once.
class TFolderScan {
 public:
  // Every audio file under `root`, recursively, in name order. `goOn` (when given) is called
  // after each file found with the count so far; returning false stops the scan (what was found
  // so far is returned). Hidden files and folders (name starting with '.') are skipped, and so are
  // files that are not audio by their extension; symbolic links to folders are not followed
  // (loops), links to files are.
  static std::vector<TFoundFile> Run(const QString& root, const std::function<bool(int found)>& goOn = {});
  // Whether a file name's extension is one of the audio (and audio-carrying video) types the program
  // offers in its open dialog.
  static bool IsAudioName(const QString& name);
  // The names in folder `dir`, read by its bytes (names as PathFromNative gives them), in no
  // order: regular files and links to them, folders but not links to them; hidden ones left out.
  static void List(const QString& dir, QStringList& files, QStringList& folders);
};
