#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <csignal>
#include <mutex>
#include <sys/file.h>
#include <sys/resource.h>

#include "AtomicFile.h"
#include "AudioException.h"
#include "CoreBudget.h"
#include "MP3Out.h"
#include "MediaCheck.h"
#include "ToneInput.h"

namespace {

// Drives one sink the way the progress window does, counting what arrives.
// The failure handler runs on the worker thread, so what it records is guarded.
struct SinkHarness {
  TMP3Out sink;
  int done = 0;
  std::atomic<int> failures{0};
  std::mutex failureMx;
  std::string lastFailure;

  SinkHarness() {
    sink.OnDone = [this](TComponent*) { ++done; };
    sink.OnThreadException = [this](TComponent*, const std::exception& e) {
      {
        std::lock_guard l(failureMx);
        lastFailure = e.what();
      }
      ++failures;
    };
  }
  std::string Failure() {
    std::lock_guard l(failureMx);
    return lastFailure;
  }
  bool WaitIdle(int ms = 30000) {
    return QTest::qWaitFor([&] { return sink.Status() == TOutputStatus::Idle && (done || failures); }, ms);
  }
};

class MP3OutTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString Out(const QString& name) { return dir.filePath(name); }
  QStringList Leftovers() { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

// Tests of runs that end early or fail, on both ways to a complete file: an
// anonymous file linked into place (true), and the hidden stand-in renamed into
// place, as on file systems without anonymous files (false). Neither may leave
// anything behind.
class MP3OutPathTest : public MP3OutTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override { TAtomicFile::AllowAnonymous = GetParam(); }
  void TearDown() override { TAtomicFile::AllowAnonymous = true; }
};

std::string PathName(const ::testing::TestParamInfo<bool>& info) { return info.param ? "Anonymous" : "NamedStandIn"; }

INSTANTIATE_TEST_SUITE_P(Paths, MP3OutPathTest, ::testing::Values(true, false), PathName);

// The open files of this process that have no name: a sink's unfinished output.
QStringList UnnamedOpenFiles(const QString& folder) {
  QStringList found;
  for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::System | QDir::Files))
    if (fd.symLinkTarget().startsWith(folder) && fd.symLinkTarget().endsWith("(deleted)")) found << fd.symLinkTarget();
  return found;
}

double FrameSeconds(int rate) { return 1152.0 / rate; }

// The decoded length is the audio's own; the container's counts whole frames.
void ExpectLength(const MediaFacts& f, double seconds) {
  ASSERT_GT(f.SampleRate, 0);
  EXPECT_NEAR(double(f.DecodedFrames) / f.SampleRate, seconds, FrameSeconds(f.SampleRate));
  EXPECT_NEAR(f.Duration, seconds, 2 * FrameSeconds(f.SampleRate));
}

TEST_F(MP3OutTest, ConstantRateFilesDecodeWithTheChosenFormat) {
  struct Case {
    int inRate, channels;
    TMP3SampleRate out;
    TMP3BitRate rate;
  };
  for (const Case c : {Case{22050, 1, TMP3SampleRate::sr41kHz, TMP3BitRate::br128},
                       Case{44100, 2, TMP3SampleRate::sr41kHz, TMP3BitRate::br192},
                       Case{48000, 2, TMP3SampleRate::sr48kHz, TMP3BitRate::br320},
                       Case{32000, 2, TMP3SampleRate::sr32kHz, TMP3BitRate::br64}}) {
    SCOPED_TRACE(c.inRate);
    SinkHarness h;
    ToneInput tone(c.inRate, c.channels, 3.0);
    h.sink.SetInput(&tone);
    h.sink.FileName = Out(QString("cbr%1.mp3").arg(c.inRate));
    h.sink.SampleRate = c.out;
    h.sink.BitRate = c.rate;
    h.sink.Quality = TMP3Quality::ql2;
    h.sink.Mode = TMP3Mode::JOINT_STEREO;
    h.sink.Run();
    ASSERT_TRUE(h.WaitIdle());
    EXPECT_EQ(h.done, 1);
    EXPECT_EQ(h.failures, 0) << h.Failure();
    const MediaFacts f = ReadMedia(h.sink.FileName);
    ASSERT_TRUE(f.Opened);
    EXPECT_TRUE(f.DecodedCleanly);
    EXPECT_EQ(f.Codec, "mp3");
    EXPECT_EQ(f.Channels, 2);
    EXPECT_EQ(f.SampleRate, HzOf(c.out));
    EXPECT_EQ(f.BitRate, KbpsOf(c.rate) * 1000);
    ExpectLength(f, 3.0);
    EXPECT_EQ(tone.Opens, 1);
    EXPECT_EQ(tone.Closes, 1);
  }
  EXPECT_EQ(Leftovers().filter(".XXX").size(), 0);
  EXPECT_EQ(Leftovers().size(), 4);  // no temporary files left behind
}

