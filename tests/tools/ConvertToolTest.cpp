#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <sys/stat.h>
#include <gtest/gtest.h>

#include "MediaCheck.h"
#include "Lang.h"
#include "MediaMaker.h"
#include "TestSupport.h"

namespace {

struct Result {
  int code;
  QString out, err;
  QByteArray rawErr;
};

Result RunTool(const QStringList& args, const QString& configHome, const QByteArray& input = {}) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_CONFIG_HOME", configHome);
  env.remove("QT_LOGGING_RULES");  // what the libraries say is shown by the options alone
  env.insert("LANGUAGE", "en");    // the messages checked are the English ones, whatever the machine's language
  p.setProcessEnvironment(env);
  p.start(CONVERT_TOOL, args);
  p.write(input);
  p.closeWriteChannel();
  p.waitForFinished(120000);
  const QByteArray err = p.readAllStandardError();
  return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()), QString::fromLocal8Bit(err), err};
}

TEST(ConvertTool, ConvertsTaggedFilesAndReportsTheBadOneWithoutStopping) {
  QTemporaryDir dir;
  const QString a = dir.filePath("a.wma"), bad = dir.filePath("bad.wma"), c = dir.filePath("c.wma");
  ASSERT_TRUE(MakeWma(a, {1.5, 44100, 2,
                          {{"title", "Alpha"}, {"artist", "Artist A"}, {"album", "Album A"},
                           {"date", "1997"}, {"genre", "Rock"}, {"comment", "First"}}}));
  ASSERT_TRUE(MakeWma(c, {1.0, 22050, 1, {}}));
  QFile f(bad);
  f.open(QIODevice::WriteOnly);
  f.write(QByteArray(5000, 'z'));
  f.close();
  const QString config = dir.filePath("config");
  const QString locked = dir.filePath("locked.wma");
  ASSERT_TRUE(MakeProtectedWma(locked, {1.0, 44100, 2, {}}));

  const Result r = RunTool({"-b", "128", "-o", dir.filePath("out"), a, bad, locked, c}, config);
  EXPECT_EQ(r.code, 1) << r.err.toStdString();
  // A copy-protected file is named as such, and nothing is made of it.
  EXPECT_TRUE(r.err.contains(QString(lang::ProtectedFormat).arg(locked))) << r.err.toStdString();
  QStringList written = r.out.split('\n', Qt::SkipEmptyParts);
  written.sort();  // printed as each finishes
  EXPECT_EQ(written, QStringList({dir.filePath("out/a.mp3"), dir.filePath("out/c.mp3")}));
  EXPECT_TRUE(r.err.contains(bad)) << r.err.toStdString();
  const MediaFacts fa = ReadMedia(dir.filePath("out/a.mp3"));
  EXPECT_TRUE(fa.DecodedCleanly);
  EXPECT_EQ(fa.BitRate, 128000);
  EXPECT_EQ(fa.Tags.at("title"), "Alpha");
  EXPECT_EQ(fa.Tags.at("artist"), "Artist A");
  EXPECT_EQ(fa.Tags.at("album"), "Album A");
  EXPECT_EQ(fa.Tags.at("date"), "1997");
  EXPECT_EQ(fa.Tags.at("genre"), "Rock");
  EXPECT_EQ(fa.Tags.at("comment"), "First");
  EXPECT_EQ(ReadMedia(dir.filePath("out/c.mp3")).Tags.at("title"), "c");
  EXPECT_FALSE(QDir(config).exists());  // the settings store is never written

  // Without -o, a first run puts outputs beside their inputs; options override tags.
  const Result beside = RunTool({"--vbr", "96:192", "-m", "mono", "--title", "Given", a}, config);
  EXPECT_EQ(beside.code, 0) << beside.err.toStdString();
  EXPECT_EQ(beside.out, dir.filePath("a.mp3") + "\n");
  const MediaFacts fb = ReadMedia(dir.filePath("a.mp3"));
  EXPECT_EQ(fb.Channels, 1);
  EXPECT_EQ(fb.Tags.at("title"), "Given");
  EXPECT_EQ(fb.Tags.at("artist"), "Artist A");
}

