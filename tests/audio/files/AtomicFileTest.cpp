#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cerrno>
#include <sys/stat.h>

#include "AtomicFile.h"
#include "AudioException.h"

namespace {

// The calls the file makes on its way into place, by what they do and to which
// name, and the one of them that is refused.
std::vector<std::string> Calls;
std::string Refused;

bool Refuse(const std::string& call) {
  Calls.push_back(call);
  if (call != Refused) return false;
  errno = EIO;
  return true;
}

std::string NameOf(const char* path) {
  const std::string name = QFileInfo(QString::fromLocal8Bit(path)).fileName().toStdString();
  return name.rfind(TAtomicFile::StandInPrefix, 0) == 0 ? "stand-in" : name;
}

int Flush(FILE* f) { return Refuse("flush") ? EOF : std::fflush(f); }

int Sync(int fd) {
  struct stat st {};
  ::fstat(fd, &st);
  return Refuse(S_ISDIR(st.st_mode) ? "sync folder" : "sync file") ? -1 : ::fsync(fd);
}

int Link(int fromDir, const char* from, int toDir, const char* to, int flags) {
  return Refuse("link " + NameOf(to)) ? -1 : ::linkat(fromDir, from, toDir, to, flags);
}

int Rename(const char* from, const char* to) {
  return Refuse("rename " + NameOf(from) + " " + NameOf(to)) ? -1 : std::rename(from, to);
}

using Steps = std::vector<std::string>;

// Both ways to a complete file: an anonymous file linked into place (true), and
// the hidden stand-in renamed into place, as on file systems without them (false).
class AtomicFileTest : public ::testing::TestWithParam<bool> {
 protected:
  QTemporaryDir dir;
  const std::string target = dir.filePath("out.mp3").toStdString();

  void SetUp() override {
    TAtomicFile::AllowAnonymous = GetParam();
    TAtomicFile::System = {Flush, Sync, Link, Rename};
    Calls.clear();
    Refused.clear();
    TAtomicFile probe;
    probe.Create(target);
    if (GetParam() && !probe.Anonymous()) GTEST_SKIP() << "no anonymous files in " << dir.path().toStdString();
  }
  void TearDown() override {
    TAtomicFile::AllowAnonymous = true;
    TAtomicFile::System = {};
  }
  // Starts a file with `text` in it; the calls are recorded from its commit on.
  void Start(TAtomicFile& f, const char* text) {
    f.Create(target);
    std::fputs(text, f.Stream());
    Calls.clear();
  }
  QByteArray Content() {
    QFile f(QString::fromStdString(target));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
  }
  // Everything in the folder, hidden or not, and any file of ours still open without a name.
  QStringList Left() {
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::System | QDir::Files))
      if (fd.symLinkTarget().startsWith(dir.path()) && fd.symLinkTarget().endsWith("(deleted)")) left << "open unnamed";
    return left;
  }
};

TEST_P(AtomicFileTest, TheContentIsSyncedBeforeItTakesTheNameAndTheFolderAfter) {
  for (bool replacing : {false, true}) {
    SCOPED_TRACE(replacing ? "replacing" : "new");
    TAtomicFile f;
    Start(f, replacing ? "new" : "first");
    f.Commit();
    // An anonymous file cannot be linked over a name: it is linked beside it and renamed.
    const Steps expected = !GetParam() ? Steps{"flush", "sync file", "rename stand-in out.mp3", "sync folder"}
                           : replacing ? Steps{"flush", "sync file", "link out.mp3", "link stand-in",
                                               "rename stand-in out.mp3", "sync folder"}
                                       : Steps{"flush", "sync file", "link out.mp3", "sync folder"};
    EXPECT_EQ(Calls, expected);
    EXPECT_EQ(Content(), replacing ? "new" : "first");
    EXPECT_EQ(Left(), QStringList{"out.mp3"});
  }
}

TEST_P(AtomicFileTest, ARefusedStepFailsTheCommitAndLeavesNothingButTheOldFile) {
  {
    QFile old(QString::fromStdString(target));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
  }
  const Steps refusals = GetParam() ? Steps{"flush", "sync file", "link out.mp3", "link stand-in", "rename stand-in out.mp3"}
                                    : Steps{"flush", "sync file", "rename stand-in out.mp3"};
  for (const std::string& refused : refusals) {
    SCOPED_TRACE(refused);
    Refused = refused;
    TAtomicFile f;
    Start(f, "new");
    EXPECT_THROW(f.Commit(), EAudioException);
    EXPECT_EQ(Calls.back(), refused);  // nothing is tried after it
    EXPECT_EQ(Content(), "old");
    EXPECT_EQ(Left(), QStringList{"out.mp3"});
  }
  // The folder not made durable fails the commit too, though the file is in place by then.
  Refused = "sync folder";
  TAtomicFile f;
  Start(f, "new");
  EXPECT_THROW(f.Commit(), EAudioException);
  EXPECT_EQ(Content(), "new");
  EXPECT_EQ(Left(), QStringList{"out.mp3"});
}

INSTANTIATE_TEST_SUITE_P(Paths, AtomicFileTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Anonymous" : "NamedStandIn"; });

}  // namespace