TEST_F(MP3OutTest, MonoInputBecomesTwoIdenticalChannelsUnlessTheModeIsMono) {
  for (TMP3Mode mode : {TMP3Mode::STEREO, TMP3Mode::MONO}) {
    SinkHarness h;
    ToneInput tone(44100, 1, 2.0);
    h.sink.SetInput(&tone);
    h.sink.FileName = Out(mode == TMP3Mode::MONO ? "mono.mp3" : "stereo.mp3");
    h.sink.Mode = mode;
    h.sink.SampleRate = TMP3SampleRate::sr41kHz;
    h.sink.Run();
    ASSERT_TRUE(h.WaitIdle());
    const MediaFacts f = ReadMedia(h.sink.FileName);
    EXPECT_TRUE(f.DecodedCleanly);
    EXPECT_EQ(f.Channels, mode == TMP3Mode::MONO ? 1 : 2);
    if (mode == TMP3Mode::STEREO) {
      EXPECT_TRUE(f.ChannelsIdentical);
    }
    ExpectLength(f, 2.0);
  }
}

TEST_F(MP3OutTest, VariableRateCarriesItsHeaderAndExchangesReversedLimits) {
  SinkHarness h;
  ToneInput tone(44100, 2, 4.0);
  h.sink.SetInput(&tone);
  h.sink.FileName = Out("vbr.mp3");
  h.sink.SampleRate = TMP3SampleRate::sr41kHz;
  h.sink.EnableVBR = true;
  h.sink.WriteVBRHeader = true;
  h.sink.VBRQuality = TMP3Quality::ql2;
  h.sink.VBRMinBitrate = 256;
  h.sink.VBRMaxBitrate = 128;
  h.sink.Run();
  ASSERT_TRUE(h.WaitIdle());
  EXPECT_EQ(h.done, 1);
  EXPECT_EQ(h.sink.VBRMinBitrate, 128);
  EXPECT_EQ(h.sink.VBRMaxBitrate, 256);
  QFile file(h.sink.FileName);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray head = file.read(64 * 1024);
  const qsizetype xing = head.indexOf("Xing");
  ASSERT_GE(xing, 0);
  // The encoder's tag follows the 120 bytes of the Xing fields; the low nibble of
  // its tenth byte is the VBR method: 4 for the fast one the encoder defaults to.
  ASSERT_EQ(head.mid(xing + 120, 4), "LAME");
  EXPECT_EQ(head[xing + 129] & 0x0F, 4);
  const MediaFacts f = ReadMedia(h.sink.FileName);
  EXPECT_TRUE(f.DecodedCleanly);
  ExpectLength(f, 4.0);
}

TEST_F(MP3OutTest, TagsReadBackIncludingTextsLatin1CannotHold) {
  SinkHarness h;
  ToneInput tone(44100, 2, 1.0);
  h.sink.SetInput(&tone);
  h.sink.FileName = Out("tags.mp3");
  h.sink.Id3TagTitle = "Καλημέρα κόσμε";
  h.sink.Id3TagArtist = "Björk Guðmundsdóttir";
  h.sink.Id3TagAlbum = "日本語のアルバム";
  h.sink.Id3TagYear = "1999";
  h.sink.Id3TagGenre = "Jazz";
  h.sink.Id3TagComment = "A comment that is longer than thirty characters";
  h.sink.Run();
  ASSERT_TRUE(h.WaitIdle());
  const MediaFacts f = ReadMedia(h.sink.FileName);
  auto tag = [&](const char* k) { return f.Tags.count(k) ? f.Tags.at(k) : std::string("<missing>"); };
  EXPECT_EQ(tag("title"), "Καλημέρα κόσμε");
  EXPECT_EQ(tag("artist"), "Björk Guðmundsdóttir");
  EXPECT_EQ(tag("album"), "日本語のアルバム");
  EXPECT_EQ(tag("date"), "1999");
  EXPECT_EQ(tag("genre"), "Jazz");
  EXPECT_EQ(tag("comment"), "A comment that is longer than thirty characters");
  EXPECT_TRUE(f.DecodedCleanly);
}

TEST_P(MP3OutPathTest, RunControl) {
  SinkHarness h;
  ToneInput tone(44100, 2, 10.0);
  tone.DelayPerRead = std::chrono::milliseconds(2);
  h.sink.FileName = Out("control.mp3");
  EXPECT_EQ(h.sink.Progress(), 0);  // no input
  EXPECT_THROW(h.sink.Run(), EAudioException);
  h.sink.SetInput(&tone);

  // Pausing while idle changes nothing visible; a stop while idle must not cut the next run.
  h.sink.Pause();
  EXPECT_EQ(h.sink.Status(), TOutputStatus::Idle);
  h.sink.Stop();
  h.sink.Run();
  EXPECT_EQ(h.sink.Status(), TOutputStatus::Active);
  try {
    h.sink.Run();
    ADD_FAILURE() << "a second run started";
  } catch (const EAudioException& e) {
    EXPECT_STREQ(e.what(), "Component is Busy");
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return tone.Delivered > tone.TotalBytes() / 4; }, 20000));

  h.sink.Pause();
  EXPECT_EQ(h.sink.Status(), TOutputStatus::Paused);
  QTest::qWait(100);
  const auto reads = tone.Reads.load();
  QTest::qWait(300);
  EXPECT_EQ(tone.Reads.load(), reads);  // the worker really stopped

  h.sink.Stop();  // while paused: only noted
  QTest::qWait(100);
  EXPECT_EQ(h.sink.Status(), TOutputStatus::Paused);
  EXPECT_EQ(h.done, 0);
  h.sink.Resume();
  ASSERT_TRUE(h.WaitIdle());
  EXPECT_EQ(h.done, 1);
  EXPECT_LT(tone.Delivered, tone.TotalBytes());
  const MediaFacts f = ReadMedia(h.sink.FileName);
  EXPECT_TRUE(f.DecodedCleanly);
  EXPECT_GT(f.Duration, 2.0);
  EXPECT_LT(f.Duration, 9.0);
  EXPECT_EQ(Leftovers(), QStringList{"control.mp3"});
}

