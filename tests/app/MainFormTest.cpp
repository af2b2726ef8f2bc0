#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>
#include <semaphore>
#include <thread>

#include "AboutForm.h"
#include "AddForm.h"
#include "FolderSearch.h"
#include "AppTestSupport.h"
#include "Application.h"
#include "Lang.h"
#include "MainForm.h"
#include "MediaCheck.h"
#include "MediaMaker.h"
#include "MsgForm.h"
#include "PrefsForm.h"
#include "PrgForm.h"
#include "ReadPool.h"
#include "ReadInput.h"
#include "TaskOps.h"
#include "TestSupport.h"
#include "TipsForm.h"
#include "AudioException.h"
#include "Lame.h"

namespace {

class MainFormTest : public ::testing::Test {
 protected:
  TestFolder t;
  std::unique_ptr<TAppWindows> app;
  TmainFrm* w = nullptr;

  void SetUp() override {
    t.Touch("app/tips.txt", "one\ntwo\nthree\nfour\nfive\n");
    app = StartApplication(t.Path("app/brindlewave"));
    w = app->mainFrm.get();
  }
  void TearDown() override { ShutdownApplication(std::move(app)); }
  QString Wma(const QString& name, double seconds = 1.0) {
    QDir().mkpath(QFileInfo(t.Path(name)).absolutePath());
    EXPECT_TRUE(MakeWma(t.Path(name), {seconds, 44100, 2, {{"title", QFileInfo(name).baseName().toStdString()}}}));
    return t.Path(name);
  }
};

TEST_F(MainFormTest, TheWholeProgramFromFirstStartToClose) {
  const QString a = Wma("in/a.wma"), b = Wma("in/b.wma"), c = Wma("in/c.wma");
  QString tip;
  QTimer::singleShot(100, [&] {
    tip = app->tipsFrm->TipLabel->text();
    app->tipsFrm->tipsOkBtn->click();
  });
  w->show();
  QTest::qWait(200);
  EXPECT_EQ(tip, "two");  // the first start shows the second line
  EXPECT_EQ(w->taskInfo_1->text(), "<a href=\"aa\">Please click the &quot;Add Files&quot; button to add files.</a>");
  EXPECT_FALSE(w->startBtn->isEnabled());

  QString folderAsked;
  w->AddFilesDlg = [&](const QString& folder) {
    folderAsked = folder;
    return QStringList{a, b, c};
  };
  WizardFinisher wizard;
  MessageAnswerer answer([](const QString& text) {
    return text == lang::SameSettingsQuestion ? 1 : 2;
  });
  w->addFileBtn->click();
  EXPECT_EQ(folderAsked, DocumentsFolder());
  EXPECT_EQ(wizard.shown, 1);
  ASSERT_EQ(w->TaskList->count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(w->TaskList->Checked(i));
  EXPECT_EQ(w->TaskList->item(1)->text(), "b");

  // Untick b, then convert.
  w->TaskList->item(1)->setCheckState(Qt::Unchecked);
  EXPECT_FALSE(Tasks[1]->Checked);
  w->startBtn->click();
  EXPECT_TRUE(answer.Seen.last().startsWith(lang::AllConverted));
  EXPECT_TRUE(ReadMedia(t.Path("in/a.mp3")).DecodedCleanly);
  EXPECT_EQ(ReadMedia(t.Path("in/c.mp3")).Tags.at("title"), "c");
  EXPECT_FALSE(QFileInfo::exists(t.Path("in/b.mp3")));

  EXPECT_TRUE(w->close());
  QSettings s(t.SettingsFile(), QSettings::IniFormat);
  EXPECT_EQ(s.value("InputFileDir").toString(), t.Path("in/"));
  EXPECT_EQ(s.value("tips").toString(), "1");
  ShutdownApplication(std::move(app));
  EXPECT_TRUE(Tasks.empty());

  // The next start opens the add dialog where the last input was.
  app = StartApplication(t.Path("app/brindlewave"));
  w = app->mainFrm.get();
  w->AddFilesDlg = [&](const QString& folder) {
    folderAsked = folder;
    return QStringList{};
  };
  w->addFileBtn->click();
  EXPECT_EQ(folderAsked, t.Path("in/"));
}

TEST_F(MainFormTest, AnsweringNoShowsTheWizardForEveryFile) {
  const QStringList files = {Wma("a.wma"), Wma("b.wma"), Wma("c.wma")};
  w->AddFilesDlg = [&](const QString&) { return files; };
  WizardFinisher wizard;
  MessageAnswerer answer([](const QString&) { return 2; });
  w->addFileBtnClick();
  EXPECT_EQ(wizard.shown, 3);
  EXPECT_EQ(w->TaskList->count(), 3);
}

TEST_F(MainFormTest, AnUnreadableFileNeverEndsTheAdding) {
  const QString bad = t.Touch("bad.wma", QByteArray(4000, 'x'));
  const QStringList files = {Wma("a.wma"), bad, Wma("c.wma")};
  w->AddFilesDlg = [&](const QString&) { return files; };
  WizardFinisher wizard;
  MessageAnswerer answer([](const QString&) { return 1; });
  w->addFileBtnClick();
  ASSERT_EQ(Tasks.size(), 2u);
  EXPECT_EQ(Tasks[1]->SrcFile, files[2]);
  EXPECT_EQ(answer.Seen, (QStringList{lang::SameSettingsQuestion, lang::LeftOutOneFormat(3) + "\n" +
                                                                       bad + ": " + lang::UnreadableReason}));
  EXPECT_TRUE(w->addFileBtn->isEnabled());
  EXPECT_EQ(w->TaskList->count(), 2);
}

// Windows Media and the common audio files, in any letter case; nothing else.
TEST_F(MainFormTest, DropsTakeAudioFilesOnly) {
  WizardFinisher wizard;
  const QString wma = Wma("song.wma");
  const QString flac = t.Path("deep.FLAC"), opus = t.Path("voice.opus"), clip = t.Path("clip.m4a");
  ASSERT_TRUE(MakeFlac24(flac, {1.0, 44100, 2, {}}));
  ASSERT_TRUE(MakeOpus(opus, {1.0, 48000, 2, {}}));
  ASSERT_TRUE(MakeVideoOnly(clip));  // the right name, but no audio in it
  const QString txt = t.Touch("notes.txt", "hello");
  QDir().mkpath(t.Path("folder.wma"));
  MessageAnswerer answer;
  w->DropFiles({wma, txt, flac, opus});
  ASSERT_EQ(Tasks.size(), 3u);
  EXPECT_EQ(Tasks[1]->SrcFile, flac);
  EXPECT_EQ(Tasks[2]->SrcFile, opus);
  EXPECT_EQ(answer.Seen.size(), 1u);  // the same-settings question
  w->DropFiles({t.Path("folder.wma"), clip});  // a folder, whatever its name
  EXPECT_EQ(Tasks.size(), 3u);
  ASSERT_EQ(answer.Seen.size(), 3u);
  EXPECT_EQ(answer.Seen[1], QString(lang::NoAudioInFolder) + "\n " + t.Path("folder.wma"));
  EXPECT_TRUE(answer.Seen[2].startsWith(lang::NoAudioStream));
}

// A folder's files in name order where the folder was dropped, each knowing its place under it;
// the wizard and the same-settings question as for dropped files.
TEST_F(MainFormTest, FoldersAddTheirAudioFilesInNameOrder) {
  const QString album = t.Path("Album");
  const QString single = Wma("single.wma");
  Wma("Album/10 ten.wma");
  Wma("Album/2 two.wma");
  Wma("Album/CD 2/1 one.wma");
  t.Touch("Album/cover.jpg");
  WizardFinisher wizard;
  MessageAnswerer answer([](const QString& text) { return text == lang::SameSettingsQuestion ? 1 : 1; });
  w->DropFiles({album, single});
  EXPECT_EQ(wizard.shown, 1);
  EXPECT_EQ(answer.Seen, QStringList{lang::SameSettingsQuestion});
  ASSERT_EQ(Tasks.size(), 4u);
  const QStringList sources = {album + "/2 two.wma", album + "/10 ten.wma", album + "/CD 2/1 one.wma", single};
  const QStringList subFolders = {"", "", "CD 2/", ""};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Tasks[i]->SrcFile, sources[i]);
    EXPECT_EQ(Tasks[i]->SubFolder, subFolders[i]);
  }
  EXPECT_EQ(w->TaskList->item(2)->text(), "1 one");

