#pragma once
// The real program in a process of its own on the X server, driven the way a
// person does through xdotool, and what the window manager says of its windows.

#include <QPoint>
#include <QProcess>
#include <QStringList>
#include <QWindow>
#include <optional>

// Runs a tool to its end (10 s at most) and returns what it printed.
QString RunTool(const QString& program, const QStringList& args);
// The client windows from bottom to top, as the window manager stacks them.
QList<WId> Stacking();

class ProgramOnDesktop {
 public:
  explicit ProgramOnDesktop(const QString& home, const QStringList& files = {}, const QString& program = BuiltProgram());
  ~ProgramOnDesktop();
  // The brindlewave of this build.
  static QString BuiltProgram();
  // Private settings, data and runtime folders under `home`.
  static QProcessEnvironment Environment(const QString& home);
  QString SettingsFile() const { return home_ + "/config/Kelvaro/Brindlewave.conf"; }
  // Puts another input folder into the stored defaults; the program's own comes
  // back only if it saves them.
  void SpoilStoredDefaults();
  QString StoredInputFolder() const;
  // The middle of the program's icon in the tray's panel, if it is there.
  static std::optional<QPoint> TrayIcon();
  bool ClickTrayIcon();
  // Waits for a visible window of that exact title and gives it the focus.
  bool Focus(const QString& title, int ms = 20000);
  void Key(const QString& keys);
  void Type(const QString& text);
  // First start to a task list of the given files, all with the first one's settings.
  void AddFiles(const QString& folder, const QStringList& names, bool first = true);
  bool Exited(int ms) { return p.waitForFinished(ms); }
  QProcess p;

 private:
  QString home_;
};
