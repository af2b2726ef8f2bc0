#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/frame.h>
}

#include "AudioFileReader.h"
#include "BlockingConverter.h"
#include "FFmpegIn.h"
#include "FrameConverter.h"
#include "Globals.h"
#include "MediaLength.h"
#include "MP3Out.h"
#include "MediaCheck.h"
#include "MediaMaker.h"
#include "Paths.h"
#include "Probe.h"
#include "TaskReader.h"
#include "TaskOps.h"
#include "TestSupport.h"

namespace {

constexpr std::int64_t Second = 10000000;

class DecodingTest : public ::testing::Test {
 protected:
  TestFolder t;
  QString Path(const QString& name) { return t.Path(name); }

  // Reads a file the way the main window does, with the automatic output name.
  TReadOutcome Probe(const QString& path) {
    TReadResult read = TTaskReader(DefaultSettings).Read(path);
    if (!read.Ok()) return read.Outcome;
    read.Task.DstFile = OutputNameFor(read.Task, IsOutputTaken);
    CurrentTask = read.Task;
    return read.Outcome;
  }
};

TEST_F(DecodingTest, EveryInputFormatConvertsToStereoMp3OfTheSameLength) {
  struct Case {
    const char* name;
    int rate, channels;
    const char* format;  // wav sample format, or "wma"
  };
  const Case cases[] = {{"s16-stereo.wav", 44100, 2, "s16"}, {"s16-mono.wav", 22050, 1, "s16"},
                        {"u8-mono.wav", 48000, 1, "u8"},     {"u8-stereo.wav", 44100, 2, "u8"},
                        {"surround.wav", 48000, 6, "s16"},   {"float.wav", 96000, 2, "flt"},
                        {"stereo.wma", 44100, 2, "wma"},     {"mono.wma", 22050, 1, "wma"}};
  TMP3Out sink;
  TMP3OutSettings settings;
  settings.Quality = TMP3Quality::ql2;
  sink.SetSettings(settings);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ToneSpec tone{2.5, c.rate, c.channels, {}};
    const QString in = Path(c.name);
    ASSERT_TRUE(std::string(c.format) == "wma" ? MakeWma(in, tone) : MakeWav(in, tone, c.format));
    ASSERT_EQ(Probe(in), TReadOutcome::Read);
    EXPECT_EQ(CurrentTask.SrcSampleRate, c.rate);
    EXPECT_EQ(CurrentTask.SrcChannels, c.channels);
    EXPECT_NEAR(CurrentTask.Duration / 1e7, 2.5, 0.05);
    CurrentTask.SampleRate = c.rate == 48000 ? 48000 : 44100;
    ASSERT_EQ(ConvertTask(CurrentTask, sink).Problem(), "");
    const MediaFacts f = ReadMedia(CurrentTask.DstFile);
    EXPECT_TRUE(f.DecodedCleanly);
    EXPECT_EQ(f.Channels, 2);
    EXPECT_EQ(f.SampleRate, CurrentTask.SampleRate);
    // WMA's own encoder delay adds up to one block of its frames.
    const double slack = 1152.0 / f.SampleRate + (std::string(c.format) == "wma" ? 2048.0 / c.rate : 0);
    EXPECT_NEAR(double(f.DecodedFrames) / f.SampleRate, 2.5, slack);
    if (c.channels == 1) {
      EXPECT_TRUE(f.ChannelsIdentical);
    }
  }
}

