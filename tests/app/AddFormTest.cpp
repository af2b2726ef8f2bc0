#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <thread>

#include <QProgressDialog>
#include <QPushButton>
#include <semaphore>
#include <QTest>
#include <gtest/gtest.h>

#include "AddForm.h"
#include "AppTestSupport.h"
#include "History.h"
#include "Lang.h"
#include "MediaMaker.h"
#include "MsgForm.h"
#include "ReadInput.h"
#include "TaskAdding.h"
#include "TaskOps.h"
#include "TestSupport.h"

namespace {

class AddFormTest : public ::testing::Test {
 protected:
  TestFolder t;
  TaddFrm w;

  void SetUp() override {
    CurrentTask.SrcFile = t.Path("in/song.wma");
    CurrentTask.DstFile = t.Path("out/song.mp3");
    CurrentTask.HasAudio = true;
    CurrentTask.Duration = 2054000000;
    CurrentTask.SrcSampleRate = 44100;
    CurrentTask.SrcChannels = 2;
    CurrentTask.BitRate = 192;
    CurrentTask.VbrMinBitrate = 128;
    CurrentTask.VbrMaxBitrate = 256;
    CurrentTask.SampleRate = 44100;
    CurrentTask.BitsPerSample = 16;
    CurrentTask.ChannelMode = 2;
    CurrentTask.Title = "Song";
    QDir().mkpath(t.Path("out"));
    QDir().mkpath(t.Path("in"));
  }
  // Opens the wizard and runs `steps` inside it; returns the wizard's result.
  int Run(const std::function<void()>& steps) {
    QTimer::singleShot(0, [&] {
      steps();
      if (w.isVisible()) w.cancelBtn->click();
    });
    return w.exec();
  }
  void Next() { w.nextBtn->click(); }
};

TEST_F(AddFormTest, OpensWithTheTasksSettingsSelected) {
  Run([&] {
    EXPECT_EQ(w.addPages->currentIndex(), 0);
    EXPECT_FALSE(w.backBtn->isEnabled());
    EXPECT_EQ(w.srcFile->text(), CurrentTask.SrcFile);
    EXPECT_EQ(w.inFileInfoList->item(0)->text(), " Duration: 0:03:25.4");
    EXPECT_EQ(w.inFileInfoList->item(1)->text(), " Audio: 44100HZ, dual channels");
    EXPECT_EQ(w.bitRateSel->currentText(), "192 kbps");
    EXPECT_EQ(w.BitrateSettingsPage->currentIndex(), 0);
    EXPECT_EQ(w.samplerateSel->currentText(), "44100 Hz");
    EXPECT_EQ(w.ChannelModeSel->currentText(), "Joint Stero");
    EXPECT_EQ(w.GenreEdit->count(), 164);
    EXPECT_EQ(w.GenreEdit->itemText(0), "Blues");
    EXPECT_EQ(w.GenreEdit->itemText(163), "Unknown");
    EXPECT_EQ(w.bitRateSel->count(), 18);
    EXPECT_EQ(w.titleEdit->text(), "Song");
    w.backBtn->click();  // nothing behind page 1
    EXPECT_EQ(w.addPages->currentIndex(), 0);
  });
}

TEST_F(AddFormTest, VbrFinishStoresTheRangeAndTheUntouchedSingleRate) {
  DefaultSettings.InputFileDir = "/elsewhere/";
  LoadDefaultSettings();
  const int result = Run([&] {
    Next();
    ASSERT_EQ(w.addPages->currentIndex(), 1);
    w.VBRCheck->click();
    EXPECT_EQ(w.BitrateSettingsPage->currentIndex(), 1);
    w.minBitrateSel->setCurrentText("320 kbps");
    w.maxBitrateSel->setCurrentText("8 kbps");
    Next();
    EXPECT_EQ(w.nextBtn->text(), "&OK");
    w.backBtn->click();
    EXPECT_EQ(w.addPages->currentIndex(), 1);
    EXPECT_EQ(w.minBitrateSel->currentText(), "320 kbps");
    Next();
    Next();
  });
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(CurrentTask.VBR);
  EXPECT_EQ(CurrentTask.BitRate, 192);
  EXPECT_EQ(CurrentTask.VbrMinBitrate, 320);
  EXPECT_EQ(CurrentTask.VbrMaxBitrate, 8);
  EXPECT_EQ(CurrentTask.EstimatedSize, WizardSizeEstimate(CurrentTask));
  EXPECT_TRUE(DefaultSettings.AudioVBR);
  EXPECT_EQ(DefaultSettings.InputFileDir, t.Path("in/"));
  EXPECT_EQ(DefaultSettings.OutputFileDir, t.Path("out/"));
  QSettings s(t.SettingsFile(), QSettings::IniFormat);
  EXPECT_EQ(s.value("AudioVbrMinBitrate").toString(), "320");  // saved at the finish
}

// A backslash is a character of the name here, not a separator: "AC\DC.mp3" is one file.
TEST_F(AddFormTest, AMissingFolderChainIsCreatedOnYes) {
  CurrentTask.DstFile = t.Path("New/Sub/AC\\DC.mp3");
  MessageAnswerer answer;
  Run([&] {
    Next();
    EXPECT_EQ(w.addPages->currentIndex(), 1);
  });
  ASSERT_EQ(answer.Seen.size(), 1);
  EXPECT_EQ(answer.Seen[0], "The specified output folder doesn't exists.\n " + t.Path("New/Sub/") +
                                "\nWould you like to create the new folder?");
  EXPECT_TRUE(QFileInfo(t.Path("New/Sub")).isDir());
  EXPECT_EQ(w.dstFile->text(), t.Path("New/Sub/AC\\DC.mp3"));
  EXPECT_FALSE(QFileInfo::exists(t.Path("New/Sub/AC")));
}

// A bare name is asked about like a missing folder and placed by the folder rule,
// not in whatever the working folder happens to be.
TEST_F(AddFormTest, AnOutputWithoutAFolderIsAskedAboutAndPlaced) {
  CurrentTask.DstFile = "song.mp3";
  MessageAnswerer answer;
  Run([&] {
    Next();
    EXPECT_EQ(w.addPages->currentIndex(), 1);
  });
  ASSERT_EQ(answer.Seen.size(), 1);
  EXPECT_TRUE(answer.Seen[0].startsWith(lang::FolderMissing));
  EXPECT_EQ(w.dstFile->text(), AppDir + "song.mp3");
}

TEST_F(AddFormTest, FolderThatCannotBeCreatedKeepsPageOne) {
  const QString blocker = t.Touch("blocker");
  CurrentTask.DstFile = blocker + "/sub/a.mp3";
  MessageAnswerer answer([](const QString&) { return 1; });
  Run([&] {
    Next();
    EXPECT_EQ(w.addPages->currentIndex(), 0);
  });
  ASSERT_EQ(answer.Seen.size(), 2);
  EXPECT_TRUE(answer.Seen[1].startsWith(lang::FolderNotCreated));
}

TEST_F(AddFormTest, AnExistingOutputAnsweredNoStaysOnPageOne) {
  t.Touch("out/song.mp3");
  MessageAnswerer answer([](const QString&) { return 2; });
  Run([&] {
    Next();
    EXPECT_EQ(w.addPages->currentIndex(), 0);
  });
  ASSERT_EQ(answer.Seen.size(), 1);
  EXPECT_EQ(answer.Seen[0], "File exists\nWould you like to replace the old file?");
}

// Another task's output is asked about like an existing file; the task's own name is not.
TEST_F(AddFormTest, AnOutputAnotherTaskWritesIsAskedAbout) {
  TTask other = CurrentTask;
  other.DstFile = t.Path("out/other.mp3");
  Tasks.push_back(std::make_unique<TTask>(other));
  MessageAnswerer answer([](const QString&) { return 2; });
  Run([&] {
    Next();  // its own name: no question
    EXPECT_EQ(w.addPages->currentIndex(), 1);
    w.backBtn->click();
    w.dstFile->setText(t.Path("out/other.mp3"));
    Next();
    EXPECT_EQ(w.addPages->currentIndex(), 0);
  });
  EXPECT_EQ(answer.Seen, QStringList{"File exists\nWould you like to replace the old file?"});
}

TEST_F(AddFormTest, HistoriesIgnoreCaseAndAreRewrittenOnlyWhenTheyChange) {
  QDir().mkpath(HistoryDir);
  t.Touch("data/album.lst", "LIVE\r\nstudio\r\n");
  t.Touch("data/author.lst", "Zed\nbeta\n");  // written elsewhere, unsorted, with plain line feeds
  t.Touch("data/Copyright.lst", "Caf\xe9\r\n");  // the old 8-bit encoding
  QDir().mkpath(t.Path("data/year.lst"));       // there, but cannot be read
  const QDateTime before = QFileInfo(t.Path("data/album.lst")).lastModified();
  QTest::qWait(20);
  Run([&] {
    EXPECT_EQ(w.albumEdit->count(), 2);
    EXPECT_EQ(w.artistEdit->itemText(0), "beta");  // the box is sorted
    EXPECT_EQ(w.commentEdit->itemText(0), QString::fromUtf8("Caf\xc3\xa9"));
    w.albumEdit->setEditText("Live");
    w.artistEdit->setEditText("alpha");
    w.YearEdit->setEditText("1999");
    Next();
    Next();
    Next();
  });
  EXPECT_EQ(QFileInfo(t.Path("data/album.lst")).lastModified(), before);
  QStringList authors;
  EXPECT_TRUE(LoadHistory("author.lst", authors));
  EXPECT_EQ(authors, (QStringList{"alpha", "beta", "Zed"}));
  QFile f(t.Path("data/author.lst"));
  f.open(QIODevice::ReadOnly);
  EXPECT_EQ(f.readAll(), "alpha\r\nbeta\r\nZed\r\n");
  EXPECT_TRUE(QFileInfo(t.Path("data/year.lst")).isDir());  // an unreadable history is never replaced
  EXPECT_EQ(CurrentTask.Album, "Live");
}

TEST_F(AddFormTest, KeysOpenTheDialogsExceptEditingKeys) {
  int opened = 0;
  w.AddFilesDlg = [&](const QString&) {
    ++opened;
    return QString();
  };
  w.outFileDlg = [&](const QString& preset) {
    ++opened;
    return preset + ".x.mp3";
  };
  Run([&] {
    for (Qt::Key k : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace}) QTest::keyClick(w.srcFile, k);
    EXPECT_EQ(opened, 0);
    for (Qt::Key k : {Qt::Key_A, Qt::Key_5, Qt::Key_Space, Qt::Key_Left, Qt::Key_Delete}) QTest::keyClick(w.srcFile, k);
    EXPECT_EQ(opened, 5);
    QTest::keyClick(w.dstFile, Qt::Key_Backspace);
    EXPECT_EQ(opened, 5);
    QTest::keyClick(w.dstFile, Qt::Key_B);
    EXPECT_EQ(opened, 6);
    EXPECT_EQ(w.dstFile->text(), t.Path("out/song.mp3.x.mp3"));
  });
}

