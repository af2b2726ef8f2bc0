#include "MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "AboutForm.h"
#include "AddDialogs.h"
#include "AddForm.h"
#include "Application.h"
#include "ButtonColumn.h"
#include "DroppedPaths.h"
#include "FolderExpansion.h"
#include "Globals.h"
#include "Lang.h"
#include "MsgForm.h"
#include "NativePath.h"
#include "PrefsForm.h"
#include "PrgForm.h"
#include "QuestionRefusal.h"
#include "ReadInput.h"
#include "TaskAdding.h"
#include "TaskInfoPanel.h"
#include "TaskListMenu.h"
#include "TaskListing.h"
#include "TaskOps.h"
#include "TaskReader.h"
#include "TipsForm.h"

namespace {

// Margins of the two panels: left, top, right, bottom.
constexpr int TaskMargins[4] = {28, 24, 7, 11};
constexpr int InfoMargins[4] = {28, 12, 28, 11};
// The button column takes its buttons' width and this beside the task list.
constexpr int ButtonColumnMargins = 44;
constexpr int InfoBand = 128;

}  // namespace

TmainFrm::TmainFrm(QWidget* parent) : QMainWindow(parent) {
  setObjectName("mainFrm");
  setAcceptDrops(true);
  auto* central = new QWidget(this);
  setCentralWidget(central);
  dfForm = new QObject(this);
  dfForm->setObjectName("dfForm");
  BuildTaskList(central);
  BuildButtons(central);
  BuildInfoPanel(central);
  BuildStatusBar();
  SetFileDialogs();
  ConnectActions();
  resize(501, 451);
  FormCreate();
}

TmainFrm::~TmainFrm() = default;

void TmainFrm::BuildTaskList(QWidget* central) {
  taskPanel = new QGroupBox(central);
  taskPanel->setObjectName("taskPanel");
  TaskList = new TCheckListBox(taskPanel);
  TaskList->setObjectName("TaskList");
  TaskList->viewport()->installEventFilter(this);
  TaskList->installEventFilter(this);
  TaskList->setAccessibleName(lang::TaskListCaption);
  TaskList->setAccessibleDescription(lang::TaskListHelp);
  Listing_ = std::make_unique<TTaskListing>(TaskList, taskPanel);
  auto* menu = new TTaskListMenu(TaskList, [this] { return !Listing_->HintShown() && !Tasks.empty(); });
  taskMenu = menu;
  removeAct = menu->RemoveAct;
  removeAllAct = menu->RemoveAllAct;
  selectAllAct = menu->SelectAllAct;
}

void TmainFrm::BuildButtons(QWidget* central) {
  Buttons_ = std::make_unique<TButtonColumn>(central);
  addFileBtn = Buttons_->AddFile;
  rmFileBtn = Buttons_->Remove;
  editFileBtn = Buttons_->Edit;
  startBtn = Buttons_->Start;
  helpBtn = Buttons_->Help;
  aboutBtn = Buttons_->About;
  addFolderBtn = Buttons_->AddFolder;
  prefsBtn = Buttons_->Prefs;
}

void TmainFrm::BuildInfoPanel(QWidget* central) {
  Info_ = new TTaskInfoPanel(central);
  infoPanel = Info_;
  taskInfo_1 = Info_->InputLine;
  taskInfo_2 = Info_->OutputLine;
  TaskInfo_5 = Info_->SettingsLine;
  taskinfo_3 = Info_->SizeLine;
  Taskinfo_4 = Info_->EditLine;
  connect(Info_, &TTaskInfoPanel::LinkClicked, this, &TmainFrm::taskInfo_1HyperLinkClick);
}

void TmainFrm::BuildStatusBar() {
  statusBar = new QStatusBar(this);
  setStatusBar(statusBar);
  statusPanel0 = new QLabel(statusBar);
  statusPanel0->setFixedWidth(400);
  statusPanel0->setTextFormat(Qt::PlainText);
  statusPanel1 = new QLabel(statusBar);
  statusPanel1->setFixedWidth(50);
  statusPanel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  statusBar->addWidget(statusPanel0);
  statusBar->addPermanentWidget(statusPanel1);
}