// Two at a time: every good file once, under its own name, and the bad one reported.
TEST(ConvertTool, ParallelJobsConvertEachFileOnce) {
  QTemporaryDir dir;
  QStringList inputs;
  for (int i = 0; i < 5; ++i) {
    const QString in = dir.filePath(QString("in%1/song.wma").arg(i));  // one output name for all
    QDir().mkpath(QFileInfo(in).absolutePath());
    if (i == 2) {
      QFile f(in);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(QByteArray(5000, 'z'));
    } else {
      ASSERT_TRUE(MakeWma(in, {1.0 + i, 44100, 2, {}}));
    }
    inputs << in;
  }
  const Result r = RunTool(QStringList{"-j", "2", "-o", dir.filePath("out")} + inputs, dir.filePath("config"));
  EXPECT_EQ(r.code, 1);
  EXPECT_TRUE(r.err.contains(inputs[2])) << r.err.toStdString();
  QStringList written = r.out.split('\n', Qt::SkipEmptyParts);
  written.sort();
  EXPECT_EQ(written, QStringList({dir.filePath("out/song(2).mp3"), dir.filePath("out/song(3).mp3"),
                                  dir.filePath("out/song(4).mp3"), dir.filePath("out/song.mp3")}));
  QList<double> lengths;
  for (const QString& f : written) lengths << ReadMedia(f).DecodedFrames / 44100.0;
  std::sort(lengths.begin(), lengths.end());
  ASSERT_EQ(lengths.size(), 4);
  const double expected[] = {1, 2, 4, 5};
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(lengths[i], expected[i], 0.1);
}

TEST(ConvertTool, ACutDownloadIsWrittenButReportedAsIncomplete) {
  QTemporaryDir dir;
  ASSERT_TRUE(MakeWma(dir.filePath("whole.wma"), {20.0, 44100, 2, {}}));
  ASSERT_TRUE(CutFile(dir.filePath("whole.wma"), dir.filePath("cut.wma"), 0.37));
  const Result r = RunTool({"-o", dir.filePath("out"), dir.filePath("cut.wma")}, dir.filePath("config"));
  EXPECT_EQ(r.code, 1);
  EXPECT_TRUE(r.err.contains(dir.filePath("cut.wma") + ": the input ends at 0:07 of 0:20")) << r.err.toStdString();
  EXPECT_EQ(r.out, dir.filePath("out/cut.mp3") + "\n");
  EXPECT_NEAR(ReadMedia(dir.filePath("out/cut.mp3")).DecodedFrames / 44100.0, 7.4, 0.3);
}

// The cut input makes the WMA decoder complain of its last packet. That stays off
// standard error unless asked for; asked for, it comes beside the tool's own lines.
TEST(ConvertTool, LibraryMessagesAppearOnlyWhenVerbose) {
  QTemporaryDir dir;
  ASSERT_TRUE(MakeWma(dir.filePath("whole.wma"), {20.0, 44100, 2, {}}));
  ASSERT_TRUE(CutFile(dir.filePath("whole.wma"), dir.filePath("cut.wma"), 0.37));
  const QRegularExpression library(R"(\[(\w+) @ 0x[0-9a-f]+\])");  // FFmpeg's "[component @ address]"
  const QString own = dir.filePath("cut.wma") + ": the input ends at 0:07 of 0:20";
  QStringList quietOurs;
  for (const auto& [option, shown] : {std::pair<QString, bool>{"", false}, {"--verbose", true}, {"-v", true}}) {
    QDir(dir.filePath("out")).removeRecursively();
    QStringList args{"-o", dir.filePath("out"), dir.filePath("cut.wma")};
    if (!option.isEmpty()) args.prepend(option);
    const Result r = RunTool(args, dir.filePath("config"));
    QStringList components, ours;
    for (const QString& line : r.err.split('\n', Qt::SkipEmptyParts)) {
      const auto m = library.match(line);
      if (m.hasMatch())
        components << m.captured(1);
      else
        ours << line.section(" in ", 0, 0);  // the summary without its time
    }
    ours.sort();
    EXPECT_EQ(r.code, 1) << option.toStdString();
    EXPECT_EQ(components.contains("wmav2"), shown) << option.toStdString() << ": " << r.err.toStdString();
    EXPECT_EQ(components.isEmpty(), !shown) << r.err.toStdString();
    // The tool's own lines are the same either way.
    EXPECT_TRUE(ours.contains(own)) << r.err.toStdString();
    if (quietOurs.isEmpty()) quietOurs = ours;
    EXPECT_EQ(ours, quietOurs) << option.toStdString();
  }
}