TEST_F(MP3OutTest, ProgressFollowsTheInputSize) {
  struct Fixed : ToneInput {
    using ToneInput::ToneInput;
    void OpenInput() override {}
  };
  SinkHarness h;
  Fixed tone(44100, 2, 1.0);
  h.sink.SetInput(&tone);
  tone.Size = -1;
  EXPECT_EQ(h.sink.Progress(), -1);
  tone.Size = 0;
  EXPECT_EQ(h.sink.Progress(), 0);
  tone.Size = 200;
  tone.Position = 1;  // 0.5 per cent rounds to even
  EXPECT_EQ(h.sink.Progress(), 0);
  tone.Position = 3;  // 1.5 per cent
  EXPECT_EQ(h.sink.Progress(), 2);
}

TEST_F(MP3OutTest, EmptyInputStillFinishesTheFileAndInputMayBeFreedInDone) {
  SinkHarness h;
  auto* tone = new ToneInput(44100, 2, 0.0);
  h.sink.SetInput(tone);
  h.sink.FileName = Out("empty.mp3");
  h.sink.OnDone = [&](TComponent*) {
    ++h.done;
    delete tone;
  };
  h.sink.Run();
  ASSERT_TRUE(h.WaitIdle());
  EXPECT_EQ(h.done, 1);
  EXPECT_EQ(h.sink.Input(), nullptr);
  EXPECT_TRUE(QFileInfo::exists(h.sink.FileName));
  // Ready for the next run once a new input is set.
  ToneInput next(44100, 2, 1.0);
  h.sink.SetInput(&next);
  h.sink.OnDone = [&](TComponent*) { ++h.done; };
  h.sink.Run();
  ASSERT_TRUE(QTest::qWaitFor([&] { return h.done == 2; }, 20000));
  ExpectLength(ReadMedia(h.sink.FileName), 1.0);
}

TEST_F(MP3OutTest, InputFailingMidRunTakesTheFailurePathAndKeepsTheAudioSoFar) {
  SinkHarness h;
  ToneInput tone(44100, 2, 5.0);
  tone.FailAfterBytes = tone.TotalBytes() / 2;
  h.sink.SetInput(&tone);
  h.sink.FileName = Out("broken.mp3");
  h.sink.Run();
  ASSERT_TRUE(QTest::qWaitFor([&] { return h.failures == 1; }, 20000));
  QTest::qWait(50);
  EXPECT_EQ(h.done, 0);
  EXPECT_EQ(h.Failure(), "the tone broke off");
  EXPECT_EQ(h.sink.Status(), TOutputStatus::Idle);
  const MediaFacts f = ReadMedia(h.sink.FileName);
  EXPECT_TRUE(f.DecodedCleanly);
  EXPECT_NEAR(f.Duration, 2.5, 0.2);
  EXPECT_EQ(tone.Closes, 1);
}

TEST_P(MP3OutPathTest, FailedStartLeavesAnExistingFileUntouched) {
  const QString target = Out("keep.mp3");
  {
    QFile f(target);
    f.open(QIODevice::WriteOnly);
    f.write("precious");
  }
  SinkHarness h;
  ToneInput tone(44100, 2, 1.0);
  tone.FailOnOpen = true;
  h.sink.SetInput(&tone);
  h.sink.FileName = target;
  h.sink.Run();  // failures never reach the caller of Run
  EXPECT_EQ(h.failures, 1);
  EXPECT_EQ(h.done, 0);
  EXPECT_EQ(h.sink.Status(), TOutputStatus::Idle);
  QFile f(target);
  f.open(QIODevice::ReadOnly);
  EXPECT_EQ(f.readAll(), "precious");
  EXPECT_EQ(Leftovers(), QStringList{"keep.mp3"});

  h.sink.FileName.clear();
  tone.FailOnOpen = false;
  h.sink.Run();
  EXPECT_EQ(h.Failure(), "File name is not assigned.");

  h.sink.FileName = dir.filePath("no/such/folder/x.mp3");
  h.sink.Run();
  EXPECT_NE(h.Failure().find("No such file or directory"), std::string::npos) << h.Failure();
  EXPECT_EQ(tone.Opens, 0);
}

