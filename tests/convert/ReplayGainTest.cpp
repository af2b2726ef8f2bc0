#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

#include "ConversionEngine.h"
#include "MP3FileWriter.h"
#include "MP3Out.h"
#include "MediaCheck.h"
#include "MediaMaker.h"
#include "ReplayGainTag.h"
#include "Task.h"
#include "TaskOps.h"
#include "TestSupport.h"

namespace {

const QString Music = "/usr/share/games/asc/music/";

// A plain fork and exec rather than QProcess, whose way of starting a child
// leaves the race checker blind to this process's locks afterwards.
QString Run(const QString& program, const QStringList& args) {
  std::vector<QByteArray> words{QFile::encodeName(program)};
  for (const QString& a : args) words.push_back(a.toUtf8());
  std::vector<char*> argv;
  for (QByteArray& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  int out[2];
  EXPECT_EQ(::pipe(out), 0);
  std::FILE* err = std::tmpfile();
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(out[1], 1);
    ::dup2(::fileno(err), 2);
    ::close(out[0]);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(out[1]);
  QByteArray text;
  char buffer[4096];
  for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) != 0;)
    if (n > 0) text.append(buffer, n);
    else if (errno != EINTR) break;
  ::close(out[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  std::rewind(err);
  std::string problem;
  for (int c; (c = std::fgetc(err)) != EOF;) problem += char(c);
  std::fclose(err);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << program.toStdString() << " "
                                                             << args.join(' ').toStdString() << problem;
  return QString::fromUtf8(text);
}

// `seconds` of recorded music from `start` on, decoded to 16-bit PCM at 44.1 kHz.
void Excerpt(const QString& piece, double start, double seconds, const QString& to) {
  Run("ffmpeg", {"-loglevel", "error", "-y", "-ss", QString::number(start), "-t", QString::number(seconds), "-i",
                 Music + piece, "-ar", "44100", "-ac", "2", "-c:a", "pcm_s16le", to});
}

struct Measured {
  double Gain = 0, Peak = 0;
};

// ffmpeg's loudness meter over `inputs` played one after the other.
Measured FfmpegMeasure(const QStringList& inputs, const QString& scratch) {
  QStringList args = {"-nostats", "-loglevel", "error"};
  QString graph;
  for (int i = 0; i < inputs.size(); ++i) {
    args << "-i" << inputs[i];
    graph += QString("[%1:a]").arg(i);
  }
  graph += QString("concat=n=%1:v=0:a=1,ebur128=peak=sample:metadata=1,ametadata=mode=print:file=%2")
               .arg(inputs.size())
               .arg(scratch);
  Run("ffmpeg", args << "-filter_complex" << graph << "-f" << "null" << "-");
  QFile f(scratch);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  Measured m;
  for (const QString& line : QString::fromUtf8(f.readAll()).split('\n')) {
    if (line.startsWith("lavfi.r128.I=")) m.Gain = -18.0 - line.mid(13).toDouble();
    if (line.startsWith("lavfi.r128.sample_peak=")) m.Peak = line.mid(23).toDouble();
  }
  return m;
}

// What an independent tag reader finds: the TXXX texts by description, and the
// encoder tag's gain and peak as "lame_gain" and "lame_peak".
std::map<QString, QString> ReadTags(const QString& mp3) {
  const char* script =
      "import sys, mutagen.mp3\n"
      "f = mutagen.mp3.MP3(sys.argv[1])\n"
      "for k in (f.tags.keys() if f.tags else []):\n"
      "    if k.startswith('TXXX:'): print(k[5:] + '=' + str(f.tags[k].text[0]))\n"
      "print('lame_gain=%s' % f.info.track_gain)\n"
      "print('lame_peak=%s' % f.info.track_peak)\n";
  std::map<QString, QString> tags;
  for (const QString& line : Run("/usr/bin/python3", {"-c", script, mp3}).split('\n', Qt::SkipEmptyParts))
    tags[line.section('=', 0, 0)] = line.section('=', 1);
  return tags;
}

double GainOf(const QString& text) {
  EXPECT_TRUE(QRegularExpression(R"(^[+-]\d+\.\d\d dB$)").match(text).hasMatch()) << text.toStdString();
  return text.chopped(3).toDouble();
}

double PeakOf(const QString& text) {
  EXPECT_TRUE(QRegularExpression(R"(^\d+\.\d{6}$)").match(text).hasMatch()) << text.toStdString();
  return text.toDouble();
}

void ExpectTrackGain(const QString& mp3, const Measured& want) {
  SCOPED_TRACE(mp3.toStdString());
  EXPECT_TRUE(DecodeAudio(mp3).Clean);
  auto tags = ReadTags(mp3);
  EXPECT_NEAR(GainOf(tags["REPLAYGAIN_TRACK_GAIN"]), want.Gain, 0.1);
  EXPECT_NEAR(PeakOf(tags["REPLAYGAIN_TRACK_PEAK"]), want.Peak, 0.001);
  EXPECT_NEAR(tags["lame_gain"].toDouble(), want.Gain, 0.1);
  EXPECT_NEAR(tags["lame_peak"].toDouble(), want.Peak, 0.001);
}

class ReplayGainTest : public ::testing::Test {
 protected:
  TestFolder t;
  std::map<int, TConvertResult> results;
  std::map<int, QString> notes;
  bool split = false;

  TTask& Add(const QString& name, const QString& piece, double start, double seconds, const QString& album = {}) {
    Excerpt(piece, start, seconds, t.Path(name + ".wav"));
    TTask& task = AddReadTask(t.Path(name + ".wav"));
    task.Album = album;
    task.Artist = "Someone";
    return task;
  }
  void RunAll(TReplayGainMode mode) {
    std::vector<TTask*> all;
    for (const auto& task : Tasks) all.push_back(task.get());
    TConversionEngine engine;
    bool finished = false;
    engine.AutoStart = true;
    QObject::connect(&engine, &TConversionEngine::JobEnded,
                     [this](int i, const TConvertResult& r) { results.emplace(i, r); });
    QObject::connect(&engine, &TConversionEngine::JobNote, [this](int i, const QString& n) { notes[i] += n; });
    QObject::connect(&engine, &TConversionEngine::Finished, [&finished] { finished = true; });
    engine.ReplayGain = mode;
    // One job: the long file last is split over the cores the run leaves free.
    engine.Begin(all, 1, true);
    while (!finished) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    split = engine.FirstSink().SplitReport().Used;
  }
};

// Each file's gain and peak, whole or split over the cores, agree with an
// independent meter on the same audio, both in the ID3v2 tag and in the
// encoder tag; no album gain is written when only track gains are asked for.
TEST_F(ReplayGainTest, TrackGainAndPeakOfRecordedMusicMatchAnIndependentMeter) {
  Add("short", "machine_wars.mp3", 5, 10);
  Add("long", "frontiers.mp3", 0, 25);
  RunAll(TReplayGainMode::Track);
  EXPECT_TRUE(split);
  for (int i : {0, 1}) {
    ASSERT_EQ(results[i].Outcome, TJobOutcome::Converted) << results[i].Problem().toStdString();
    ExpectTrackGain(results[i].Output, FfmpegMeasure({Tasks[i]->SrcFile}, t.Path("m.txt")));
    EXPECT_EQ(ReadTags(results[i].Output).count("REPLAYGAIN_ALBUM_GAIN"), 0u);
  }
  EXPECT_TRUE(notes.empty());
}

// Three files of one album, one of them split, measured as one; a fourth of the
// album failed and is left out, which its album's files are told; a file of
// another album gets its own album gain.
TEST_F(ReplayGainTest, AlbumGainCoversTheAlbumsFilesAndLeavesOutOneThatFailed) {
  Add("a1", "frontiers.mp3", 0, 8, "A");
  Add("a2", "machine_wars.mp3", 0, 8, "A");
  TTask& gone = Add("gone", "machine_wars.mp3", 10, 2, "A");
  Add("b", "time_to_strike.mp3", 0, 8, "B");
  Add("a3", "frontiers.mp3", 30, 25, "A");
  QFile::remove(gone.SrcFile);
  RunAll(TReplayGainMode::Album);
  EXPECT_TRUE(split);
  ASSERT_EQ(results[2].Outcome, TJobOutcome::Failed);

  const Measured album = FfmpegMeasure({Tasks[0]->SrcFile, Tasks[1]->SrcFile, Tasks[4]->SrcFile}, t.Path("m.txt"));
  for (int i : {0, 1, 4}) {
    SCOPED_TRACE(i);
    ASSERT_EQ(results[i].Outcome, TJobOutcome::Converted);
    auto tags = ReadTags(results[i].Output);
    EXPECT_NEAR(GainOf(tags["REPLAYGAIN_ALBUM_GAIN"]), album.Gain, 0.1);
    EXPECT_NEAR(PeakOf(tags["REPLAYGAIN_ALBUM_PEAK"]), album.Peak, 0.001);
    EXPECT_TRUE(tags.count("REPLAYGAIN_TRACK_GAIN"));
    EXPECT_EQ(notes[i], "album gain from 3 of 4 files, without gone.wav");
    EXPECT_TRUE(DecodeAudio(results[i].Output).Clean);
  }
  auto b = ReadTags(results[3].Output);
  EXPECT_EQ(b["REPLAYGAIN_ALBUM_GAIN"], b["REPLAYGAIN_TRACK_GAIN"]);
  EXPECT_EQ(b["REPLAYGAIN_ALBUM_PEAK"], b["REPLAYGAIN_TRACK_PEAK"]);
  ExpectTrackGain(results[3].Output, FfmpegMeasure({Tasks[3]->SrcFile}, t.Path("m.txt")));
  EXPECT_EQ(notes.count(3), 0u);
}

// Killed in the middle of writing the album gain, at the point where all of it
// but its first frame's name is on disk, the file is whole and has its track gain; the
// album gain written again after that lands.
TEST_F(ReplayGainTest, AKillDuringTheAlbumWriteLeavesAValidFileWithItsTrackGain) {
  ASSERT_TRUE(MakeWav(t.Path("tone.wav"), {3.0, 44100, 2, {}}));
  AddReadTask(t.Path("tone.wav"));
  RunAll(TReplayGainMode::Track);
  ASSERT_EQ(results[0].Outcome, TJobOutcome::Converted);
  const std::string name = QFile::encodeName(results[0].Output).toStdString();
  const std::vector<std::uint8_t> frames = TReplayGainTag::Frames("ALBUM", -3.25, 0.5);
  const auto before = ReadTags(results[0].Output);

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    TMP3FileWriter::BeforeFirstName = [] { ::raise(SIGKILL); };
    try {
      TMP3FileWriter::FillPadding(name, frames);
    } catch (...) {
    }
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

  EXPECT_TRUE(DecodeAudio(results[0].Output).Clean);
  auto after = ReadTags(results[0].Output);
  EXPECT_EQ(after, before);
  EXPECT_FALSE(after["REPLAYGAIN_TRACK_GAIN"].isEmpty());

  TMP3FileWriter::FillPadding(name, frames);
  after = ReadTags(results[0].Output);
  EXPECT_EQ(after["REPLAYGAIN_ALBUM_GAIN"], "-3.25 dB");
  EXPECT_EQ(after["REPLAYGAIN_ALBUM_PEAK"], "0.500000");
  EXPECT_EQ(after["REPLAYGAIN_TRACK_GAIN"], before.at("REPLAYGAIN_TRACK_GAIN"));
  EXPECT_TRUE(DecodeAudio(results[0].Output).Clean);
}

}  // namespace