// Starts the converter on `in` into `out` and waits until it writes: its output
// is open, with no name yet, and holds some audio.
bool StartWriting(QProcess& p, const QString& config, const QString& in, const QString& out) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_CONFIG_HOME", config);
  p.setProcessEnvironment(env);
  p.start(CONVERT_TOOL, {"-o", out, in});
  if (!p.waitForStarted()) return false;
  const QString fds = QString("/proc/%1/fd").arg(p.processId());
  auto writing = [&] {
    for (const QFileInfo& fd : QDir(fds).entryInfoList(QDir::System | QDir::Files))
      if (fd.symLinkTarget().startsWith(out) && QFileInfo(fd.filePath()).size() > 100000) return true;
    return false;
  };
  QElapsedTimer clock;
  clock.start();
  while (!writing() && clock.elapsed() < 20000) QThread::msleep(5);
  return writing();
}

// Killed at any moment, a run leaves nothing; the next run finishes normally.
TEST(ConvertTool, AKilledRunLeavesNoFileBehind) {
  QTemporaryDir dir;
  const QString in = dir.filePath("in/long.wma"), out = dir.filePath("out");
  QDir().mkpath(dir.filePath("in"));
  QDir().mkpath(out);
  ASSERT_TRUE(MakeWma(in, {120.0, 44100, 2, {}}));
  QProcess p;
  ASSERT_TRUE(StartWriting(p, dir.filePath("config"), in, out));
  ::kill(pid_t(p.processId()), SIGKILL);
  p.waitForFinished();
  EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{});

  const Result again = RunTool({"-o", out, in}, dir.filePath("config"));
  EXPECT_EQ(again.code, 0) << again.err.toStdString();
  EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"long.mp3"});
}

TEST(ConvertTool, OptionsAUnixUserExpects) {
  QTemporaryDir dir;
  const QString config = dir.filePath("config"), out = dir.filePath("out");
  const QString a = dir.filePath("a.wma"), b = dir.filePath("b.wma"), bad = dir.filePath("bad.wma");
  ASSERT_TRUE(MakeWma(a, {1.0, 44100, 2, {}}) && MakeWma(b, {1.0, 44100, 2, {}}));
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray(5000, 'z'));
  f.close();

  const Result version = RunTool({"--version"}, config);
  EXPECT_EQ(version.out, "brindlewave-convert 1.0.0.1\n");
  EXPECT_TRUE(RunTool({"--help"}, config).out.contains("Exit status: 0 all converted, 1 some failed or ended early, "
                                                        "2 bad usage, 130 interrupted."));
  // A dry run says what it would write, and writes nothing.
  const Result dry = RunTool({"-n", "-b", "128", "-o", out, a}, config);
  EXPECT_EQ(dry.code, 0);
  EXPECT_TRUE(dry.out.startsWith(a + " -> " + out + "/a.mp3 (128 Kbps, CBR, 44100 Hz, ")) << dry.out.toStdString();
  EXPECT_FALSE(QFileInfo::exists(out + "/a.mp3"));
  // Names from standard input; quiet prints only the failure.
  const Result quiet = RunTool({"-q", "-o", out, "-"}, config, (a + "\n" + bad + "\n").toLocal8Bit());
  EXPECT_EQ(quiet.code, 1);
  EXPECT_EQ(quiet.out, "");
  EXPECT_TRUE(quiet.err.contains(bad));
  EXPECT_TRUE(QFileInfo::exists(out + "/a.mp3"));
  // --overwrite replaces rather than numbers; two inputs of one name still get two files.
  QDir().mkpath(dir.filePath("again"));
  ASSERT_TRUE(QFile::copy(b, dir.filePath("again/a.wma")));
  const Result over = RunTool({"--overwrite", "-o", out, a, dir.filePath("again/a.wma")}, config);
  EXPECT_EQ(over.code, 0) << over.err.toStdString();
  QStringList written = over.out.split('\n', Qt::SkipEmptyParts);
  written.sort();
  EXPECT_EQ(written, QStringList({out + "/a(2).mp3", out + "/a.mp3"}));
}

