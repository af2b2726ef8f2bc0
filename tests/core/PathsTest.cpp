#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "Paths.h"
#include "TaskOps.h"
#include "TestSupport.h"

namespace {

TEST(Paths, ForceFolderCreatesTheChain) {
  TestFolder t;
  const QString target = t.Path("New/Sub");
  EXPECT_EQ(ForceFolder(target + "/", "/fallback/"), target + "/");
  EXPECT_TRUE(QFileInfo(target).isDir());
  EXPECT_EQ(ForceFolder("  " + target + "  ", "/fallback/"), target + "/");  // existing: nothing new
  EXPECT_EQ(ForceFolder(t.Path("AC\\DC"), "/fallback/"), t.Path("AC\\DC/"));  // one folder, not two
  EXPECT_TRUE(QFileInfo(t.Path("AC\\DC")).isDir());
  EXPECT_EQ(ForceFolder("   ", "/fallback/"), "/fallback/");
}

TEST(Paths, ForceFolderReportsWhatCannotBeCreated) {
  TestFolder t;
  const QString file = t.Touch("plainfile");
  QString error;
  EXPECT_EQ(ForceFolder(file + "/sub", "/fallback/", &error), "");
  EXPECT_FALSE(error.isEmpty());
  error.clear();
  EXPECT_EQ(ForceFolder(file, "/fallback/", &error), "");  // the file itself is no folder
  EXPECT_EQ(error, "Not a directory");
}

TEST(Paths, OutputNamesAvoidExistingFilesAndListedTasks) {
  TestFolder t;
  DefaultSettings.OutputFileDir = t.Path("out/");
  QDir().mkpath(t.Path("out"));
  CurrentTask.SrcFile = "/music/song.wma";
  EXPECT_EQ(MakeOutputName(), t.Path("out/song.mp3"));
  t.Touch("out/song.mp3");
  EXPECT_EQ(MakeOutputName(), t.Path("out/song(2).mp3"));
  TTask listed;
  listed.DstFile = t.Path("out/song(2).mp3");
  CurrentTask = listed;
  StoreCurrentTask(true, 0);
  CurrentTask.SrcFile = "/music/song.wma";
  EXPECT_EQ(MakeOutputName(), t.Path("out/song(3).mp3"));
  EXPECT_TRUE(IsOutputTaken(t.Path("out/song(2).mp3")));
  EXPECT_FALSE(IsOutputTaken(t.Path("out/SONG(2).mp3")));  // exact comparison

  CurrentTask.SrcFile = "/music/track";
  EXPECT_EQ(MakeOutputName(), t.Path("out/track.mp3"));
  CurrentTask.SrcFile = "/music/a.b.wma";
  EXPECT_EQ(MakeOutputName(), t.Path("out/a.b.mp3"));
}

TEST(Paths, HelpFileIsFoundBesideTheProgramOrInTheDataFolder) {
  TestFolder t;
  t.Touch("share/brindlewave/brindlewave.html");
  EXPECT_EQ(HelpFilePath(), t.Path("share/brindlewave/brindlewave.html"));
  t.Touch("app/brindlewave.html");
  EXPECT_EQ(HelpFilePath(), t.Path("app/brindlewave.html"));
}

}  // namespace

