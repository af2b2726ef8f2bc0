#include "FolderScan.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

#include "DoString.h"
#include "Lang.h"
#include "NativePath.h"

namespace {

// The extensions ("wma", "flac", ...) of the open dialog's first entry and of the other audio files.
QStringList AudioExtensions() {
  QStringList exts;
  for (const char* filter : {lang::FileFilter.source, lang::OtherAudioFilter.source}) {
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
    QStringList files, folders;
    TFolderScan::List(dir, files, folders);
    files.removeIf([](const QString& name) { return !TFolderScan::IsAudioName(name); });
    Sort(files);
    Sort(folders);
    const QString base = dir.endsWith('/') ? dir : dir + '/';
    for (const QString& f : files) {
      Found.push_back({base + f, sub});
      if (goOn_ && !goOn_(static_cast<int>(Found.size()))) return false;
    }
    for (const QString& d : folders)
      if (!Folder(base + d, sub + d + '/')) return false;
    return true;
  }

 private:
  void Sort(QStringList& names) const {
    // Kept bytes are compared as the characters they are shown as.
    std::vector<std::pair<QString, QString>> keyed;  // shown, own
    for (const QString& n : names) keyed.emplace_back(ReadableName(n), n);
    std::sort(keyed.begin(), keyed.end(), [this](const auto& a, const auto& b) {
      const int c = collator_.compare(a.first, b.first);
      // Names equal but for letter case still come in one fixed order.
      return c != 0 ? c < 0 : a.second < b.second;
    });
    for (qsizetype i = 0; i < names.size(); ++i) names[i] = keyed[std::size_t(i)].second;
  }

  const std::function<bool(int)>& goOn_;
  QCollator collator_;
};

}  // namespace

std::vector<TFoundFile> TFolderScan::Run(const QString& root, const std::function<bool(int found)>& goOn) {
  Scanner scanner(goOn);
  if (NativeIsDir(root)) scanner.Folder(NativeAbsolutePath(root), QString(""));
  return std::move(scanner.Found);
}

void TFolderScan::List(const QString& dir, QStringList& files, QStringList& folders) {
  const QByteArray native = NativePath(dir);
  DIR* d = ::opendir(native.constData());
  if (!d) return;
  const QByteArray base = native.endsWith('/') ? native : native + '/';
  while (const dirent* e = ::readdir(d)) {
    if (e->d_name[0] == '.') continue;  // hidden, and "." and ".."
    const QByteArray bytes(e->d_name);
    bool folder = e->d_type == DT_DIR, file = e->d_type == DT_REG;
    if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
      // A link counts as what it leads to, but a link to a folder is not followed (loops);
      // a broken one is nothing.
      struct stat st {};
      const QByteArray full = base + bytes;
      if (::lstat(full.constData(), &st) != 0) continue;
      const bool link = S_ISLNK(st.st_mode);
      if (link && ::stat(full.constData(), &st) != 0) continue;
      folder = !link && S_ISDIR(st.st_mode);
      file = S_ISREG(st.st_mode);
    }
    if (folder)
      folders << PathFromNative(bytes);
    else if (file)
      files << PathFromNative(bytes);
  }
  ::closedir(d);
}

bool TFolderScan::IsAudioName(const QString& name) {
  static const QStringList exts = AudioExtensions();
  const int dot = name.lastIndexOf('.');
  return dot >= 0 && exts.contains(name.mid(dot + 1), Qt::CaseInsensitive);
}
