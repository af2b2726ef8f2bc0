#include "TaskLines.h"

#include <QSet>
#include <algorithm>

#include "Lang.h"
#include "NativePath.h"
#include "Paths.h"

namespace {

// A folder name longer than this is shown by its two ends.
constexpr int LongName = 32;

QString Shortened(const QString& name) {
  if (name.size() <= LongName) return name;
  int head = LongName / 2 - 1, tail = LongName - head - 1;
  // Never half a character.
  if (name[head - 1].isHighSurrogate()) --head;
  if (name[name.size() - tail].isLowSurrogate()) --tail;
  return name.left(head) + QChar(0x2026) + name.right(tail);
}

// The last `depth` folders of `parts`, or the whole path from the root once that is all of them.
QString Tail(const QStringList& parts, int depth) {
  if (depth >= parts.size()) return "/" + parts.join('/');
  return parts.mid(parts.size() - depth).join('/');
}

}  // namespace

QStringList TTaskLines::Fill(const TTaskList& tasks) {
  Keys_.clear();
  Rows_.clear();
  return Append(tasks, {});
}

QStringList TTaskLines::Append(const TTaskList& tasks, const TRelabel& relabel) {
  const int first = Count();
  QStringList added;
  for (int row = first; row < int(tasks.size()); ++row) {
    Keys_.push_back(ReadableName(tasks[row]->Title));
    Rows_[Keys_.back()].push_back(row);
    added << Keys_.back();
  }
  // A title met again reworks its earlier lines too; the new lines take their texts here.
  QSet<QString> shared;
  for (int row = first; row < Count(); ++row)
    if (Rows_.value(Keys_[row]).size() > 1) shared.insert(Keys_[row]);
  for (const QString& key : shared)
    Label(tasks, key, [&](int row, const QString& text) {
      if (row >= first)
        added[row - first] = text;
      else if (relabel)
        relabel(row, text);
    });
  return added;
}

void TTaskLines::Changed(const TTaskList& tasks, int row, const TRelabel& relabel) {
  if (row < 0 || row >= Count() || row >= int(tasks.size())) return;
  const QString before = Keys_[row], after = ReadableName(tasks[row]->Title);
  if (before != after) {
    QVector<int>& left = Rows_[before];
    left.removeOne(row);
    if (left.isEmpty()) Rows_.remove(before);
    QVector<int>& joined = Rows_[after];
    joined.insert(std::lower_bound(joined.begin(), joined.end(), row), row);
    Keys_[row] = after;
    Label(tasks, before, relabel);
  }
  Label(tasks, after, relabel);
}

void TTaskLines::Label(const TTaskList& tasks, const QString& key, const TRelabel& relabel) const {
  QVector<int> rows = Rows_.value(key);
  rows.removeIf([&](int row) { return row >= int(tasks.size()); });
  if (rows.size() == 1) relabel(rows[0], key);
  if (rows.size() < 2) return;
  // Each folder is shown by as few of its last folders as no other folder of the title ends in.
  QHash<QString, int> members;  // how many of the title's tasks are in each folder
  QHash<QString, QStringList> parts;
  for (int row : rows) {
    const QString folder = FolderPart(tasks[row]->SrcFile);
    if (members[folder]++ == 0) parts.insert(folder, folder.split('/', Qt::SkipEmptyParts));
  }
  QHash<QString, QString> shown;
  QStringList open = parts.keys();
  for (int depth = 1; !open.isEmpty(); ++depth) {
    QHash<QString, int> ends;
    for (const QString& folder : open) ++ends[Tail(parts[folder], depth)];
    QStringList still;
    for (const QString& folder : open) {
      const QString tail = Tail(parts[folder], depth);
      if (ends[tail] == 1 || depth >= parts[folder].size())
        shown.insert(folder, tail);
      else
        still << folder;
    }
    open = still;
  }
  for (int row : rows) {
    const TTask& t = *tasks[row];
    const QString folder = FolderPart(t.SrcFile);
    QStringList names = ReadableName(shown[folder]).split('/');
    for (QString& name : names) name = Shortened(name);
    QString where = names.join('/');
    if (!where.endsWith('/')) where += '/';
    // Files of one folder sharing a title are told apart by their names.
    if (members[folder] > 1) where += Shortened(ReadableName(FileNamePart(t.SrcFile)));
    relabel(row, QString(lang::SharedTitleFormat).arg(key, where));
  }
}
