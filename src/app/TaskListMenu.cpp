#include "TaskListMenu.h"

#include "Lang.h"

TTaskListMenu::TTaskListMenu(TCheckListBox* list, std::function<bool()> hasTasks) : QMenu(list) {
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  RemoveAct = addAction(lang::Remove);
  RemoveAct->setShortcut(QKeySequence(Qt::Key_Delete));
  RemoveAllAct = addAction(lang::RemoveAll);
  addSeparator();
  SelectAllAct = addAction(lang::SelectAll);
  SelectAllAct->setShortcut(QKeySequence::SelectAll);
  for (QAction* a : {RemoveAct, SelectAllAct}) {
    a->setShortcutContext(Qt::WidgetShortcut);
    list->addAction(a);  // its key works where the list has the focus
  }
  connect(SelectAllAct, &QAction::triggered, list, &QAbstractItemView::selectAll);
  connect(list, &QWidget::customContextMenuRequested, this, [this, list, hasTasks = std::move(hasTasks)](const QPoint& at) {
    // Popped up, not run: the window's events, and a run's, go on while it is open.
    if (hasTasks()) popup(list->viewport()->mapToGlobal(at));
  });
}