TEST_F(DecodingTest, TagsOfWindowsMediaFilesReachTheMp3) {
  const QString in = Path("tagged.wma");
  ASSERT_TRUE(MakeWma(in, {1.5, 44100, 2,
                           {{"title", "Ünïcode Titel"}, {"artist", "Some Artist"}, {"album", "The Album"},
                            {"date", "2004"}, {"genre", "Jazz"}, {"comment", "Recorded live"}}}));
  ASSERT_EQ(Probe(in), TReadOutcome::Read);
  EXPECT_EQ(CurrentTask.Title, "Ünïcode Titel");
  EXPECT_EQ(CurrentTask.Artist, "Some Artist");
  EXPECT_EQ(CurrentTask.Album, "The Album");
  EXPECT_EQ(CurrentTask.Year, "2004");
  EXPECT_EQ(CurrentTask.Genre, "Jazz");
  EXPECT_EQ(CurrentTask.Comment, "Recorded live");
  TMP3Out sink;
  ASSERT_EQ(ConvertTask(CurrentTask, sink).Problem(), "");
  const MediaFacts f = ReadMedia(CurrentTask.DstFile);
  EXPECT_EQ(f.Tags.at("title"), "Ünïcode Titel");
  EXPECT_EQ(f.Tags.at("artist"), "Some Artist");
  EXPECT_EQ(f.Tags.at("album"), "The Album");
  EXPECT_EQ(f.Tags.at("date"), "2004");
  EXPECT_EQ(f.Tags.at("genre"), "Jazz");
  EXPECT_EQ(f.Tags.at("comment"), "Recorded live");
}

TEST_F(DecodingTest, ProbeNamesOutputsAndFillsTheTask) {
  DefaultSettings.AudioBitrate = 192;
  DefaultSettings.InputFileDir = Path("last/");
  DefaultSettings.OutputFileDir = Path("last/");
  QDir().mkpath(Path("in"));
  const QString in = Path("in/song.WmV");
  ASSERT_TRUE(MakeWma(in, {2.0, 44100, 2, {{"author", "Second Slot"}}}));
  ASSERT_EQ(Probe(in), TReadOutcome::Read);
  // An output folder equal to the last input folder puts the output beside the new input;
  // reading changes no setting.
  EXPECT_EQ(CurrentTask.DstFile, Path("in/song.mp3"));
  EXPECT_EQ(DefaultSettings.OutputFileDir, Path("last/"));
  EXPECT_EQ(CurrentTask.Title, "song");
  EXPECT_TRUE(CurrentTask.HasAudio);
  EXPECT_EQ(CurrentTask.BitRate, 192);
  EXPECT_EQ(CurrentTask.EstimatedSize, ProbeSizeEstimate(CurrentTask));
  StoreCurrentTask(true, 0);
  // The same input again: its output is another task's already.
  ASSERT_EQ(Probe(in), TReadOutcome::Read);
  EXPECT_EQ(CurrentTask.DstFile, Path("in/song(2).mp3"));

  ASSERT_TRUE(MakeWma(Path("in/long.wma"), {1.0, 44100, 2, {{"title", std::string(300, 'x')}}}));
  ASSERT_EQ(Probe(Path("in/long.wma")), TReadOutcome::Read);
  EXPECT_EQ(CurrentTask.Title.size(), 255);
  // A title of only spaces would make a blank line in the list: the file's name stands in.
  ASSERT_TRUE(MakeWma(Path("in/blank.wma"), {1.0, 44100, 2, {{"title", "   "}}}));
  ASSERT_EQ(Probe(Path("in/blank.wma")), TReadOutcome::Read);
  EXPECT_EQ(CurrentTask.Title, "blank");
}

TEST_F(DecodingTest, RealMediaTakesMissingTextsFromItsId3v1Tag) {
  const QString in = Path("clip.rm");
  TMediaTags tags;
  QFile f(in);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray(500, '\0'));
  QByteArray v1(128, '\0');
  v1.replace(0, 3, "TAG");
  v1.replace(3, 5, "Title");
  v1.replace(33, 6, "Artist");
  v1[127] = 8;  // Jazz
  f.write(v1);
  f.close();
  ReadMediaTags(in, tags);
  EXPECT_EQ(tags.Title, "Title");
  EXPECT_EQ(tags.Artist, "Artist");
  EXPECT_EQ(tags.Genre, "Jazz");
  EXPECT_TRUE(tags.Album.isNull());
  // Other containers do not look for one.
  QFile::copy(in, Path("clip.wma"));
  ReadMediaTags(Path("clip.wma"), tags);
  EXPECT_TRUE(tags.Title.isNull());
}

