#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FolderScan.h"
#include "NativePath.h"
#include "TestSupport.h"

namespace {

// Each found file as "SubFolder|name", for comparing whole lists.
QStringList Listed(const std::vector<TFoundFile>& found) {
  QStringList out;
  for (const TFoundFile& f : found) out << f.SubFolder + "|" + f.Path.section('/', -1);
  return out;
}

// Numbers by value, letters without case, a folder's files before its folders;
// hidden entries and other files left out, whatever their case.
TEST(FolderScan, FindsAudioFilesInNameOrder) {
  TestFolder t;
  for (const char* name : {"in/10 x.wma", "in/2 x.wma", "in/b.FLAC", "in/A.mp3", "in/cover.jpg", "in/notes.txt",
                           "in/.hidden.wma", "in/.secret/x.wma", "in/aa/Disc 10/t.ogg", "in/aa/Disc 9/t.opus",
                           "in/aa/z.m4a", "in/B/y.wav", "in/B/readme", "in/empty.wma/not audio.doc"})
    t.Touch(name);
  const std::vector<TFoundFile> found = TFolderScan::Run(t.Path("in"));
  EXPECT_EQ(Listed(found), QStringList({"|2 x.wma", "|10 x.wma", "|A.mp3", "|b.FLAC", "aa/|z.m4a",
                                        "aa/Disc 9/|t.opus", "aa/Disc 10/|t.ogg", "B/|y.wav"}));
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found[0].Path, t.Path("in/2 x.wma"));
  // A relative root gives absolute paths too.
  const QString here = QDir::currentPath();
  QDir::setCurrent(t.Path());
  EXPECT_EQ(TFolderScan::Run("in/B").at(0).Path, t.Path("in/B/y.wav"));
  QDir::setCurrent(here);
  EXPECT_TRUE(TFolderScan::Run(t.Path("in/2 x.wma")).empty());  // not a folder
}

// A link back up the tree is not followed; a link to a file is found where the link is.
TEST(FolderScan, FollowsFileLinksButNotFolderLinks) {
  TestFolder t;
  t.Touch("in/a.wma");
  t.Touch("elsewhere/real.ogg");
  QDir().mkpath(t.Path("in/sub"));
  ASSERT_TRUE(QFile::link(t.Path("in"), t.Path("in/sub/loop")));
  ASSERT_TRUE(QFile::link(t.Path("elsewhere/real.ogg"), t.Path("in/sub/linked.ogg")));
  ASSERT_TRUE(QFile::link(t.Path("gone.wma"), t.Path("in/sub/broken.wma")));
  EXPECT_EQ(Listed(TFolderScan::Run(t.Path("in"))), QStringList({"|a.wma", "sub/|linked.ogg"}));
}

// Names copied from Windows as Latin-1 are not UTF-8: found all the same, by paths that open
// them, and sorted as the letters they show.
TEST(FolderScan, FindsFilesWhoseNamesAreNotUtf8) {
  TestFolder t;
  const std::string root = NativePath(t.Path("in")).toStdString();
  for (const char* file : {"/Ba/a.wma", "/Bj\xf6rk/01 Caf\xe9.wma", "/Bj\xf6rk/02 \x80.WMA", "/Bj\xf6rk/notes\xe9.txt",
                           "/Bj\xf6rk/\xc9t\xe9/x.ogg", "/Bz/z.wma"}) {
    std::filesystem::create_directories(std::filesystem::path(root + file).parent_path());
    ASSERT_TRUE(std::ofstream(root + file).good()) << file;
  }
  const std::vector<TFoundFile> found = TFolderScan::Run(t.Path("in"));
  QStringList shown;
  for (const TFoundFile& f : found) {
    shown << ReadableName(f.SubFolder + "|" + f.Path.section('/', -1));
    EXPECT_TRUE(NativeIsFile(f.Path)) << NativePath(f.Path).constData();
  }
  ASSERT_EQ(shown,
            QStringList({"Ba/|a.wma", "Björk/|01 Café.wma", "Björk/|02 €.WMA", "Björk/Été/|x.ogg", "Bz/|z.wma"}));
  // A folder named by its own bytes, and relative to a current folder, is found as well.
  const QString here = QDir::currentPath();
  QDir::setCurrent(t.Path("in"));
  const auto inside = TFolderScan::Run(PathFromNative("Bj\xf6rk"));
  QDir::setCurrent(here);
  ASSERT_EQ(inside.size(), 3u);
  EXPECT_EQ(NativePath(inside[0].Path).toStdString(), root + "/Bj\xf6rk/01 Caf\xe9.wma");
}

TEST(FolderScan, StopsWhenAsked) {
  TestFolder t;
  for (const char* name : {"in/1.wma", "in/2.wma", "in/s/3.wma", "in/s/4.wma"}) t.Touch(name);
  QList<int> counts;
  const auto found = TFolderScan::Run(t.Path("in"), [&](int n) {
    counts << n;
    return n < 3;
  });
  EXPECT_EQ(counts, QList<int>({1, 2, 3}));
  EXPECT_EQ(Listed(found), QStringList({"|1.wma", "|2.wma", "s/|3.wma"}));
}

TEST(FolderScan, AudioNamesAreTheOpenDialogs) {
  for (const char* name : {"a.wma", "b.WMV", "c.asf", "d.flac", "e.Opus", "f.aiff", "g.wv", "x.y.mp3"})
    EXPECT_TRUE(TFolderScan::IsAudioName(name)) << name;
  for (const char* name : {"a.txt", "wma", "a.wma.part", "a.", "flac.jpg"})
    EXPECT_FALSE(TFolderScan::IsAudioName(name)) << name;
}

}  // namespace