TEST_F(MP3OutTest, RefusedWritesFailTheRunInsteadOfReportingSuccess) {
  struct Refusing : TOutputStream {
    int writes = 0;
    void Write(const void*, std::size_t) override {
      if (++writes > 3) throw EAudioException("No space left on device");
    }
  } stream;
  SinkHarness h;
  ToneInput tone(44100, 2, 5.0);
  h.sink.SetInput(&tone);
  h.sink.Stream = &stream;
  h.sink.StreamAssigned = true;
  h.sink.Run();
  ASSERT_TRUE(QTest::qWaitFor([&] { return h.failures == 1; }, 20000));
  QTest::qWait(50);
  EXPECT_EQ(h.done, 0);
  EXPECT_EQ(h.Failure(), "No space left on device");
}

TEST_P(MP3OutPathTest, FolderRemovedUnderTheRunFailsAndWritesNothingUnderTheName) {
  const QString sub = dir.filePath("gone");
  QDir().mkpath(sub);
  SinkHarness h;
  ToneInput tone(44100, 2, 5.0);
  tone.DelayPerRead = std::chrono::milliseconds(3);
  h.sink.SetInput(&tone);
  h.sink.FileName = sub + "/out.mp3";
  h.sink.Run();
  ASSERT_TRUE(QTest::qWaitFor([&] { return tone.Delivered > 0; }, 20000));
  QDir(sub).removeRecursively();
  ASSERT_TRUE(QTest::qWaitFor([&] { return h.failures == 1; }, 20000));
  EXPECT_EQ(h.done, 0);
  EXPECT_FALSE(QFileInfo::exists(sub));
  EXPECT_EQ(UnnamedOpenFiles(dir.path()), QStringList{});
}

TEST_P(MP3OutPathTest, DestroyedMidRunJoinsItsWorkerAndLeavesNoFile) {
  ToneInput tone(44100, 2, 30.0);
  tone.DelayPerRead = std::chrono::milliseconds(2);
  {
    SinkHarness h;
    h.sink.SetInput(&tone);
    h.sink.FileName = Out("abandoned.mp3");
    h.sink.OnProgress = [](TComponent*) {};
    h.sink.Run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tone.Delivered > 0; }, 20000));
  }
  EXPECT_TRUE(Leftovers().isEmpty()) << Leftovers().join(",").toStdString();
  EXPECT_EQ(tone.Closes, 1);
}

// A worker that does not suspend when idle keeps reporting progress, and a Stop
// while idle still ends with the done event.
TEST_F(MP3OutTest, AWorkerLeftRunningWhenIdleReportsProgressAndStops) {
  SinkHarness h;
  h.sink.SetSuspendWhenIdle(false);
  std::atomic<int> progress{0};
  h.sink.OnProgress = [&](TComponent*) { ++progress; };
  ToneInput tone(44100, 2, 1.0);
  tone.Size = 200;
  tone.Position = 100;
  h.sink.SetInput(&tone);
  h.sink.Resume();  // the worker starts its idle passes
  EXPECT_TRUE(QTest::qWaitFor([&] { return progress > 0; }, 5000));
  EXPECT_EQ(h.sink.LastProgress, 50);
  h.sink.Stop();
  EXPECT_TRUE(QTest::qWaitFor([&] { return h.done == 1; }, 5000));
  EXPECT_EQ(h.sink.Status(), TOutputStatus::Idle);
  h.sink.SetSuspendWhenIdle(true);
}

// A name at the file system's limit (255 bytes) converts, written as an anonymous
// file or under a short stand-in name.
TEST_F(MP3OutTest, NamesAtTheFileSystemLimitConvert) {
  QString name;
  while (name.toUtf8().size() + 3 + 4 <= 255) name += QString::fromUtf8("\xe9\x9f\xb3");  // 音
  name += "ab.mp3";
  ASSERT_EQ(name.toUtf8().size(), 255);
  for (bool anonymous : {true, false}) {
    SCOPED_TRACE(anonymous);
    TAtomicFile::AllowAnonymous = anonymous;
    SinkHarness h;
    ToneInput tone(44100, 2, 1.0);
    h.sink.SetInput(&tone);
    h.sink.FileName = Out(name);
    h.sink.Run();
    ASSERT_TRUE(h.WaitIdle());
    TAtomicFile::AllowAnonymous = true;
    EXPECT_EQ(h.done, 1) << h.Failure();
    EXPECT_TRUE(ReadMedia(h.sink.FileName).DecodedCleanly);
    EXPECT_EQ(Leftovers(), QStringList{name});
    QFile::remove(h.sink.FileName);
  }
}