  // Through the button: a folder of no audio says so and adds nothing.
  t.Touch("Papers/notes.txt");
  QDir().mkpath(t.Path("Papers/Empty"));
  QString asked;
  w->AddFolderDlg = [&](const QString& folder) {
    asked = folder;
    return t.Path("Papers");
  };
  w->addFolderBtn->click();
  EXPECT_EQ(asked, t.Path("Album/"));  // where the file set in the wizard was
  EXPECT_EQ(answer.Seen.last(), QString(lang::NoAudioInFolder) + "\n " + t.Path("Papers"));
  EXPECT_EQ(Tasks.size(), 4u);
  EXPECT_TRUE(w->addFolderBtn->isEnabled());
  EXPECT_EQ(w->statusPanel0->text(), "");
}

// Files added with a folder keep their place under the output folder, or go
// beside their inputs when none is set; the folder the wizard adopts stays the tree's root.
TEST_F(MainFormTest, AFolderTreeIsKeptUnderTheOutputFolder) {
  Wma("Lib/A/1.wma");
  Wma("Lib/B/2.wma");
  WizardFinisher wizard;
  MessageAnswerer answer([](const QString&) { return 1; });
  for (const QString& out : {t.Path("out/"), QString()}) {
    FreeAllTasks();
    DefaultSettings.OutputFileDir = out;
    QDir().mkpath(out.isEmpty() ? t.Path() : out + "A");  // the wizard asks before making a folder
    w->DropFiles({t.Path("Lib")});
    const QString root = out.isEmpty() ? t.Path("Lib/") : out;
    ASSERT_EQ(Tasks.size(), 2u);
    EXPECT_EQ(Tasks[0]->DstFile, root + "A/1.mp3");
    EXPECT_EQ(Tasks[1]->DstFile, root + "B/2.mp3");
    EXPECT_EQ(DefaultSettings.OutputFileDir, root);
  }
}