TEST_F(DecodingTest, SourceAsksForBlocksSizedToItsConversions) {
  struct Case {
    int channels;
    const char* format;
    int request;
  };
  for (const Case c : {Case{2, "s16", 32768}, Case{1, "s16", 16384}, Case{1, "u8", 8192}, Case{2, "u8", 16384}}) {
    const QString in = Path(QString("block-%1-%2.wav").arg(c.channels).arg(c.format));
    ASSERT_TRUE(MakeWav(in, {1.0, 8000, c.channels, {}}, c.format));
    TFFmpegIn source;
    source.FileName = in;
    source.OpenInput();
    EXPECT_EQ(source.GetChannels(), 2);
    EXPECT_EQ(source.GetBitsPerSample(), 16);
    EXPECT_EQ(source.Size, 8000 * 4);
    std::vector<char> buf(16384);
    std::int64_t total = 0;
    int first = source.ReadData(buf.data(), int(buf.size()));
    EXPECT_EQ(source.LastRequest(), c.request);
    for (int n = first; n > 0; n = source.ReadData(buf.data(), int(buf.size()))) total += n;
    EXPECT_EQ(total, 8000 * 4);
    EXPECT_EQ(source.ReadData(buf.data(), int(buf.size())), 0);
    source.CloseInput();
    EXPECT_EQ(source.OpenCount, 0);
    EXPECT_EQ(source.Reader(), nullptr);
    EXPECT_THROW(source.ReadData(buf.data(), 4), std::runtime_error);
    source.CloseFile();  // with nothing open: nothing happens
    EXPECT_EQ(source.OpenCount, 0);
  }
}

TEST_F(DecodingTest, WideningAndDuplicatingWorkInPlace) {
  std::uint8_t block[16] = {0, 128, 255, 1};
  TFFmpegIn::WidenSamples(block, 4);
  const std::int16_t* s = reinterpret_cast<const std::int16_t*>(block);
  EXPECT_EQ(s[0], -32768);
  EXPECT_EQ(s[1], 0);
  EXPECT_EQ(s[2], 127 * 256);
  EXPECT_EQ(s[3], -127 * 256);
  std::int16_t mono[8] = {1, -2, 300, -400};
  TFFmpegIn::DuplicateChannels(reinterpret_cast<std::uint8_t*>(mono), 8);
  EXPECT_EQ(std::vector<std::int16_t>(mono, mono + 8), (std::vector<std::int16_t>{1, 1, -2, -2, 300, 300, -400, -400}));
}

TEST_F(DecodingTest, ReaderPositionsAndSeeks) {
  const QString in = Path("seek.wav");
  ASSERT_TRUE(MakeWav(in, {3.0, 44100, 2, {}}));
  TAudioFileReader reader(in);
  EXPECT_EQ(reader.Duration, 3 * Second);
  std::vector<char> buf(44100 * 4);
  try {
    reader.Read(buf.data(), 0);
    ADD_FAILURE();
  } catch (const EAudioReadError& e) {
    EXPECT_STREQ(e.what(), "Invalid buffer size.");
    EXPECT_EQ(e.ErrorCode, 0x08000001);
  }
  EXPECT_EQ(reader.Read(buf.data(), int(buf.size())), 44100 * 4);
  EXPECT_EQ(reader.Position(), Second);
  reader.Seek(2 * Second);
  EXPECT_EQ(reader.Position(), 2 * Second);
  EXPECT_EQ(reader.Read(buf.data(), int(buf.size())), 44100 * 4);
  EXPECT_EQ(reader.Position(), 3 * Second);
  EXPECT_EQ(reader.Read(buf.data(), int(buf.size())), 0);
  EXPECT_EQ(reader.Position(), 3 * Second);  // stays at the end of the last block
  reader.Seek(-5);
  EXPECT_EQ(reader.Position(), 0);
  EXPECT_EQ(reader.Read(buf.data(), 400), 400);
  reader.Seek(99 * Second);
  EXPECT_EQ(reader.Position(), 3 * Second);
}

