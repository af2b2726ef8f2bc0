#pragma once
#include <QHash>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

#include "Task.h"

// The text of each line of the task list: the task's title and, where other tasks share the
// title, as much of its folder as tells it from theirs (its file name too when they share the
// folder). The rows are kept grouped by title, so a change reworks only the titles it touches.
class TTaskLines {
 public:
  using TTaskList = std::vector<std::unique_ptr<TTask>>;
  // Told the row and the text of each line a change may have altered.
  using TRelabel = std::function<void(int row, const QString& text)>;

  // Takes `tasks` anew; gives every line's text.
  QStringList Fill(const TTaskList& tasks);
  // The tasks from Count() on were appended: gives their lines' texts, and tells `relabel`
  // of the earlier lines whose title they now share.
  QStringList Append(const TTaskList& tasks, const TRelabel& relabel);
  // The task at `row` was edited (its title or its file): tells `relabel` of its line and of the
  // lines of the titles it left and joined.
  void Changed(const TTaskList& tasks, int row, const TRelabel& relabel);
  int Count() const { return int(Keys_.size()); }

 private:
  void Label(const TTaskList& tasks, const QString& key, const TRelabel& relabel) const;

  QVector<QString> Keys_;              // each row's title as shown
  QHash<QString, QVector<int>> Rows_;  // the rows of each title, in order
};