// Stopped while it searches, the files found so far are added; the window then goes on as before.
TEST_F(MainFormTest, AStoppedFolderSearchLeavesTheWindowUsable) {
  for (const char* name : {"Big/a1.wma", "Big/a2.wma", "Big/a3.wma", "Big/Sub/b1.wma"}) Wma(name);
  // The search holds at its second file until Stop has been pressed.
  std::binary_semaphore pressed(0);
  TFolderSearch::FoundHook = [&](int found) {
    if (found == 2) {
      EXPECT_TRUE(pressed.try_acquire_for(std::chrono::seconds(20)));
    }
  };
  QString shown;
  QTimer stopper;
  QObject::connect(&stopper, &QTimer::timeout, [&] {
    if (!w->FolderProgress || !w->FolderProgress->isVisible() || !shown.isEmpty()) return;
    // The window may show before the search has come to the file it is held at.
    if (w->FolderProgress->labelText() != QString(lang::FolderSearchFormat).arg(2)) return;
    shown = w->FolderProgress->labelText();
    // The main window answers meanwhile, refusing what would disturb the search.
    EXPECT_TRUE(w->Busy());
    EXPECT_FALSE(w->addFolderBtn->isEnabled());
    w->FolderProgress->findChild<QPushButton*>()->click();
    pressed.release();
  });
  stopper.start(5);
  WizardFinisher wizard;
  MessageAnswerer answer;
  w->DropFiles({t.Path("Big")});
  TFolderSearch::FoundHook = nullptr;
  EXPECT_EQ(shown, QString(lang::FolderSearchFormat).arg(2));
  ASSERT_EQ(Tasks.size(), 2u);
  EXPECT_EQ(Tasks[1]->SrcFile, t.Path("Big/a2.wma"));
  EXPECT_EQ(answer.Seen, QStringList{lang::SameSettingsQuestion});  // no word of an empty folder
  EXPECT_FALSE(w->Busy());
  EXPECT_TRUE(w->addFolderBtn->isEnabled());
  EXPECT_TRUE(w->FolderProgress.isNull());

  w->DropFiles({t.Path("Big/Sub")});
  ASSERT_EQ(Tasks.size(), 3u);
  EXPECT_EQ(Tasks[2]->SubFolder, "");  // under the folder dropped this time
}

TEST_F(MainFormTest, ListActionsAreRefusedWhileAFileIsRead) {
  w->SetAdding(true);
  MessageAnswerer answer;
  int dialogs = 0;
  w->AddFilesDlg = [&](const QString&) {
    ++dialogs;
    return QStringList{};
  };
  w->addFileBtnClick();
  w->startBtnClick();
  EXPECT_FALSE(w->close());
  EXPECT_EQ(dialogs, 0);
  EXPECT_EQ(answer.Seen, QStringList(3, lang::Busy));
  w->SetAdding(false);
}

// Several folders added at once keep their trees under their own names, beside their inputs or
// under the output folder; reading them never moves the output folder the user chose (or did not).
TEST_F(MainFormTest, SeveralFoldersKeepTheirOwnTrees) {
  Wma("lib/artist01/a/1.wma");
  Wma("lib/artist02/a/1.wma");
  Wma("other/x.wma");
  WizardFinisher wizard;
  MessageAnswerer answer([](const QString&) { return 1; });
  DefaultSettings.NamePattern = "{title} - tagged";  // no folder of its own: the tree is kept all the same
  w->DropFiles({t.Path("lib/artist01"), t.Path("lib/artist02")});
  ASSERT_EQ(Tasks.size(), 2u);
  EXPECT_EQ(Tasks[0]->DstFile, t.Path("lib/artist01/a/1 - tagged.mp3"));
  EXPECT_EQ(Tasks[1]->DstFile, t.Path("lib/artist02/a/1 - tagged.mp3"));
  // No output folder was chosen: the next folder's outputs go beside it, not under the first one.
  w->DropFiles({t.Path("other")});
  ASSERT_EQ(Tasks.size(), 3u);
  EXPECT_EQ(Tasks[2]->DstFile, t.Path("other/x - tagged.mp3"));
  EXPECT_EQ(DefaultSettings.InputFileDir, DefaultSettings.OutputFileDir);
}

// A folder converted beside its sources and added again gives its sources only; with existing
// outputs skipped, the wizard asks nothing of them and the panel says they are done.
TEST_F(MainFormTest, AConvertedFolderAddedAgainGivesItsSourcesOnly) {
  const QString a = Wma("album/a.wma"), b = Wma("album/b.wma");
  ASSERT_TRUE(MakeMp3(t.Path("album/a.mp3"), {1.0, 44100, 2, {}}));
  ASSERT_TRUE(MakeMp3(t.Path("album/b.mp3"), {1.0, 44100, 2, {}}));
  ASSERT_TRUE(MakeMp3(t.Path("album/own.mp3"), {1.0, 44100, 2, {}}));  // an MP3 of its own
  DefaultSettings.ExistingOutput = TExistingOutput::Skip;
  WizardFinisher wizard;
  MessageAnswerer answer([](const QString&) { return 2; });
  w->DropFiles({t.Path("album")});
  ASSERT_EQ(Tasks.size(), 3u);
  EXPECT_EQ(Tasks[0]->SrcFile, a);
  EXPECT_EQ(Tasks[0]->DstFile, t.Path("album/a.mp3"));
  EXPECT_EQ(Tasks[1]->SrcFile, b);
  EXPECT_EQ(Tasks[2]->DstFile, t.Path("album/own(2).mp3"));  // never its own input
  EXPECT_EQ(wizard.shown, 3);
  EXPECT_EQ(answer.Seen, QStringList{lang::SameSettingsQuestion});  // no "replace the old file?"
  w->TaskList->setCurrentRow(0);
  EXPECT_TRUE(w->taskInfo_2->text().contains(lang::AlreadyConverted));
  w->TaskList->setCurrentRow(2);
  EXPECT_FALSE(w->taskInfo_2->text().contains(lang::AlreadyConverted));
}

