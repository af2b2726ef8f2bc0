// The windows on a real X server with a window manager. Stacking and state are
// read from the X server itself; the program is driven the way a person does.

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

#include "AddForm.h"
#include "AppTestSupport.h"
#include "Application.h"
#include "Lang.h"
#include "MP3Out.h"
#include "MainForm.h"
#include "MediaCheck.h"
#include "MediaMaker.h"
#include "MsgForm.h"
#include "PrgForm.h"
#include "ProgramOnDesktop.h"
#include "Probe.h"
#include "ReadInput.h"
#include "TaskOps.h"
#include "TestSupport.h"

namespace {

// `upper` is stacked above `lower`, once the window manager has both.
bool Above(QWidget* upper, QWidget* lower) {
  const WId u = upper->winId(), l = lower->winId();
  QList<WId> s;
  (void)QTest::qWaitFor([&] {
    s = Stacking();
    return s.contains(u) && s.contains(l) && s.indexOf(u) > s.indexOf(l);
  }, 3000);
  return s.contains(u) && s.contains(l) && s.indexOf(u) > s.indexOf(l);
}

class Desktop : public ::testing::Test {
 protected:
  TestFolder t;
  std::unique_ptr<TAppWindows> app;
  TmainFrm* main = nullptr;
  TprgFrm* prg = nullptr;

  void SetUp() override {
    {
      QSettings s(t.SettingsFile(), QSettings::IniFormat);
      s.setValue("tips", 10000);
    }
    app = StartApplication(t.Path("app/brindlewave"));
    main = app->mainFrm.get();
    prg = app->prgFrm.get();
    main->show();
    // A window manager that has just started may still be settling in.
    if (!QTest::qWaitForWindowExposed(main, 10000)) {
      main->hide();
      main->show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(main, 10000));
    }
  }
  void TearDown() override { ShutdownApplication(std::move(app)); }

  TTask& AddTask(const QString& name, double seconds) {
    const QString in = t.Path(name + ".wav");
    EXPECT_TRUE(MakeWav(in, {seconds, 44100, 2, {}}));
    TTask& task = AddReadTask(in);
    main->RefreshTaskList();
    return task;
  }
};

TEST_F(Desktop, QuestionsStandAboveTheWindowsTheyBelongTo) {
  AddTask("long", 40.0);
  TTask& missing = AddTask("missing", 1.0);
  QFile::remove(missing.SrcFile);
  QStringList wrong;
  bool cancelled = false;
  MessageAnswerer answer([&](const QString& text) {
    if (!Above(MessageWindow(), prg)) wrong << text;
    return 2;
  });
  answer.WhileIdle = [&] {
    if (!cancelled && prg->isVisible() && prg->curPrgbar->value() > 1000) {
      cancelled = true;
      prg->cancelBtn->click();  // answered No: the run goes on
    }
  };
  prg->StartRun();
  // The input gone since it was added is named in the report, not asked about first.
  ASSERT_EQ(answer.Seen.size(), 2);
  EXPECT_EQ(answer.Seen[0], lang::ConfirmCancel);
  EXPECT_TRUE(answer.Seen[1].contains(missing.SrcFile));
  EXPECT_TRUE(answer.Seen[1].endsWith(lang::OpenOutputFolder));
  EXPECT_EQ(wrong, QStringList{});

  // The wizard's own question stands above the wizard.
  CurrentTask = *Tasks[0];
  CurrentTask.DstFile = t.Touch("exists.mp3");
  TaddFrm* wizard = Wizard();
  bool wizardBelow = false;
  MessageAnswerer again([&](const QString&) {
    wizardBelow = Above(MessageWindow(), wizard);
    return 2;
  });
  QTimer::singleShot(300, [&] {
    wizard->nextBtn->click();
    wizard->cancelBtn->click();
  });
  wizard->exec();
  EXPECT_TRUE(wizardBelow);
}

