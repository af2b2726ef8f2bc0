#include "MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>
#include <algorithm>
#include <limits>
#include <QFileDialog>
#include <QMimeData>
#include <QMouseEvent>
#include <QProgressBar>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>

#include "AboutForm.h"
#include "AddForm.h"
#include "Application.h"
#include "ConversionEngine.h"
#include "DoString.h"
#include "FolderScan.h"
#include "FolderSearch.h"
#include "Globals.h"
#include "Lang.h"
#include "MsgForm.h"
#include "NativePath.h"
#include "Paths.h"
#include "PrefsForm.h"
#include "PrgForm.h"
#include "ReadInput.h"
#include "TaskAdding.h"
#include "TaskReader.h"
#include "TaskOps.h"
#include "TipsForm.h"

namespace {

// "desc|pattern|desc|pattern" as the file dialog wants it.
QString DialogFilter(const QString& filter) {
  QStringList parts;
  SplitString(filter, "|", parts);
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) out << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
  return out.join(";;");
}

// Margins of the two panels: left, top, right, bottom.
constexpr int TaskMargins[4] = {28, 24, 7, 11};
constexpr int InfoMargins[4] = {28, 12, 28, 11};
constexpr int ButtonColumn = 141;
constexpr int InfoBand = 128;
constexpr int PrefsTop = 1, PrefsHeight = 19;

}  // namespace