// The preferences can be opened while files are read; their naming reaches the next adding, and
// every file of the one under way is named the same way.
TEST_F(MainFormTest, NamingChangedWhileFilesAreReadWaitsForTheNextAdding) {
  for (int i = 0; i < 5; ++i) Wma(QString("set/%1.wma").arg(i));
  Wma("later/x.wma");
  std::binary_semaphore changed(0);
  TReadPool::ReadHook = [&](int index) {
    if (index == 2) {
      EXPECT_TRUE(changed.try_acquire_for(std::chrono::seconds(20)));
    }
  };
  bool noteShown = false;
  QTimer prefs;
  QObject::connect(&prefs, &QTimer::timeout, [&] {
    if (Tasks.size() != 2 || QApplication::activeModalWidget()) return;
    prefs.stop();
    QTimer::singleShot(0, [&] {
      TPrefsForm* form = PrefsWindow();
      noteShown = form->addingNote->isVisible();
      form->patternEdit->setText("{title} new");
      form->okBtn->click();
      changed.release();
    });
    w->prefsBtn->click();
  });
  prefs.start(5);
  WizardFinisher wizard;
  MessageAnswerer answer;
  w->DropFiles({t.Path("set")});
  TReadPool::ReadHook = nullptr;
  EXPECT_TRUE(noteShown);
  ASSERT_EQ(Tasks.size(), 5u);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Tasks[i]->DstFile, t.Path(QString("set/%1.mp3").arg(i)));
  w->DropFiles({t.Path("later")});
  ASSERT_EQ(Tasks.size(), 6u);
  EXPECT_EQ(Tasks[5]->DstFile, t.Path("later/x new.mp3"));
}

// The window answers while files are read; closing it ends the reading at once, and what is
// listed is whole.
TEST_F(MainFormTest, ClosingWhileFilesAreReadEndsTheReading) {
  for (int i = 0; i < 6; ++i) Wma(QString("many/%1.wma").arg(i));
  // The fourth file is held until the window has been closed with three listed.
  std::binary_semaphore closed(0);
  TReadPool::ReadHook = [&](int index) {
    if (index == 3) {
      EXPECT_TRUE(closed.try_acquire_for(std::chrono::seconds(20)));
    }
  };
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (Tasks.size() != 3 || QApplication::activeModalWidget()) return;
    closer.stop();
    // A listed line can be ticked meanwhile: only a run reads the ticks.
    w->TaskList->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(Tasks[0]->Checked);
    w->close();
    closed.release();
  });
  closer.start(5);
  bool gone = false;
  QObject::connect(w, &TmainFrm::Closed, [&] { gone = true; });
  WizardFinisher wizard;
  MessageAnswerer answer;
  w->DropFiles({t.Path("many")});
  TReadPool::ReadHook = nullptr;
  QTest::qWait(50);
  EXPECT_TRUE(gone);
  EXPECT_EQ(Tasks.size(), 3u);
  EXPECT_EQ(w->TaskList->count(), 3);
  EXPECT_EQ(answer.Seen, QStringList{lang::SameSettingsQuestion});
}