// With --trash-source an input whose MP3 is made goes to the user's trash with its
// info file and is named as it goes; a garbage input and a cut one stay where they are.
TEST(ConvertTool, TrashSourceMovesOnlyTheInputsConverted) {
  const TestFolder t;
  const TestHome home(t.Path("home"));  // the tool's too: its environment is this process's
  const QString good = t.Path("in/good.wma"), bad = t.Touch("in/bad.wma", QByteArray(5000, 'z'));
  const QString cut = t.Path("in/cut.wma"), trash = home.Trash();
  ASSERT_TRUE(MakeWma(good, {1.0, 44100, 2, {}}) && MakeWma(t.Path("whole.wma"), {20.0, 44100, 2, {}}));
  ASSERT_TRUE(CutFile(t.Path("whole.wma"), cut, 0.37));

  const Result r = RunTool({"--trash-source", "-o", t.Path("out"), good, bad, cut}, t.Path("config"));
  EXPECT_EQ(r.code, 1) << r.err.toStdString();
  EXPECT_TRUE(ReadMedia(t.Path("out/good.mp3")).DecodedCleanly);
  EXPECT_TRUE(r.err.contains(good + ": moved to the trash\n")) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("converted 1, skipped 0, failed 2, moved to the trash 1 in ")) << r.err.toStdString();
  EXPECT_EQ(QDir(trash + "/files").entryList(QDir::Files | QDir::Hidden), QStringList{"good.wma"});
  EXPECT_TRUE(QFileInfo::exists(trash + "/info/good.wma.trashinfo"));
  EXPECT_TRUE(!QFileInfo::exists(good) && QFileInfo::exists(cut) && QFileInfo::exists(bad));
}

// Interrupted, the converter discards the file being written and says so in its status.
TEST(ConvertTool, AnInterruptedRunEndsWith130AndLeavesNoPartialFile) {
  QTemporaryDir dir;
  const QString in = dir.filePath("long.wma"), out = dir.filePath("out");
  ASSERT_TRUE(MakeWma(in, {120.0, 44100, 2, {}}));
  QProcess p;
  ASSERT_TRUE(StartWriting(p, dir.filePath("config"), in, out));
  ::kill(pid_t(p.processId()), SIGINT);
  ASSERT_TRUE(p.waitForFinished(10000));
  EXPECT_EQ(p.exitCode(), 130);
  EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{});
}

// Two machines sharing a library: each file falls in one share, none in both,
// and a share never reads another's files (the bad one fails in one run only).
TEST(ConvertTool, ShardsSplitALibraryBetweenRuns) {
  const TestFolder t;
  QStringList all = {t.Touch("lib/bad.wma", QByteArray(5000, 'z'))}, seen;
  for (int i = 0; i < 8; ++i) {
    all << t.Path(QString("lib/Artist %1/%2.wma").arg(i % 3).arg(i));
    QDir().mkpath(QFileInfo(all.back()).path());
    ASSERT_TRUE(MakeWma(all.back(), {0.2, 44100, 2, {}}));
  }
  for (const char* shard : {"1/2", "2/2"}) {
    const Result r = RunTool({"-n", "--shard", shard, "-o", t.Path("out"), t.Path("lib")}, t.Path("config"));
    const qsizetype before = seen.size();
    for (const QString& line : r.out.split('\n', Qt::SkipEmptyParts)) seen << line.section(" -> ", 0, 0);
    if (r.err.contains(all[0])) seen << all[0];
    EXPECT_EQ(r.code, r.err.contains(all[0]) ? 1 : 0) << shard << r.err.toStdString();
    EXPECT_GT(seen.size(), before + 1) << shard;
  }
  seen.sort();
  all.sort();
  EXPECT_EQ(seen, all);
}