TmainFrm::TmainFrm(QWidget* parent) : QMainWindow(parent) {
  setObjectName("mainFrm");
  setAcceptDrops(true);
  auto* central = new QWidget(this);
  setCentralWidget(central);
  dfForm = new QObject(this);
  dfForm->setObjectName("dfForm");

  taskPanel = new QGroupBox(central);
  taskPanel->setObjectName("taskPanel");
  TaskList = new TCheckListBox(taskPanel);
  TaskList->setObjectName("TaskList");
  TaskList->viewport()->installEventFilter(this);
  TaskList->installEventFilter(this);
  TaskList->setAccessibleName(lang::TaskListCaption);
  TaskList->setAccessibleDescription(lang::TaskListHelp);
  // The column of buttons is full: what acts on many lines at once is on the list's own menu.
  TaskList->setContextMenuPolicy(Qt::CustomContextMenu);
  taskMenu = new QMenu(TaskList);
  removeAct = taskMenu->addAction(lang::Remove);
  removeAct->setShortcut(QKeySequence(Qt::Key_Delete));
  removeAllAct = taskMenu->addAction(lang::RemoveAll);
  taskMenu->addSeparator();
  selectAllAct = taskMenu->addAction(lang::SelectAll);
  selectAllAct->setShortcut(QKeySequence::SelectAll);
  for (QAction* a : {removeAct, selectAllAct}) {
    a->setShortcutContext(Qt::WidgetShortcut);
    TaskList->addAction(a);  // its key works where the list has the focus
  }

  auto button = [&](const char* name, int y, int h) {
    auto* b = new QPushButton(central);
    b->setObjectName(name);
    b->setProperty("y0", y);
    b->resize(97, h);
    b->setAutoDefault(false);
    return b;
  };
  addFileBtn = button("addFileBtn", 24, 27);
  rmFileBtn = button("rmFileBtn", 64, 27);
  editFileBtn = button("editFileBtn", 104, 27);
  startBtn = button("startBtn", 144, 41);
  helpBtn = button("helpBtn", 200, 27);
  aboutBtn = button("aboutBtn", 232, 27);
  addFolderBtn = button("addFolderBtn", 0, 27);  // placed by FormResize
  startBtn->setAccessibleDescription(lang::StartHelp);
  // In the strip above the column, where it moves nothing placed before it.
  prefsBtn = button("prefsBtn", PrefsTop, PrefsHeight);
  prefsBtn->setToolTip(lang::PrefsTip);
  prefsBtn->setAccessibleDescription(lang::PrefsTip);

  infoPanel = new QGroupBox(central);
  infoPanel->setObjectName("infoPanel");
  auto label = [&](const char* name, int x, int y) {
    auto* l = new TLinkLabel(infoPanel);
    l->setObjectName(name);
    l->move(x, y - 14);
    connect(l, &QLabel::linkActivated, this, &TmainFrm::taskInfo_1HyperLinkClick);
    return l;
  };
  taskInfo_1 = label("taskInfo_1", 8, 32);
  taskInfo_2 = label("taskInfo_2", 8, 48);
  TaskInfo_5 = label("TaskInfo_5", 8, 64);
  taskinfo_3 = label("taskinfo_3", 8, 80);
  Taskinfo_4 = label("Taskinfo_4", 224, 80);

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

  AddFilesDlg = [this](const QString& folder) {
    QFileDialog dlg(this, lang::AddFilesDlgTitle, folder, DialogFilter(FileFilter + "|" + lang::OtherAudioFilter));
    dlg.setFileMode(QFileDialog::ExistingFiles);
    dlg.setOption(QFileDialog::HideNameFilterDetails);  // the filter names once, as the table gives them
    return dlg.exec() == QDialog::Accepted ? dlg.selectedFiles() : QStringList();
  };
  AddFolderDlg = [this](const QString& folder) {
    QFileDialog dlg(this, lang::AddFolderDlgTitle, folder);
    dlg.setFileMode(QFileDialog::Directory);
    dlg.setOption(QFileDialog::ShowDirsOnly);
    return dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty() ? dlg.selectedFiles().first()
                                                                            : QString();
  };

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
  connect(selectAllAct, &QAction::triggered, TaskList, &QAbstractItemView::selectAll);
  connect(TaskList, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    // Popped up, not run: the window's events, and a run's, go on while it is open.
    if (!HintShown_ && !Tasks.empty()) taskMenu->popup(TaskList->viewport()->mapToGlobal(at));
  });
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this), &QShortcut::activated, this,
          &TmainFrm::prefsBtnClick);
  setTabOrder(addFileBtn, addFolderBtn);  // the two ways of adding, one after the other
  setTabOrder(TaskList, prefsBtn);  // the keyboard goes down the button column as it is seen
  connect(TaskList, &QListWidget::itemDoubleClicked, this, &TmainFrm::TaskListDblClick);
  connect(TaskList, &QListWidget::currentRowChanged, this, &TmainFrm::TaskListKeyDown);
  // The buttons follow the selection the user sees, however it came about.
  connect(TaskList, &QListWidget::itemSelectionChanged, this, &TmainFrm::TaskListKeyDown);
  connect(TaskList, &TCheckListBox::ClickCheck, this, &TmainFrm::TaskListClickCheck);

  resize(501, 451);
  rmFileBtn->setEnabled(false);
  editFileBtn->setEnabled(false);
  startBtn->setEnabled(false);
  FormCreate();
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
  addFileBtn->setText(lang::AddFiles);
  addFolderBtn->setText(lang::AddFolder);
  rmFileBtn->setText(lang::Remove);
  editFileBtn->setText(lang::Edit);
  startBtn->setText(lang::Start);
  helpBtn->setText(lang::Help);
  aboutBtn->setText(lang::About);
  prefsBtn->setText(QString(lang::Preferences) + lang::Dots);
  RefreshTaskList();
  ShowTaskInfo(-1);
  if (TipsIndex < NoTipsAtStartup && !TipsShown && AppWindows && AppWindows->tipsFrm) {
    TipsShown = true;
    // After the window is on screen, so the tip stands in front of it.
    QTimer::singleShot(0, this, [this] {
      if (AppWindows && AppWindows->tipsFrm) AppWindows->tipsFrm->exec();
      FirstShowDone_ = true;
      OpenPendingFiles();
    });
  } else if (!FirstShowDone_) {
    QTimer::singleShot(0, this, [this] {
      FirstShowDone_ = true;
      OpenPendingFiles();
    });
  }
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
  taskPanel->setGeometry(TaskMargins[0], TaskMargins[1], w - ButtonColumn - TaskMargins[0] - TaskMargins[2],
                         upper - TaskMargins[1] - TaskMargins[3]);
  TaskList->setGeometry(8, 20, taskPanel->width() - 16, taskPanel->height() - 28);
  infoPanel->setGeometry(InfoMargins[0], upper + InfoMargins[1], w - InfoMargins[0] - InfoMargins[2],
                         InfoBand - InfoMargins[1] - InfoMargins[3]);
  for (QPushButton* b : {addFileBtn, rmFileBtn, editFileBtn, startBtn, helpBtn, aboutBtn, prefsBtn})
    b->move(w - ButtonColumn + 16, b->property("y0").toInt());
  for (TLinkLabel* l : {taskInfo_1, taskInfo_2, TaskInfo_5}) l->resize(infoPanel->width() - 16, 16);
  // Add Folder stands at the foot of the column, level with the task list's frame, never over About.
  const int folderY = std::max(aboutBtn->y() + aboutBtn->height() + 8, taskPanel->geometry().bottom() + 1 - 27);
  addFolderBtn->move(w - ButtonColumn + 16, folderY);
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
  if (on) {
    for (QPushButton* b : {addFileBtn, addFolderBtn, rmFileBtn, editFileBtn, startBtn}) b->setEnabled(false);
    Adding = true;
  } else {
    addFileBtn->setEnabled(true);
    addFolderBtn->setEnabled(true);
    Adding = false;
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
  // Every question, on screen or yet to come, is answered No as it opens, so a
  // file being read and a run end; then the window closes.
  qApp->installEventFilter(this);
  for (QWidget* w : QApplication::topLevelWidgets()) RejectQuestion(w);
  connect(this, &TmainFrm::Settled, this, [this] {
    if (!Busy()) close();
  });
  Unblocked();
}