TEST_F(AddFormTest, TheAutomaticOutputNameFollowsANewInput) {
  DefaultSettings.OutputFileDir = t.Path("out/");
  ASSERT_TRUE(MakeWma(t.Path("in/tune.wma"), {1.0, 22050, 1, {}}));
  w.AddFilesDlg = [&](const QString&) { return t.Path("in/tune.wma"); };
  Run([&] {
    w.addFileBtn->click();
    EXPECT_EQ(w.srcFile->text(), t.Path("in/tune.wma"));
    EXPECT_EQ(w.dstFile->text(), t.Path("out/tune.mp3"));
    EXPECT_EQ(w.inFileInfoList->item(1)->text(), " Audio: 22050HZ, single channel");
    EXPECT_EQ(w.titleEdit->text(), "tune");
  });
  CurrentTask.SrcFile = t.Path("in/song.wma");
  CurrentTask.DstFile = t.Path("mine/chosen.mp3");
  Run([&] {
    w.addFileBtn->click();
    EXPECT_EQ(w.dstFile->text(), t.Path("mine/chosen.mp3"));
  });
  // An unreadable choice changes nothing.
  const QString junk = t.Touch("in/junk.wma", "junk");
  w.AddFilesDlg = [&](const QString&) { return junk; };
  CurrentTask.SrcFile = t.Path("in/tune.wma");
  Run([&] {
    w.addFileBtn->click();
    EXPECT_EQ(w.srcFile->text(), t.Path("in/tune.wma"));
  });
}

