#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "AppTestSupport.h"
#include "AudioException.h"
#include "FFmpegIn.h"
#include "Lang.h"
#include "MP3Out.h"
#include "MediaCheck.h"
#include "MediaMaker.h"
#include "MsgForm.h"
#include "Paths.h"
#include "PrgForm.h"
#include "Probe.h"
#include "TaskOps.h"
#include "TestSupport.h"

namespace {

// One job at a time: the run as the window has always made it.
class PrgFormTest : public ::testing::Test {
 protected:
  TestFolder t;
  TprgFrm w;
  void SetUp() override {
    DefaultSettings.ParallelJobs = 1;
    DefaultSettings.SplitFiles = true;
  }

  // A task for a generated input, read the way the main window reads it.
  TTask& AddTask(const QString& name, double seconds, int rate = 44100) {
    const QString in = t.Path(name + ".wav");
    EXPECT_TRUE(MakeWav(in, {seconds, rate, 2, {{"title", name.toStdString()}}}));
    return AddReadTask(in);
  }
  // The file a running conversion writes before it is complete has no name yet:
  // it is found among this process's open files.
  QStringList OpenUnnamedFiles() {
    QStringList found;
    for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::System | QDir::Files))
      if (fd.symLinkTarget().startsWith(t.Path()) && fd.symLinkTarget().endsWith("(deleted)")) found << fd.filePath();
    return found;
  }
  qint64 PartialSize() {
    const QStringList open = OpenUnnamedFiles();
    return open.isEmpty() ? -1 : QFileInfo(open.first()).size();
  }
  // The sizes of all unfinished outputs, added up.
  qint64 PartialSizes() {
    qint64 total = 0;
    for (const QString& f : OpenUnnamedFiles()) total += QFileInfo(f).size();
    return total;
  }
};

bool EndsWithFolderQuestion(const QString& text, const QString& result) {
  return text == result + "\n" + lang::OpenOutputFolder;
}

// Set to skip what is done, a second run leaves the complete outputs alone and
// says how many; the settings a run begins with are the ones it keeps.
TEST_F(PrgFormTest, ASecondRunLeavesCompleteOutputsAlone) {
  DefaultSettings.ExistingOutput = TExistingOutput::Skip;
  TTask& a = AddTask("alpha", 1.0);
  AddTask("beta", 1.0);
  MessageAnswerer answer([](const QString&) { return 2; });
  w.StartRun();
  ASSERT_EQ(answer.Seen.size(), 1);
  EXPECT_TRUE(EndsWithFolderQuestion(answer.Seen[0], lang::AllConverted)) << answer.Seen[0].toStdString();
  const QDateTime written = QFileInfo(a.DstFile).lastModified();
  QFile::remove(Tasks[1]->DstFile);
  w.StartRun();
  DefaultSettings.ExistingOutput = TExistingOutput::Number;
  ASSERT_EQ(answer.Seen.size(), 2);
  // The file left alone was not measured: the album gain written now is the new file's alone, and says so.
  QString folder = FolderPart(a.SrcFile);
  folder.chop(1);
  EXPECT_EQ(answer.Seen[1], QString(lang::SomeNewFormat).arg(1).arg(1) + "\n" + folder + ": " + lang::AlbumGainLeftOutFormat(2).arg(1).arg("alpha.wav") +
                                "\n" + lang::OpenOutputFolder);
  EXPECT_EQ(QFileInfo(a.DstFile).lastModified(), written);
  EXPECT_TRUE(ReadMedia(Tasks[1]->DstFile).DecodedCleanly);
}