void TmainFrm::SetFileDialogs() {
  AddFilesDlg = [this](const QString& folder) { return TAddDialogs::ChooseFiles(this, folder); };
  AddFolderDlg = [this](const QString& folder) { return TAddDialogs::ChooseFolder(this, folder); };
}

void TmainFrm::ConnectActions() {
  connect(addFileBtn, &QPushButton::clicked, this, [this] { addFileBtnClick(); });
  connect(rmFileBtn, &QPushButton::clicked, this, &TmainFrm::rmFileBtnClick);
  connect(editFileBtn, &QPushButton::clicked, this, &TmainFrm::editFileBtnClick);
  connect(startBtn, &QPushButton::clicked, this, &TmainFrm::startBtnClick);
  connect(helpBtn, &QPushButton::clicked, this, &TmainFrm::helpBtnClick);
  connect(aboutBtn, &QPushButton::clicked, this, &TmainFrm::aboutBtnClick);
  connect(addFolderBtn, &QPushButton::clicked, this, &TmainFrm::addFolderBtnClick);
  connect(prefsBtn, &QPushButton::clicked, this, &TmainFrm::prefsBtnClick);
  connect(removeAct, &QAction::triggered, this, &TmainFrm::rmFileBtnClick);
  connect(removeAllAct, &QAction::triggered, this, &TmainFrm::removeAllClick);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this), &QShortcut::activated, this,
          &TmainFrm::prefsBtnClick);
  setTabOrder(addFileBtn, addFolderBtn);  // the two ways of adding, one after the other
  setTabOrder(TaskList, prefsBtn);  // the keyboard goes down the button column as it is seen
  connect(TaskList, &QListWidget::itemDoubleClicked, this, &TmainFrm::TaskListDblClick);
  connect(TaskList, &QListWidget::currentRowChanged, this, &TmainFrm::TaskListKeyDown);
  // The buttons follow the selection the user sees, however it came about.
  connect(TaskList, &QListWidget::itemSelectionChanged, this, &TmainFrm::TaskListKeyDown);
  connect(TaskList, &TCheckListBox::ClickCheck, this, &TmainFrm::TaskListClickCheck);
}

void TmainFrm::FormCreate() {
  TipsShown = false;
  Adding = false;
  setWindowTitle(QString(lang::AppTitle) + "   " + lang::AppCredit);
  // Centred on the screen it opens on.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TmainFrm::FormShow() {
  infoPanel->setTitle(lang::InfoPanelCaption);
  const int column = Buttons_->Width();
  Buttons_->SetTexts();
  // Wider buttons widen the window, not narrow the task list.
  if (const int wider = Buttons_->Width() - column) resize(width() + wider, height());
  FormResize();
  RefreshTaskList();
  ShowTaskInfo(-1);
  const bool tips = TipsIndex < NoTipsAtStartup && !TipsShown && AppWindows && AppWindows->tipsFrm;
  if (!tips && FirstShowDone_) return;
  TipsShown = TipsShown || tips;
  // After the window is on screen, so the tip stands in front of it.
  QTimer::singleShot(0, this, [this, tips] {
    if (tips && AppWindows && AppWindows->tipsFrm) AppWindows->tipsFrm->exec();
    FirstShowDone_ = true;
    OpenPendingFiles();
  });
}

void TmainFrm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TmainFrm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

void TmainFrm::FormResize() {
  const QWidget* c = centralWidget();
  const int w = c->width(), h = c->height();
  const int upper = h - InfoBand;
  const int ButtonColumn = Buttons_->Width() + ButtonColumnMargins;
  taskPanel->setGeometry(TaskMargins[0], TaskMargins[1], w - ButtonColumn - TaskMargins[0] - TaskMargins[2],
                         upper - TaskMargins[1] - TaskMargins[3]);
  TaskList->setGeometry(8, 20, taskPanel->width() - 16, taskPanel->height() - 28);
  infoPanel->setGeometry(InfoMargins[0], upper + InfoMargins[1], w - InfoMargins[0] - InfoMargins[2],
                         InfoBand - InfoMargins[1] - InfoMargins[3]);
  Info_->FitLines();
  Buttons_->Place(w - ButtonColumn + 16, taskPanel->geometry().bottom() + 1);
}