TEST(ConvertTool, BadUsageExitsWithTwo) {
  QTemporaryDir dir;
  for (const QStringList& args : {QStringList{}, QStringList{"-b", "100", "x.wma"}, QStringList{"-r", "22050", "x"},
                                  QStringList{"--bogus", "x"}, QStringList{"-b", "128", "--vbr", "8:16", "x"},
                                  QStringList{"--replaygain", "loud", "x"}, QStringList{"--shard", "3/2", "x"}}) {
    const Result r = RunTool(args, dir.filePath("config"));
    EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains("usage:"));
  }
  const Result help = RunTool({"--help"}, dir.filePath("config"));
  EXPECT_EQ(help.code, 0);
  EXPECT_TRUE(help.out.startsWith("usage:"));
}

TEST(ConvertTool, SpeaksTheLanguageTheEnvironmentAsksFor) {
  QTemporaryDir dir;
  const QString bad = dir.filePath("bad.wma");
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(QByteArray(4096, 'x')) == 4096);
  f.close();
  auto run = [&](const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    env.insert("LANGUAGE", "de_DE:en");
    p.setProcessEnvironment(env);
    p.start(CONVERT_TOOL, args);
    p.waitForFinished(120000);
    return std::pair(p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError()));
  };
  const auto [usageCode, usage] = run({"-b", "100", "x.wma"});
  EXPECT_EQ(usageCode, 2);
  EXPECT_TRUE(usage.startsWith("brindlewave-convert: -b nimmt einen der Werte 8, 16, ... 320 kbit/s\n"
                               "Aufruf: brindlewave-convert [-j JOBS]")) << usage.toStdString();
  const auto [helpCode, help] = run({"--help"});
  EXPECT_EQ(helpCode, 0);
  EXPECT_TRUE(help.contains("\nKonvertiert Audiodateien mit den gespeicherten Vorgaben")) << help.toStdString();
  const auto [runCode, report] = run({"-o", dir.filePath("out"), bad});
  EXPECT_EQ(runCode, 1);
  EXPECT_TRUE(report.contains("konvertiert 0, übersprungen 0, fehlgeschlagen 1 in ")) << report.toStdString();
}

// A reason the lower layers give for one file reaches the user in their language too:
// a plain file stands where the tags put the output's folder.
TEST(ConvertTool, TellsWhyAFileFailedInTheLanguageAsked) {
  QTemporaryDir dir;
  const QString in = dir.filePath("song.wma"), out = dir.filePath("out");
  ASSERT_TRUE(MakeWma(in, {1.0, 44100, 2, {{"title", "Song"}, {"artist", "Someone"}}}));
  ASSERT_TRUE(QDir().mkpath(out));
  QFile blocker(out + "/Someone");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly) && blocker.write("x", 1) == 1);
  blocker.close();
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
  env.insert("LANGUAGE", "de_DE:en");
  p.setProcessEnvironment(env);
  p.start(CONVERT_TOOL, {"--name", "{artist}/{title}", "-o", out, in});
  ASSERT_TRUE(p.waitForFinished(120000));
  const QString report = QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError());
  EXPECT_EQ(p.exitCode(), 1) << report.toStdString();
  EXPECT_TRUE(report.contains(in + ": der Ordner " + out + "/Someone/ kann nicht angelegt werden: ")) << report.toStdString();
  EXPECT_FALSE(QFileInfo::exists(out + "/Someone/Song.mp3"));
}