// Where a hidden stand-in had to be used, a run killed mid-file leaves it; the
// next run in that folder removes it, and only it.
TEST_F(MP3OutTest, StaleStandInsOfDeadWritersAreRemovedAndNothingElse) {
  const QString stale = Out(".brindlewave-k1LLed"), live = Out(".brindlewave-InUse1");
  for (const QString& name : {stale, live, Out(".brindlewave-notes.txt"), Out(".song.mp3.Ab12Cd"), Out("keep.mp3")})
    ASSERT_TRUE(QFile(name).open(QIODevice::WriteOnly));
  QFile writer(live);  // a run still writing holds a lock on its stand-in
  ASSERT_TRUE(writer.open(QIODevice::ReadWrite));
  ASSERT_EQ(::flock(writer.handle(), LOCK_EX | LOCK_NB), 0);
  TAtomicFile::AllowAnonymous = false;
  SinkHarness h;
  ToneInput tone(44100, 2, 1.0);
  h.sink.SetInput(&tone);
  h.sink.FileName = Out("new.mp3");
  h.sink.Run();
  ASSERT_TRUE(h.WaitIdle());
  TAtomicFile::AllowAnonymous = true;
  EXPECT_EQ(h.done, 1);
  QStringList left = Leftovers();
  left.sort();
  EXPECT_EQ(left, QStringList({".brindlewave-InUse1", ".brindlewave-notes.txt", ".song.mp3.Ab12Cd", "keep.mp3",
                               "new.mp3"}));
}

// A failure once the target exists (it is being replaced) keeps the old file
// whole and leaves nothing of the new one, named or open.
TEST_P(MP3OutPathTest, FailuresWhileReplacingKeepTheOldFileAndLeaveNothing) {
  const QString target = Out("keep.mp3");
  auto expectOldFileAlone = [&] {
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "precious");
    EXPECT_EQ(Leftovers(), QStringList{"keep.mp3"});
    EXPECT_EQ(UnnamedOpenFiles(dir.path()), QStringList{});
  };
  {
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("precious");
  }
  {
    SinkHarness h;
    ToneInput tone(44100, 2, 3.0);
    h.sink.SetInput(&tone);
    h.sink.FileName = target;
    const auto encode = Lame.lame_encode_buffer_interleaved;
    static std::atomic<int> calls;
    calls = 0;
    Lame.lame_encode_buffer_interleaved = [](lame_t, short int*, int, unsigned char*, int) {
      return ++calls > 5 ? -1 : 0;
    };
    h.sink.Run();
    ASSERT_TRUE(h.WaitIdle());
    Lame.lame_encode_buffer_interleaved = encode;
    EXPECT_EQ(h.done, 0);
    EXPECT_EQ(h.Failure(), "The MP3 encoder failed (error -1).");
  }
  expectOldFileAlone();
  {
    // The file size limit makes the kernel refuse a write, as a full disk does.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    SinkHarness h;
    ToneInput tone(44100, 2, 10.0);
    h.sink.SetInput(&tone);
    h.sink.FileName = target;
    rlimit small = saved;
    small.rlim_cur = 40000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    h.sink.Run();
    const bool idle = h.WaitIdle();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(idle);
    EXPECT_EQ(h.done, 0);
    EXPECT_NE(h.Failure().find("File too large"), std::string::npos) << h.Failure();
  }
  expectOldFileAlone();
}

TEST(LameBinding, MissingLibraryRefusesTheSinkAndLoadsAreCounted) {
  {
    TMP3Out first;
    {
      TMP3Out second;
      EXPECT_TRUE(LameLoaded);
    }
    EXPECT_TRUE(LameLoaded);  // the first sink still holds it
    QTemporaryDir dir;
    ToneInput tone(44100, 2, 0.5);
    first.SetInput(&tone);
    first.FileName = dir.filePath("still.mp3");
    bool done = false;
    first.OnDone = [&](TComponent*) { done = true; };
    first.Run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 20000));
    EXPECT_TRUE(ReadMedia(first.FileName).DecodedCleanly);
  }
  EXPECT_FALSE(LameLoaded);
  const std::string saved = LameLibraryName;
  LameLibraryName = "libmp3lame-does-not-exist.so.0";
  try {
    TMP3Out sink;
    ADD_FAILURE() << "constructed without the library";
  } catch (const EAudioException& e) {
    EXPECT_STREQ(e.what(), "libmp3lame.so.0 library could not be loaded.");
  }
  LameLibraryName = saved;
  TMP3Out again;
  EXPECT_TRUE(LameLoaded);
}

}  // namespace