int TmainFrm::Selected() const {
  const int row = TaskList->currentRow();
  return row >= 0 && TaskList->item(row) && TaskList->item(row)->isSelected() ? row : -1;
}

bool TmainFrm::Busy() const {
  const TprgFrm* run = AppWindows ? AppWindows->prgFrm.get() : nullptr;
  return Adding || (run && run->Running());
}

bool TmainFrm::CanAct() {
  if (!Busy()) {
    // The window of a run that has ended only reports: an action takes it away.
    if (AppWindows && AppWindows->prgFrm) AppWindows->prgFrm->Dismiss();
    return true;
  }
  ShowMessageWindow(miInformation, lang::Busy, lang::Help, lang::Ok);
  return false;
}

void TmainFrm::SetAdding(bool on) {
  SetAddingUnderWay(on);
  Buttons_->SetAdding(on);
  Adding = on;
  if (!on) {
    if (UpdateButtons() && Selected() >= 0) ShowTaskInfo(Selected());
    Unblocked();
  }
}

void TmainFrm::Unblocked() {
  // What ended may still be on the stack: files waiting and a shutdown go on after it.
  QTimer::singleShot(0, this, [this] {
    OpenPendingFiles();
    emit Settled();
  });
}

bool TmainFrm::event(QEvent* event) {
  // The last modal window over this one has closed.
  if (event->type() == QEvent::WindowUnblocked) Unblocked();
  return QMainWindow::event(event);
}

void TmainFrm::EndWhenSettled() {
  new TQuestionRefusal(this);
  connect(this, &TmainFrm::Settled, this, [this] {
    if (!Busy()) close();
  });
  Unblocked();
}

bool TmainFrm::UpdateButtons() {
  if (Adding) return false;
  if (Tasks.empty()) {
    startBtn->setEnabled(false);
    return false;
  }
  startBtn->setEnabled(true);
  const bool selected = Selected() >= 0;
  rmFileBtn->setEnabled(selected || TaskList->selectionModel()->hasSelection());
  editFileBtn->setEnabled(selected);
  return selected;
}

void TmainFrm::RefreshTaskList() {
  const std::vector<int> selected = Listing_->HintShown() ? std::vector<int>() : TaskList->SelectedRows();
  const int current = Selected();
  FillTaskList(current);
  // The selection stays where it was; the information panel keeps its text.
  if (!Listing_->HintShown() && selected != std::vector<int>{current}) {
    const QSignalBlocker quiet(TaskList);
    TaskList->SelectRows(selected);
    UpdateButtons();
  }
}

void TmainFrm::FillTaskList(int current) {
  Listing_->Fill(current);
  if (Listing_->HintShown())
    for (QPushButton* b : {rmFileBtn, editFileBtn, startBtn}) b->setEnabled(false);
  else
    startBtn->setEnabled(true);
  UpdateButtons();
}

void TmainFrm::ShowTaskInfo(int index) { Info_->Show(index); }

void TmainFrm::taskInfo_1HyperLinkClick(const QString& LinkName) {
  if (LinkName == TTaskInfoPanel::AddLink) {
    addFileBtnClick();
  } else if (LinkName == TTaskInfoPanel::InputLink) {
    if (Selected() >= 0) OpenInputFile(Selected());
  } else if (LinkName == TTaskInfoPanel::EditTaskLink) {
    editFileBtnClick();
  } else if (LinkName == TTaskInfoPanel::OutputLink) {
    if (Selected() >= 0) OpenOutputFile(Selected());
  }
}

