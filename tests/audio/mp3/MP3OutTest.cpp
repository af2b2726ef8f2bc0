#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <algorithm>
#include <csignal>
#include <mutex>
#include <sys/file.h>
#include <sys/resource.h>

#include "AtomicFile.h"
#include "AudioException.h"
#include "FrameBits.h"
#include "MP3Out.h"
#include "MediaCheck.h"
#include "SinkHarness.h"
#include "ToneInput.h"

namespace {

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
    h.settings.SampleRate = c.out;
    h.settings.BitRate = c.rate;
    h.settings.Quality = TMP3Quality::ql2;
    h.settings.Mode = TMP3Mode::JOINT_STEREO;
    h.Run();
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
    h.settings.Mode = mode;
    h.settings.SampleRate = TMP3SampleRate::sr41kHz;
    h.Run();
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
  h.settings.SampleRate = TMP3SampleRate::sr41kHz;
  h.settings.EnableVBR = true;
  h.settings.WriteVBRHeader = true;
  h.settings.VBRQuality = TMP3Quality::ql2;
  h.settings.VBRMinBitrate = 256;
  h.settings.VBRMaxBitrate = 128;
  h.Run();
  ASSERT_TRUE(h.WaitIdle());
  EXPECT_EQ(h.done, 1);
  QFile file(h.sink.FileName);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray head = file.read(64 * 1024);
  const qsizetype xing = head.indexOf("Xing");
  ASSERT_GE(xing, 0);
  // The encoder's tag follows the 120 bytes of the Xing fields; the low nibble of
  // its tenth byte is the VBR method: 4 for the fast one the encoder defaults to.
  ASSERT_EQ(head.mid(xing + 120, 4), "LAME");
  EXPECT_EQ(head[xing + 129] & 0x0F, 4);
  // Its 21st byte names the least bit rate a variable-rate stream may take: the
  // lower of the two limits, given the wrong way round.
  EXPECT_EQ(std::uint8_t(head[xing + 140]), 128);
  const MediaFacts f = ReadMedia(h.sink.FileName);
  EXPECT_TRUE(f.DecodedCleanly);
  ExpectLength(f, 4.0);
}