// The report names the inputs moved to the trash, and those that stayed with why:
// here one written over by its own MP3.
TEST_F(PrgFormTest, TheReportNamesTheInputsMovedToTheTrash) {
  const TestHome home(t.Path("home"));
  DefaultSettings.TrashSources = true;
  QStringList names;
  for (int i = 0; i < 22; ++i) names << QFileInfo(AddTask(QString::asprintf("f%02d", i), 0.2).SrcFile).fileName();
  ASSERT_TRUE(MakeMp3(t.Path("self.mp3"), {0.5, 44100, 2, {}}));
  TTask& self = AddReadTask(t.Path("self.mp3"));
  self.DstFile = self.SrcFile;
  MessageAnswerer answer([](const QString&) { return 2; });
  w.StartRun();
  ASSERT_EQ(answer.Seen.size(), 1);
  QString expected = QString(lang::AllConverted) + "\n" + lang::MovedToTrash;
  for (const QString& name : names) expected += "\n " + name;
  expected += QString("\n") + lang::NotMovedToTrash + "\n " + self.SrcFile +
              ": " + lang::TrashIsOutput + "\n" + lang::OpenOutputFolder;
  EXPECT_EQ(answer.Seen[0], expected);
  EXPECT_EQ(QDir(home.Trash() + "/files").entryList(QDir::Files), names);
  EXPECT_TRUE(ReadMedia(self.SrcFile).DecodedCleanly);
}

TEST_F(PrgFormTest, ConvertsOnlyTheTickedTasksAndNumbersThem) {
  TTask& a = AddTask("alpha", 2.0);
  TTask& b = AddTask("beta", 1.0);
  TTask& c = AddTask("gamma", 1.5);
  b.Checked = false;
  QStringList fileLines;
  MessageAnswerer answer([](const QString&) { return 2; });
  answer.WhileIdle = [&] {
    if (fileLines.isEmpty() || fileLines.back() != w.fileLabel->text()) fileLines << w.fileLabel->text();
  };
  UrlCatcher urls;
  w.StartRun();
  EXPECT_TRUE(fileLines.contains("Current File(1/2): alpha"));
  EXPECT_TRUE(fileLines.contains("Current File(2/2): gamma"));
  ASSERT_EQ(answer.Seen.size(), 1);
  EXPECT_TRUE(EndsWithFolderQuestion(answer.Seen[0], lang::AllConverted)) << answer.Seen[0].toStdString();
  EXPECT_TRUE(urls.Opened.isEmpty());  // "No" leaves the folder unopened
  EXPECT_NEAR(ReadMedia(a.DstFile).DecodedFrames / 44100.0, 2.0, 0.03);
  EXPECT_NEAR(ReadMedia(c.DstFile).DecodedFrames / 44100.0, 1.5, 0.03);
  EXPECT_FALSE(QFileInfo::exists(b.DstFile));
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(w.cancelBtn->text(), "&OK");
  EXPECT_FALSE(w.pauseBtn->isEnabled());
  EXPECT_EQ(ReadMedia(c.DstFile).Tags.at("title"), "gamma");
}

TEST_F(PrgFormTest, NothingTickedStartsNothing) {
  AddTask("alpha", 0.5).Checked = false;
  MessageAnswerer answer;
  w.StartRun();
  ASSERT_EQ(answer.Seen.size(), 1);
  EXPECT_EQ(answer.Seen[0], "There is nothing to convert!  \nPlease check the checkbox to select conversting tasks.");
}

TEST_F(PrgFormTest, UnknownDurationHidesTheBarsForThatTaskOnly) {
  AddTask("first", 1.0).Duration = 0;
  AddTask("second", 3.0);
  bool hiddenSeen = false, shownAgain = false;
  MessageAnswerer answer([](const QString&) { return 2; });
  answer.WhileIdle = [&] {
    if (w.fileLabel->text().contains("(1/2)") && !w.totalPrgBar->isVisible() && w.notEstimatedLabel->isVisible() &&
        w.reportLaterLabel->isVisible())
      hiddenSeen = true;
    if (w.fileLabel->text().contains("(2/2)") && w.totalPrgBar->isVisible() && w.curPrgbar->isVisible() &&
        !w.notEstimatedLabel->isVisible())
      shownAgain = true;
  };
  w.StartRun();
  EXPECT_TRUE(hiddenSeen);
  EXPECT_TRUE(shownAgain);
}