// A folder copied from Windows as Latin-1: its files are read by their bytes and written
// under names in UTF-8; names on standard input are bytes too, and a message gives the
// user's own bytes back.
TEST(ConvertTool, NamesThatAreNotUtf8AreConvertedUnderReadableNames) {
  const TestFolder t;  // removes names QTemporaryDir cannot
  const QByteArray folder = QFile::encodeName(t.Path("in")) + "/Bj\xf6rk", song = folder + "/01 Caf\xe9.wma";
  const QByteArray bad = folder + "/02 \x93" "Bad\x94.wma";
  ASSERT_TRUE(QDir().mkpath(t.Path("in")) && ::mkdir(folder.constData(), 0777) == 0);
  ASSERT_TRUE(MakeWma(t.Path("made.wma"), {1.0, 44100, 2, {}}));
  ASSERT_EQ(::rename(QFile::encodeName(t.Path("made.wma")).constData(), song.constData()), 0);
  ASSERT_EQ(::rename(QFile::encodeName(t.Touch("bad", QByteArray(5000, 'z'))).constData(), bad.constData()), 0);
  const QString out = t.Path("out"), config = t.Path("config");

  const Result r = RunTool({"-o", out, t.Path("in")}, config);
  EXPECT_EQ(r.code, 1) << r.err.toStdString();
  EXPECT_EQ(r.out, out + "/Björk/01 Café.mp3\n");
  EXPECT_TRUE(r.rawErr.contains(bad + ": ")) << r.rawErr.constData();
  const MediaFacts made = ReadMedia(out + "/Björk/01 Café.mp3");
  EXPECT_TRUE(made.DecodedCleanly);
  EXPECT_EQ(made.Tags.at("title"), "01 Café");  // from the file name, made readable as well

  const Result piped = RunTool({"--overwrite", "-o", out, "-"}, config, song + "\n");
  EXPECT_EQ(piped.code, 0) << piped.err.toStdString();
  EXPECT_EQ(piped.out, out + "/01 Café.mp3\n");
}

}  // namespace

// A long file goes over the free cores in parts unless told not to; both ways give
// the same clean, gapless audio under the same tags. ReplayGain is written by
// default, and not when turned off.
TEST(ConvertTool, ALongFileConvertsTheSameSplitOrNot) {
  QTemporaryDir dir;
  const QString in = dir.filePath("long.wma");
  ASSERT_TRUE(MakeWma(in, {30.0, 44100, 2, {{"title", "Long"}, {"artist", "Someone"}}}));
  const QString config = dir.filePath("config");
  const Result split = RunTool({"-j", "2", "-b", "128", "-o", dir.filePath("split"), in}, config);
  const Result one =
      RunTool({"-j", "2", "--no-split", "--replaygain", "none", "-b", "128", "-o", dir.filePath("one"), in}, config);
  ASSERT_EQ(split.code, 0) << split.err.toStdString();
  ASSERT_EQ(one.code, 0) << one.err.toStdString();
  const DecodedAudio a = DecodeAudio(dir.filePath("split/long.mp3")), b = DecodeAudio(dir.filePath("one/long.mp3"));
  EXPECT_TRUE(a.Clean);
  EXPECT_TRUE(b.Clean);
  EXPECT_EQ(a.Samples.size(), b.Samples.size());
  EXPECT_NEAR(double(a.Samples.size()) / 2 / 44100, 30.0, 0.05);
  const MediaFacts f = ReadMedia(dir.filePath("split/long.mp3"));
  EXPECT_EQ(f.Tags.at("title"), "Long");
  EXPECT_EQ(f.Tags.at("artist"), "Someone");
  EXPECT_EQ(f.Tags.count("replaygain_track_gain"), 1u);
  EXPECT_EQ(f.Tags.count("replaygain_album_gain"), 1u);
  EXPECT_EQ(ReadMedia(dir.filePath("one/long.mp3")).Tags.count("replaygain_track_gain"), 0u);
}