void TmainFrm::RejectQuestion(QObject* window) {
  auto* dialog = qobject_cast<QDialog*>(window);
  // A run's window is no question: it ends with its run.
  if (!dialog || (AppWindows && dialog == AppWindows->prgFrm.get())) return;
  // Once its own loop runs, which the answer ends.
  QPointer<QDialog> d(dialog);
  QMetaObject::invokeMethod(
      dialog, [d] { if (d && d->isVisible()) d->done(QDialog::Rejected); }, Qt::QueuedConnection);
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
  const std::vector<int> selected = HintShown_ ? std::vector<int>() : TaskList->SelectedRows();
  const int current = Selected();
  FillTaskList(current);
  // The selection stays where it was; the information panel keeps its text.
  if (!HintShown_ && selected != std::vector<int>{current}) {
    const QSignalBlocker quiet(TaskList);
    TaskList->SelectRows(selected);
    UpdateButtons();
  }
}

void TmainFrm::FillTaskList(int current) {
  const QSignalBlocker quiet(TaskList);
  HintShown_ = Tasks.empty();
  if (HintShown_) {
    Lines_.Fill(Tasks);
    TaskList->SetLines({lang::EmptyListHint}, {false}, {});
    for (QPushButton* b : {rmFileBtn, editFileBtn, startBtn}) b->setEnabled(false);
  } else {
    std::vector<bool> ticks;
    ticks.reserve(Tasks.size());
    QStringList tips;
    tips.reserve(qsizetype(Tasks.size()));
    for (const auto& t : Tasks) {
      ticks.push_back(t->Checked);
      tips << ReadableName(t->SrcFile);
    }
    TaskList->SetLines(Lines_.Fill(Tasks), ticks, tips);
    if (current >= 0) TaskList->SelectOnly(std::min(current, TaskList->count() - 1));
    startBtn->setEnabled(true);
  }
  UpdateButtons();
  ShowCount();
}

void TmainFrm::ShowCount() {
  if (Tasks.empty()) {
    taskPanel->setTitle(lang::TaskListCaption);
    return;
  }
  const auto ticked = std::count_if(Tasks.begin(), Tasks.end(), [](const auto& t) { return t->Checked; });
  taskPanel->setTitle(QString(lang::TaskCountFormat).arg(qlonglong(ticked)).arg(qlonglong(Tasks.size())));
}