TEST_F(PrgFormTest, PauseReallyStopsTheWorkerAndResumeFinishes) {
  TTask& task = AddTask("long", 60.0);
  enum { Running, Paused, Resumed } phase = Running;
  qint64 sizeAtPause = -1, sizeLater = -1;
  QElapsedTimer clock;
  MessageAnswerer answer([](const QString&) { return 2; });
  answer.WhileIdle = [&] {
    if (phase == Running && w.curPrgbar->value() > 2000) {
      w.pauseBtn->click();
      EXPECT_EQ(w.pauseBtn->text(), "&Resume");
      phase = Paused;
      clock.start();
    } else if (phase == Paused && sizeAtPause < 0 && clock.elapsed() > 200) {
      sizeAtPause = PartialSize();
    } else if (phase == Paused && clock.elapsed() > 800) {
      sizeLater = PartialSize();
      w.pauseBtn->click();
      phase = Resumed;
    }
  };
  w.StartRun();
  EXPECT_EQ(phase, Resumed);
  EXPECT_GT(sizeAtPause, 0);
  EXPECT_EQ(sizeLater, sizeAtPause);
  ASSERT_EQ(answer.Seen.size(), 1);
  EXPECT_TRUE(EndsWithFolderQuestion(answer.Seen[0], lang::AllConverted));
  EXPECT_NEAR(ReadMedia(task.DstFile).DecodedFrames / 44100.0, 60.0, 0.03);
}

TEST_F(PrgFormTest, CancelAnsweredNoGoesOn) {
  TTask& task = AddTask("song", 20.0);
  bool asked = false;
  MessageAnswerer answer([](const QString& text) { return text == lang::ConfirmCancel ? 2 : 2; });
  answer.WhileIdle = [&] {
    if (!asked && w.curPrgbar->value() > 1000) {
      asked = true;
      w.cancelBtn->click();
    }
  };
  w.StartRun();
  ASSERT_EQ(answer.Seen.size(), 2);
  EXPECT_EQ(answer.Seen[0], lang::ConfirmCancel);
  EXPECT_TRUE(EndsWithFolderQuestion(answer.Seen[1], lang::AllConverted));
  EXPECT_NEAR(ReadMedia(task.DstFile).DecodedFrames / 44100.0, 20.0, 0.03);
}

TEST_F(PrgFormTest, CancelWhilePausedKeepsTheAudioSoFar) {
  TTask& task = AddTask("song", 60.0);
  TTask& next = AddTask("next", 2.0);
  bool paused = false, cancelled = false, pausableWhileCancelling = true, pausedWhileCancelling = true;
  MessageAnswerer answer([](const QString& text) { return text == lang::ConfirmCancel ? 1 : 2; });
  answer.WhileIdle = [&] {
    if (!paused && w.curPrgbar->value() > 3000) {
      w.pauseBtn->click();
      paused = true;
    } else if (paused && !cancelled) {
      cancelled = true;
      w.cancelBtn->click();
      // Being cancelled, the run is not paused again: its files end as they are.
      pausableWhileCancelling = w.pauseBtn->isEnabled();
      w.pauseBtnClick();
      pausedWhileCancelling = w.pauseBtn->text() == lang::Resume;
    }
  };
  w.StartRun();
  EXPECT_FALSE(pausableWhileCancelling);
  EXPECT_FALSE(pausedWhileCancelling);
  ASSERT_EQ(answer.Seen.size(), 2);
  const MediaFacts f = ReadMedia(task.DstFile);
  EXPECT_TRUE(f.DecodedCleanly);
  EXPECT_GT(f.DecodedFrames, 44100 * 3);
  EXPECT_LT(f.DecodedFrames, 44100 * 59);
  EXPECT_FALSE(QFileInfo::exists(next.DstFile));
  // The report names the file kept short and how much of it there is.
  const auto m = QRegularExpression("^The conversion is canceled\\.\nKept with the audio converted so far:\n song\\.mp3: "
                                    "0:(\\d\\d) of 1:00\n" + QRegularExpression::escape(lang::OpenOutputFolder) + "$")
                     .match(answer.Seen[1]);
  ASSERT_TRUE(m.hasMatch()) << answer.Seen[1].toStdString();
  EXPECT_NEAR(m.captured(1).toInt(), f.DecodedFrames / 44100.0, 1.5);
  // Ended, the window only reports: OK closes it.
  EXPECT_EQ(w.cancelBtn->text(), lang::Ok);
  EXPECT_FALSE(w.pauseBtn->isEnabled());
}