void TmainFrm::OpenInputFile(int index) {
  // Built from the name's bytes, which a path that is not UTF-8 keeps only percent-encoded.
  QUrl url(QStringLiteral("file://"));
  url.setPath(QString::fromLatin1(NativePath(Tasks[index]->SrcFile).toPercentEncoding("/")), QUrl::TolerantMode);
  OpenOnDesktop(url);
}

void TmainFrm::OpenOutputFile(int index) { OpenOnDesktop(QUrl::fromLocalFile(Tasks[index]->DstFile)); }

void TmainFrm::addFileBtnClick(QObject* Sender) {
  if (ShutdownRequested || !CanAct()) return;
  SetAdding(true);
  if (Sender != dfForm) {
    AddFilesDlgFiles = AddFilesDlg(DefaultSettings.InputFileDir);
    if (AddFilesDlgFiles.isEmpty()) {
      SetAdding(false);
      return;
    }
  }
  QProgressDialog progress(this);
  TFolderExpansion::PrepareProgress(progress);
  FolderProgress = &progress;
  std::vector<TReadRequest> files;
  if (TFolderExpansion(progress, statusPanel0).Expand(AddFilesDlgFiles, files) && !ShutdownRequested) {
    TTaskReader::LeaveOutOwnOutputs(files, DefaultSettings);
    const int given = int(files.size());
    TTaskAdding adding(&progress, [this] { ListNewTasks(); });
    connect(&adding, &TTaskAdding::Status, statusPanel0, &QLabel::setText);
    Adding_ = &adding;
    adding.Run(std::move(files), {}, given);
    Adding_ = nullptr;
  }
  statusPanel0->clear();
  SetAdding(false);
  // Closed while it read: the window goes once the adding has unwound.
  if (std::exchange(CloseWhenAdded_, false)) QTimer::singleShot(0, this, &QWidget::close);
}

void TmainFrm::addFolderBtnClick() {
  if (ShutdownRequested || !CanAct()) return;
  const QString folder = AddFolderDlg(DefaultSettings.InputFileDir);
  if (folder.isEmpty()) return;
  AddFilesDlgFiles = {folder};
  addFileBtnClick(dfForm);
}

void TmainFrm::ListNewTasks() {
  if (!Listing_->Append()) FillTaskList(-1);
  // The last line added is the one the list shows as current: it is selected alone, so
  // Remove, Edit and the information panel are about it.
  if (!Tasks.empty()) TaskList->SelectOnly(int(Tasks.size()) - 1);
}

void TmainFrm::rmFileBtnClick() {
  if (!CanAct() || Tasks.empty() || Listing_->HintShown()) return;
  const std::vector<int> rows = TaskList->SelectedRows();
  if (rows.empty()) return;
  RemoveTasks(rows);
  // The line that took the place of the first one removed is selected, and the panel is about it.
  FillTaskList(Tasks.empty() ? -1 : std::min(rows.front(), int(Tasks.size()) - 1));
  ShowTaskInfo(Selected());
}

void TmainFrm::removeAllClick() {
  if (!CanAct() || Tasks.empty() || Listing_->HintShown()) return;
  const QString question = Tasks.size() == 1 ? QString(lang::RemoveOnlyTask)
                                             : lang::RemoveAllFormat(qsizetype(Tasks.size()));
  if (ShowMessageWindow(miQuestion, question, lang::No, lang::Yes) != 1) return;
  FreeAllTasks();
  FillTaskList(-1);
  ShowTaskInfo(-1);
}

void TmainFrm::editFileBtnClick() {
  if (!CanAct() || !UpdateButtons() || Selected() < 0) return;
  EditTask(Selected());
}

void TmainFrm::TaskListDblClick() {
  if (!CanAct()) return;
  if (UpdateButtons() && Selected() >= 0) EditTask(Selected());
}

void TmainFrm::EditTask(int i) {
  if (Adding) {
    ShowMessageWindow(miInformation, lang::Busy, lang::Help, lang::Ok);
    return;
  }
  LoadTaskForEdit(i);
  if (Wizard()->exec() != 1) return;
  StoreCurrentTask(false, i);
  // Its title or its file may have changed, and with them the lines sharing its old or new title.
  Listing_->Changed(i);
  ShowTaskInfo(i);
}