// Splitting a file into parts on several encoders, and joining them.
namespace {

struct Encoding {
  int rate = 44100, channels = 2;
  TMP3SampleRate out = TMP3SampleRate::sr41kHz;
  TMP3Mode mode = TMP3Mode::JOINT_STEREO;
  int kbps = 128;      // constant rate
  int vbrMin = 0, vbrMax = 0;  // variable rate when given
};

struct Encoded {
  DecodedAudio audio;
  TMP3Out::TSplitReport report;
};

Encoded Encode(const QString& path, const std::vector<short>& pcm, const Encoding& e, bool split,
               int partFrames = 16, std::function<void(TMP3Out&)> more = {}) {
  SinkHarness h;
  ToneInput input(e.rate, e.channels, 0);
  input.Samples = pcm;
  h.sink.SetInput(&input);
  h.sink.FileName = path;
  h.sink.SampleRate = e.out;
  h.sink.Mode = e.mode;
  h.sink.Quality = TMP3Quality::ql2;
  h.sink.VBRQuality = TMP3Quality::ql2;
  h.sink.EnableVBR = e.vbrMax > 0;
  h.sink.WriteVBRHeader = e.vbrMax > 0;
  h.sink.VBRMinBitrate = e.vbrMin;
  h.sink.VBRMaxBitrate = e.vbrMax;
  TMP3BitRate rate = TMP3BitRate::br128;
  for (int i = 0; i < int(std::size(Mp3BitRateKbps)); ++i)
    if (Mp3BitRateKbps[i] == e.kbps) rate = static_cast<TMP3BitRate>(i);
  h.sink.BitRate = rate;
  h.sink.SplitFiles = split;
  h.sink.SplitPartFrames = partFrames;
  if (more) more(h.sink);
  h.sink.Run();
  EXPECT_TRUE(h.WaitIdle(120000));
  EXPECT_EQ(h.failures, 0) << h.Failure();
  return {DecodeAudio(path), h.sink.SplitReport()};
}

// Signal to noise of `decoded` against `reference`, in dB.
double Snr(const std::vector<short>& reference, const std::vector<float>& decoded) {
  double signal = 0, noise = 0;
  for (std::size_t i = 0; i < std::min(reference.size(), decoded.size()); ++i) {
    const double r = reference[i] / 32768.0;
    signal += r * r;
    noise += (r - decoded[i]) * (r - decoded[i]);
  }
  return 10 * std::log10(signal / std::max(noise, 1e-20));
}

class SplitTest : public MP3OutTest {
 protected:
  // Helpers are free whatever else this machine runs.
  void SetUp() override { TCoreBudget::SetJobs(3); }
  void TearDown() override { TCoreBudget::SetJobs(0); }
};

}  // namespace

TEST_F(SplitTest, SeamsKeepTheSerialLengthAndQuality) {
  const Encoding encodings[] = {{.kbps = 32}, {.kbps = 320}, {.vbrMin = 32, .vbrMax = 64}, {.vbrMin = 256, .vbrMax = 320}};
  for (Signal kind : {Signal::Quiet, Signal::Noise, Signal::Clicks}) {
    const std::vector<short> pcm = MakeSignal(kind, 44100, 4.0);
    for (const Encoding& e : encodings) {
      SCOPED_TRACE(testing::Message() << "signal " << int(kind) << ", " << e.kbps << " kbps, vbr " << e.vbrMax);
      const Encoded serial = Encode(Out("serial.mp3"), pcm, e, false);
      const Encoded split = Encode(Out("split.mp3"), pcm, e, true);
      EXPECT_FALSE(serial.report.Used);
      EXPECT_TRUE(split.report.Used);
      EXPECT_GT(split.report.HelperParts, 0);
      EXPECT_GE(split.report.Seams + split.report.Continued, 4);
      ASSERT_TRUE(serial.audio.Clean);
      EXPECT_TRUE(split.audio.Clean);
      EXPECT_EQ(split.audio.Packets, serial.audio.Packets);
      EXPECT_EQ(split.audio.Samples.size(), serial.audio.Samples.size());
      const double serialSnr = Snr(pcm, serial.audio.Samples), splitSnr = Snr(pcm, split.audio.Samples);
      EXPECT_GE(splitSnr, serialSnr - 0.3) << "seams: " << split.report.Seams << ", continued " << split.report.Continued;
    }
  }
}

// A file the encoder would resample is resampled before it is cut, so that the
// parts meet on the output's frame grid. Two tones have the same samples at any
// rate: the split file must match them as closely as the serial encode does.
TEST_F(SplitTest, AFileAtAnotherRateIsResampledBeforeItIsCut) {
  const Encoding cases[] = {
      {.rate = 48000, .out = TMP3SampleRate::sr41kHz, .kbps = 192},
      {.rate = 32000, .channels = 1, .out = TMP3SampleRate::sr48kHz, .mode = TMP3Mode::MONO, .vbrMin = 32, .vbrMax = 320},
  };
  auto tones = [](int rate, int channels, double seconds) {
    std::vector<short> pcm(std::size_t(rate * seconds) * channels);
    for (std::size_t i = 0; i < pcm.size(); ++i) {
      const double t = double(i / channels) / rate;
      pcm[i] = short(std::lround(9000 * std::sin(2 * M_PI * 440 * t) + 4000 * std::sin(2 * M_PI * 3100 * t)));
    }
    return pcm;
  };
  for (const Encoding& e : cases) {
    SCOPED_TRACE(testing::Message() << e.rate << " Hz");
    const Encoded serial = Encode(Out("serial.mp3"), tones(e.rate, e.channels, 4.0), e, false);
    const Encoded split = Encode(Out("split.mp3"), tones(e.rate, e.channels, 4.0), e, true);
    EXPECT_GE(split.report.Seams + split.report.Continued, 4);
    ASSERT_TRUE(serial.audio.Clean);
    EXPECT_TRUE(split.audio.Clean);
    EXPECT_EQ(split.audio.SampleRate, serial.audio.SampleRate);
    EXPECT_EQ(split.audio.Packets, serial.audio.Packets);
    // Two resamplers: the lengths may differ by a rounding.
    EXPECT_NEAR(double(split.audio.Samples.size()), double(serial.audio.Samples.size()), 2.0 * e.channels);
    const std::vector<short> ideal = tones(serial.audio.SampleRate, e.channels, 4.0);
    const double serialSnr = Snr(ideal, serial.audio.Samples), splitSnr = Snr(ideal, split.audio.Samples);
    EXPECT_GE(splitSnr, serialSnr - 0.3);
  }
}