// Calls `act` once the first task has ended, before the next starts (unchecked:
// a check lets the next file start while it runs).
void BetweenTheFirstTwo(TprgFrm& w, std::function<void()> act) {
  DefaultSettings.VerifyOutput = false;
  QObject::connect(w.curPrgbar, &QProgressBar::valueChanged, &w, [&w, act, done = false](int value) mutable {
    if (!done && value == w.curPrgbar->maximum() && w.fileLabel->text().contains("(1/2)")) {
      done = true;
      act();
    }
  });
}

TEST_F(PrgFormTest, CancelBetweenTasksStartsNoOther) {
  TTask& first = AddTask("first", 1.0);
  TTask& second = AddTask("second", 1.0);
  bool cancelled = false;
  MessageAnswerer answer([](const QString& text) { return text == lang::ConfirmCancel ? 1 : 2; });
  BetweenTheFirstTwo(w, [&] {
    cancelled = true;
    w.cancelBtn->click();
  });
  w.StartRun();
  ASSERT_TRUE(cancelled);
  EXPECT_TRUE(EndsWithFolderQuestion(answer.Seen.back(), lang::Canceled));
  EXPECT_TRUE(ReadMedia(first.DstFile).DecodedCleanly);
  EXPECT_FALSE(QFileInfo::exists(second.DstFile));
}

TEST_F(PrgFormTest, APauseBetweenTasksStartsNoneUntilResume) {
  AddTask("first", 1.0);
  TTask& second = AddTask("second", 1.0);
  QElapsedTimer paused;
  bool startedWhilePaused = false;
  MessageAnswerer answer([](const QString&) { return 2; });
  BetweenTheFirstTwo(w, [&] {
    w.pauseBtn->click();
    paused.start();
  });
  answer.WhileIdle = [&] {
    if (paused.isValid() && w.pauseBtn->text() == lang::Resume) {
      startedWhilePaused |= w.fileLabel->text().contains("(2/2)") || QFileInfo::exists(second.DstFile);
      if (paused.elapsed() > 600) w.pauseBtn->click();  // six ticks of the task timer
    }
  };
  w.StartRun();
  ASSERT_TRUE(paused.isValid());
  EXPECT_FALSE(startedWhilePaused);
  EXPECT_TRUE(EndsWithFolderQuestion(answer.Seen.back(), lang::AllConverted));
  EXPECT_TRUE(ReadMedia(second.DstFile).DecodedCleanly);
}

// The numbers of the time line: time spent paused is not elapsed, and a task of
// unknown length shows no time line and counts nothing against the known total.
TEST_F(PrgFormTest, TheTimeLineCountsConvertingTimeAndKnownLengthsOnly) {
  AddTask("unknown", 8.0).Duration = 0;
  AddTask("known", 60.0);
  qint64 now = 0;
  w.Now = [&] { return now; };
  auto seconds = [](const QString& clock) {
    const QStringList p = clock.split(':');
    return p.size() == 3 ? p[0].toInt() * 3600 + p[1].toInt() * 60 + p[2].toInt() : -1;
  };
  auto timeLine = [&](int& elapsed, int& remaining) {
    w.ShowProgress();
    const auto m = QRegularExpression("^Time elapsed: (\\S+), remained: about (\\S+)$").match(w.timeLabel->text());
    elapsed = m.hasMatch() ? seconds(m.captured(1)) : -1;
    remaining = m.hasMatch() ? seconds(m.captured(2)) : -1;
  };
  QStringList unknownLines;
  int totalPercent = -1, currentPercent = -1, elapsed1 = -1, remaining1 = -1, expected1 = -1, elapsedPaused = -1,
      elapsedResumed = -1, dummy = -1;
  MessageAnswerer answer([](const QString&) { return 2; });
  answer.WhileIdle = [&] {
    if (w.fileLabel->text().contains("(1/2)") && w.notEstimatedLabel->isVisible()) {
      w.ShowProgress();
      unknownLines << w.timeLabel->text();
    } else if (w.fileLabel->text().contains("(2/2)") && elapsed1 < 0 && w.curPrgbar->value() > 6000) {
      // 100 s of converting so far; then paused for 500 s.
      now = 100000;
      w.pauseBtn->click();
      timeLine(elapsed1, remaining1);
      // Each file's opening and finishing counts as a second of audio.
      const double done = 1.0 + w.curPrgbar->value() / 1000.0;
      expected1 = int(100.0 / done * (62.0 - done));
      totalPercent = w.totalPrgBar->value();
      currentPercent = int(100 * done / 62.0);
      now = 600000;
      timeLine(elapsedPaused, dummy);
      w.pauseBtn->click();
      now = 610000;
      timeLine(elapsedResumed, dummy);
    }
  };
  w.StartRun();
  EXPECT_TRUE(unknownLines.contains(lang::ConvertingPleaseWait));
  EXPECT_EQ(unknownLines.filter(lang::TimeElapsed), QStringList());
  // The unknown file's 8 s of audio are not counted as done against the 60 s known.
  EXPECT_NEAR(totalPercent, currentPercent, 1);
  EXPECT_EQ(elapsed1, 100);
  EXPECT_NEAR(remaining1, expected1, 1);
  EXPECT_EQ(elapsedPaused, 100);
  EXPECT_EQ(elapsedResumed, 110);
}

