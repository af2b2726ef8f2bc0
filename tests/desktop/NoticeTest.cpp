// The notice at the end of a run, on a private session bus (session-bus.conf)
// where the notification service is there only while a test runs dunst.

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

#include "AppTestSupport.h"
#include "Application.h"
#include "DoneNotice.h"
#include "Lang.h"
#include "MainForm.h"
#include "MediaCheck.h"
#include "MediaMaker.h"
#include "PrgForm.h"
#include "ProgramOnDesktop.h"
#include "TestSupport.h"

namespace {

const char* const NoticeService = "org.freedesktop.Notifications";

bool ServiceOnBus() {
  const QDBusConnection bus = QDBusConnection::sessionBus();
  return bus.isConnected() && bus.interface()->isServiceRegistered(NoticeService);
}

// With no notification service, the tray icon's balloon tells the end of a run
// hidden to the tray.
TEST(Notice, WithoutAServiceTheTrayBalloonTellsIt) {
  ASSERT_TRUE(QSystemTrayIcon::isSystemTrayAvailable());
  ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
  ASSERT_FALSE(ServiceOnBus());
  TestFolder t;
  QSettings(t.SettingsFile(), QSettings::IniFormat).setValue("tips", 10000);
  std::unique_ptr<TAppWindows> app = StartApplication(t.Path("app/brindlewave"));
  TmainFrm* main = app->mainFrm.get();
  TprgFrm* prg = app->prgFrm.get();
  main->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(main, 10000));
  ASSERT_TRUE(MakeWav(t.Path("a.wav"), {20.0, 44100, 2, {}}));
  AddReadTask(t.Path("a.wav"));
  std::optional<bool> delivered;
  bool balloon = false;
  QObject::connect(prg->Notice, &TDoneNotice::Answered, [&](bool answer) {
    delivered = answer;
    for (QWidget* w : QApplication::topLevelWidgets()) balloon |= w->inherits("QBalloonTip") && w->isVisible();
  });
  MessageAnswerer answer([](const QString&) { return 2; });
  answer.WhileIdle = [&] {
    if (prg->Running() && prg->isVisible() && prg->curPrgbar->value() > 500) prg->hideBtn->click();
  };
  prg->StartRun();
  EXPECT_TRUE(QTest::qWaitFor([&] { return delivered.has_value(); }, 5000));
  EXPECT_EQ(delivered, std::optional<bool>(false));
  EXPECT_TRUE(balloon);
  ShutdownApplication(std::move(app));
}

// The real program and Debian's notification daemon.
class NoticeProgram : public ::testing::Test {
 protected:
  TestFolder t;
  QProcess dunst;
  QByteArray path = qgetenv("PATH");
  void SetUp() override {
    QDir().mkpath(t.Path("in"));
    // The folder the notice's action opens is written down by a stand-in opener.
    t.Touch("bin/xdg-open", QString("#!/bin/sh\necho \"$@\" >> %1\n").arg(t.Path("opened")).toUtf8());
    QFile::setPermissions(t.Path("bin/xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", t.Path("bin").toUtf8() + ":" + path);
    dunst.start("dunst", {});
    ASSERT_TRUE(QTest::qWaitFor(ServiceOnBus, 10000));
  }
  void TearDown() override {
    qputenv("PATH", path);
    dunst.kill();
    dunst.waitForFinished();
  }
  int Count(const QString& which) { return RunTool("dunstctl", {"count", which}).trimmed().toInt(); }
  // Each notice the daemon has shown and closed: summary, body, application.
  QList<QStringList> History() {
    QList<QStringList> seen;
    const QJsonArray data = QJsonDocument::fromJson(RunTool("dunstctl", {"history"}).toUtf8())["data"][0].toArray();
    for (const QJsonValue& n : data)
      seen << QStringList{n["summary"]["data"].toString(), n["body"]["data"].toString(), n["appname"]["data"].toString()};
    return seen;
  }
  // Starts a run, hides it to the tray and waits for the report of its end.
  void RunHidden(ProgramOnDesktop& program) {
    ASSERT_TRUE(program.Focus("Brindlewave   (by Kelvaro)"));
    program.Key("alt+s");
    ASSERT_TRUE(program.Focus(lang::ProgressCaption));
    program.Key("alt+h");
    ASSERT_TRUE(program.Focus("Message ...", 60000));
  }
  // Answers the report, brings the windows back from the tray and closes the progress window.
  void Restore(ProgramOnDesktop& program) {
    program.Key("alt+n");
    ASSERT_TRUE(program.ClickTrayIcon());
    ASSERT_TRUE(program.Focus(lang::ProgressCaption));
    program.Key("alt+o");
  }
};

// A run ended in the tray is told on the desktop; the notice's action opens
// the output folder; turned off in the preferences window, no notice comes.
TEST_F(NoticeProgram, ARunEndingInTheTrayIsToldOnTheDesktop) {
  ASSERT_TRUE(MakeWma(t.Path("in/one.wma"), {150.0, 44100, 2, {}}));
  ProgramOnDesktop program(t.Path("home"));
  program.AddFiles(t.Path("in"), {"one.wma"});
  RunHidden(program);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Count("displayed") == 1; }, 5000));
  RunTool("dunstctl", {"action", "0"});
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(t.Path("opened")); }, 5000));
  QFile opened(t.Path("opened"));
  ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(opened.readAll()).contains(t.Path("in"))) << t.Path("in").toStdString();
  RunTool("dunstctl", {"close-all"});
  EXPECT_EQ(History(), QList<QStringList>({{lang::NoticeSummary, lang::AllConverted, lang::AppTitle}}));
  Restore(program);

  ASSERT_TRUE(program.Focus("Brindlewave   (by Kelvaro)"));
  program.Key("ctrl+comma");
  ASSERT_TRUE(program.Focus(lang::PrefsCaption));
  program.Key("alt+d");
  program.Key("Return");
  ASSERT_TRUE(program.Focus("Brindlewave   (by Kelvaro)"));
  EXPECT_EQ(QSettings(program.SettingsFile(), QSettings::IniFormat).value("NotifyWhenDone").toInt(), 0);
  RunHidden(program);
  QTest::qWait(1000);  // a notice would have been sent before the report came up
  EXPECT_EQ(Count("displayed") + Count("waiting"), 0);
  EXPECT_EQ(History().size(), 1);
  Restore(program);
  ASSERT_TRUE(program.Focus("Brindlewave   (by Kelvaro)"));
  program.Key("alt+F4");
  ASSERT_TRUE(program.Exited(10000));
  EXPECT_EQ(program.p.exitCode(), 0);
  EXPECT_TRUE(ReadMedia(t.Path("in/one.mp3")).DecodedCleanly);
}

}  // namespace
