#include "FolderScan.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>
#include <algorithm>

#include "DoString.h"
#include "Lang.h"

namespace {

// The extensions ("wma", "flac", ...) of the open dialog's first entry and of the other audio files.
QStringList AudioExtensions() {
  QStringList exts;
  for (const char* filter : {lang::FileFilter, lang::OtherAudioFilter}) {
    QStringList parts;
    SplitString(filter, "|", parts);
    if (parts.size() < 2) continue;
    for (const QString& pattern : parts[1].split(';', Qt::SkipEmptyParts)) {
      const QString ext = pattern.section('.', -1).toLower();
      if (!ext.isEmpty() && !exts.contains(ext)) exts << ext;
    }
  }
  return exts;
}

class Scanner {
 public:
  explicit Scanner(const std::function<bool(int)>& goOn) : goOn_(goOn) {
    // The C locale compares code points and ignores numeric mode: "10" would come before "2".
    const QLocale system;
    collator_ = QCollator(system.language() == QLocale::C ? QLocale(QLocale::English) : system);
    collator_.setNumericMode(true);
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
  }

  std::vector<TFoundFile> Found;

  // False once the caller has asked to stop.
  bool Folder(const QString& dir, const QString& sub) {
    // An unreadable folder lists nothing.
    const QFileInfoList entries =
        QDir(dir).entryInfoList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::NoSort);
    QFileInfoList files, folders;
    for (const QFileInfo& e : entries) {
      if (e.fileName().startsWith('.')) continue;
      if (e.isDir()) {
        if (!e.isSymLink()) folders << e;
      } else if (TFolderScan::IsAudioName(e.fileName())) {
        files << e;
      }
    }
    Sort(files);
    Sort(folders);
    for (const QFileInfo& f : files) {
      Found.push_back({f.absoluteFilePath(), sub});
      if (goOn_ && !goOn_(static_cast<int>(Found.size()))) return false;
    }
    for (const QFileInfo& d : folders)
      if (!Folder(d.absoluteFilePath(), sub + d.fileName() + '/')) return false;
    return true;
  }

 private:
  void Sort(QFileInfoList& list) const {
    std::sort(list.begin(), list.end(), [this](const QFileInfo& a, const QFileInfo& b) {
      const int c = collator_.compare(a.fileName(), b.fileName());
      // Names equal but for letter case still come in one fixed order.
      return c != 0 ? c < 0 : a.fileName() < b.fileName();
    });
  }

  const std::function<bool(int)>& goOn_;
  QCollator collator_;
};

}  // namespace

std::vector<TFoundFile> TFolderScan::Run(const QString& root, const std::function<bool(int found)>& goOn) {
  Scanner scanner(goOn);
  const QFileInfo info(root);
  if (info.isDir()) scanner.Folder(info.absoluteFilePath(), QString(""));
  return std::move(scanner.Found);
}

bool TFolderScan::IsAudioName(const QString& name) {
  static const QStringList exts = AudioExtensions();
  const int dot = name.lastIndexOf('.');
  return dot >= 0 && exts.contains(name.mid(dot + 1), Qt::CaseInsensitive);
}