// A folder that has just refused an output is not offered for the next files;
// a failure of the input keeps the folder.
TEST_F(PrgFormTest, AFolderThatTakesNoFilesIsNotRemembered) {
  TTask& task = AddTask("song", 1.0);
  const QString refusing = t.Touch("plain-file") + "/out/";
  task.DstFile = refusing + "song.mp3";
  DefaultSettings.OutputFileDir = refusing;
  MessageAnswerer answer([](const QString&) { return 2; });
  w.StartRun();
  ASSERT_EQ(w.Failures().size(), 1);
  EXPECT_EQ(DefaultSettings.OutputFileDir, "");

  task.DstFile = t.Path("song.mp3");
  task.SrcFile = t.Touch("bad.wma", QByteArray(20000, 'q'));
  DefaultSettings.OutputFileDir = t.Path();
  w.StartRun();
  ASSERT_EQ(w.Failures().size(), 1);
  EXPECT_EQ(DefaultSettings.OutputFileDir, t.Path());
}

TEST_F(PrgFormTest, MissingDamagedAndCutInputsAreReportedAndTheRunGoesOn) {
  TTask& a = AddTask("a", 1.0);
  TTask& missing = AddTask("missing", 1.0);
  TTask& bad = AddTask("bad", 1.0);
  TTask& c = AddTask("c", 1.0);
  TTask& cut = AddTask("cut", 1.0);
  QFile::remove(missing.SrcFile);
  bad.SrcFile = t.Touch("bad.wma", QByteArray(20000, 'q'));
  ASSERT_TRUE(MakeWma(t.Path("whole.wma"), {20.0, 44100, 2, {}}));
  ASSERT_TRUE(CutFile(t.Path("whole.wma"), t.Path("cut.wma"), 0.37));
  cut.SrcFile = t.Path("cut.wma");
  MessageAnswerer answer([](const QString&) { return 2; });
  w.StartRun();
  // The input gone since it was added is asked about no sooner than the others.
  ASSERT_EQ(answer.Seen.size(), 1);
  EXPECT_EQ(answer.Icons[0], miWarning);
  const QString report = answer.Seen[0];
  EXPECT_TRUE(report.startsWith("3 of 5 files could not be converted:")) << report.toStdString();
  EXPECT_TRUE(report.contains(missing.SrcFile));
  EXPECT_TRUE(report.contains(bad.SrcFile));
  // What the cut file held is converted and kept, but it is not counted as done.
  EXPECT_TRUE(report.contains(cut.SrcFile + ": the input ends at 0:07 of 0:20")) << report.toStdString();
  EXPECT_TRUE(ReadMedia(cut.DstFile).DecodedCleanly);
  EXPECT_FALSE(report.contains(lang::AllConverted));
  // The folder's files share one album gain, which leaves out the two that failed, once.
  const QString album = "\n" + FolderPart(a.SrcFile).chopped(1) + ": " + lang::AlbumGainLeftOutFormat(5).arg(3).arg("");
  EXPECT_EQ(report.count(album), 1) << report.toStdString();
  EXPECT_TRUE(report.contains(QRegularExpression(", without (missing.wav, bad.wma|bad.wma, missing.wav)\n")));
  EXPECT_TRUE(report.endsWith(lang::OpenOutputFolder));
  EXPECT_TRUE(ReadMedia(a.DstFile).DecodedCleanly);
  EXPECT_TRUE(ReadMedia(c.DstFile).DecodedCleanly);
  EXPECT_FALSE(QFileInfo::exists(bad.DstFile));
  EXPECT_EQ(w.Failures().size(), 3);
}

