#pragma once
#include <QGroupBox>

#include "CheckListBox.h"
#include "TaskLines.h"

// What the task list shows of Tasks: a line for each task with its tick and its file as
// the tip, or the empty list's hint; and, in the frame's title, how many are ticked.
class TTaskListing {
 public:
  TTaskListing(TCheckListBox* list, QGroupBox* frame) : List_(list), Frame_(frame) {}

  // The list holds the empty list's hint, not tasks.
  bool HintShown() const { return HintShown_; }
  // Fills the list anew, `current` the one line selected (-1: none).
  void Fill(int current);
  // Shows the tasks appended to Tasks since the list was last filled; false when the
  // list must be filled anew instead (it held the hint, or tasks have gone).
  bool Append();
  // The task at `row` was edited: its line, its tip and the lines sharing its old or new title.
  void Changed(int row);
  // The frame's title: how many tasks there are, how many of them ticked.
  void ShowCount();

 private:
  void Relabel(int row, const QString& text) { List_->SetLineText(row, text); }

  TCheckListBox* List_;
  QGroupBox* Frame_;
  bool HintShown_ = false;
  TTaskLines Lines_;  // the lines' texts, grouped by title
};
