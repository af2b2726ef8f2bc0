#pragma once
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "CheckListBox.h"
#include "LinkLabel.h"
#include "ReadPool.h"

class TButtonColumn;
class TTaskAdding;
class TTaskInfoPanel;
class TTaskListing;

// The application's main window: the task list and its actions. Closing it ends the program.
class TmainFrm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TmainFrm(QWidget* parent = nullptr);
  ~TmainFrm() override;

  TCheckListBox* TaskList;
  QGroupBox* taskPanel;
  QStatusBar* statusBar;
  QLabel* statusPanel0;
  QLabel* statusPanel1;
  QPushButton* addFileBtn;
  QPushButton* rmFileBtn;
  QPushButton* editFileBtn;
  QPushButton* startBtn;
  QPushButton* helpBtn;
  QPushButton* aboutBtn;
  QPushButton* addFolderBtn;
  QPushButton* prefsBtn;
  QGroupBox* infoPanel;
  TLinkLabel* taskInfo_1;
  TLinkLabel* taskInfo_2;
  TLinkLabel* TaskInfo_5;
  TLinkLabel* taskinfo_3;
  TLinkLabel* Taskinfo_4;
  // The task list's context menu: Remove (the Delete key), Remove All, Select All.
  QMenu* taskMenu;
  QAction* removeAct;
  QAction* removeAllAct;
  QAction* selectAllAct;
  // The chosen or dropped file (and folder) names waiting to be added.
  QStringList AddFilesDlgFiles;
  // Shows the open dialog in a folder; gives the chosen files, none when cancelled. Replaceable, for tests.
  std::function<QStringList(const QString& folder)> AddFilesDlg;
  // Shows the folder dialog in a folder; gives the chosen folder, "" when cancelled. Replaceable, for tests.
  std::function<QString(const QString& folder)> AddFolderDlg;
  // The window counting the files found while folders are searched, with its Stop button; shown when
  // the search takes a moment.
  QPointer<QProgressDialog> FolderProgress;

  // Nothing is being read or converted; otherwise says so and gives false.
  bool CanAct();
  // A file is being read or a run is in progress, shown or hidden to the tray.
  bool Busy() const;
  // Ends the program as soon as what runs has ended, answering No to every question.
  void EndWhenSettled();
  void SetAdding(bool on);
  bool UpdateButtons();
  // Fills the list anew from Tasks, keeping the selection and the current line.
  void RefreshTaskList();
  void ShowTaskInfo(int index);
  // Shows the tasks appended to Tasks since the list was last filled, the last one selected.
  void ListNewTasks();
  void EditTask(int index);
  void OpenInputFile(int index);
  void OpenOutputFile(int index);
  // Files dropped on the window, in drop order; a folder stands for the audio files under it.
  void DropFiles(const QStringList& paths);
  // Files given on the command line or by a second start: added as if dropped,
  // once the window is shown, the tips are closed and nothing else is busy.
  void OpenFiles(const QStringList& paths);

 public slots:
  void addFileBtnClick(QObject* Sender = nullptr);
  void addFolderBtnClick();
  // Removes the selected tasks from the list; the line after them becomes the selected one.
  void rmFileBtnClick();
  // Empties the list once the user has said yes.
  void removeAllClick();
  void editFileBtnClick();
  void startBtnClick();
  void helpBtnClick();
  void aboutBtnClick();
  void prefsBtnClick();
  void TaskListClick();
  void TaskListDblClick();
  void TaskListKeyDown();
  void TaskListClickCheck(int row);
  void taskInfo_1HyperLinkClick(const QString& LinkName);

 signals:
  // The window has closed for good: the program ends.
  void Closed();
  // Something that kept the window busy or blocked (an adding, a run, a question)
  // has ended; told once the event that ended it is handled.
  void Settled();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void BuildTaskList(QWidget* central);
  void BuildButtons(QWidget* central);
  void BuildInfoPanel(QWidget* central);
  void BuildStatusBar();
  // The dialogs Add Files and Add Folder show, until a test replaces them.
  void SetFileDialogs();
  void ConnectActions();
  void Unblocked();
  void FormCreate();
  void FormShow();
  bool FormClose();
  void FormResize();
  void dfFormDropFiles(const QStringList& accepted);
  int Selected() const;
  // Fills the list from Tasks, `current` the one line selected (-1: none), and sets the buttons to it.
  void FillTaskList(int current);

  void OpenPendingFiles();

  bool Adding = false;
  QPointer<TTaskAdding> Adding_;  // the adding under way, while it reads
  bool CloseWhenAdded_ = false;
  std::unique_ptr<TTaskListing> Listing_;  // what the list shows of Tasks
  TTaskInfoPanel* Info_ = nullptr;
  std::unique_ptr<TButtonColumn> Buttons_;
  bool TipsShown = false;
  bool FirstShowDone_ = false;
  QStringList PendingFiles_;
  QObject* dfForm;  // stands for the drop target as the sender of an add
};