// A task whose input cannot be opened still counts as done for the total bar.
TEST_F(PrgFormTest, AFailedOpenStillCountsItsLengthAsDone) {
  AddTask("a", 1.0);
  TTask& bad = AddTask("bad", 20.0);
  AddTask("c", 60.0);
  bad.SrcFile = t.Touch("bad.wma", QByteArray(20000, 'q'));
  int totalDuringLast = -1;
  MessageAnswerer answer([](const QString&) { return 2; });
  answer.WhileIdle = [&] {
    // Halfway through the last task, by the progress ticks.
    if (w.fileLabel->text().contains("(3/3)") && w.curPrgbar->value() > 30000 &&
        w.curPrgbar->value() < w.curPrgbar->maximum())
      totalDuringLast = w.totalPrgBar->value();
  };
  w.StartRun();
  // At least (1 + 20 + 30) of 81 seconds is 63 per cent; without the failed task's 20, 38.
  EXPECT_GT(totalDuringLast, 55);
}

// Two jobs at once: the file line follows the lower task, pause holds both
// workers, a failure in one leaves the other going, and cancel ends both, each
// with the audio so far.
TEST_F(PrgFormTest, TwoJobsRunTogether) {
  DefaultSettings.ParallelJobs = 2;
  // One encoder each: a file split over a free core reads ahead of the other,
  // and the pause below is timed by the leading file's bar.
  DefaultSettings.SplitFiles = false;
  TTask& a = AddTask("a", 30.0);
  TTask& bad = AddTask("bad", 5.0);
  TTask& c = AddTask("c", 30.0);
  bad.SrcFile = t.Touch("bad.wma", QByteArray(20000, 'q'));
  enum { Running, Paused, Resumed, Cancelling } phase = Running;
  qint64 sizesAtPause = -1, sizesLater = -1;
  int bothOpen = 0;
  QStringList fileLines;
  QElapsedTimer clock;
  MessageAnswerer answer([](const QString& text) { return text == lang::ConfirmCancel ? 1 : 2; });
  answer.WhileIdle = [&] {
    if (!fileLines.contains(w.fileLabel->text())) fileLines << w.fileLabel->text();
    const QStringList open = OpenUnnamedFiles();
    bothOpen = std::max(bothOpen, int(open.size()));
    // Paused once each file holds 3 s at 192 kbps: two cores need not share time evenly.
    const auto written = [](const QString& f) { return QFileInfo(f).size() > 3 * 24000; };
    if (phase == Running && open.size() == 2 && std::all_of(open.begin(), open.end(), written)) {
      w.pauseBtn->click();
      phase = Paused;
      clock.start();
    } else if (phase == Paused && sizesAtPause < 0 && clock.elapsed() > 200) {
      sizesAtPause = PartialSizes();
    } else if (phase == Paused && clock.elapsed() > 700) {
      sizesLater = PartialSizes();
      w.pauseBtn->click();
      phase = Resumed;
      clock.restart();
    } else if (phase == Resumed && clock.elapsed() > 100) {
      phase = Cancelling;
      w.cancelBtn->click();
    }
  };
  w.StartRun();
  EXPECT_EQ(bothOpen, 2);
  EXPECT_EQ(phase, Cancelling);
  EXPECT_GT(sizesAtPause, 0);
  EXPECT_EQ(sizesLater, sizesAtPause);
  EXPECT_EQ(fileLines.filter("Current File(").first(), "Current File(1/3): a");
  ASSERT_EQ(answer.Seen.size(), 2);
  EXPECT_TRUE(answer.Seen[1].startsWith("The conversion is canceled.\n1 of 3 files could not be converted:\n " +
                                        bad.SrcFile))
      << answer.Seen[1].toStdString();
  for (const TTask* task : {&a, &c}) {
    const MediaFacts f = ReadMedia(task->DstFile);
    EXPECT_TRUE(f.DecodedCleanly);
    EXPECT_GT(f.DecodedFrames, 44100 * 2);
    EXPECT_LT(f.DecodedFrames, 44100 * 29);
  }
}