namespace {

// The Xing/Info frame and the encoder's tag in it, read by hand.
struct TagFields {
  bool found = false;
  long long frames = 0, bytes = 0, musicLength = 0;
  int delay = 0, padding = 0;
  bool tocRises = true;
  bool tagCrcHolds = false, musicCrcHolds = false;
  long long id3v2 = 0, id3v1 = 0, fileBytes = 0;
};

std::uint16_t Crc16(const unsigned char* p, std::size_t n) {
  std::uint16_t crc = 0;
  for (std::size_t i = 0; i < n; ++i) {
    crc ^= p[i];
    for (int b = 0; b < 8; ++b) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
  }
  return crc;
}

TagFields ReadTag(const QString& path) {
  TagFields t;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return t;
  const QByteArray all = f.readAll();
  const auto* d = reinterpret_cast<const unsigned char*>(all.constData());
  std::size_t start = 0, end = all.size();
  if (all.startsWith("ID3")) start = 10 + ((d[6] << 21) | (d[7] << 14) | (d[8] << 7) | d[9]);
  if (end >= 128 && all.mid(end - 128, 3) == "TAG") end -= 128;
  t.id3v2 = start;
  t.id3v1 = all.size() - end;
  t.fileBytes = all.size();
  const unsigned char* frame = d + start;
  const std::size_t at = 4 + 32;  // MPEG-1 stereo, no CRC
  if (std::memcmp(frame + at, "Info", 4) != 0 && std::memcmp(frame + at, "Xing", 4) != 0) return t;
  auto be32 = [](const unsigned char* p) { return (static_cast<long long>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3]; };
  t.found = true;
  t.frames = be32(frame + at + 8);
  t.bytes = be32(frame + at + 12);
  for (int i = 1; i < 100; ++i) t.tocRises = t.tocRises && frame[at + 16 + i] >= frame[at + 15 + i];
  const unsigned char* lame = frame + at + 120;
  t.delay = (lame[21] << 4) | (lame[22] >> 4);
  t.padding = ((lame[22] & 15) << 8) | lame[23];
  t.musicLength = be32(lame + 28);
  t.tagCrcHolds = Crc16(frame, at + 120 + 34) == ((lame[34] << 8) | lame[35]);
  const std::size_t tagBytes = 417;  // 128 kbps at 44.1 kHz, no padding
  t.musicCrcHolds = Crc16(frame + tagBytes, end - start - tagBytes) == ((lame[32] << 8) | lame[33]);
  return t;
}

}  // namespace

TEST_F(SplitTest, TheJoinedStreamHasOneTagForTheWholeOfIt) {
  const std::vector<short> pcm = MakeSignal(Signal::Clicks, 44100, 6.0);
  const Encoding e{.kbps = 128};
  auto tagged = [](TMP3Out& sink) { sink.Id3TagTitle = "Joined"; };
  const Encoded serial = Encode(Out("serial.mp3"), pcm, e, false, 16, tagged);
  const Encoded split = Encode(Out("split.mp3"), pcm, e, true, 16, tagged);
  ASSERT_GT(split.report.Seams, 0);
  const TagFields a = ReadTag(Out("serial.mp3")), b = ReadTag(Out("split.mp3"));
  // The encoder's own tag passes the same checks, which shows they are its rules.
  for (const TagFields& t : {a, b}) {
    ASSERT_TRUE(t.found);
    EXPECT_TRUE(t.tagCrcHolds);
    EXPECT_TRUE(t.musicCrcHolds);
    EXPECT_TRUE(t.tocRises);
    EXPECT_EQ(t.bytes, t.musicLength);
  }
  EXPECT_EQ(b.frames, split.audio.Packets);
  EXPECT_EQ(b.frames, a.frames);
  EXPECT_EQ(b.delay, a.delay);
  EXPECT_EQ(b.padding, a.padding);
  EXPECT_EQ(b.frames * 1152 - b.delay - b.padding, long(pcm.size() / 2));
  // The tags around the stream, as the encoder puts them.
  EXPECT_GT(b.id3v2, 0);
  EXPECT_EQ(b.id3v1, 128);
  EXPECT_EQ(b.fileBytes, b.id3v2 + b.bytes + b.id3v1);
  EXPECT_EQ(a.fileBytes, a.id3v2 + a.bytes + a.id3v1);
  EXPECT_EQ(ReadMedia(Out("split.mp3")).Tags.at("title"), "Joined");
  EXPECT_EQ(split.audio.Samples.size(), pcm.size());  // gapless: exactly the input's length
}