TEST_F(DecodingTest, LoopingRestartsAndPendingSeeksApplyAtTheRefill) {
  const QString in = Path("loop.wav");
  ASSERT_TRUE(MakeWav(in, {1.0, 8000, 2, {}}));
  TFFmpegIn source;
  source.FileName = in;
  source.Loop = true;
  source.OpenInput();
  std::vector<char> buf(16384);
  std::int64_t total = 0;
  for (int i = 0; i < 10; ++i) total += source.ReadData(buf.data(), int(buf.size()));
  EXPECT_GT(total, source.Size * 2);  // went round more than twice
  source.CloseInput();

  source.Loop = false;
  source.OpenInput();
  source.SeekSample(source.Size / 2);
  total = 0;
  for (int n; (n = source.ReadData(buf.data(), int(buf.size()))) > 0;) total += n;
  EXPECT_NEAR(double(total), source.Size / 2.0, 400);
  source.CloseInput();

  const QString empty = Path("empty.wav");
  ASSERT_TRUE(MakeWav(empty, {0.0, 8000, 2, {}}));
  TFFmpegIn none;
  none.FileName = empty;
  none.Loop = true;
  try {
    none.OpenInput();
    EXPECT_EQ(none.ReadData(buf.data(), int(buf.size())), 0);
  } catch (const EAudioReadError&) {
    // An empty file may also be refused outright; it must never loop forever.
  }
}

// Sources finer than 16 bits reach the encoder as floating point; 16 and 8-bit
// ones as 16-bit. The MP3 is the same either way in rate, channels, length and tags.
TEST_F(DecodingTest, FinerSourcesTakeTheFloatPath) {
  const std::map<std::string, std::string> tags{{"title", "Fine"}, {"artist", "Path"}};
  ASSERT_TRUE(MakeWav(Path("float.wav"), {2.0, 48000, 2, tags}, "flt"));
  ASSERT_TRUE(MakeFlac24(Path("deep.flac"), {2.0, 44100, 1, tags}));
  ASSERT_TRUE(MakeWma(Path("wm.wma"), {2.0, 44100, 2, tags}));
  ASSERT_TRUE(MakeWav(Path("plain.wav"), {2.0, 44100, 2, tags}, "s16"));
  ASSERT_TRUE(MakeWav(Path("byte.wav"), {2.0, 22050, 1, tags}, "u8"));
  TMP3Out sink;
  for (const auto& [name, format] : std::map<QString, TSampleFormat>{{"float.wav", TSampleFormat::sfFloat32},
                                                                     {"deep.flac", TSampleFormat::sfFloat32},
                                                                     {"wm.wma", TSampleFormat::sfFloat32},
                                                                     {"plain.wav", TSampleFormat::sfInt16},
                                                                     {"byte.wav", TSampleFormat::sfInt16}}) {
    SCOPED_TRACE(name.toStdString());
    {
      TFFmpegIn source;
      source.FileName = Path(name);
      source.OpenInput();
      EXPECT_EQ(source.GetSampleFormat(), format);
      const int frameBytes = 2 * (format == TSampleFormat::sfFloat32 ? 4 : 2);
      EXPECT_NEAR(double(source.Size) / frameBytes / source.GetSampleRate(), 2.0, 0.11);
      source.CloseInput();
    }
    ASSERT_EQ(Probe(Path(name)), TReadOutcome::Read);
    CurrentTask.Title = "Fine";
    ASSERT_EQ(ConvertTask(CurrentTask, sink).Problem(), "");
    const MediaFacts f = ReadMedia(CurrentTask.DstFile);
    EXPECT_TRUE(f.DecodedCleanly);
    EXPECT_EQ(f.Channels, 2);
    EXPECT_EQ(f.SampleRate, CurrentTask.SampleRate);
    EXPECT_NEAR(double(f.DecodedFrames) / f.SampleRate, CurrentTask.Duration / 1e7,
                1152.0 / f.SampleRate + (name == "wm.wma" ? 0.05 : 0));
    EXPECT_EQ(f.Tags.at("title"), "Fine");
    EXPECT_EQ(f.Tags.at("artist"), "Path");
  }
}