// Two ticked tasks with one output name: the later gets the next free name.
TEST_F(PrgFormTest, TwoTasksOfOneRunNeverWriteOneFile) {
  TTask& a = AddTask("a", 1.0);
  TTask& b = AddTask("b", 2.0);
  b.DstFile = a.DstFile;
  MessageAnswerer answer([](const QString&) { return 2; });
  w.StartRun();
  EXPECT_EQ(b.DstFile, t.Path("a(2).mp3"));
  EXPECT_NEAR(ReadMedia(a.DstFile).DecodedFrames / 44100.0, 1.0, 0.05);
  EXPECT_NEAR(ReadMedia(b.DstFile).DecodedFrames / 44100.0, 2.0, 0.05);
}

TEST_F(PrgFormTest, ProgressTicksStayOnTimeWhileTheWorkerEncodes) {
  AddTask("long", 60.0);
  QList<qint64> ticks;
  QElapsedTimer clock;
  clock.start();
  QObject::connect(w.progressTimer, &QTimer::timeout, [&] { ticks << clock.elapsed(); });
  w.Now = [&] { return clock.elapsed() * 10; };  // long enough for an estimate
  MessageAnswerer answer([](const QString&) { return 2; });
  QString timeLine;
  answer.WhileIdle = [&] {
    if (w.timeLabel->text().startsWith("Time elapsed")) timeLine = w.timeLabel->text();
  };
  w.StartRun();
  ASSERT_GT(ticks.size(), 5);
  qint64 worst = 0;
  for (int i = 1; i < ticks.size(); ++i) worst = std::max(worst, ticks[i] - ticks[i - 1]);
  EXPECT_LT(worst, 250) << "longest gap between progress ticks, ms";
  EXPECT_TRUE(QRegularExpression("^Time elapsed: \\d+:\\d\\d:\\d\\d, remained: about \\d+:\\d\\d:\\d\\d$")
                  .match(timeLine)
                  .hasMatch())
      << timeLine.toStdString();
}

TEST_F(PrgFormTest, HidingWithoutATrayMinimisesAndTheRunGoesOn) {
  QWidget main;
  main.show();
  w.MainWindow = &main;
  TTask& task = AddTask("song", 3.0);
  bool hidden = false;
  MessageAnswerer answer([](const QString&) { return 2; });
  answer.WhileIdle = [&] {
    if (!hidden && w.isVisible()) {
      hidden = true;
      w.hideBtn->click();
    }
  };
  w.StartRun();
  EXPECT_TRUE(hidden);
  EXPECT_TRUE(ReadMedia(task.DstFile).DecodedCleanly);
  EXPECT_FALSE(main.isMinimized());  // brought back at the end
}

// The window's own clock, the one its time line reads unless a test gives it
// another, keeps time with the system's: over a quarter of a second its count lies
// between the reference's readings taken just inside and just outside its own.
TEST_F(PrgFormTest, TheWindowsClockCountsRealMilliseconds) {
  QElapsedTimer reference;
  reference.start();
  const qint64 outerStart = reference.elapsed();
  const qint64 start = w.Now();
  const qint64 innerStart = reference.elapsed();
  QTest::qWait(250);  // time passing is what is measured
  const qint64 innerEnd = reference.elapsed();
  const qint64 end = w.Now();
  const qint64 outerEnd = reference.elapsed();
  EXPECT_GE(end - start, innerEnd - innerStart - 2);
  EXPECT_LE(end - start, outerEnd - outerStart + 2);
}

}  // namespace

