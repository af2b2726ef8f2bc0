// Each window of the real program as a screen reader reaches it through AT-SPI,
// opened from the keyboard alone: every control has a name, the task list
// reports its lines with their ticks, the progress bars report their values.
// The folder search's window, which a quick search never shows, is held on
// screen in this process. Runs under with-accessibility (a private session bus
// with the AT-SPI bus up).

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <condition_variable>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>

#include "AppTestSupport.h"
#include "Application.h"
#include "FolderSearch.h"
#include "Lang.h"
#include "MainForm.h"
#include "MediaMaker.h"
#include "ProgramOnDesktop.h"
#include "TestSupport.h"

namespace {

const QString MainTitle = QString(lang::AppTitle) + "   " + lang::AppCredit;

struct WalkResult {
  int Status = -1;
  QString Output;
};

// The window's accessible tree as accessible-tree.py reports it. The window may
// be this process's own: its event loop answers the walker meanwhile.
WalkResult Walk(qint64 pid, const QString& title, const QStringList& checks) {
  QProcess walker;
  walker.setProcessChannelMode(QProcess::MergedChannels);
  QEventLoop loop;
  QObject::connect(&walker, &QProcess::finished, &loop, &QEventLoop::quit);
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  // Debian's Python, which has the AT-SPI bindings, whatever python3 the PATH finds first.
  walker.start("/usr/bin/python3", QStringList{ACCESSIBLE_TREE, "--pid", QString::number(pid), "--window", title} + checks);
  if (walker.waitForStarted()) loop.exec();
  if (walker.state() != QProcess::NotRunning) {
    walker.kill();
    walker.waitForFinished();
    return {-1, "the walker did not finish"};
  }
  return {walker.exitStatus() == QProcess::NormalExit ? walker.exitCode() : -1,
          QString::fromLocal8Bit(walker.readAll())};
}

// One window: how the keyboard brings it up from the one before, the title it
// shows, what the walker checks beyond the names, and how it is left.
struct WindowCase {
  const char* Name;
  std::function<void(ProgramOnDesktop&)> Open;
  QString Title;
  QStringList Checks;
  std::function<void(ProgramOnDesktop&)> Leave;
};

std::function<void(ProgramOnDesktop&)> Keys(const QStringList& keys) {
  return [keys](ProgramOnDesktop& p) {
    for (const QString& k : keys) p.Key(k);
  };
}

class DesktopAccessible : public ::testing::Test {
 protected:
  TestFolder t;
};

TEST_F(DesktopAccessible, EveryWindowNamesItsControls) {
  const QString in = t.Path("in");
  QDir().mkpath(in);
  // Long enough that the pause lands while its MP3 is checked: a run ends as soon as that is done.
  ASSERT_TRUE(MakeWma(in + "/one.wma", {1200.0, 44100, 2, {{"title", "Lark Ascending"}}}));
  // What the run has written so far, under whatever name it writes.
  const auto written = [&] {
    qint64 size = 0;
    for (const QFileInfo& f : QDir(in).entryInfoList(QDir::Files | QDir::Hidden))
      if (f.fileName() != "one.wma") size += f.size();
    return size;
  };
  const auto nothing = [](ProgramOnDesktop&) {};
  const auto addFile = [&](ProgramOnDesktop& p) {
    p.Key("alt+a");
    ASSERT_TRUE(p.Focus(lang::AddFilesDlgTitle));
    p.Type(in + "/one.wma");
    p.Key("Return");
  };
  const auto startAndPause = [&](ProgramOnDesktop& p) {
    p.Key("alt+s");
    ASSERT_TRUE(p.Focus(lang::ProgressCaption));
    // Far enough into the file that both bars have moved, then held there.
    ASSERT_TRUE(QTest::qWaitFor([&] { return written() > 200000; }, 30000));
    p.Key("alt+p");
  };
  const std::vector<WindowCase> windows = {
      {"tips", nothing, lang::TipsCaption, {}, Keys({"Return"})},
      {"main window, empty", nothing, MainTitle, {"--line", QString(lang::EmptyListHint) + "=unchecked"}, nothing},
      {"wizard, page 1", addFile, lang::WizardCaption, {}, nothing},
      {"wizard, page 2", Keys({"alt+n"}), lang::WizardCaption, {}, nothing},
      {"wizard, page 2 with variable bitrate", Keys({"alt+v"}), lang::WizardCaption, {}, Keys({"alt+v"})},
      {"wizard, page 3", Keys({"alt+n"}), lang::WizardCaption, {}, Keys({"alt+o"})},
      {"main window with a task", nothing, MainTitle, {"--line", "Lark Ascending=checked"}, nothing},
      {"main window, the task unticked", Keys({"space"}), MainTitle, {"--line", "Lark Ascending=unchecked"},
       Keys({"space"})},
      {"about", Keys({"alt+b"}), QString(lang::AboutCaption) + " " + lang::AppTitle, {}, Keys({"Escape"})},
      {"preferences", Keys({"ctrl+comma"}), lang::PrefsCaption, {}, Keys({"Escape"})},
      {"progress", startAndPause, lang::ProgressCaption, {"--progress"}, nothing},
      {"message", Keys({"Escape"}), "Message ...", {}, Keys({"alt+y"})},
      {"report", nothing, "Message ...", {}, Keys({"alt+n"})},
  };

  ProgramOnDesktop program(t.Path("home"));
  for (const WindowCase& w : windows) {
    SCOPED_TRACE(w.Name);
    w.Open(program);
    ASSERT_TRUE(program.Focus(w.Title)) << w.Name;
    const WalkResult walk = Walk(program.p.processId(), w.Title, w.Checks);
    EXPECT_EQ(walk.Status, 0) << walk.Output.toStdString();
    if (w.Checks.contains("--progress")) {
      // A bar that has moved says how far.
      bool moved = false;
      for (const auto& m : QRegularExpression("^progress .* ([0-9.]+) ([0-9.]+) [0-9.]+$", QRegularExpression::MultilineOption)
                               .globalMatch(walk.Output))
        moved = moved || m.captured(1).toDouble() > m.captured(2).toDouble();
      EXPECT_TRUE(moved) << walk.Output.toStdString();
    }
    w.Leave(program);
  }
  ASSERT_TRUE(program.Focus(MainTitle));
  program.Key("alt+F4");
  EXPECT_TRUE(program.Exited(10000));
}

// The small window counting the files a folder search finds, held on screen
// while the search waits at its first file.
TEST_F(DesktopAccessible, FolderSearchWindowNamesItsControls) {
  QSettings(t.SettingsFile(), QSettings::IniFormat).setValue("tips", 10000);
  auto app = StartApplication(t.Path("app/brindlewave"));
  TmainFrm* main = app->mainFrm.get();
  main->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(main, 10000));
  QDir().mkpath(t.Path("in"));
  t.Touch("in/unreadable.wma");
  std::mutex m;
  std::condition_variable walked;
  bool done = false;
  TFolderSearch::FoundHook = [&](int) {
    std::unique_lock lock(m);
    walked.wait(lock, [&] { return done; });
  };
  WalkResult walk{-1, "the window did not show"};
  QTimer::singleShot(0, main, [&] {
    // Within the search's own loop.
    if (QTest::qWaitFor([&] { return main->FolderProgress && main->FolderProgress->isVisible(); }, 10000) &&
        QTest::qWaitForWindowExposed(main->FolderProgress))
      walk = Walk(QCoreApplication::applicationPid(), lang::FolderSearchCaption, {"--progress"});
    std::lock_guard lock(m);
    done = true;
    walked.notify_all();
  });
  MessageAnswerer answer;  // the file found cannot be read
  main->DropFiles({t.Path("in")});
  TFolderSearch::FoundHook = nullptr;
  EXPECT_EQ(walk.Status, 0) << walk.Output.toStdString();
  EXPECT_EQ(answer.Seen.size(), 1);
  ShutdownApplication(std::move(app));
}

}  // namespace