TEST_F(MP3OutTest, TagsReadBackIncludingTextsLatin1CannotHold) {
  SinkHarness h;
  ToneInput tone(44100, 2, 1.0);
  h.sink.SetInput(&tone);
  h.sink.FileName = Out("tags.mp3");
  h.tags.Title = "Καλημέρα κόσμε";
  h.tags.Artist = "Björk Guðmundsdóttir";
  h.tags.Album = "日本語のアルバム";
  h.tags.Year = "1999";
  h.tags.Genre = "Jazz";
  h.tags.Comment = "A comment that is longer than thirty characters";
  h.Run();
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
  EXPECT_THROW(h.Run(), EAudioException);
  h.sink.SetInput(&tone);

  // Pausing while idle changes nothing visible; a stop while idle must not cut the next run.
  h.sink.Pause();
  EXPECT_EQ(h.sink.Status(), TOutputStatus::Idle);
  h.sink.Stop();
  h.Run();
  EXPECT_EQ(h.sink.Status(), TOutputStatus::Active);
  try {
    h.Run();
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
  h.Run();
  ASSERT_TRUE(h.WaitIdle());
  EXPECT_EQ(h.done, 1);
  EXPECT_EQ(h.sink.Input(), nullptr);
  EXPECT_TRUE(QFileInfo::exists(h.sink.FileName));
  // Ready for the next run once a new input is set.
  ToneInput next(44100, 2, 1.0);
  h.sink.SetInput(&next);
  h.sink.OnDone = [&](TComponent*) { ++h.done; };
  h.Run();
  ASSERT_TRUE(QTest::qWaitFor([&] { return h.done == 2; }, 20000));
  ExpectLength(ReadMedia(h.sink.FileName), 1.0);
}

TEST_F(MP3OutTest, InputFailingMidRunTakesTheFailurePathAndKeepsTheAudioSoFar) {
  SinkHarness h;
  ToneInput tone(44100, 2, 5.0);
  tone.FailAfterBytes = tone.TotalBytes() / 2;
  h.sink.SetInput(&tone);
  h.sink.FileName = Out("broken.mp3");
  h.Run();
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
  h.Run();  // failures never reach the caller of Run
  EXPECT_EQ(h.failures, 1);
  EXPECT_EQ(h.done, 0);
  EXPECT_EQ(h.sink.Status(), TOutputStatus::Idle);
  QFile f(target);
  f.open(QIODevice::ReadOnly);
  EXPECT_EQ(f.readAll(), "precious");
  EXPECT_EQ(Leftovers(), QStringList{"keep.mp3"});

  h.sink.FileName.clear();
  tone.FailOnOpen = false;
  h.Run();
  EXPECT_EQ(h.Failure(), "File name is not assigned.");

  h.sink.FileName = dir.filePath("no/such/folder/x.mp3");
  h.Run();
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
  h.Run();
  ASSERT_TRUE(QTest::qWaitFor([&] { return h.failures == 1; }, 20000));
  QTest::qWait(50);
  EXPECT_EQ(h.done, 0);
  EXPECT_EQ(h.Failure(), "No space left on device");
}

// A caller's stream cannot go back for the finished Info frame: what heads it
// stays blank after its header, as the encoder's own stand-in does, also where
// the frame is made for a stream whose frames are too small to hold it. No
// counts of a stand-in may cut the audio short.
TEST_F(MP3OutTest, AStreamThatCannotGoBackKeepsABlankStandIn) {
  for (TMP3BitRate rate : {TMP3BitRate::br32, TMP3BitRate::br128})
    for (bool split : {false, true}) {
      SCOPED_TRACE(testing::Message() << KbpsOf(rate) << " kbps, split " << split);
      struct Memory : TOutputStream {
        QByteArray bytes;
        void Write(const void* data, std::size_t size) override { bytes.append(static_cast<const char*>(data), qsizetype(size)); }
      } stream;
      SinkHarness h;
      ToneInput tone(44100, 2, 3.0);
      h.sink.SetInput(&tone);
      h.sink.Stream = &stream;
      h.sink.StreamAssigned = true;
      h.settings.SampleRate = TMP3SampleRate::sr41kHz;
      h.settings.BitRate = rate;
      h.settings.SplitFiles = split;
      h.settings.SplitPartFrames = 16;
      h.Run();
      ASSERT_TRUE(h.WaitIdle());
      EXPECT_EQ(h.failures, 0) << h.Failure();
      EXPECT_EQ(h.sink.SplitReport().Used, split);
      const auto* p = reinterpret_cast<const std::uint8_t*>(stream.bytes.constData());
      const auto head = stream.bytes.size() > 4 ? framebits::ReadFrame(p) : std::nullopt;
      ASSERT_TRUE(head);
      ASSERT_LT(head->bytes, stream.bytes.size());
      EXPECT_TRUE(std::all_of(p + 4, p + head->bytes, [](std::uint8_t b) { return b == 0; }));
      QFile f(Out("stream.mp3"));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
      f.write(stream.bytes);
      f.close();
      const DecodedAudio audio = DecodeAudio(f.fileName());
      EXPECT_TRUE(audio.Clean);
      EXPECT_NEAR(double(audio.Samples.size()) / 2, 3.0 * 44100, 3 * 1152);
    }
}

TEST_P(MP3OutPathTest, FolderRemovedUnderTheRunFailsAndWritesNothingUnderTheName) {
  const QString sub = dir.filePath("gone");
  QDir().mkpath(sub);
  SinkHarness h;
  ToneInput tone(44100, 2, 5.0);
  tone.DelayPerRead = std::chrono::milliseconds(3);
  h.sink.SetInput(&tone);
  h.sink.FileName = sub + "/out.mp3";
  h.Run();
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
    h.Run();
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
    h.Run();
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
  h.Run();
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
    h.Run();
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
    h.Run();
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
