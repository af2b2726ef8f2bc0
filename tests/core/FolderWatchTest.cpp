#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

#include "FolderWatch.h"
#include "TestSupport.h"

namespace {

// A file still being written is told once, after its last write has been left alone for the
// quiet period: each write starts the period again.
TEST(FolderWatch, AFileIsToldOnceItsLastWriteHasSettled) {
  TestFolder t;
  t.Touch("in/keep.txt");
  TFolderWatch watch(t.Path("in"), t.Path("out"), 1000);
  ASSERT_TRUE(watch.Start(nullptr));
  constexpr int Writes = 15;  // one every 100 ms: half again the quiet period in all
  int written = 0, writtenWhenTold = -1;
  QObject::connect(&watch, &TFolderWatch::FileReady, [&] { writtenWhenTold = written; });
  QSignalSpy told(&watch, &TFolderWatch::FileReady);
  QTimer writer;
  QObject::connect(&writer, &QTimer::timeout, [&] {
    QFile f(t.Path("in/slow.wav"));
    ASSERT_TRUE(f.open(QIODevice::Append));
    ASSERT_EQ(f.write(QByteArray(4096, 'x')), 4096);
    if (++written == Writes) writer.stop();
  });
  writer.start(100);
  ASSERT_TRUE(told.wait(10000));
  EXPECT_EQ(writtenWhenTold, Writes);
  EXPECT_EQ(told.at(0).at(0).toString(), t.Path("in/slow.wav"));
  EXPECT_EQ(told.size(), 1);
}

// Hidden files, files in hidden folders and anything under the output folder, when it lies in
// the watched one, are never told, whether written there or in a folder moved in; each comes
// before a file that is told, so it would be told first.
TEST(FolderWatch, HiddenAndOutputFilesAreLeftAlone) {
  TestFolder t;
  t.Touch("in/sub/keep.txt");
  t.Touch("in/out/earlier.mp3");
  t.Touch("staging/moved/.e.wav");
  t.Touch("staging/moved/.hide/g.wav");
  TFolderWatch watch(t.Path("in"), t.Path("in/out"), 100);
  ASSERT_TRUE(watch.Start(nullptr));
  QSignalSpy told(&watch, &TFolderWatch::FileReady);
  ASSERT_TRUE(QDir().rename(t.Path("staging/moved"), t.Path("in/moved")));
  for (const char* name : {"in/.a.wav", "in/sub/.b.wav", "in/.hide/c.wav", "in/sub/.hide/d.wav", "in/out/e.wav",
                           "in/out/deep/f.wav", "in/sub/told.wav"})
    t.Touch(name);
  ASSERT_TRUE(told.wait(10000));
  ASSERT_EQ(told.size(), 1) << told.at(0).at(0).toString().toStdString();
  EXPECT_EQ(told.at(0).at(0).toString(), t.Path("in/sub/told.wav"));
  EXPECT_EQ(told.at(0).at(1).toString(), "sub/");
}

}  // namespace
