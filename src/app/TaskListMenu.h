#pragma once
#include <QMenu>
#include <functional>

#include "CheckListBox.h"

// The task list's context menu: Remove (the Delete key), Remove All, Select All. The column
// of buttons is full: what acts on many lines at once is here. Select All acts on the list
// itself; the owner connects the others.
class TTaskListMenu : public QMenu {
  Q_OBJECT
 public:
  // Comes up on a right-click on `list` while `hasTasks` says there are lines to act on.
  TTaskListMenu(TCheckListBox* list, std::function<bool()> hasTasks);

  QAction* RemoveAct;
  QAction* RemoveAllAct;
  QAction* SelectAllAct;
};