TEST_F(AddFormTest, ASettingThatMatchesNoItemFinishesWithTheDefault) {
  CurrentTask.BitRate = 100;  // from a hand-edited store
  TaddFrm fresh;
  QTimer::singleShot(0, [&] {
    fresh.nextBtn->click();
    fresh.nextBtn->click();
    fresh.nextBtn->click();
  });
  EXPECT_EQ(fresh.exec(), 1);
  EXPECT_EQ(CurrentTask.BitRate, 192);
}

// One file alone: the wizard stores it or not; one that cannot be used is told in its own words.
TEST(TaskAdding, OneFileThroughTheWizardOrItsOwnMessage) {
  TestFolder t;
  ASSERT_TRUE(MakeWma(t.Path("good.wma"), {1.0, 44100, 2, {{"title", "Good"}}}));
  for (bool ok : {true, false}) {
    bool wizardSeen = false;
    QTimer::singleShot(50, [&] {
      wizardSeen = Wizard()->isVisible() && Wizard()->titleEdit->text() == "Good";
      ok ? Wizard()->nextBtn->click(), Wizard()->nextBtn->click(), Wizard()->nextBtn->click()
         : Wizard()->cancelBtn->click();
    });
    TTaskAdding(nullptr, {}).Run({{t.Path("good.wma"), ""}}, {}, 1);
    EXPECT_TRUE(wizardSeen);
    EXPECT_EQ(Tasks.size(), 1u);
  }
  EXPECT_TRUE(Tasks[0]->Checked);
  EXPECT_EQ(Tasks[0]->DstFile, t.Path("good.mp3"));

  const QString bad = t.Touch("bad.wma", QByteArray(3000, 'r'));
  ASSERT_TRUE(MakeVideoOnly(t.Path("video.avi")));
  ASSERT_TRUE(MakeProtectedWma(t.Path("locked.wma"), {1.0, 44100, 2, {}}));
  MessageAnswerer answer;
  for (const QString& path : {bad, t.Path("video.avi"), t.Path("locked.wma")})
    TTaskAdding(nullptr, {}).Run({{path, ""}}, {}, 1);
  EXPECT_EQ(answer.Seen, (QStringList{QString(lang::CannotRead) + "\n " + bad + "\n" + lang::AdviceCodecs,
                                      QString(lang::NoAudioStream) + "\n " + t.Path("video.avi"),
                                      QString(lang::ProtectedFormat).arg(t.Path("locked.wma"))}));
  EXPECT_EQ(Tasks.size(), 1u);
}