// Pausing, stopping and cancelling a file in parts behave as with one encoder, and
// the helpers give their cores back.
class SplitPathTest : public SplitTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    SplitTest::SetUp();
    TAtomicFile::AllowAnonymous = GetParam();
  }
  void TearDown() override {
    TAtomicFile::AllowAnonymous = true;
    SplitTest::TearDown();
  }
};

INSTANTIATE_TEST_SUITE_P(Paths, SplitPathTest, ::testing::Values(true, false), PathName);

TEST_P(SplitPathTest, PauseStopAndCancelWhileSplit) {
  const std::vector<short> pcm = MakeSignal(Signal::Noise, 44100, 40.0);
  for (bool cancel : {false, true}) {
    SCOPED_TRACE(cancel);
    SinkHarness h;
    ToneInput input(44100, 2, 0);
    input.Samples = pcm;
    input.DelayPerRead = std::chrono::milliseconds(1);
    h.sink.SetInput(&input);
    const QString name = Out(cancel ? "cancelled.mp3" : "stopped.mp3");
    h.sink.FileName = name;
    h.sink.SplitPartFrames = 32;
    h.sink.Run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return input.Delivered > input.TotalBytes() / 4; }, 60000));
    h.sink.Pause();
    QTest::qWait(100);
    const auto reads = input.Reads.load();
    QTest::qWait(300);
    EXPECT_EQ(input.Reads.load(), reads);
    h.sink.Resume();
    ASSERT_TRUE(QTest::qWaitFor([&] { return input.Reads.load() > reads; }, 10000));
    if (cancel) h.sink.DiscardRun();
    h.sink.Stop();
    ASSERT_TRUE(h.WaitIdle());
    EXPECT_EQ(h.failures, 0) << h.Failure();
    EXPECT_LT(input.Delivered, input.TotalBytes());
    if (cancel) {
      EXPECT_FALSE(QFile::exists(name));
    } else {
      const DecodedAudio a = DecodeAudio(name);
      EXPECT_TRUE(a.Clean);
      EXPECT_EQ(a.Samples.size(), std::size_t(input.Delivered / 2));  // all that was read, gapless
    }
    EXPECT_TRUE(h.sink.SplitReport().Used);
  }
  EXPECT_EQ(Leftovers(), QStringList{"stopped.mp3"});  // nothing of the cancelled run, named or hidden
  // Every helper gave its core back: all three are free.
  int taken = 0;
  while (TCoreBudget::TryTakeHelper()) ++taken;
  for (int i = 0; i < taken; ++i) TCoreBudget::GiveHelper();
  EXPECT_EQ(taken, 3);
}

// Every layout the joiner meets: MPEG-1 at 32 and 48 kHz, MPEG-2 and 2.5 at low
// rates, mono, stereo and joint stereo, constant and variable rate, with and
// without CRC protection (which the joiner computes anew for each frame).
TEST_F(SplitTest, EveryFrameLayoutJoinsCleanly) {
  struct Case {
    Encoding e;
    bool crc;
  };
  const Case cases[] = {
      {{.rate = 32000, .channels = 1, .out = TMP3SampleRate::sr32kHz, .mode = TMP3Mode::MONO, .kbps = 32}, true},
      {{.rate = 48000, .out = TMP3SampleRate::sr48kHz, .mode = TMP3Mode::STEREO, .kbps = 320}, true},
      {{.rate = 48000, .out = TMP3SampleRate::sr48kHz, .vbrMin = 32, .vbrMax = 320}, false},
      {{.rate = 32000, .out = TMP3SampleRate::sr32kHz, .mode = TMP3Mode::STEREO, .vbrMin = 64, .vbrMax = 128}, true},
      {{.rate = 16000, .out = TMP3SampleRate::srDefault, .kbps = 32}, true},
      {{.rate = 8000, .channels = 1, .out = TMP3SampleRate::srDefault, .mode = TMP3Mode::MONO, .kbps = 8}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.e.rate << " Hz, " << c.e.kbps << " kbps, vbr " << c.e.vbrMax);
    const std::vector<short> pcm = MakeSignal(Signal::Clicks, c.e.rate, c.e.rate < 32000 ? 10.0 : 4.0, c.e.channels);
    auto crc = [&](TMP3Out& sink) { sink.CRC = c.crc; };
    const Encoded serial = Encode(Out("serial.mp3"), pcm, c.e, false, 16, crc);
    const Encoded split = Encode(Out("split.mp3"), pcm, c.e, true, 16, crc);
    EXPECT_GE(split.report.Seams + split.report.Continued, 3);
    ASSERT_TRUE(serial.audio.Clean);
    EXPECT_TRUE(split.audio.Clean);
    EXPECT_EQ(split.audio.SampleRate, c.e.rate);
    EXPECT_EQ(split.audio.Packets, serial.audio.Packets);
    EXPECT_EQ(split.audio.Samples.size(), serial.audio.Samples.size());
  }
}