TEST_F(MainFormTest, EditingRemovingAndTheInformationPanel) {
  WizardFinisher wizard;
  w->DropFiles({Wma("first.wma", 2.0)});
  ASSERT_EQ(Tasks.size(), 1u);
  w->DropFiles({Wma("<i>odd & co.wma")});
  ASSERT_EQ(Tasks.size(), 2u);
  // The line just added is the selected one, and the buttons and the panel are about it.
  EXPECT_TRUE(w->TaskList->item(1)->isSelected());
  EXPECT_FALSE(w->TaskList->item(0)->isSelected());
  EXPECT_TRUE(w->rmFileBtn->isEnabled());
  EXPECT_TRUE(w->editFileBtn->isEnabled());
  EXPECT_TRUE(w->taskInfo_1->text().contains("odd &amp; co.wma"));
  w->RefreshTaskList();  // as every showing of the window does
  EXPECT_TRUE(w->TaskList->item(1)->isSelected());
  EXPECT_TRUE(w->rmFileBtn->isEnabled());
  Tasks[1]->VBR = true;
  Tasks[1]->VbrMinBitrate = 96;
  Tasks[1]->VbrMaxBitrate = 224;
  Tasks[1]->ChannelMode = 3;

  w->TaskList->setCurrentRow(1);
  w->ShowTaskInfo(1);
  EXPECT_TRUE(w->taskInfo_1->text().contains("&lt;i&gt;odd &amp; co.wma"));
  EXPECT_EQ(w->TaskInfo_5->text(), "<b>MP3 Settings</b>: Mono, 96 - 224 Kbps, VBR");
  EXPECT_FALSE(w->taskInfo_2->text().contains("href"));
  t.Touch(QFileInfo(Tasks[1]->DstFile).fileName(), "x");
  w->ShowTaskInfo(1);
  EXPECT_TRUE(w->taskInfo_2->text().contains("<a href=\"dd\">"));
  UrlCatcher urls;
  w->taskInfo_1HyperLinkClick("bb");
  w->taskInfo_1HyperLinkClick("dd");
  EXPECT_EQ(urls.Opened, (QStringList{Tasks[1]->SrcFile, Tasks[1]->DstFile}));
  w->TaskList->setCurrentRow(0);
  w->ShowTaskInfo(0);
  EXPECT_EQ(w->TaskInfo_5->text(), "<b>MP3 Settings</b>: Joint Stero, 192 Kbps, CBR");

  // Edit the first task's title: the line follows, its tick stays.
  w->TaskList->SetChecked(0, false);
  w->TaskListClickCheck(0);
  wizard.change = [](TaddFrm* f) { f->titleEdit->setText("Renamed"); };
  w->editFileBtnClick();
  EXPECT_EQ(Tasks.size(), 2u);
  EXPECT_EQ(w->TaskList->item(0)->text(), "Renamed");
  EXPECT_EQ(Tasks[0]->Title, "Renamed");
  EXPECT_FALSE(Tasks[0]->Checked);
  EXPECT_FALSE(w->TaskList->Checked(0));

  w->TaskList->setCurrentRow(0);
  w->rmFileBtnClick();
  ASSERT_EQ(Tasks.size(), 1u);
  EXPECT_EQ(w->TaskList->count(), 1);
  w->TaskList->setCurrentRow(0);
  w->rmFileBtnClick();
  EXPECT_TRUE(Tasks.empty());
  EXPECT_EQ(w->TaskList->item(0)->text(), lang::EmptyListHint);
  EXPECT_FALSE(w->startBtn->isEnabled());
}

// Each line tells its file apart: a title other tasks share comes with as much of its folder as
// differs (with the file's name when they share the folder too), kept so as tasks come, are edited
// and go; the header counts the ticks.
TEST_F(MainFormTest, SharedTitlesShowTheirFoldersAndTheHeaderCountsTheTicks) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  for (const char* name : {"A/track01.wma", "B/track01.wma", "solo.wma", "X/CD1/t.wma", "Y/CD1/t.wma"}) Wma(name);
  QDir().mkpath(t.Path("same"));
  for (const char* name : {"same/one.wma", "same/two.wma"})
    ASSERT_TRUE(MakeWma(t.Path(name), {1.0, 44100, 2, {{"title", "song"}}}));
  WizardFinisher wizard;
  MessageAnswerer answer([](const QString&) { return 1; });
  struct Step {
    const char* what;
    std::function<void()> act;
    QStringList lines;
    QString header;
  };
  const Step steps[] = {
      {"two titles", [&] { w->DropFiles({t.Path("A/track01.wma"), t.Path("solo.wma")}); },
       {"track01", "solo"}, "Task List: 2 of 2 ticked"},
      {"a title met again names the earlier line's folder too", [&] { w->DropFiles({t.Path("B/track01.wma")}); },
       {"track01 \u2014 A/", "solo", "track01 \u2014 B/"}, "Task List: 3 of 3 ticked"},
      {"folders of one name, files of one folder",
       [&] { w->DropFiles({t.Path("X/CD1/t.wma"), t.Path("Y/CD1/t.wma"), t.Path("same/one.wma"), t.Path("same/two.wma")}); },
       {"track01 \u2014 A/", "solo", "track01 \u2014 B/", "t \u2014 X/CD1/", "t \u2014 Y/CD1/",
        "song \u2014 same/one.wma", "song \u2014 same/two.wma"},
       "Task List: 7 of 7 ticked"},
      {"untick", [&] { w->TaskList->item(1)->setCheckState(Qt::Unchecked); }, {}, "Task List: 6 of 7 ticked"},
      {"a title edited away leaves its twin alone",
       [&] {
         wizard.change = [](TaddFrm* f) { f->titleEdit->setText("other"); };
         w->TaskList->setCurrentRow(2);
         w->editFileBtnClick();
         wizard.change = nullptr;
       },
       {"track01", "solo", "other", "t \u2014 X/CD1/", "t \u2014 Y/CD1/", "song \u2014 same/one.wma",
        "song \u2014 same/two.wma"},
       "Task List: 6 of 7 ticked"},
      {"removed, its twin goes back to its title",
       [&] {
         w->TaskList->setCurrentRow(5);
         w->rmFileBtnClick();
       },
       {"track01", "solo", "other", "t \u2014 X/CD1/", "t \u2014 Y/CD1/", "song"}, "Task List: 5 of 6 ticked"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    QStringList lines;
    for (int row = 0; row < w->TaskList->count(); ++row) lines << w->TaskList->item(row)->text();
    if (!step.lines.isEmpty()) {
      EXPECT_EQ(lines, step.lines);
    }
    EXPECT_EQ(w->taskPanel->title(), step.header);
  }
  EXPECT_EQ(w->TaskList->item(5)->toolTip(), t.Path("same/two.wma"));  // the full input path
  EXPECT_EQ(w->TaskList->SelectedRows(), std::vector<int>{5});
  QLocale::setDefault(QLocale::c());
}