void TmainFrm::Relabel(int row, const QString& text) { TaskList->SetLineText(row, text); }

void TmainFrm::ShowTaskInfo(int index) {
  if (index > static_cast<int>(Tasks.size()) - 1) return;
  if (index < 0) {
    taskInfo_1->setText(QString("<a href=\"aa\">") + Escaped(lang::EmptyListHint) + "</a>");
    for (QLabel* l : {taskInfo_2, TaskInfo_5, taskinfo_3, Taskinfo_4}) l->clear();
    return;
  }
  const TTask& t = *Tasks[index];
  taskInfo_1->setText(QString("<b>") + lang::InputFile + "</b>: <a href=\"bb\"><u>" + Escaped(ReadableName(t.SrcFile)) +
                      "</u></a>");
  if (NativeIsFile(t.DstFile)) {
    // Said before the name, where a long name cannot push it out of sight.
    const bool done = DefaultSettings.ExistingOutput == TExistingOutput::Skip && TConversionEngine::UpToDate(t);
    taskInfo_2->setText(QString("<b>") + lang::OutputFile + "</b>" +
                        (done ? QString(" (") + lang::AlreadyConverted + ")" : QString()) + ": <a href=\"dd\"><u>" +
                        Escaped(t.DstFile) + "</u></a>");
  } else {
    taskInfo_2->setText(QString("<b>") + lang::OutputFile + "</b>: " + Escaped(t.DstFile));
  }
  // The line describes the selected task's own settings.
  const QString channels = t.ChannelMode >= 0 && t.ChannelMode < 4 ? lang::ChannelModes[t.ChannelMode] : QString();
  const QString rate = t.VBR ? QString(lang::VbrRateFormat).arg(t.VbrMinBitrate).arg(t.VbrMaxBitrate)
                             : QString(lang::CbrRateFormat).arg(t.BitRate);
  TaskInfo_5->setText(QString("<b>") + lang::Mp3Settings + "</b>: " + channels + ", " + rate);
  taskinfo_3->setText(QString("<b>") + lang::Duration + "</b>: " + TimeText(t.Duration) + ", <b>" +
                      lang::OutputFileSize + "</b>: about " + SizeText(t.EstimatedSize));
  taskinfo_3->adjustSize();
  Taskinfo_4->move(taskinfo_3->x() + taskinfo_3->width() + 10, taskinfo_3->y());
  Taskinfo_4->setText(QString("<a href=\"cc\"><u>") + lang::EditLink + "...</u></a>");
  Taskinfo_4->adjustSize();
}