void TmainFrm::TaskListClick() {
  if (Tasks.empty()) {
    ShowTaskInfo(-1);
    addFileBtnClick();
  }
  if (UpdateButtons() && Selected() >= 0) ShowTaskInfo(Selected());
}

void TmainFrm::TaskListKeyDown() {
  if (UpdateButtons() && Selected() >= 0) ShowTaskInfo(Selected());
}

void TmainFrm::TaskListClickCheck(int row) {
  if (Tasks.empty() || row < 0 || row >= static_cast<int>(Tasks.size())) return;
  const TprgFrm* run = AppWindows ? AppWindows->prgFrm.get() : nullptr;
  if (run && run->Running()) {
    // The run reads the ticks: a change now would not be what it converts.
    TaskList->SetChecked(row, Tasks[row]->Checked);
    CanAct();
    return;
  }
  Tasks[row]->Checked = TaskList->Checked(row);
  UpdateButtons();
  Listing_->ShowCount();
}

bool TmainFrm::eventFilter(QObject* watched, QEvent* event) {
  // A click is the left button's; a right-click on the empty list adds nothing.
  if (watched == TaskList->viewport() && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
    QTimer::singleShot(0, this, &TmainFrm::TaskListClick);
  return QMainWindow::eventFilter(watched, event);
}

void TmainFrm::startBtnClick() {
  if (!CanAct()) return;
  if (Tasks.empty()) {
    ShowMessageWindow(miQuestion, QString(lang::NothingToConvert) + "\n" + lang::Busy, lang::Help, lang::Ok);
    return;
  }
  if (AppWindows && AppWindows->prgFrm) AppWindows->prgFrm->StartRun();
  if (Selected() >= 0) ShowTaskInfo(Selected());
  Unblocked();  // a run that ended hidden to the tray blocked nothing on its way out
}

void TmainFrm::helpBtnClick() { OpenHelp(); }

void TmainFrm::aboutBtnClick() { ShowAboutWindow(); }

void TmainFrm::prefsBtnClick() {
  if (ShutdownRequested) return;
  ShowPrefsWindow();
}

void TmainFrm::dfFormDropFiles(const QStringList& accepted) {
  if (accepted.isEmpty()) return;
  AddFilesDlgFiles = accepted;
  addFileBtnClick(dfForm);
}

void TmainFrm::DropFiles(const QStringList& paths) {
  raise();
  activateWindow();
  dfFormDropFiles(TDroppedPaths::Addable(paths));
}

void TmainFrm::OpenFiles(const QStringList& paths) {
  PendingFiles_ += paths;
  OpenPendingFiles();
}

void TmainFrm::OpenPendingFiles() {
  if (PendingFiles_.isEmpty() || !FirstShowDone_ || ShutdownRequested) return;
  // Reading, converting or asking: they wait their turn (the end of it calls again)
  // rather than meet the busy message or open beside a question.
  if (Busy() || QApplication::activeModalWidget()) return;
  const QStringList files = PendingFiles_;
  PendingFiles_.clear();
  DropFiles(files);
}

void TmainFrm::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TmainFrm::dropEvent(QDropEvent* event) {
  const QStringList paths = TDroppedPaths::FromDrop(*event->mimeData());
  event->acceptProposedAction();
  // Added after the drop has been answered, so the dragging program is not kept waiting.
  QTimer::singleShot(0, this, [this, paths] { DropFiles(paths); });
}

bool TmainFrm::FormClose() {
  // Closed while files are read: the reading ends at once, keeping what is listed.
  if (Adding_ && Adding_->Reading() && !QApplication::activeModalWidget()) {
    CloseWhenAdded_ = true;
    Adding_->End();
    return false;
  }
  if (!CanAct()) return false;
  SaveDefaultSettings();
  return true;
}

void TmainFrm::closeEvent(QCloseEvent* event) {
  if (FormClose()) {
    event->accept();
    emit Closed();
  } else {
    event->ignore();
  }
}