// Joined recordings: the second part has other channels or another rate.
TEST_F(DecodingTest, StreamsThatChangeFormatConvertWhole) {
  struct Case {
    const char* name;
    ToneSpec first, second;
  };
  const Case cases[] = {{"stereo-then-mono", {6.0, 44100, 2, {}}, {4.0, 22050, 1, {}}},
                        {"rate-halves", {6.0, 44100, 2, {}}, {4.0, 22050, 2, {}}},
                        {"mono-then-stereo", {3.0, 22050, 1, {}}, {3.0, 48000, 2, {}}}};
  TMP3Out sink;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString a = Path("a.mp3"), b = Path("b.mp3"), joined = Path(QString(c.name) + ".mp3");
    ASSERT_TRUE(MakeMp3(a, c.first) && MakeMp3(b, c.second));
    QFile out(joined), fa(a), fb(b);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
    out.write(fa.readAll() + fb.readAll());
    out.close();
    const double seconds = c.first.Seconds + c.second.Seconds;
    // Each part carries its encoder's delay and padding.
    const double slack = 0.15;

    ASSERT_EQ(Probe(joined), TReadOutcome::Read);
    EXPECT_NEAR(CurrentTask.Duration / 1e7, seconds, slack);
    {
      TAudioFileReader reader(joined);
      std::vector<char> block(16384);
      while (reader.Read(block.data(), int(block.size())) > 0) {
      }
      EXPECT_NEAR(reader.Position() / 1e7, seconds, slack);
      EXPECT_EQ(reader.StatedDuration, -1);  // joined parts state no length for the whole
    }
    CurrentTask.DstFile = Path(QString(c.name) + "-out.mp3");
    const TConvertResult r = ConvertTask(CurrentTask, sink);
    EXPECT_EQ(r.Problem(), "");
    const MediaFacts f = ReadMedia(CurrentTask.DstFile);
    EXPECT_TRUE(f.DecodedCleanly);
    EXPECT_EQ(f.Channels, 2);
    EXPECT_EQ(f.SampleRate, CurrentTask.SampleRate);
    EXPECT_NEAR(double(f.DecodedFrames) / f.SampleRate, seconds, slack);
  }
}