// Lines selected together go at once, the line after them taking the selection (one line as
// Remove always did); Remove All asks once; nothing goes while files are read.
TEST_F(MainFormTest, SelectedLinesGoTogetherAndRemoveAllAsksFirst) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  app->tipsFrm.reset();
  w->show();
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  const auto title = [](int i) { return QString("t%1").arg(i); };
  const auto click = [&](int row, Qt::KeyboardModifiers keys = {}) {
    w->TaskList->scrollToItem(w->TaskList->item(row));
    QTest::mouseClick(w->TaskList->viewport(), Qt::LeftButton, keys,
                      w->TaskList->visualItemRect(w->TaskList->item(row)).center() + QPoint(20, 0));
  };
  const auto key = [&](int k, Qt::KeyboardModifiers keys = {}) {
    // A shortcut needs its window active, which a question closed a moment ago gives back late.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    w->TaskList->setFocus();
    QTest::keyClick(w->TaskList, Qt::Key(k), keys);
  };
  struct Case {
    const char* what;
    int lines;
    std::function<void()> act;
    int answer;
    std::function<bool(int)> kept;  // by the task's first row
    int current;
    QStringList asked;
  };
  const Case cases[] = {
      {"one line by the button", 5, [&] { click(2); w->rmFileBtn->click(); }, 0, [](int i) { return i != 2; }, 2, {}},
      {"the last line", 5, [&] { click(4); key(Qt::Key_Delete); }, 0, [](int i) { return i != 4; }, 3, {}},
      {"a shift-click range; the panel and Edit follow the current line",
       5,
       [&] {
         click(1);
         click(3, Qt::ShiftModifier);
         EXPECT_TRUE(w->taskInfo_1->text().contains("t3.wma"));
         EXPECT_TRUE(w->editFileBtn->isEnabled());
         w->rmFileBtn->click();
       },
       0, [](int i) { return i < 1 || i > 3; }, 1, {}},
      {"every other of 2,000 by the Delete key", 2000,
       [&] {
         QItemSelection every;
         for (int row = 0; row < 2000; row += 2) every.select(w->TaskList->model()->index(row, 0), w->TaskList->model()->index(row, 0));
         w->TaskList->selectionModel()->select(every, QItemSelectionModel::ClearAndSelect);
         key(Qt::Key_Delete);
       },
       0, [](int i) { return i % 2 == 1; }, 0, {}},
      {"Ctrl+A and Delete", 2000, [&] { click(7); key(Qt::Key_A, Qt::ControlModifier); key(Qt::Key_Delete); }, 0,
       [](int) { return false; }, -1, {}},
      {"Remove All answered No", 2000, [&] { w->removeAllAct->trigger(); }, 2, [](int) { return true; }, 1999,
       {"Remove all 2,000 tasks from the list? The files themselves stay as they are."}},
      {"Remove All answered Yes", 2000, [&] { w->removeAllAct->trigger(); }, 1, [](int) { return false; }, -1,
       {"Remove all 2,000 tasks from the list? The files themselves stay as they are."}},
      {"refused while files are read", 5,
       [&] {
         click(1);
         w->SetAdding(true);
         key(Qt::Key_Delete);
         w->removeAllAct->trigger();
         w->SetAdding(false);
       },
       0, [](int) { return true; }, 1, {lang::Busy, lang::Busy}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FreeAllTasks();
    for (int i = 0; i < c.lines; ++i) {
      auto task = std::make_unique<TTask>();
      task->Title = title(i);
      task->SrcFile = t.Path("in/" + title(i) + ".wma");
      task->Checked = i % 4 != 0;
      Tasks.push_back(std::move(task));
    }
    w->ListNewTasks();
    MessageAnswerer answer([&](const QString&) { return c.answer; });
    c.act();
    QStringList expected;
    int ticked = 0;
    for (int i = 0; i < c.lines; ++i)
      if (c.kept(i)) {
        expected << title(i);
        ticked += i % 4 != 0;
      }
    QStringList left;
    for (const auto& task : Tasks) left << task->Title;
    EXPECT_EQ(left, expected);
    EXPECT_EQ(answer.Seen, c.asked);
    const int current = w->TaskList->currentRow();
    EXPECT_EQ(current >= 0 && w->TaskList->item(current)->isSelected() ? current : -1, c.current);
    if (expected.isEmpty()) {
      EXPECT_EQ(w->TaskList->item(0)->text(), lang::EmptyListHint);
      EXPECT_EQ(w->taskPanel->title(), "Task List");
      EXPECT_FALSE(w->rmFileBtn->isEnabled());
    } else {
      EXPECT_EQ(w->TaskList->count(), expected.size());
      EXPECT_EQ(w->taskPanel->title(), QString("Task List: %1 of %2 ticked")
                                           .arg(QLocale().toString(ticked), QLocale().toString(expected.size())));
      // The panel is about the line now selected, never a task no longer listed.
      if (c.current >= 0) {
        EXPECT_TRUE(w->taskInfo_1->text().contains(Tasks[c.current]->Title + ".wma"));
      }
    }
  }
  QLocale::setDefault(QLocale::c());
}