// What the report's first line and icon say: all converted, all left as they
// were, all failed (with no question per missing input on the way).
TEST_F(PrgFormTest, TheReportSaysHowTheRunWent) {
  for (const char* name : {"one", "two", "three"}) AddTask(name, 0.3);
  MessageAnswerer answer([](const QString&) { return 2; });
  w.StartRun();
  DefaultSettings.ExistingOutput = TExistingOutput::Skip;
  w.StartRun();
  DefaultSettings.ExistingOutput = TExistingOutput::Number;
  for (const auto& task : Tasks) QFile::remove(task->SrcFile);
  w.StartRun();
  ASSERT_EQ(answer.Seen.size(), 3);
  EXPECT_EQ(answer.Seen[0], QString(lang::AllConverted) + "\n" + lang::OpenOutputFolder);
  EXPECT_EQ(answer.Seen[1], lang::NothingNewFormat(3) + "\n" + lang::OpenOutputFolder);
  EXPECT_TRUE(answer.Seen[2].startsWith(lang::FilesFailedFormat(3).arg(3) + "\n " + Tasks[0]->SrcFile + ": "))
      << answer.Seen[2].toStdString();
  EXPECT_EQ(answer.Icons, (QList<int>{miInformation, miInformation, miError}));
}

// An output that takes no more files is asked about once a run: No goes on and
// the report names every file, Yes stops the run.
TEST_F(PrgFormTest, AnOutputThatTakesNoMoreFilesIsAskedAboutOnce) {
  struct Full : TOutputStream {
    void Write(const void*, std::size_t) override { throw EAudioException(std::strerror(ENOSPC)); }
  } full;
  w.MP3Out->Stream = &full;
  w.MP3Out->StreamAssigned = true;
  for (int i = 0; i < 4; ++i) AddTask(QString("f%1").arg(i), 0.3);
  const QString question = QString(lang::OutputRefusedFormat).arg(std::strerror(ENOSPC), FolderPart(Tasks[0]->DstFile)) +
                           "\n" + lang::StopTheRun;
  for (const int stop : {2, 1}) {
    MessageAnswerer answer([&](const QString& text) { return text == question ? stop : 2; });
    w.StartRun();
    ASSERT_EQ(answer.Seen.size(), 2);
    EXPECT_EQ(answer.Seen[0], question);
    EXPECT_TRUE(answer.Seen[1].startsWith(stop == 2 ? lang::FilesFailedFormat(4).arg(4) : lang::Canceled))
        << answer.Seen[1].toStdString();
    EXPECT_EQ(w.Failures().size(), stop == 2 ? 4 : 1) << answer.Seen[1].toStdString();
  }
}

// Many short files and a long one among them: the total bar climbs in small
// steps, never back, also while the long file converts, and the time line,
// once there, says what the bar says.
TEST_F(PrgFormTest, TheTotalBarCountsShortFilesAndLongOnes) {
  DefaultSettings.VerifyOutput = false;
  for (int i = 0; i < 60; ++i) AddTask(QString("short%1").arg(i), 0.1);
  AddTask("long", 30.0);
  for (int i = 60; i < 120; ++i) AddTask(QString("short%1").arg(i), 0.1);
  QElapsedTimer clock;
  clock.start();
  w.Now = [&] { return clock.elapsed() * 20; };
  QList<int> bar, duringLong;
  int timeLines = 0, contradictions = 0;
  QObject::connect(w.progressTimer, &QTimer::timeout, [&] {
    bar << w.totalPrgBar->value();
    if (w.fileLabel->text().endsWith(": long")) duringLong << bar.back();
    const auto m = QRegularExpression("^Time elapsed: (\\d+):(\\d\\d):(\\d\\d), remained: about (\\d+):(\\d\\d):(\\d\\d)$")
                       .match(w.timeLabel->text());
    if (!m.hasMatch()) return;
    ++timeLines;
    auto secs = [&](int at) { return m.captured(at).toInt() * 3600 + m.captured(at + 1).toInt() * 60 + m.captured(at + 2).toInt(); };
    const double elapsed = secs(1), remaining = secs(4);
    if (std::abs(100 * elapsed / std::max(elapsed + remaining, 1.0) - bar.back()) > 10) ++contradictions;
  });
  MessageAnswerer answer([](const QString&) { return 2; });
  w.StartRun();
  EXPECT_TRUE(std::is_sorted(bar.begin(), bar.end()));
  EXPECT_GE(QSet<int>(bar.begin(), bar.end()).size(), 10) << "distinct values of the total bar";
  EXPECT_GE(QSet<int>(duringLong.begin(), duringLong.end()).size(), 3);
  EXPECT_GT(timeLines, 0);
  EXPECT_EQ(contradictions, 0);
}
