#include "FolderExpansion.h"

#include <QDir>
#include <QEventLoop>
#include <QProgressBar>
#include <QTimer>
#include <limits>

#include "Application.h"
#include "FolderSearch.h"
#include "Lang.h"
#include "MsgForm.h"
#include "NativePath.h"
#include "Paths.h"

void TFolderExpansion::PrepareProgress(QProgressDialog& progress) {
  progress.setWindowModality(Qt::NonModal);  // the window stays usable; its actions say it is busy
  progress.setWindowTitle(lang::FolderSearchCaption);
  progress.setCancelButtonText(lang::StopSearch);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  progress.setMinimumDuration(std::numeric_limits<int>::max());  // shown when we say
  if (auto* bar = progress.findChild<QProgressBar*>()) bar->setAccessibleName(lang::FolderSearchCaption);
}

bool TFolderExpansion::Expand(const QStringList& paths, std::vector<TReadRequest>& files) {
  QStringList roots;
  QList<bool> isFolder;
  for (const QString& p : paths) {
    isFolder << NativeIsDir(p);
    if (isFolder.back()) roots << p;
  }
  std::vector<std::vector<TFoundFile>> found;
  bool stopped = false;
  if (!roots.isEmpty() && !Search(roots, found, stopped)) return false;
  // Several folders at once: each keeps its tree under its own name.
  const bool named = roots.size() > 1;
  // In the order given; a folder's files where the folder was. Stopped, the files found so far are taken.
  std::size_t root = 0;
  for (int i = 0; i < paths.size(); ++i) {
    if (!isFolder[i]) {
      files.push_back({paths[i], QString("")});
      continue;
    }
    const std::vector<TFoundFile> none;
    const std::vector<TFoundFile>& under = root < found.size() ? found[root] : none;
    ++root;
    if (under.empty() && !stopped && !ShutdownRequested)
      ShowMessageWindow(miWarning, QString(lang::NoAudioInFolder) + "\n " + ReadableName(paths[i]), lang::Help,
                        lang::Ok);
    const QString prefix = named ? FileNamePart(QDir::cleanPath(paths[i])) + "/" : QString();
    for (const TFoundFile& f : under) files.push_back({f.Path, prefix + f.SubFolder});
  }
  return true;
}

bool TFolderExpansion::Search(const QStringList& roots, std::vector<std::vector<TFoundFile>>& found, bool& stopped) {
  TFolderSearch search(roots);
  Progress_.setRange(0, 0);
  // A small folder is searched before the window would come up.
  QProgressDialog& progress = Progress_;
  QTimer::singleShot(500, &search, [&progress] { progress.show(); });
  const auto show = [&] {
    const QString text = QString(lang::FolderSearchFormat).arg(search.Count());
    Progress_.setLabelText(text);
    Status_->setText(text);
  };
  show();
  QEventLoop loop;
  QObject::connect(&search, &TFolderSearch::Progress, &Progress_, show);
  QObject::connect(&search, &TFolderSearch::Finished, &loop, &QEventLoop::quit);
  const auto stop = QObject::connect(&Progress_, &QProgressDialog::canceled, &search, &TFolderSearch::Stop);
  const auto reject = QObject::connect(&Progress_, &QDialog::rejected, &search, &TFolderSearch::Stop);
  if (!search.Start()) {
    ShowMessageWindow(miError, lang::ThreadNotCreated, lang::Help, lang::Ok);
    return false;
  }
  loop.exec();
  QObject::disconnect(stop);
  QObject::disconnect(reject);
  found = search.Found();
  stopped = search.Stopped();
  Status_->clear();
  return true;
}