// The progress window of a run that has ended only reports: the main window's
// actions and its close go ahead, and take it away.
TEST_F(MainFormTest, AnEndedRunsWindowGivesWayToTheMainWindow) {
  app->tipsFrm.reset();
  w->show();
  WizardFinisher wizard;
  w->DropFiles({Wma("song.wma")});
  TprgFrm* prg = app->prgFrm.get();
  MessageAnswerer answer([](const QString&) { return 2; });
  w->startBtnClick();
  prg->TrayIconClick();  // brought back after the run, as from the tray
  ASSERT_TRUE(prg->isVisible());
  EXPECT_EQ(prg->cancelBtn->text(), lang::Ok);
  EXPECT_FALSE(w->Busy());
  w->AddFilesDlg = [](const QString&) { return QStringList(); };
  w->addFileBtnClick();
  EXPECT_FALSE(prg->isVisible());

  prg->TrayIconClick();
  bool closed = false;
  QObject::connect(w, &TmainFrm::Closed, [&] { closed = true; });
  EXPECT_TRUE(w->close());
  EXPECT_TRUE(closed);
  EXPECT_FALSE(prg->isVisible());
  EXPECT_FALSE(answer.Seen.contains(lang::Busy));
}

// A question the main window asked during the run (the busy message, as when the
// progress window was minimised) is answered before the run's end asks its own:
// two at once would stack one under the other.
TEST_F(MainFormTest, TheRunsEndWaitsForAQuestionOnScreen) {
  app->tipsFrm.reset();
  w->show();
  WizardFinisher wizard;
  w->DropFiles({Wma("song.wma", 20.0)});
  TprgFrm* prg = app->prgFrm.get();
  QStringList seen;
  int beside = 0;
  bool asked = false;
  QElapsedTimer ended;
  // Answers from a timer, so the busy message is held while the run ends.
  QTimer user;
  QObject::connect(&user, &QTimer::timeout, [&] {
    QList<TmsgFrm*> open;
    for (QWidget* x : QApplication::topLevelWidgets())
      if (auto* m = qobject_cast<TmsgFrm*>(x); m && m->isVisible()) open << m;
    if (open.size() > 1) {
      ++beside;
      open.back()->reject();
      return;
    }
    TmsgFrm* m = open.value(0);
    if (!m) {
      if (!asked && prg->isVisible() && prg->curPrgbar->value() > 500) {
        asked = true;
        QTimer::singleShot(0, w, [&] { w->startBtnClick(); });
      }
      return;
    }
    if (m->Text == lang::Busy) {
      if (prg->cancelBtn->text() != lang::Ok) return;
      if (!ended.isValid()) ended.start();
      if (ended.elapsed() < 300) return;  // the end's question would be up by now
    }
    seen << m->Text;
    m->Text == lang::Busy ? m->okBtn->click() : m->helpBtn->click();
  });
  user.start(10);
  w->startBtnClick();
  EXPECT_EQ(beside, 0);
  EXPECT_EQ(seen, (QStringList{lang::Busy, QString(lang::AllConverted) + "\n" + lang::OpenOutputFolder}));
}

TEST_F(MainFormTest, TheEmptyListAndItsLinkOpenTheAddDialog) {
  app->tipsFrm.reset();
  w->show();
  int dialogs = 0;
  w->AddFilesDlg = [&](const QString&) {
    ++dialogs;
    return QStringList{};
  };
  QTest::mouseClick(w->TaskList->viewport(), Qt::RightButton, {}, QPoint(40, 60));
  QTest::qWait(20);
  EXPECT_EQ(dialogs, 0);  // a right-click adds nothing
  QTest::mouseClick(w->TaskList->viewport(), Qt::LeftButton, {}, QPoint(40, 60));
  QTest::qWait(20);
  EXPECT_EQ(dialogs, 1);
  emit w->taskInfo_1->linkActivated("aa");
  EXPECT_EQ(dialogs, 2);
  w->taskInfo_1HyperLinkClick("bb");  // nothing selected: nothing opens
  EXPECT_EQ(dialogs, 2);
}

// The keyboard goes through every control that shows something, and over the
// information lines left empty.
TEST_F(MainFormTest, TheKeyboardPassesOverEmptyInformationLines) {
  app->tipsFrm.reset();
  w->show();
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  w->aboutBtn->setFocus(Qt::TabFocusReason);
  QTest::keyClick(w, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w->taskInfo_1);
  QTest::keyClick(w, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w->TaskList);
  QTest::keyClick(w, Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), w->taskInfo_1);
  // Down the button column as it is seen: Preferences sits above Add Files.
  w->TaskList->setFocus(Qt::TabFocusReason);
  QTest::keyClick(w, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w->prefsBtn);
  QTest::keyClick(w, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w->addFileBtn);
}