// The user's answer to the cancel question holds even when the last task ends
// while it is on screen, and the end report waits for it.
TEST_F(Desktop, CancelQuestionOpenWhileTheLastTaskEnds) {
  TTask& task = AddTask("short", 20.0);  // long enough to be converting when the cancel is clicked
  bool clicked = false, reportWaited = false;
  MessageAnswerer answer([&](const QString& text) {
    if (text == lang::ConfirmCancel) {
      EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(task.DstFile); }, 20000));
      QTest::qWait(400);  // the end of the run would come now
      reportWaited = answer.Seen.size() == 1;
      return 1;
    }
    return 2;
  });
  answer.WhileIdle = [&] {
    if (!clicked && prg->isVisible() && prg->curPrgbar->value() > 200) {
      clicked = true;
      prg->cancelBtn->click();
    }
  };
  prg->StartRun();
  EXPECT_TRUE(reportWaited);
  ASSERT_EQ(answer.Seen.size(), 2);
  EXPECT_EQ(answer.Seen[1], QString(lang::Canceled) + "\n" + lang::OpenOutputFolder);
  EXPECT_FALSE(prg->isVisible());
}

TEST_F(Desktop, WizardKeepsItsPageAndTypingWhenRestored) {
  AddTask("song", 1.0);
  LoadTaskForEdit(0);
  TaddFrm* wizard = Wizard();
  auto minimiseAndRestore = [&] {
    wizard->showMinimized();
    (void)QTest::qWaitFor([&] { return !Stacking().contains(wizard->winId()) || wizard->isMinimized(); }, 2000);
    QTest::qWait(200);
    wizard->showNormal();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(wizard));
    QTest::qWait(200);
  };
  int pageAfterFirst = -1, pageAfterSecond = -1;
  QString title, album;
  QTimer::singleShot(300, [&] {
    wizard->nextBtn->click();
    minimiseAndRestore();
    pageAfterFirst = wizard->addPages->currentIndex();
    wizard->nextBtn->click();
    wizard->titleEdit->setText("Typed title");
    wizard->albumEdit->setEditText("Typed album");
    minimiseAndRestore();
    pageAfterSecond = wizard->addPages->currentIndex();
    title = wizard->titleEdit->text();
    album = wizard->albumEdit->currentText();
    wizard->cancelBtn->click();
  });
  wizard->exec();
  EXPECT_EQ(pageAfterFirst, 1);
  EXPECT_EQ(pageAfterSecond, 2);
  EXPECT_EQ(title, "Typed title");
  EXPECT_EQ(album, "Typed album");
}

// Without a tray, hiding minimises both windows; the run stays modal and busy,
// and afterwards, and at the next run, the progress window opens normally.
TEST_F(Desktop, WithoutATrayHidingMinimisesAndTheNextRunOpensNormally) {
  ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
  AddTask("a", 20.0);
  bool hidden = false, busyWhileHidden = false;
  MessageAnswerer answer([](const QString&) { return 2; });
  answer.WhileIdle = [&] {
    if (!hidden && prg->isVisible() && prg->curPrgbar->value() > 500) {
      hidden = true;
      prg->hideBtn->click();
      (void)QTest::qWaitFor([&] { return main->isMinimized() && prg->isMinimized(); }, 3000);
      busyWhileHidden = prg->Running() && main->Busy();
    }
  };
  prg->StartRun();
  EXPECT_TRUE(busyWhileHidden);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !main->isMinimized() && main->isVisible(); }, 3000));
  bool normal = false;
  answer.WhileIdle = [&] {
    if (prg->isVisible() && QTest::qWaitForWindowExposed(prg, 2000)) normal = !prg->isMinimized();
  };
  prg->StartRun();
  EXPECT_TRUE(normal);
  EXPECT_EQ(answer.Seen.size(), 2);
}

class DesktopTray : public Desktop {};