// The source decodes ahead of the sink, a few blocks at most; what it reports as
// delivered is what the sink has, and pausing, stopping and closing with the
// queue full neither hang nor lose the file.
TEST_F(DecodingTest, DecodingAheadStaysBoundedAndBehindTheSink) {
  ASSERT_TRUE(MakeWma(Path("long.wma"), {60.0, 44100, 2, {}}));
  const double blockSeconds = TFFmpegIn::BlockSize / (44100.0 * 8);  // float stereo
  {
    TFFmpegIn source;
    source.FileName = Path("long.wma");
    source.OpenInput();
    std::vector<char> buffer(16384);
    ASSERT_GT(source.ReadData(buffer.data(), int(buffer.size())), 0);
    // The decoder fills its queue while nobody reads, and then waits: exactly
    // BlocksAhead whole blocks beyond the one handed out.
    const double bound = TFFmpegIn::BlocksAhead * blockSeconds;
    auto ahead = [&] { return (source.Reader()->Position() - source.DeliveredTime()) / 1e7; };
    ASSERT_TRUE(QTest::qWaitFor([&] { return ahead() > bound - 0.5 * blockSeconds; }, 20000)) << ahead();
    QTest::qWait(300);
    EXPECT_NEAR(ahead(), bound, 0.5 * blockSeconds);
    EXPECT_LE(source.DeliveredTime(), std::llround(source.Position * source.TimePerByte) + std::llround(blockSeconds * 1e7));
    // A few blocks read leave the decoder asleep; once only LowWater are left it
    // fills the whole queue again. Two reads take a block.
    const std::int64_t full = source.Reader()->Position();
    for (int i = 0; i < 8; ++i) ASSERT_GT(source.ReadData(buffer.data(), int(buffer.size())), 0);
    QTest::qWait(300);
    EXPECT_EQ(source.Reader()->Position(), full);
    for (int i = 0; i < 2 * (TFFmpegIn::BlocksAhead - TFFmpegIn::LowWater - 4); ++i)
      ASSERT_GT(source.ReadData(buffer.data(), int(buffer.size())), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ahead() > bound - 0.5 * blockSeconds; }, 20000)) << ahead();
    QElapsedTimer clock;
    clock.start();
    source.CloseInput();  // while the decoder waits on a full queue
    EXPECT_LT(clock.elapsed(), 1000);
  }
  TMP3Out sink;
  std::atomic<int> done{0};
  sink.OnDone = [&](TComponent*) { ++done; };
  TFFmpegIn source;
  source.FileName = Path("long.wma");
  sink.SetInput(&source);
  sink.FileName = Path("long.mp3");
  sink.Run();
  ASSERT_TRUE(QTest::qWaitFor([&] { return source.Position > 400000; }, 20000));
  sink.Pause();
  QTest::qWait(200);
  const std::int64_t decoded = source.Reader()->Position();
  QTest::qWait(300);
  EXPECT_EQ(source.Reader()->Position(), decoded);  // the queue is full: decoding waits too
  sink.Resume();
  QTest::qWait(50);
  sink.Stop();
  ASSERT_TRUE(QTest::qWaitFor([&] { return done == 1; }, 20000));
  const MediaFacts f = ReadMedia(Path("long.mp3"));
  EXPECT_TRUE(f.DecodedCleanly);
  EXPECT_NEAR(double(f.DecodedFrames) / 44100, source.DeliveredTime() / 1e7, 0.1);
}

// What players show beyond the six texts: track, album artist, disc, composer and
// the cover picture reach the MP3's tag, Unicode included; a picture too large
// is left out with a note.
TEST_F(DecodingTest, TheMetadataPlayersShowReachTheMp3) {
  const std::map<std::string, std::string> tags{{"title", "Largo"},
                                                {"track", "3/12"},
                                                {"album_artist", "\xd0\x90\xd0\xbd\xd1\x81\xd0\xb0\xd0\xbc\xd0\xb1\xd0\xbb\xd1\x8c"},
                                                {"disc", "1/2"},
                                                {"composer", "Dvo\xc5\x99\xc3\xa1k"}};
  auto png = [](int side) {
    QImage image(side, side, QImage::Format_RGB32);
    std::uint32_t noise = 12345;  // random pixels, which no compression shrinks
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side; ++x) {
        noise = noise * 1664525u + 1013904223u;
        image.setPixel(x, y, noise >> 8);
      }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
  };
  const QByteArray small = png(8), large = png(700);
  ASSERT_GT(large.size(), 1024 * 1024);
  ASSERT_TRUE(MakeWma(Path("tagged.wma"), {1.0, 44100, 2, tags}));
  ASSERT_TRUE(MakeMp3(Path("covered.mp3"), {1.0, 44100, 2, tags}, 128000, small));
  ASSERT_TRUE(MakeMp3(Path("huge.mp3"), {1.0, 44100, 2, tags}, 128000, large));
  TMP3Out sink;
  for (const char* name : {"tagged.wma", "covered.mp3", "huge.mp3"}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(Probe(Path(name)), TReadOutcome::Read);
    CurrentTask.DstFile = Path(QString(name) + ".out.mp3");
    const TConvertResult r = ConvertTask(CurrentTask, sink);
    EXPECT_EQ(r.Problem(), "");
    const MediaFacts f = ReadMedia(CurrentTask.DstFile);
    EXPECT_EQ(f.Tags.at("track"), "3/12");
    EXPECT_EQ(f.Tags.at("album_artist"), tags.at("album_artist"));
    EXPECT_EQ(f.Tags.at("disc"), "1/2");
    EXPECT_EQ(f.Tags.at("composer"), tags.at("composer"));
    const std::string n = name;
    EXPECT_EQ(f.CoverBytes, n == "covered.mp3" ? small.size() : 0);
    EXPECT_EQ(TTaskReader(DefaultSettings, false, true).Read(Path(name)).Cover.size(),
              n == "covered.mp3" ? small.size() : n == "huge.mp3" ? large.size() : 0);
    EXPECT_EQ(r.Note, n == "huge.mp3" ? "cover picture left out: larger than 1 MiB" : "");
  }
}

