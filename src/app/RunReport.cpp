#include "RunReport.h"

#include <algorithm>

#include "ConvertResult.h"
#include "DoString.h"
#include "Lang.h"
#include "NativePath.h"
#include "Paths.h"
#include "Task.h"

void TRunReport::Clear() { *this = TRunReport(); }

void TRunReport::TInRunOrder::Add(int index, const QString& line) {
  const auto at = std::upper_bound(At.begin(), At.end(), index);
  Lines.insert(at - At.begin(), line);
  At.insert(at, index);
}

void TRunReport::Failed(int index, const TTask& task, const QString& reason) {
  Failures_.Add(index, ReadableName(task.SrcFile) + ": " + reason);
}

void TRunReport::Ended(int index, const TTask& task, const TConvertResult& result) {
  if (result.Outcome == TJobOutcome::Converted) ++Converted_;
  // Its MP3 is kept, but a file whose audio ends early does not count as converted.
  if (!result.Shortfall.isEmpty()) Failed(index, task, result.Shortfall);
  if (result.Outcome == TJobOutcome::Cancelled) KeptShort(index, task, result);
  if (result.Outcome == TJobOutcome::Skipped) ++AlreadyDone_;
  if (!result.Trashed.isEmpty()) Trashed_.Add(index, FileNamePart(result.Trashed));
  if (!result.NotTrashed.isEmpty()) NotTrashed_.Add(index, task.SrcFile + ": " + result.NotTrashed);
}

// A file the cancel stopped is kept with the audio so far: the report says how much.
void TRunReport::KeptShort(int index, const TTask& task, const TConvertResult& result) {
  const qint64 length = result.Length > 0 ? result.Length : task.Duration;
  KeptShort_.Add(index, QString(lang::KeptShortFormat)
                            .arg(FileNamePart(task.DstFile), ShortClockText(result.Written),
                                 length > 0 ? ShortClockText(length) : QString("?")));
}

void TRunReport::AlbumNote(const TTask& task, const QString& note) {
  // Each file of an album is told the same; the report says it once, after the album's name.
  QString album = task.Album.isEmpty() ? FolderPart(task.SrcFile) : task.Album;
  if (album.size() > 1 && album.endsWith('/')) album.chop(1);
  const QString line = album + ": " + note;
  if (!AlbumNotes_.contains(line)) AlbumNotes_ << line;
}

QString TRunReport::Summary(bool cancelled, int count) const {
  if (cancelled) return lang::Canceled;
  if (!Failures_.Lines.isEmpty()) return lang::FilesFailedFormat(count).arg(Failures_.Lines.size());
  if (AlreadyDone_ > 0 && Converted_ == 0)
    return AlreadyDone_ == 1 ? QString(lang::NothingNewOne) : lang::NothingNewFormat(AlreadyDone_);
  if (AlreadyDone_ > 0) return QString(lang::SomeNewFormat).arg(Converted_).arg(AlreadyDone_);
  return lang::AllConverted;
}

QString TRunReport::Lists(bool cancelled, int count) const {
  QStringList lines;
  auto list = [&lines](const QString& title, const QStringList& items) {
    if (items.isEmpty()) return;
    if (!title.isEmpty()) lines << title;
    for (const QString& item : items) lines << " " + item;
  };
  list(cancelled ? lang::FilesFailedFormat(count).arg(Failures_.Lines.size()) : QString(), Failures_.Lines);
  // Said by the first line when nothing else happened to the run.
  if (AlreadyDone_ > 0 && (cancelled || !Failures_.Lines.isEmpty())) lines << lang::AlreadyConvertedFormat(AlreadyDone_);
  list(lang::KeptShort, KeptShort_.Lines);
  lines << AlbumNotes_;
  list(lang::MovedToTrash, Trashed_.Lines);
  list(lang::NotMovedToTrash, NotTrashed_.Lines);
  return lines.join('\n');
}

QString TRunReport::NoticeBody(bool cancelled, int count) const {
  return !cancelled && !Failures_.Lines.isEmpty() ? lang::NoticeFailedFormat(count).arg(Failures_.Lines.size())
                                            : Summary(cancelled, count);
}