// Files that cannot be used, wherever they stand, never end an adding of several: the others are
// listed in order, the window answers while they are read, and one message names the rest.
TEST(TaskAdding, FilesThatCannotBeReadAreNamedOnceAtTheEnd) {
  TestFolder t;
  QDir().mkpath(t.Path("in"));
  QStringList names;
  for (int i = 0; i < 12; ++i) {
    names << t.Path(QString("in/%1.wma").arg(i, 2, 10, QChar('0')));
    ASSERT_TRUE(MakeWma(names.back(), {0.3, 44100, 2, {}}));
  }
  const QString garbage = t.Touch("in/03.wma", QByteArray(4000, 'x'));
  const QString empty = t.Touch("in/07.wma", QByteArray());
  const QString gone = names[10];
  std::vector<TReadRequest> files;
  for (const QString& n : names) files.push_back({n, ""});
  // The file that goes while the list is read goes just before its turn; each read is slowed,
  // so the window has to answer meanwhile.
  TReadPool::ReadHook = [&](int index) {
    if (index == 10) QFile::remove(gone);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
  };
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(10);
  WizardFinisher wizard;
  MessageAnswerer answer([](const QString& text) { return text == lang::SameSettingsQuestion ? 1 : 1; });
  int listed = 0;
  TTaskAdding(nullptr, [&] { listed = int(Tasks.size()); }).Run(std::move(files), {}, 12);
  TReadPool::ReadHook = nullptr;
  ASSERT_EQ(Tasks.size(), 9u);
  EXPECT_EQ(listed, 9);
  EXPECT_EQ(Tasks[3]->SrcFile, names[4]);
  EXPECT_EQ(Tasks[8]->SrcFile, names[11]);
  EXPECT_GE(ticks, 10);
  ASSERT_EQ(answer.Seen.size(), 2);
  EXPECT_EQ(answer.Seen[1], lang::LeftOutFormat(12).arg(3) + "\n" + garbage + ": " +
                                lang::UnreadableReason + "\n" + empty + ": " + lang::UnreadableReason + "\n" + gone +
                                ": " + QString::fromLocal8Bit(std::strerror(ENOENT)));
  EXPECT_TRUE(MessageWindow()->details->isVisibleTo(MessageWindow()) || !MessageWindow()->isVisible());
}

// Stopped while it reads, what was read stays listed, in order, and nothing more comes.
TEST(TaskAdding, StopKeepsWhatWasRead) {
  TestFolder t;
  std::vector<TReadRequest> files;
  for (int i = 0; i < 8; ++i) {
    files.push_back({t.Path(QString("%1.wma").arg(i)), ""});
    ASSERT_TRUE(MakeWma(files.back().Path, {0.3, 44100, 2, {}}));
  }
  QProgressDialog progress;
  // Every file from the fifth on is held until Stop has been pressed.
  std::counting_semaphore<8> stopped(0);
  TReadPool::ReadHook = [&](int index) {
    if (index == 4)
      QMetaObject::invokeMethod(&progress, [&] { progress.findChild<QPushButton*>()->click(); }, Qt::QueuedConnection);
    if (index >= 4) {
      EXPECT_TRUE(stopped.try_acquire_for(std::chrono::seconds(20)));
    }
  };
  QObject::connect(&progress, &QProgressDialog::canceled, [&] { stopped.release(8); });
  WizardFinisher wizard;
  MessageAnswerer answer;
  TTaskAdding(&progress, {}).Run(files, {}, 8);
  TReadPool::ReadHook = nullptr;
  ASSERT_GE(Tasks.size(), 4u);
  EXPECT_LT(Tasks.size(), 8u);
  for (std::size_t i = 0; i < Tasks.size(); ++i) EXPECT_EQ(Tasks[i]->SrcFile, files[i].Path);
  EXPECT_EQ(answer.Seen, QStringList{lang::SameSettingsQuestion});
}

}  // namespace