void TmainFrm::taskInfo_1HyperLinkClick(const QString& LinkName) {
  if (LinkName == "aa") {
    addFileBtnClick();
  } else if (LinkName == "bb") {
    if (Selected() >= 0) OpenInputFile(Selected());
  } else if (LinkName == "cc") {
    editFileBtnClick();
  } else if (LinkName == "dd") {
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
  // One window counts the files found, then those read, with its Stop throughout.
  QProgressDialog progress(this);
  progress.setWindowModality(Qt::NonModal);  // the window stays usable; its actions say it is busy
  progress.setWindowTitle(lang::FolderSearchCaption);
  progress.setCancelButtonText(lang::StopSearch);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  progress.setMinimumDuration(std::numeric_limits<int>::max());  // shown when we say
  if (auto* bar = progress.findChild<QProgressBar*>()) bar->setAccessibleName(lang::FolderSearchCaption);
  FolderProgress = &progress;
  std::vector<TReadRequest> files;
  if (ExpandFolders(AddFilesDlgFiles, progress, files) && !ShutdownRequested) {
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

bool TmainFrm::ExpandFolders(const QStringList& paths, QProgressDialog& progress, std::vector<TReadRequest>& files) {
  QStringList roots;
  QList<bool> isFolder;
  for (const QString& p : paths) {
    isFolder << NativeIsDir(p);
    if (isFolder.back()) roots << p;
  }
  std::vector<std::vector<TFoundFile>> found;
  bool stopped = false;
  if (!roots.isEmpty()) {
    TFolderSearch search(roots);
    progress.setRange(0, 0);
    // A small folder is searched before the window would come up.
    QTimer::singleShot(500, &search, [&progress] { progress.show(); });
    const auto show = [&] {
      const QString text = QString(lang::FolderSearchFormat).arg(search.Count());
      progress.setLabelText(text);
      statusPanel0->setText(text);
    };
    show();
    QEventLoop loop;
    connect(&search, &TFolderSearch::Progress, &progress, show);
    connect(&search, &TFolderSearch::Finished, &loop, &QEventLoop::quit);
    const auto stop = connect(&progress, &QProgressDialog::canceled, &search, &TFolderSearch::Stop);
    const auto reject = connect(&progress, &QDialog::rejected, &search, &TFolderSearch::Stop);
    if (!search.Start()) {
      ShowMessageWindow(miError, lang::ThreadNotCreated, lang::Help, lang::Ok);
      return false;
    }
    loop.exec();
    disconnect(stop);
    disconnect(reject);
    found = search.Found();
    stopped = search.Stopped();
    statusPanel0->clear();
  }
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
      ShowMessageWindow(miWarning, QString(lang::NoAudioInFolder) + "\n " + ReadableName(paths[i]),
                        lang::Help, lang::Ok);
    const QString prefix = named ? FileNamePart(QDir::cleanPath(paths[i])) + "/" : QString();
    for (const TFoundFile& f : under) files.push_back({f.Path, prefix + f.SubFolder});
  }
  return true;
}

void TmainFrm::ListNewTasks() {
  if (HintShown_ || Lines_.Count() > int(Tasks.size())) {
    FillTaskList(-1);
  } else {
    const QSignalBlocker quiet(TaskList);
    const int first = Lines_.Count();
    // A title met again gives its earlier lines their folders.
    const QStringList texts = Lines_.Append(Tasks, [this](int row, const QString& text) { Relabel(row, text); });
    std::vector<bool> ticks;
    QStringList tips;
    for (std::size_t i = std::size_t(first); i < Tasks.size(); ++i) {
      ticks.push_back(Tasks[i]->Checked);
      tips << ReadableName(Tasks[i]->SrcFile);
    }
    TaskList->AddLines(texts, ticks, tips);
    ShowCount();
  }
  // The last line added is the one the list shows as current: it is selected alone, so
  // Remove, Edit and the information panel are about it.
  if (!Tasks.empty()) TaskList->SelectOnly(int(Tasks.size()) - 1);
}

void TmainFrm::rmFileBtnClick() {
  if (!CanAct() || Tasks.empty() || HintShown_) return;
  const std::vector<int> rows = TaskList->SelectedRows();
  if (rows.empty()) return;
  RemoveTasks(rows);
  // The line that took the place of the first one removed is selected, and the panel is about it.
  FillTaskList(Tasks.empty() ? -1 : std::min(rows.front(), int(Tasks.size()) - 1));
  ShowTaskInfo(Selected());
}

void TmainFrm::removeAllClick() {
  if (!CanAct() || Tasks.empty() || HintShown_) return;
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
  Lines_.Changed(Tasks, i, [this](int row, const QString& text) { Relabel(row, text); });
  TaskList->SetLineToolTip(i, ReadableName(Tasks[i]->SrcFile));
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
  ShowCount();
}

bool TmainFrm::eventFilter(QObject* watched, QEvent* event) {
  if (ShutdownRequested && event->type() == QEvent::Show) RejectQuestion(watched);
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
  QStringList accepted;
  for (const QString& p : paths) {
    if (NativeIsDir(p) || (NativeIsFile(p) && TFolderScan::IsAudioName(FileNamePart(p))))
      accepted << NativeAbsolutePath(p);
  }
  dfFormDropFiles(accepted);
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
  QStringList paths;
  // The paths' own bytes: toLocalFile() would lose a name that is not UTF-8.
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile())
      paths << PathFromNative(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
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