// Freeing the source while the worker reads it ends the run without touching
// freed memory (the sanitizer runs check that).
TEST_F(DecodingTest, FreeingTheSourceMidRunIsSafe) {
  ASSERT_TRUE(MakeWma(Path("long.wma"), {60.0, 44100, 2, {}}));
  TMP3Out sink;
  std::atomic<int> done{0};
  sink.OnDone = [&](TComponent*) { ++done; };
  auto* source = new TFFmpegIn();
  source->FileName = Path("long.wma");
  sink.SetInput(source);
  sink.FileName = Path("long.mp3");
  sink.Run();
  ASSERT_TRUE(QTest::qWaitFor([&] { return source->Position > 200000; }, 20000));
  delete source;
  EXPECT_EQ(sink.Input(), nullptr);
  EXPECT_TRUE(QTest::qWaitFor([&] { return done == 1; }, 20000));
  EXPECT_TRUE(ReadMedia(Path("long.mp3")).DecodedCleanly);
}

// Samples that change from 16-bit stereo to floating-point mono at another rate,
// then to a format without a rate.
TEST(FrameConverter, FollowsEveryFormatChangeAndRefusesAnUnusableOne) {
  auto frame = [](AVSampleFormat format, int rate, int channels, int count, double value) {
    AVFrame* f = av_frame_alloc();
    f->format = format;
    f->sample_rate = rate;
    f->nb_samples = count;
    av_channel_layout_default(&f->ch_layout, channels);
    EXPECT_EQ(av_frame_get_buffer(f, 0), 0);
    for (int i = 0; i < count * channels; ++i) {
      if (format == AV_SAMPLE_FMT_S16) reinterpret_cast<int16_t*>(f->data[0])[i] = int16_t(value * 32767);
      if (format == AV_SAMPLE_FMT_FLT) reinterpret_cast<float*>(f->data[0])[i] = float(value);
    }
    return f;
  };
  TFrameConverter converter("x", 2, AV_SAMPLE_FMT_S16, 44100);
  std::vector<std::uint8_t> out;
  for (int i = 0; i < 10; ++i) {
    AVFrame* f = frame(AV_SAMPLE_FMT_S16, 44100, 2, 4410, 0.25);
    converter.Convert(f, out);
    av_frame_free(&f);
  }
  EXPECT_EQ(out.size(), 44100u * 4);
  EXPECT_EQ(converter.Changes(), 0);
  out.clear();
  for (int i = 0; i < 10; ++i) {
    AVFrame* f = frame(AV_SAMPLE_FMT_FLT, 48000, 1, 4800, 0.5);
    converter.Convert(f, out);
    av_frame_free(&f);
  }
  converter.Drain(out);
  EXPECT_EQ(converter.Changes(), 1);
  EXPECT_NEAR(double(out.size()) / 4, 44100, 64);  // one second, at the first rate
  // A mono stretch plays on both sides at its own level.
  const auto* pcm = reinterpret_cast<const int16_t*>(out.data());
  EXPECT_NEAR(pcm[2 * 22050], 16384, 40);
  EXPECT_EQ(pcm[2 * 22050], pcm[2 * 22050 + 1]);
  AVFrame* broken = frame(AV_SAMPLE_FMT_S16, 44100, 2, 100, 0);
  broken->sample_rate = 0;
  EXPECT_THROW(converter.Convert(broken, out), EAudioReadError);
  av_frame_free(&broken);
}

