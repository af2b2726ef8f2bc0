#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ConversionEngine.h"
#include "Lang.h"
#include "MediaCheck.h"
#include "MP3Out.h"
#include "MediaMaker.h"
#include "Paths.h"
#include "Probe.h"
#include "TaskOps.h"
#include "TestSupport.h"

namespace {

ino_t Inode(const QString& path) {
  struct stat st {};
  return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

// A run driven to its end the way the command line drives it, recording what
// the engine tells.
class ConversionEngineTest : public ::testing::Test {
 protected:
  TestFolder t;
  TConversionEngine engine;
  std::vector<int> started;
  std::map<int, TConvertResult> results;
  int finished = 0;

  void SetUp() override {
    engine.AutoStart = true;
    QObject::connect(&engine, &TConversionEngine::JobStarted, [this](int i) { started.push_back(i); });
    QObject::connect(&engine, &TConversionEngine::JobEnded,
                     [this](int i, const TConvertResult& r) { EXPECT_TRUE(results.emplace(i, r).second); });
    QObject::connect(&engine, &TConversionEngine::Finished, [this] { ++finished; });
  }

  TTask& AddTask(const QString& name, double seconds) {
    const QString in = t.Path(name + ".wav");
    EXPECT_TRUE(MakeWav(in, {seconds, 44100, 2, {}}));
    return AddReadTask(in);
  }
  std::vector<TTask*> All() {
    std::vector<TTask*> all;
    for (const auto& task : Tasks) all.push_back(task.get());
    return all;
  }
  void Run(int jobs, bool split = false) {
    engine.Begin(All(), jobs, split);
    while (finished == 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  QStringList Leftovers() {
    return QDir(t.Path()).entryList({"*.mp3", ".*"}, QDir::Files | QDir::Hidden);
  }
};

// Starts follow the list; a missing input fails alone; a cut one is kept but
// ended early; two tasks naming one output write two files; every result is
// reported once, then the end once.
TEST_F(ConversionEngineTest, RunsInOrderKeepsNamesApartAndReportsEachResult) {
  TTask& a = AddTask("a", 1.0);
  TTask& gone = AddTask("gone", 1.0);
  TTask& b = AddTask("b", 1.0);
  ASSERT_TRUE(MakeWma(t.Path("whole.wma"), {20.0, 44100, 2, {}}));
  ASSERT_TRUE(CutFile(t.Path("whole.wma"), t.Path("cut.wma"), 0.37));
  AddReadTask(t.Path("cut.wma"));
  b.DstFile = a.DstFile;
  QFile::remove(gone.SrcFile);
  Run(2);
  EXPECT_EQ(started, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(finished, 1);
  ASSERT_EQ(results.size(), 4u);
  EXPECT_EQ(results[3].Outcome, TJobOutcome::EndedEarly);
  EXPECT_EQ(results[3].Problem(), "the input ends at 0:07 of 0:20");
  EXPECT_EQ(results[0].Outcome, TJobOutcome::Converted);
  EXPECT_EQ(results[1].Outcome, TJobOutcome::Failed);
  EXPECT_FALSE(results[1].Failure.isEmpty());
  EXPECT_EQ(results[2].Outcome, TJobOutcome::Converted);
  EXPECT_NE(results[0].Output, results[2].Output);
  EXPECT_EQ(results[2].Output, b.DstFile);
  for (int i : {0, 2}) {
    const MediaFacts mp3 = ReadMedia(results[i].Output);
    EXPECT_TRUE(mp3.DecodedCleanly) << i;
    EXPECT_NEAR(mp3.Duration, 1.0, 0.05) << i;
    EXPECT_EQ(results[i].Problem(), "");
  }
  EXPECT_FALSE(engine.Active());
}

// Paused between two tasks (the first one's file written, its check under way),
// the engine starts nothing until it is resumed.
TEST_F(ConversionEngineTest, APauseBetweenTasksHoldsTheNextUntilResume) {
  AddTask("first", 0.5);
  AddTask("second", 0.5);
  std::size_t startedWhilePaused = 0;
  QObject::connect(&engine, &TConversionEngine::JobWritten, [&](int i) {
    if (i != 0) return;
    engine.Pause();
    engine.StartNext();  // as a window's tick would
    startedWhilePaused = started.size();
    engine.Resume();
  });
  Run(1);
  EXPECT_EQ(startedWhilePaused, 1u);
  EXPECT_EQ(started, (std::vector<int>{0, 1}));
  EXPECT_EQ(results[1].Outcome, TJobOutcome::Converted);
}

// A cancel keeps the running file with the audio so far and says how much;
// the end at once keeps nothing at all.
TEST_F(ConversionEngineTest, CancelKeepsTheAudioSoFarAndTerminateKeepsNothing) {
  for (const bool terminate : {false, true}) {
    SCOPED_TRACE(terminate ? "terminate" : "cancel");
    FreeAllTasks();
    started.clear();
    results.clear();
    finished = 0;
    AddTask(terminate ? "long2" : "long", 60.0);
    AddTask(terminate ? "next2" : "next", 1.0);
    auto stop = QObject::connect(&engine, &TConversionEngine::JobProgress, [&](int, int percent) {
      if (percent < 10 || !engine.Active() || engine.Cancelled()) return;
      if (terminate)
        engine.Terminate();
      else
        engine.Cancel();
    });
    Run(1);
    QObject::disconnect(stop);
    EXPECT_EQ(started, std::vector<int>{0});
    ASSERT_EQ(results.size(), 1u);
    const TConvertResult& r = results[0];
    if (terminate) {
      EXPECT_EQ(r.Outcome, TJobOutcome::Discarded);
      EXPECT_FALSE(QFileInfo::exists(r.Output));
    } else {
      EXPECT_EQ(r.Outcome, TJobOutcome::Cancelled);
      EXPECT_NEAR(r.Length, 600000000, 100000);
      EXPECT_GT(r.Written, 0);
      EXPECT_LT(r.Written, r.Length);
      const MediaFacts mp3 = ReadMedia(r.Output);
      EXPECT_TRUE(mp3.DecodedCleanly);
      EXPECT_NEAR(mp3.Duration, r.Written / 1e7, 0.5);
    }
  }
  EXPECT_EQ(Leftovers(), QStringList{"long.mp3"});
}

// With existing outputs skipped, a re-run leaves a complete, newer output alone
// and makes again one cut short, one grown, one not an MP3, one shorter than its
// input (as a cancel leaves them) and one older than its input. Outputs given
// their input's time still count as done.
TEST_F(ConversionEngineTest, ARerunSkipsWhatIsDoneAndMakesTheRestAgain) {
  const QStringList names = {"done", "cut", "grown", "foreign", "short", "older"};
  for (const QString& n : names) AddTask(n, 3.0);
  engine.Existing = TExistingOutput::Skip;
  engine.KeepFileTime = true;
  Run(2);
  for (int i = 0; i < names.size(); ++i) ASSERT_EQ(results[i].Outcome, TJobOutcome::Converted) << i;
  const QString done = Tasks[0]->DstFile;
  EXPECT_EQ(QFileInfo(done).lastModified(), QFileInfo(Tasks[0]->SrcFile).lastModified());
  const ino_t inode = Inode(done);

  QFile cut(Tasks[1]->DstFile);
  ASSERT_TRUE(cut.resize(cut.size() - 300));
  QFile grown(Tasks[2]->DstFile);
  ASSERT_TRUE(grown.open(QIODevice::Append) && grown.write(QByteArray(1000, 'x')) == 1000);
  grown.close();
  QFile::remove(Tasks[3]->DstFile);
  t.Touch(FileNamePart(Tasks[3]->DstFile), "not an mp3");
  QFile::remove(Tasks[4]->DstFile);
  ASSERT_TRUE(MakeMp3(Tasks[4]->DstFile, {1.0, 44100, 2, {}}));
  QFile older(Tasks[5]->SrcFile);
  ASSERT_TRUE(older.open(QIODevice::ReadWrite) &&
              older.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
  older.close();

  results.clear();
  finished = 0;
  Run(2);
  EXPECT_EQ(results[0].Outcome, TJobOutcome::Skipped);
  EXPECT_EQ(Inode(done), inode);
  for (int i = 1; i < names.size(); ++i) {
    EXPECT_EQ(results[i].Outcome, TJobOutcome::Converted) << names[i].toStdString();
    EXPECT_EQ(results[i].Output, Tasks[i]->DstFile) << names[i].toStdString();  // replaced, not numbered
    const MediaFacts mp3 = ReadMedia(results[i].Output);
    EXPECT_TRUE(mp3.DecodedCleanly) << names[i].toStdString();
    EXPECT_NEAR(mp3.Duration, 3.0, 0.05) << names[i].toStdString();
  }

  results.clear();
  finished = 0;
  Run(2);
  for (int i = 0; i < names.size(); ++i) EXPECT_EQ(results[i].Outcome, TJobOutcome::Skipped) << names[i].toStdString();
  EXPECT_EQ(Leftovers().size(), names.size());
}

// Ended at once while a written file is being checked, the run stops the check,
// keeps the file and tells its end and the run's at once; nothing more starts.
TEST_F(ConversionEngineTest, TheEndAtOnceStopsTheChecksAndKeepsTheFilesWritten) {
  AddTask("written", 2.0);
  AddTask("never", 1.0);
  bool endedAtOnce = false;
  QObject::connect(&engine, &TConversionEngine::JobWritten, [&] {
    engine.Terminate();
    endedAtOnce = results.size() == 1 && finished == 1;  // told before Terminate returns
  });
  Run(1);
  EXPECT_TRUE(endedAtOnce);
  EXPECT_EQ(started, std::vector<int>{0});
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].Outcome, TJobOutcome::Converted);
  EXPECT_TRUE(ReadMedia(results[0].Output).DecodedCleanly);
  EXPECT_EQ(finished, 1);
}

// Each MP3 is decoded before its end is told. Damaged between its writing and
// its check (bytes flipped in the middle, or cut), it fails with the reason and
// stays; the clean ones of the same run, encoded whole or in parts, at the
// input's rate or resampled from 48 kHz, decode to exactly what was encoded.
TEST_F(ConversionEngineTest, OutputsThatDoNotPlayToTheirEndFailTheRestPassExactly) {
  AddTask("clean", 1.0);
  AddTask("flipped", 2.0);
  AddTask("cut", 2.0);
  const QString high = t.Path("high.wav");
  ASSERT_TRUE(MakeWav(high, {2.0, 48000, 2, {}}));
  AddReadTask(high);
  const qint64 lengths[] = {44100, 88200, 88200, 88200};  // per channel at 44.1 kHz, each task's output rate
  TMP3OutSettings settings = engine.FirstSink().Settings();
  settings.SplitPartFrames = 16;  // two parts fit in a second
  engine.FirstSink().SetSettings(settings);
  engine.BeforeVerify = [this](const QString& output) {
    QFile f(output);
    if (output == Tasks[1]->DstFile && f.open(QIODevice::ReadWrite)) {
      f.seek(f.size() / 2);
      QByteArray middle = f.peek(1500);
      for (char& c : middle) c = char(~c);
      f.write(middle);
    } else if (output == Tasks[2]->DstFile) {
      f.resize(f.size() * 6 / 10);
    }
  };
  std::vector<bool> split;
  QObject::connect(&engine, &TConversionEngine::JobWritten,
                   [&](int) { split.push_back(engine.FirstSink().SplitReport().Used); });
  for (const bool inParts : {false, true}) {
    SCOPED_TRACE(inParts ? "in parts" : "whole");
    results.clear();
    split.clear();
    finished = 0;
    Run(1, inParts);
    EXPECT_EQ(split, std::vector<bool>(4, inParts));
    ASSERT_EQ(results.size(), 4u);
    for (int i : {1, 2}) {
      EXPECT_EQ(results[i].Outcome, TJobOutcome::Failed) << i;
      EXPECT_TRUE(results[i].Failure.startsWith("the MP3 does not play to its end: ")) << results[i].Failure.toStdString();
      EXPECT_TRUE(QFileInfo::exists(results[i].Output)) << i;
    }
    for (int i : {0, 3}) {
      EXPECT_EQ(results[i].Outcome, TJobOutcome::Converted) << results[i].Problem().toStdString();
      const DecodedAudio mp3 = DecodeAudio(results[i].Output);
      EXPECT_TRUE(mp3.Clean) << i;
      EXPECT_EQ(mp3.SampleRate, 44100);
      EXPECT_EQ(qint64(mp3.Samples.size() / 2), results[i].EncodedSamples) << i;
      // The resampler may round the length of a resampled file either way.
      EXPECT_NEAR(double(results[i].EncodedSamples), double(lengths[i]), i == 3 ? 2 : 0) << i;
    }
  }
}

// An input goes to the trash only once its MP3 is whole and has played to its end:
// not one whose MP3 fails its check, nor one written over its own input, nor the
// file a cancel cut, nor the one the cancel left unstarted.
TEST_F(ConversionEngineTest, OnlyWholeCheckedOutputsSendTheirInputsToTheTrash) {
  const TestHome home(t.Path("home"));
  engine.TrashSources = true;
  const QString done = AddTask("done", 1.0).SrcFile;
  TTask& cut = AddTask("cut", 1.0);
  ASSERT_TRUE(MakeMp3(t.Path("self.mp3"), {1.0, 44100, 2, {}}));
  TTask& self = AddReadTask(t.Path("self.mp3"));
  self.DstFile = self.SrcFile;
  AddTask("long", 60.0);
  AddTask("next", 1.0);
  engine.BeforeVerify = [&](const QString& output) {
    if (output == cut.DstFile) QFile(output).resize(QFileInfo(output).size() * 6 / 10);
  };
  QObject::connect(&engine, &TConversionEngine::JobProgress, [&](int i, int percent) {
    if (i == 3 && percent >= 10 && !engine.Cancelled()) engine.Cancel();
  });
  Run(1);
  ASSERT_EQ(results.size(), 4u);
  EXPECT_EQ(results[0].Trashed, done);
  EXPECT_EQ(results[1].Outcome, TJobOutcome::Failed);
  EXPECT_EQ(results[2].NotTrashed, lang::TrashIsOutput);
  EXPECT_EQ(results[3].Outcome, TJobOutcome::Cancelled);
  for (int i : {1, 2, 3}) EXPECT_EQ(results[i].Trashed, "") << i;
  EXPECT_TRUE(ReadMedia(self.SrcFile).DecodedCleanly);
  EXPECT_EQ(QDir(home.Trash() + "/files").entryList(QDir::Files | QDir::Hidden), QStringList{"done.wav"});
  EXPECT_EQ(QDir(t.Path()).entryList({"*.wav"}, QDir::Files), QStringList({"cut.wav", "long.wav", "next.wav"}));
}

}  // namespace
