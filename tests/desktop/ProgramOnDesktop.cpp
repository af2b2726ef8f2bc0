#include "ProgramOnDesktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSettings>
#include <QThread>
#include <gtest/gtest.h>

#include "Lang.h"

QString RunTool(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(10000);
  return QString::fromLocal8Bit(p.readAllStandardOutput());
}

QList<WId> Stacking() {
  QList<WId> ids;
  const QString out = RunTool("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
  for (const auto& m : QRegularExpression("0x[0-9a-f]+").globalMatch(out)) ids << m.captured().toULongLong(nullptr, 16);
  return ids;
}

ProgramOnDesktop::ProgramOnDesktop(const QString& home, const QStringList& files, const QString& program)
    : home_(home) {
  p.setProcessEnvironment(Environment(home));
  p.start(program, files);
}

ProgramOnDesktop::~ProgramOnDesktop() {
  if (p.state() != QProcess::NotRunning) {
    p.kill();
    p.waitForFinished();
  }
}

QString ProgramOnDesktop::BuiltProgram() { return PROGRAM; }

QProcessEnvironment ProgramOnDesktop::Environment(const QString& home) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_CONFIG_HOME", home + "/config");
  env.insert("XDG_DATA_HOME", home + "/data");
  env.insert("XDG_RUNTIME_DIR", home + "/run");
  env.insert("LANGUAGE", "en");  // the texts checked are the English ones, whatever the machine's language
  QDir().mkpath(home + "/run");
  QFile::setPermissions(home + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return env;
}

void ProgramOnDesktop::SpoilStoredDefaults() {
  QSettings s(SettingsFile(), QSettings::IniFormat);
  s.setValue("InputFileDir", "/elsewhere/");
}

QString ProgramOnDesktop::StoredInputFolder() const {
  return QSettings(SettingsFile(), QSettings::IniFormat).value("InputFileDir").toString();
}

std::optional<QPoint> ProgramOnDesktop::TrayIcon() {
  // The icon is the program's window embedded in trayer's panel: a line below
  // the panel's in the tree, indented deeper.
  const QStringList tree = RunTool("xwininfo", {"-root", "-tree"}).split('\n');
  qsizetype panelDepth = -1;
  for (const QString& line : tree) {
    const qsizetype depth = line.indexOf(QRegularExpression("\\S"));
    if (panelDepth >= 0 && depth >= 0 && depth <= panelDepth) panelDepth = -1;
    if (line.contains("(\"panel\" \"trayer\")")) panelDepth = depth;
    const auto m = QRegularExpression("(\\d+)x(\\d+)\\+-?\\d+\\+-?\\d+\\s+\\+(-?\\d+)\\+(-?\\d+)").match(line);
    if (panelDepth >= 0 && line.contains("(\"brindlewave\"") && m.hasMatch())
      return QPoint(m.captured(3).toInt() + m.captured(1).toInt() / 2, m.captured(4).toInt() + m.captured(2).toInt() / 2);
  }
  return std::nullopt;
}

bool ProgramOnDesktop::ClickTrayIcon() {
  const auto at = TrayIcon();
  if (at) RunTool("xdotool", {"mousemove", QString::number(at->x()), QString::number(at->y()), "click", "1"});
  return bool(at);
}

bool ProgramOnDesktop::Focus(const QString& title, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    const QString id = RunTool("xdotool", {"search", "--onlyvisible", "--name", "^" + QRegularExpression::escape(title) + "$"})
                           .split('\n', Qt::SkipEmptyParts)
                           .value(0);
    if (!id.isEmpty()) {
      RunTool("xdotool", {"windowactivate", "--sync", id});
      QThread::msleep(150);
      return true;
    }
    QThread::msleep(50);
  }
  return false;
}

void ProgramOnDesktop::Key(const QString& keys) {
  RunTool("xdotool", {"key", "--delay", "60", keys});
  QThread::msleep(200);
}

void ProgramOnDesktop::Type(const QString& text) {
  RunTool("xdotool", {"type", "--delay", "15", text});
  QThread::msleep(150);
}

void ProgramOnDesktop::AddFiles(const QString& folder, const QStringList& names, bool first) {
  if (first) {
    ASSERT_TRUE(Focus(lang::TipsCaption));
    Key("Return");
  }
  ASSERT_TRUE(Focus("Brindlewave   (by Kelvaro)"));
  Key("alt+a");
  ASSERT_TRUE(Focus(lang::AddFilesDlgTitle));
  Type(folder + "/");
  Key("Return");
  QStringList quoted;
  for (const QString& n : names) quoted << "\"" + n + "\"";
  Type(quoted.join(' '));
  Key("Return");
  ASSERT_TRUE(Focus(lang::WizardCaption));
  Key("alt+n");
  Key("alt+n");
  Key("alt+o");
  if (names.size() > 1) {
    ASSERT_TRUE(Focus("Message ..."));
    Key("Return");  // the same settings for the others
  }
  ASSERT_TRUE(Focus("Brindlewave   (by Kelvaro)"));
}