// The length a cut download's header still states, where the demuxer would
// guess one from the bytes it has.
TEST_F(DecodingTest, CutFilesAreKnownByTheLengthTheirHeaderStates) {
  ASSERT_TRUE(MakeWma(Path("whole.wma"), {20.0, 44100, 2, {}}));
  ASSERT_TRUE(MakeWav(Path("whole.wav"), {20.0, 44100, 2, {}}));
  ASSERT_TRUE(MakeMp3(Path("whole.mp3"), {20.0, 44100, 2, {}}));
  for (const char* ext : {"wma", "wav", "mp3"}) {
    SCOPED_TRACE(ext);
    const QString whole = Path(QString("whole.") + ext), cut = Path(QString("cut.") + ext);
    ASSERT_TRUE(CutFile(whole, cut, 0.37));
    for (const QString& file : {whole, cut}) {
      TAudioFileReader reader(file);
      EXPECT_NEAR(reader.StatedDuration / 1e7, 20.0, 0.1);
      EXPECT_NEAR(reader.Duration / 1e7, 20.0, 0.1);
    }
    TFFmpegIn source;
    source.FileName = cut;
    source.OpenInput();
    std::vector<char> block(16384);
    while (source.ReadData(block.data(), int(block.size())) > 0) {
    }
    EXPECT_EQ(source.Shortfall(), "the input ends at 0:07 of 0:20");
    source.CloseInput();
  }
}

TEST_F(DecodingTest, BadInputsAreRefusedWithoutCrashingOrHanging) {
  MakeWma(Path("good.wma"), {3.0, 44100, 2, {}});
  QFile good(Path("good.wma"));
  good.open(QIODevice::ReadOnly);
  const QByteArray bytes = good.readAll();
  QByteArray corrupted = bytes;
  for (qsizetype i = bytes.size() / 3; i < bytes.size() * 2 / 3; i += 7) corrupted[i] = char(i * 31);
  QByteArray random(40000, '\0');
  for (qsizetype i = 0; i < random.size(); ++i) random[i] = char((i * 2654435761u) >> 13);
  t.Touch("empty.wma", "");
  t.Touch("truncated.wma", bytes.left(bytes.size() / 2));
  t.Touch("corrupted.wma", corrupted);
  t.Touch("random.wma", random);
  t.Touch("notes.txt", "just some text\nnot audio\n");
  QDir().mkpath(Path("folder.wma"));
  ASSERT_TRUE(MakeVideoOnly(Path("video.avi")));
  QFile::link(Path("missing-target"), Path("dangling.wma"));

  for (const char* name : {"empty.wma", "random.wma", "notes.txt", "folder.wma", "dangling.wma", "video.avi"}) {
    SCOPED_TRACE(name);
    const TReadOutcome r = Probe(Path(name));
    EXPECT_TRUE(r == TReadOutcome::Unreadable || r == TReadOutcome::NoAudio || r == TReadOutcome::Gone);
    EXPECT_THROW(TAudioFileReader reader(Path(name)), EAudioReadError);
  }
  EXPECT_EQ(Probe(Path("video.avi")), TReadOutcome::NoAudio);
  EXPECT_EQ(Probe(Path("empty.wma")), TReadOutcome::Unreadable);

  // Damaged but recognisable files either convert what can be decoded or fail
  // with a reason; they never take the run down.
  TMP3Out sink;
  for (const char* name : {"truncated.wma", "corrupted.wma"}) {
    SCOPED_TRACE(name);
    if (Probe(Path(name)) != TReadOutcome::Read) continue;
    const QString failure = ConvertTask(CurrentTask, sink).Problem();
    if (failure.isEmpty()) {
      EXPECT_TRUE(ReadMedia(CurrentTask.DstFile).DecodedCleanly);
    }
  }
  CurrentTask.SrcFile = Path("random.wma");
  CurrentTask.DstFile = Path("random.mp3");
  EXPECT_NE(ConvertTask(CurrentTask, sink).Problem(), "");
  EXPECT_FALSE(QFile::exists(Path("random.mp3")));
}

}  // namespace
