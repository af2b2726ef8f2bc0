#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "MediaCheck.h"
#include "MediaMaker.h"

namespace {

struct Result {
  int code;
  QString out, err;
};

QProcessEnvironment Env(const QString& config) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_CONFIG_HOME", config);
  return env;
}

Result RunTool(const QStringList& args, const QString& config) {
  QProcess p;
  p.setProcessEnvironment(Env(config));
  p.start(CONVERT_TOOL, args);
  p.waitForFinished(120000);
  return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()),
          QString::fromLocal8Bit(p.readAllStandardError())};
}

ino_t Inode(const QString& path) {
  struct stat st {};
  return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

// Every file under `folder`, hidden ones too, relative to it and sorted.
QStringList Tree(const QString& folder) {
  QStringList files;
  QDir dir(folder);
  for (const QString& f : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) files << f;
  for (const QString& d : dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
    for (const QString& f : Tree(dir.filePath(d))) files << d + "/" + f;
  files.sort();
  return files;
}

// Reads the process's standard output until a line equal to `line` has come.
bool WaitForLine(QProcess& p, QString& seen, const QString& line) {
  while (!seen.split('\n').contains(line)) {
    if (!p.waitForReadyRead(30000)) return false;
    seen += QString::fromLocal8Bit(p.readAllStandardOutput());
  }
  return true;
}

// A folder in, its tree mirrored out; a re-run converts only what is new or
// changed and says so; names from tags make their own folders.
TEST(ConvertLibrary, AFolderIsMirroredAndARerunConvertsOnlyWhatIsNew) {
  QTemporaryDir dir;
  const QString lib = dir.filePath("lib"), out = dir.filePath("out"), config = dir.filePath("config");
  QDir().mkpath(lib + "/Band/First");
  QDir().mkpath(lib + "/.hidden");
  QDir().mkpath(lib + "/loose");
  const ToneSpec tagged{1.0, 44100, 2, {{"title", "Song"}, {"artist", "Band"}, {"album", "First"}, {"track", "1/9"}}};
  ASSERT_TRUE(MakeWma(lib + "/Band/First/01.wma", tagged));
  ASSERT_TRUE(MakeWma(lib + "/Band/First/02.wma", {1.0, 44100, 2, {}}));
  ASSERT_TRUE(MakeWma(lib + "/.hidden/x.wma", {1.0, 44100, 2, {}}));
  ASSERT_TRUE(MakeWma(lib + "/loose/one.wma", {1.0, 44100, 2, {}}));
  QFile notes(lib + "/notes.txt");
  ASSERT_TRUE(notes.open(QIODevice::WriteOnly) && notes.write("not audio") > 0);
  notes.close();

  const Result first = RunTool({"--existing", "skip", "-o", out, lib}, config);
  EXPECT_EQ(first.code, 0) << first.err.toStdString();
  EXPECT_EQ(Tree(out), QStringList({"Band/First/01.mp3", "Band/First/02.mp3", "loose/one.mp3"}));
  EXPECT_TRUE(first.err.contains("converted 3, skipped 0, failed 0 in 0:")) << first.err.toStdString();
  const ino_t kept = Inode(out + "/Band/First/02.mp3");

  ASSERT_TRUE(MakeWma(lib + "/loose/two.wma", {1.0, 44100, 2, {}}));
  QFile::remove(lib + "/Band/First/01.wma");
  ASSERT_TRUE(MakeWma(lib + "/Band/First/01.wma", {2.0, 44100, 2, tagged.Tags}));
  QFile changed(lib + "/Band/First/01.wma");
  ASSERT_TRUE(changed.open(QIODevice::ReadWrite) &&
              changed.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
  changed.close();
  const Result again = RunTool({"--existing", "skip", "-o", out, lib}, config);
  EXPECT_EQ(again.code, 0) << again.err.toStdString();
  EXPECT_TRUE(again.err.contains("converted 2, skipped 2, failed 0 in 0:")) << again.err.toStdString();
  EXPECT_TRUE(again.err.contains(lib + "/Band/First/02.wma: already converted")) << again.err.toStdString();
  EXPECT_EQ(Inode(out + "/Band/First/02.mp3"), kept);
  EXPECT_NEAR(ReadMedia(out + "/Band/First/01.mp3").Duration, 2.0, 0.05);
  EXPECT_EQ(Tree(out).size(), 4);

  const QString named = dir.filePath("named");
  const Result patterned =
      RunTool({"-q", "--keep-time", "--name", "{albumartist}/{album}/{track:02} {title}", "-o", named, lib}, config);
  EXPECT_EQ(patterned.code, 0) << patterned.err.toStdString();
  EXPECT_EQ(Tree(named), QStringList({"Band/First/01 Song.mp3", "Unknown Artist/Unknown Album/00 02.mp3",
                                      "Unknown Artist/Unknown Album/00 one.mp3",
                                      "Unknown Artist/Unknown Album/00 two.mp3"}))
      << Tree(named).join(", ").toStdString();
  const MediaFacts song = ReadMedia(named + "/Band/First/01 Song.mp3");
  EXPECT_TRUE(song.DecodedCleanly);
  EXPECT_EQ(song.Tags.at("title"), "Song");
  EXPECT_EQ(QFileInfo(named + "/Band/First/01 Song.mp3").lastModified(), QFileInfo(lib + "/Band/First/01.wma").lastModified());
}

// Killed halfway and started again, a run converts only what is missing and
// leaves nothing partial at any time.
TEST(ConvertLibrary, AKilledRunStartedAgainConvertsOnlyWhatIsMissing) {
  QTemporaryDir dir;
  const QString lib = dir.filePath("lib"), out = dir.filePath("out"), config = dir.filePath("config");
  QDir().mkpath(lib);
  ASSERT_TRUE(MakeWma(lib + "/a.wma", {1.0, 44100, 2, {}}));
  ASSERT_TRUE(MakeWma(lib + "/b.wma", {120.0, 44100, 2, {}}));
  ASSERT_TRUE(MakeWma(lib + "/c.wma", {1.0, 44100, 2, {}}));
  QProcess p;
  p.setProcessEnvironment(Env(config));
  p.start(CONVERT_TOOL, {"-j", "1", "--no-split", "--existing", "skip", "-o", out, lib});
  QString seen;
  ASSERT_TRUE(WaitForLine(p, seen, out + "/a.mp3"));
  ::kill(pid_t(p.processId()), SIGKILL);
  p.waitForFinished();
  EXPECT_EQ(Tree(out), QStringList{"a.mp3"});
  const ino_t kept = Inode(out + "/a.mp3");

  const Result again = RunTool({"--existing", "skip", "-o", out, lib}, config);
  EXPECT_EQ(again.code, 0) << again.err.toStdString();
  EXPECT_TRUE(again.err.contains("converted 2, skipped 1, failed 0")) << again.err.toStdString();
  EXPECT_EQ(Tree(out), QStringList({"a.mp3", "b.mp3", "c.mp3"}));
  EXPECT_EQ(Inode(out + "/a.mp3"), kept);
}

// A watched folder: what is there first, then files that appear (in new folders
// too) or change, until interrupted; files that vanish and files that are not
// audio pass without a word.
TEST(ConvertLibrary, AWatchedFolderConvertsWhatArrivesUntilInterrupted) {
  QTemporaryDir dir;
  const QString watched = dir.filePath("in"), out = dir.filePath("out"), config = dir.filePath("config");
  QDir().mkpath(watched);
  ASSERT_TRUE(MakeWma(watched + "/first.wma", {1.0, 44100, 2, {}}));
  QProcess p;
  p.setProcessEnvironment(Env(config));
  p.start(CONVERT_TOOL, {"--watch", watched, "-o", out});
  QString seen;
  ASSERT_TRUE(WaitForLine(p, seen, out + "/first.mp3")) << p.readAllStandardError().toStdString();

  QDir().mkpath(watched + "/new/deeper");
  ASSERT_TRUE(MakeWma(watched + "/new/deeper/second.wma", {1.0, 44100, 2, {}}));
  ASSERT_TRUE(MakeWma(watched + "/gone.wma", {1.0, 44100, 2, {}}));
  QFile::remove(watched + "/gone.wma");
  QFile text(watched + "/readme.txt");
  ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("text") > 0);
  text.close();
  QFile::remove(watched + "/first.wma");
  ASSERT_TRUE(MakeWma(watched + "/first.wma", {2.0, 44100, 2, {}}));
  ASSERT_TRUE(WaitForLine(p, seen, out + "/new/deeper/second.mp3")) << p.readAllStandardError().toStdString();
  while (ReadMedia(out + "/first.mp3").Duration < 1.5) ASSERT_TRUE(p.waitForReadyRead(30000));
  // A folder removed under the watch does not end it.
  ASSERT_TRUE(QDir(watched + "/new").removeRecursively());
  ASSERT_TRUE(MakeWma(watched + "/third.wma", {1.0, 44100, 2, {}}));
  ASSERT_TRUE(WaitForLine(p, seen, out + "/third.mp3")) << p.readAllStandardError().toStdString();

  ::kill(pid_t(p.processId()), SIGTERM);
  ASSERT_TRUE(p.waitForFinished(10000));
  EXPECT_EQ(p.exitCode(), 130);
  const QString err = QString::fromLocal8Bit(p.readAllStandardError());
  EXPECT_FALSE(err.contains("gone.wma")) << err.toStdString();
  EXPECT_TRUE(err.contains("failed 0")) << err.toStdString();
  EXPECT_EQ(Tree(out), QStringList({"first.mp3", "new/deeper/second.mp3", "third.mp3"}));
  EXPECT_NEAR(ReadMedia(out + "/first.mp3").Duration, 2.0, 0.05);
}

}  // namespace