TEST_F(MainFormTest, ResizingKeepsThePanelMargins) {
  app->tipsFrm.reset();
  w->show();
  w->resize(700, 600);
  QTest::qWait(20);
  const QWidget* c = w->centralWidget();
  EXPECT_EQ(w->taskPanel->x(), 28);
  EXPECT_EQ(w->taskPanel->y(), 24);
  EXPECT_EQ(c->width() - 141 - (w->taskPanel->x() + w->taskPanel->width()), 7);
  EXPECT_EQ(w->infoPanel->x(), 28);
  EXPECT_EQ(c->width() - (w->infoPanel->x() + w->infoPanel->width()), 28);
  EXPECT_EQ(c->height() - (w->infoPanel->y() + w->infoPanel->height()), 11);
  EXPECT_EQ(w->startBtn->x(), c->width() - 141 + 16);
}

TEST(TipsForm, StepsThroughTheTipsAndCanBeSwitchedOff) {
  TestFolder t;
  t.Touch("app/tips.txt", "1\n2\n3\n4\n5\n");
  TipsIndex = 0;
  TTipsFrm tips;
  EXPECT_EQ(tips.TipLabel->text(), "2");
  QStringList seen;
  for (int i = 0; i < 5; ++i) {
    tips.nextTipBtn->click();
    seen << tips.TipLabel->text();
  }
  EXPECT_EQ(seen, (QStringList{"3", "4", "5", "1", "2"}));
  EXPECT_EQ(TipsIndex, 1);
  tips.ifShowTips->setChecked(false);
  tips.reject();  // the title-bar close keeps tips on
  EXPECT_EQ(TipsIndex, 1);
  tips.tipsOkBtn->click();
  EXPECT_EQ(TipsIndex, 10000);

  TipsIndex = 9999;
  TTipsFrm again;
  EXPECT_EQ(again.TipLabel->text(), "1");
  TipsIndex = -7;  // a hand-edited store
  TTipsFrm negative;
  EXPECT_EQ(negative.TipLabel->text(), "1");
  t.Touch("app/tips.txt", "");
  TTipsFrm empty;
  EXPECT_EQ(empty.TipLabel->text(), "No tips found!");
  t.Touch("app/tips.txt", "\n");
  TTipsFrm blank;
  EXPECT_EQ(blank.TipLabel->text(), "");
  QFile::remove(t.Path("app/tips.txt"));
  TTipsFrm missing;
  missing.nextTipBtn->click();
  EXPECT_EQ(missing.TipLabel->text(), "No tips found!");
  EXPECT_EQ(TipsIndex, 0);
  // A file that is there but cannot be read says so, and the window still opens.
  QDir().mkpath(t.Path("app/tips.txt"));
  MessageAnswerer answer;
  TTipsFrm unreadable;
  EXPECT_EQ(unreadable.TipLabel->text(), "No tips found!");
  ASSERT_EQ(answer.Seen.size(), 1);
  EXPECT_TRUE(answer.Seen[0].startsWith(t.Path("app/tips.txt"))) << answer.Seen[0].toStdString();
}

TEST(StartUp, ACreationHandlerErrorIsShownAndOnlyTheMissingEncoderEndsIt) {
  TestFolder t;
  QDir().mkpath(t.Path("app/tips.txt"));  // there, but cannot be read
  {
    MessageAnswerer answer;
    auto app = StartApplication(t.Path("app/brindlewave"));
    EXPECT_EQ(answer.Seen.size(), 1);
    EXPECT_NE(app->tipsFrm, nullptr);
    EXPECT_EQ(AppWindows, app.get());
    ShutdownApplication(std::move(app));
  }
  const std::string saved = LameLibraryName;
  LameLibraryName = "libmp3lame-does-not-exist.so.0";
  EXPECT_THROW(StartApplication(t.Path("app/brindlewave")), EAudioException);
  LameLibraryName = saved;
  EXPECT_EQ(AppWindows, nullptr);  // what a signal arriving now would look at
}

TEST(TipsForm, NotCreatedOnceSwitchedOff) {
  TestFolder t;
  {
    QSettings s(t.SettingsFile(), QSettings::IniFormat);
    s.setValue("tips", 10000);
  }
  auto app = StartApplication(t.Path("app/brindlewave"));
  EXPECT_EQ(app->tipsFrm, nullptr);
  ShutdownApplication(std::move(app));
}

TEST(AboutForm, SplitsTheVersionIntoVersionAndBuild) {
  TestFolder t;
  UrlCatcher urls;
  QTimer::singleShot(30, [] {
    TaboutFrm* a = AboutWindow();
    EXPECT_EQ(a->versionLabel2->text(), "1.0");
    EXPECT_EQ(a->buildLabel->text(), "(Build 1)");
    a->homePageBtn->click();
    emit a->support_Email->linkActivated("mail");
    a->okBtn->click();
  });
  ShowAboutWindow();
  TaboutFrm* first = AboutWindow();
  first->FileVersion = "7.1.9";
  QTimer::singleShot(30, [] { AboutWindow()->okBtn->click(); });
  ShowAboutWindow();
  EXPECT_EQ(AboutWindow(), first);  // created once
  EXPECT_EQ(first->versionLabel2->text(), "7");
  EXPECT_EQ(first->buildLabel->text(), "(Build 9)");
  EXPECT_EQ(urls.Opened, (QStringList{lang::HomePageUrl, QString("mailto:") + lang::SupportAddress}));
  ReleaseAboutWindow();
}

}  // namespace