// With a tray, a hidden run stays modal: the main window refuses every action
// until the run's end has reached the user.
TEST_F(DesktopTray, HidingKeepsTheRunModal) {
  ASSERT_TRUE(QSystemTrayIcon::isSystemTrayAvailable());
  AddTask("a", 20.0);
  bool hidden = false, modalWhileHidden = false;
  QStringList refused;
  MessageAnswerer answer([&](const QString& text) {
    if (text == lang::Busy) refused << text;
    return text == lang::Busy ? 1 : 2;
  });
  answer.WhileIdle = [&] {
    if (!hidden && prg->isVisible() && prg->curPrgbar->value() > 500) {
      hidden = true;
      prg->hideBtn->click();
      modalWhileHidden = prg->Running() && !prg->isVisible() && !main->isVisible() && prg->TrayIcon->isVisible();
      main->startBtnClick();
      main->addFileBtnClick();
    }
  };
  prg->StartRun();
  EXPECT_TRUE(modalWhileHidden);
  EXPECT_EQ(refused.size(), 2);
  // Ended while hidden: the icon stays, and brings both windows back.
  EXPECT_TRUE(prg->TrayIcon->isVisible());
  EXPECT_FALSE(main->isVisible());
  prg->TrayIconClick();
  EXPECT_TRUE(main->isVisible());
  EXPECT_TRUE(prg->isVisible());
  EXPECT_EQ(prg->cancelBtn->text(), lang::Ok);
  prg->cancelBtn->click();
  EXPECT_FALSE(prg->isVisible());
  EXPECT_FALSE(main->Busy());
}

// The program in a process of its own; no window of the test's on screen.
class DesktopProgram : public ::testing::Test {
 protected:
  TestFolder t;
  void SetUp() override { QDir().mkpath(t.Path("in")); }
};

TEST_F(DesktopProgram, KeyboardOnlyFromFirstStartToClosedProgram) {
  ASSERT_TRUE(MakeWma(t.Path("in/one.wma"), {3.0, 44100, 2, {}}));
  ASSERT_TRUE(MakeWma(t.Path("in/two.wma"), {2.0, 22050, 1, {}}));
  ProgramOnDesktop program(t.Path("home"));
  program.AddFiles(t.Path("in"), {"one.wma", "two.wma"});
  program.Key("alt+s");
  ASSERT_TRUE(program.Focus("Message ...", 60000));
  program.Key("alt+n");  // no, do not open the folder
  ASSERT_TRUE(program.Focus("Brindlewave   (by Kelvaro)"));
  program.Key("alt+F4");
  ASSERT_TRUE(program.Exited(10000));
  EXPECT_EQ(program.p.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.p.exitCode(), 0);
  EXPECT_NEAR(ReadMedia(t.Path("in/one.mp3")).DecodedFrames / 44100.0, 3.0, 0.1);
  EXPECT_NEAR(ReadMedia(t.Path("in/two.mp3")).DecodedFrames / 44100.0, 2.0, 0.1);
}

TEST_F(DesktopProgram, TerminatedDuringARunLeavesNoPartialFileAndSavesTheDefaults) {
  ASSERT_TRUE(MakeWma(t.Path("in/short.wma"), {1.0, 44100, 2, {}}));
  ASSERT_TRUE(MakeWma(t.Path("in/long.wma"), {300.0, 44100, 2, {}}));
  ProgramOnDesktop program(t.Path("home"));
  // One at a time, so they are converted in this order.
  program.AddFiles(t.Path("in"), {"short.wma"});
  program.AddFiles(t.Path("in"), {"long.wma"}, false);
  program.SpoilStoredDefaults();
  program.Key("alt+s");
  ASSERT_TRUE(program.Focus(lang::ProgressCaption));
  // The short file is done and the long one under way.
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(t.Path("in/short.mp3")); }, 20000));
  QThread::msleep(700);
  QElapsedTimer clock;
  clock.start();
  ::kill(pid_t(program.p.processId()), SIGTERM);
  ASSERT_TRUE(program.Exited(10000));
  EXPECT_LT(clock.elapsed(), 2000);
  EXPECT_EQ(program.p.exitCode(), 0);
  EXPECT_TRUE(ReadMedia(t.Path("in/short.mp3")).DecodedCleanly);
  EXPECT_EQ(QDir(t.Path("in")).entryList(QDir::Files | QDir::Hidden),
            QStringList({"long.wma", "short.mp3", "short.wma"}));
  EXPECT_EQ(program.StoredInputFolder(), t.Path("in") + "/");
}

