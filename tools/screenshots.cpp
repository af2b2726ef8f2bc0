// Renders each window with sample content into PNG files, for looking at the
// program's windows without clicking through them:
//   brindlewave-screenshots [--scale FACTOR] [--lang LANG] DIR
// --scale draws them as on a screen scaled by FACTOR (2 for most high-density screens);
// --lang draws them in the language LANG ("de", "pt_BR"); without it they are in English,
// whatever the environment's language, so that pictures from different machines compare.
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <optional>

#include "AboutForm.h"
#include "AddForm.h"
#include "Application.h"
#include "Catalogs.h"
#include "Globals.h"
#include "Lang.h"
#include "MainForm.h"
#include "MsgForm.h"
#include "PrefsForm.h"
#include "PrgForm.h"
#include "TaskOps.h"
#include "Theme.h"
#include "TipsForm.h"

#include <cstdio>

namespace {
QString Dir;
bool SaveFailed = false;

void Save(QWidget* w, const QString& name) {
  w->show();
  QApplication::processEvents();
  const QString path = QDir(Dir).filePath(name + ".png");
  if (!w->grab().save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    SaveFailed = true;
  }
}

// "--scale FACTOR" and "--lang LANG", in either order before the folder: the factor
// is passed on, the language kept, and the arguments moved past them.
std::optional<QString> TakeOptions(int& argc, char**& argv) {
  std::optional<QString> language;
  while (argc > 2 && (QByteArray(argv[1]) == "--scale" || QByteArray(argv[1]) == "--lang")) {
    if (QByteArray(argv[1]) == "--scale")
      qputenv("QT_SCALE_FACTOR", argv[2]);  // read when the application starts
    else
      language = QString::fromLocal8Bit(argv[2]);
    argv[2] = argv[0];
    argv += 2;
    argc -= 2;
  }
  return language;
}

void ShootMainWindow(TmainFrm* main) {
  Save(main, "main-empty");
  for (const char* title : {"Morning Raga", "Second Movement", "Live at the Hall"}) {
    CurrentTask = TTask{};
    CurrentTask.SrcFile = QString("/home/user/Music/%1.wma").arg(title);
    CurrentTask.DstFile = QString("/home/user/Music/%1.mp3").arg(title);
    CurrentTask.Title = title;
    CurrentTask.HasAudio = true;
    CurrentTask.SrcSampleRate = 44100;
    CurrentTask.SrcChannels = 2;
    CurrentTask.Duration = 2054000000;
    CurrentTask.Album = "Evening Sessions";
    ApplyDefaultsToTask(CurrentTask);
    CurrentTask.EstimatedSize = ProbeSizeEstimate(CurrentTask);
    StoreCurrentTask(true, 0);
  }
  main->RefreshTaskList();
  main->TaskList->SetChecked(2, false);
  Tasks[2]->Checked = false;
  main->TaskList->setCurrentRow(1);
  main->ShowTaskInfo(1);
  Save(main, "main-tasks");
  main->hide();
}

void ShootSmallWindows() {
  TipsIndex = 0;
  TTipsFrm tips;
  Save(&tips, "tips");
  TaboutFrm about;
  Save(&about, "about");
  TPrefsForm prefs;
  Save(&prefs, "preferences");
  prefs.patternEdit->setText("{artist}/{album/{title}");
  Save(&prefs, "preferences-bad-pattern");
  prefs.hide();
}

void ShootWizard(TaddFrm* wizard) {
  LoadTaskForEdit(1);
  CurrentTask.DstFile = QDir::tempPath() + "/Second Movement.mp3";  // a folder that exists: no question
  Save(wizard, "wizard-1");
  wizard->nextBtn->click();
  Save(wizard, "wizard-2");
  wizard->VBRCheck->click();
  Save(wizard, "wizard-2-vbr");
  wizard->nextBtn->click();
  Save(wizard, "wizard-3");
  wizard->hide();
}

void ShootMessages(TmsgFrm* msg) {
  const QString texts[] = {QString(lang::CannotRead) + "\n /home/user/Music/broken.wma", lang::Busy,
                           lang::SameSettingsQuestion, lang::NoAudioStream};
  QStringList failed;
  for (const char* name : {"Symphonie fantastique, 1. Rêveries – Passions", "Quartet in F minor", "Live at the hall"})
    failed << QString("/home/user/Music/Recordings from the old collection/") + name + ".wma: the input ends at 0:07 of 0:20";
  msg->IconIndex = miWarning;
  msg->SetText(lang::FilesFailedFormat(5).arg(3), failed.join('\n'), lang::OpenOutputFolder);
  msg->okBtn->setText(lang::Yes);
  msg->helpBtn->setText(lang::No);
  Save(msg, "message-report");
  msg->hide();
  for (int i = 0; i < 4; ++i) {
    msg->IconIndex = i;
    msg->SetText(texts[i]);
    msg->okBtn->setText(i == 2 ? lang::Yes : lang::Ok);
    msg->helpBtn->setText(i == 2 ? lang::No : lang::Help);
    Save(msg, QString("message-%1").arg(i));
    msg->hide();
  }
}

void ShootProgress(TprgFrm* prg) {
  prg->fileLabel->setText("Current File(2/3): Second Movement");
  prg->timeLabel->setText("Time elapsed: 0:00:07, remained: about 0:00:12");
  prg->totalPrgBar->setValue(41);
  prg->curPrgbar->setRange(0, 205400);
  prg->curPrgbar->setValue(90000);
  Save(prg, "progress");
  prg->totalPrgBar->hide();
  prg->curPrgbar->hide();
  prg->notEstimatedLabel->show();
  prg->reportLaterLabel->show();
  Save(prg, "progress-no-duration");
  prg->hide();
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<QString> language = TakeOptions(argc, argv);
  QApplication app(argc, argv);
  // Before any window is made: each takes its texts as it is built.
  const TCatalogs catalogs(language ? QStringList{*language} : QStringList());
  if (language && catalogs.Language().isEmpty() && QLocale(*language).language() != QLocale::English) {
    std::fprintf(stderr, "no catalog for %s in %s\n", qPrintable(*language), qPrintable(TCatalogs::Folder()));
    return 2;
  }
  ApplyTheme(app);
  Dir = argc > 1 ? argv[1] : ".";
  QDir().mkpath(Dir);
  auto windows = StartApplication(QCoreApplication::applicationFilePath());
  windows->tipsFrm.reset();
  ShootMainWindow(windows->mainFrm.get());
  ShootSmallWindows();
  ShootWizard(windows->addFrm.get());
  ShootMessages(windows->msgFrm.get());
  ShootProgress(windows->prgFrm.get());
  return SaveFailed ? 1 : 0;
}