// Files named on the command line are added as if dropped; a second start hands
// its files to the program already running and opens no window of its own.
TEST_F(DesktopProgram, FilesFromTheCommandLineAndFromASecondStart) {
  ASSERT_TRUE(MakeWma(t.Path("in/first.wma"), {1.0, 44100, 2, {}}));
  ASSERT_TRUE(MakeWma(t.Path("in/second.wma"), {1.5, 44100, 2, {}}));
  ProgramOnDesktop program(t.Path("home"), {t.Path("in/first.wma")});
  ASSERT_TRUE(program.Focus(lang::TipsCaption));
  program.Key("Return");
  ASSERT_TRUE(program.Focus(lang::WizardCaption));  // for the file given
  program.Key("alt+n");
  program.Key("alt+n");
  program.Key("alt+o");
  QProcess second;
  second.setProcessEnvironment(ProgramOnDesktop::Environment(t.Path("home")));
  second.start(ProgramOnDesktop::BuiltProgram(), {t.Path("in/second.wma")});
  ASSERT_TRUE(second.waitForFinished(10000));
  EXPECT_EQ(second.exitCode(), 0);
  ASSERT_TRUE(program.Focus(lang::WizardCaption));  // the running program reads it
  program.Key("alt+n");
  program.Key("alt+n");
  program.Key("alt+o");
  ASSERT_TRUE(program.Focus("Brindlewave   (by Kelvaro)"));
  program.Key("alt+s");
  ASSERT_TRUE(program.Focus("Message ...", 60000));
  program.Key("alt+n");
  ASSERT_TRUE(program.Focus("Brindlewave   (by Kelvaro)"));
  program.Key("alt+F4");
  ASSERT_TRUE(program.Exited(10000));
  EXPECT_EQ(program.p.exitCode(), 0);
  EXPECT_TRUE(ReadMedia(t.Path("in/first.mp3")).DecodedCleanly);
  EXPECT_TRUE(ReadMedia(t.Path("in/second.mp3")).DecodedCleanly);
}

// A run that ends hidden to the tray leaves the program running with its tasks;
// the tray icon brings the windows back, and the real close saves the defaults.
class DesktopTrayProgram : public DesktopProgram {};

TEST_F(DesktopTrayProgram, RunEndingHiddenKeepsTheProgramAndItsTasks) {
  ASSERT_TRUE(QSystemTrayIcon::isSystemTrayAvailable());
  ASSERT_TRUE(MakeWma(t.Path("in/one.wma"), {400.0, 44100, 2, {}}));
  ProgramOnDesktop program(t.Path("home"));
  program.AddFiles(t.Path("in"), {"one.wma"});
  program.Key("alt+s");
  ASSERT_TRUE(program.Focus(lang::ProgressCaption));
  program.Key("alt+h");
  ASSERT_TRUE(program.Focus("Message ...", 60000));
  program.Key("alt+n");
  EXPECT_FALSE(program.Exited(1500));  // still running, with only its tray icon
  EXPECT_FALSE(program.Focus("Brindlewave   (by Kelvaro)", 300));
  ASSERT_TRUE(program.ClickTrayIcon());
  ASSERT_TRUE(program.Focus(lang::ProgressCaption));
  program.Key("alt+o");
  ASSERT_TRUE(program.Focus("Brindlewave   (by Kelvaro)"));
  program.SpoilStoredDefaults();
  program.Key("alt+F4");
  ASSERT_TRUE(program.Exited(10000));
  EXPECT_EQ(program.p.exitCode(), 0);
  EXPECT_EQ(program.StoredInputFolder(), t.Path("in") + "/");
  EXPECT_TRUE(ReadMedia(t.Path("in/one.mp3")).DecodedCleanly);
}

}  // namespace
