// Drives the real program with seeded random sequences of what a person does:
// files added, runs started, paused, cancelled and hidden, windows closed,
// minimised and restored, the tray going away and coming back, SIGTERM. After
// every step it checks that the windows stay usable; at the end of each
// sequence, that the program can be ended and that the files it left are whole.
//
//   desktop_explorer [--program PATH] [--tray] [--steps N]
//                    [--seeds A-B] [--seconds N] [--sequences FILE] [--replay LINE] [--verbose]
//
// A sequence is a line: "seed=N tray|notray step step ...". Its steps:
//   add:KIND     a second start with a file (short, long, cut, garbled, stream)
//   dlg:KIND     the same file through the Add Files dialog
//   wizard       through the settings pages with alt+n alt+n alt+o
//   start, pause, resume, cancel, hide, ok    the main and progress windows' buttons
//   yes, no, ret, esc, key:KEYS               answers and keys (KEYS apart by commas)
//   close:ROLE, min:ROLE, restore:ROLE        alt+F4, minimise, activate
//   icon, traykill, trayup                    the tray icon clicked, the tray stopped, started
//   prefs:WAY     the preferences from the tray icon's menu (tray), the main window's
//                 button (button), or Ctrl+comma on the progress or main window
//   wait:SECONDS, term                        time passing, SIGTERM
//   expect:ROLE[/SECONDS]                     such a window comes on screen (20 s)
//   focus:ROLE                                the focus is with a window of that role
// ROLE is main, progress, message, prefs, wizard or add. A step written "+step"
// follows the one before it at once, before the windows settle.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <random>
#include <set>
#include <unistd.h>

extern "C" {
#include <libavutil/log.h>
}

#include "DesktopState.h"
#include "MediaCheck.h"
#include "MediaMaker.h"
#include "ProgramOnDesktop.h"

#include <X11/Xlib.h>  // after Qt, whose names its macros would take

namespace {

// The inputs, made once per exploration: a short and a long file (a run of
// several seconds), a cut and an overwritten one, and a stream stating no length.
const QStringList Kinds = {"short", "long", "cut", "garbled", "stream"};
QString FileOf(const QString& kind) { return kind == "stream" ? "stream.wav" : kind + ".wma"; }

const QStringList Verbs = {"add",   "dlg",  "wizard",   "start",  "pause",   "resume", "cancel", "hide",
                           "ok",    "yes",  "no",       "ret",    "esc",     "close",  "min",    "restore",
                           "icon",  "traykill", "trayup", "wait", "term",    "key",    "expect", "prefs",
                           "focus"};
const QMap<QString, QString> ProgressKeys = {
    {"pause", "alt+p"}, {"resume", "alt+r"}, {"cancel", "alt+c"}, {"hide", "alt+h"}, {"ok", "alt+o"}};

struct Sequence {
  QString Name;  // a regression's
  quint64 Seed = 0;
  bool Tray = false;
  QStringList Steps;
  QString Line() const { return QString("seed=%1 %2 %3").arg(Seed).arg(Tray ? "tray" : "notray", Steps.join(' ')); }
};

std::optional<Sequence> Parse(const QString& line) {
  Sequence s;
  for (const QString& token : line.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)) {
    QString verb = token.section(':', 0, 0);
    if (verb.startsWith('+')) verb.remove(0, 1);
    if (token.startsWith("seed="))
      s.Seed = token.mid(5).toULongLong();
    else if (token == "tray" || token == "notray")
      s.Tray = token == "tray";
    else if (Verbs.contains(verb))
      s.Steps << token;
    else
      return std::nullopt;
  }
  return s;
}

struct Options {
  QString Program = ProgramOnDesktop::BuiltProgram();
  bool Tray = false;
  int Steps = 15, Seconds = 0;
  quint64 SeedFrom = 1, SeedTo = 0;
  QString Replay, SequencesFile;
  bool Verbose = false;
};

class Explorer {
 public:
  explicit Explorer(const Options& o);
  ~Explorer() {
    StopTrayer();
    if (display_) XCloseDisplay(display_);
  }
  bool Ready() const { return !inputs_.isEmpty(); }
  // Runs a sequence; with `draw` its steps are drawn from its seed as it goes.
  bool Run(Sequence& s, bool draw);
  int sequences = 0, actions = 0, failures = 0;
  std::set<QString> states;

 private:
  DesktopState Now() const { return DesktopState::Read(pid_); }
  // Its end is seen only when looked for: the explorer runs no event loop.
  bool Alive() const {
    program_->p.waitForFinished(0);
    return program_->p.state() != QProcess::NotRunning;
  }
  DesktopState Settle() const;
  bool WaitFor(const QStringList& roles, int ms) const;
  bool Activate(const QString& role) const;
  // Keys one after the other, apart by a space or a comma.
  void Key(const QString& keys) const {
    RunTool("xdotool", QStringList{"key", "--delay", "80"} + keys.split(QRegularExpression("[ ,]")));
  }
  void Type(const QString& text) const { RunTool("xdotool", {"type", "--delay", "15", text}); }
  void Do(const QString& verb, const QString& arg);
  void OpenPrefs(const QString& way);
  bool TrayMenuOpen() const;
  void ThroughWizard();
  QString Draw(std::mt19937_64& rng, const DesktopState& st) const;
  void Terminate();
  void WayOut();
  void CheckFiles();
  void Ended(const QString& how);
  void EndedAfter(const QString& step);
  void Fail(const QString& why) {
    if (failure_.isEmpty()) failure_ = why + " [" + Now().Signature() + "]";
  }
  void StartTrayer();
  void StopTrayer();
  bool TrayOwned() const;

  Options o_;
  QTemporaryDir work_;
  QString inputs_, in_, home_;
  std::unique_ptr<ProgramOnDesktop> program_;
  qint64 pid_ = 0;
  QProcess trayer_;
  Display* display_ = XOpenDisplay(nullptr);
  QString failure_;
  bool ended_ = false;
};

Explorer::Explorer(const Options& o) : o_(o) {
  // Answering yes to "open the output folder" must not start a file manager.
  const QString bin = work_.path() + "/bin";
  QDir().mkpath(bin);
  QFile opener(bin + "/xdg-open");
  if (opener.open(QIODevice::WriteOnly)) opener.write("#!/bin/sh\nexit 0\n");
  opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("PATH", (bin + ":").toUtf8() + qgetenv("PATH"));

  const QString dir = work_.path() + "/inputs";
  QDir().mkpath(dir);
  const QString longer = dir + "/60s.wma";
  bool ok = MakeWma(dir + "/short.wma", {2.0, 44100, 2, {}}) && MakeWma(dir + "/long.wma", {1200.0, 44100, 2, {}}, 64000) &&
            MakeWma(longer, {60.0, 44100, 2, {}}) && CutFile(longer, dir + "/cut.wma", 0.6) &&
            MakeWav(dir + "/stream.wav", {60.0, 44100, 2, {}});
  QFile garbled(longer), stream(dir + "/stream.wav");
  if (ok && garbled.open(QIODevice::ReadWrite) && stream.open(QIODevice::ReadWrite)) {
    QByteArray bytes = garbled.readAll();
    std::mt19937 noise(7);
    for (qsizetype i = bytes.size() / 2; i < bytes.size() / 2 + 20000; ++i) bytes[i] = char(noise());
    QFile out(dir + "/garbled.wma");
    ok = out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
    // As a stream is written: no sizes in the RIFF and data headers.
    const QByteArray head = stream.read(4096);
    const qsizetype data = head.indexOf("data");
    ok = ok && data > 0 && stream.seek(4) && stream.write("\xff\xff\xff\xff", 4) == 4 && stream.seek(data + 4) &&
         stream.write("\xff\xff\xff\xff", 4) == 4;
  } else {
    ok = false;
  }
  if (ok) inputs_ = dir;
}

bool Explorer::TrayOwned() const {
  return display_ && XGetSelectionOwner(display_, XInternAtom(display_, "_NET_SYSTEM_TRAY_S0", False)) != None;
}

void Explorer::StartTrayer() {
  if (trayer_.state() != QProcess::NotRunning) return;
  // With the arguments run-on-desktop gives it.
  trayer_.start("trayer", {"--edge", "top", "--align", "right", "--widthtype", "pixel", "--width", "64", "--height", "32"});
  QElapsedTimer clock;
  clock.start();
  while (!TrayOwned() && clock.elapsed() < 10000) QThread::msleep(20);
}

void Explorer::StopTrayer() {
  if (trayer_.state() == QProcess::NotRunning) return;
  trayer_.terminate();
  if (!trayer_.waitForFinished(5000)) trayer_.kill();
  trayer_.waitForFinished();
}

// The windows as they are once nothing has changed for a few looks.
DesktopState Explorer::Settle() const {
  DesktopState last = Now();
  QElapsedTimer clock;
  clock.start();
  for (int same = 0; same < 3 && clock.elapsed() < 5000;) {
    QThread::msleep(100);
    DesktopState now = Now();
    same = now.Signature() == last.Signature() ? same + 1 : 0;
    last = now;
  }
  return last;
}

// A window of one of these roles is on screen (not iconic).
bool Explorer::WaitFor(const QStringList& roles, int ms) const {
  QElapsedTimer clock;
  clock.start();
  do {
    const DesktopState st = Now();
    for (const QString& role : roles)
      if (const auto* w = st.Find(role); w && !w->Iconic) return true;
    if (!Alive()) return false;
    QThread::msleep(100);
  } while (clock.elapsed() < ms);
  return false;
}

// Clicks a window of that role to the front, as a person would before typing
// into it; the window manager may give the focus to a modal window of its own.
bool Explorer::Activate(const QString& role) const {
  const DesktopState st = Now();
  const auto* w = st.Find(role);
  if (!w) return false;
  if (st.Active == w->Id) return true;
  RunTool("xdotool", {"windowactivate", QString::number(w->Id)});
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 2000) {
    const DesktopState now = Now();
    const auto active = std::find_if(now.Windows.begin(), now.Windows.end(), [&](const auto& x) { return x.Id == now.Active; });
    if (active != now.Windows.end() && (active->Id == w->Id || now.OwnedBy(*active, w->Id) || now.Active != st.Active)) break;
    QThread::msleep(50);
  }
  return true;
}

void Explorer::ThroughWizard() {
  if (!Activate("wizard")) return;
  for (const char* key : {"alt+n", "alt+n", "alt+o"}) {
    Key(key);
    QThread::msleep(150);  // the next page is laid out
  }
}

void Explorer::Do(const QString& verb, const QString& arg) {
  if (verb == "add") {
    // A second start hands its file to the running program.
    QProcess second;
    second.setProcessEnvironment(ProgramOnDesktop::Environment(home_));
    second.start(o_.Program, {in_ + "/" + FileOf(arg)});
    if (!second.waitForFinished(10000)) {
      second.kill();
      second.waitForFinished();
      return Fail("a second start did not hand its file over within 10 s");
    }
    if (second.exitCode() != 0) return Fail(QString("a second start ended with status %1").arg(second.exitCode()));
    if (WaitFor({"wizard", "message"}, 4000) && Now().Find("wizard")) ThroughWizard();
  } else if (verb == "dlg") {
    if (!Activate("main")) return;
    Key("alt+a");
    if (!WaitFor({"add"}, 4000)) return;
    Type(in_ + "/");
    Key("Return");
    Type(FileOf(arg));
    Key("Return");
    if (WaitFor({"wizard", "message"}, 4000) && Now().Find("wizard")) ThroughWizard();
  } else if (verb == "wizard") {
    ThroughWizard();
  } else if (verb == "start") {
    if (Activate("main")) Key("alt+s");
  } else if (ProgressKeys.contains(verb)) {
    if (Activate("progress")) Key(ProgressKeys[verb]);
  } else if (verb == "yes" || verb == "no") {
    if (Activate("message")) Key(verb == "yes" ? "alt+y" : "alt+n");
  } else if (verb == "ret" || verb == "esc" || verb == "key") {
    Key(verb == "ret" ? "Return" : verb == "esc" ? "Escape" : arg);
  } else if (verb == "close") {
    if (arg == "focus" || Activate(arg)) Key("alt+F4");
  } else if (verb == "min") {
    if (const auto* w = Now().Find(arg)) RunTool("xdotool", {"windowminimize", QString::number(w->Id)});
  } else if (verb == "restore") {
    Activate(arg);
  } else if (verb == "prefs") {
    OpenPrefs(arg);
  } else if (verb == "focus") {
    // Settled, and for a moment more: the window manager may still be handing it on.
    QElapsedTimer clock;
    clock.start();
    for (const DesktopState::Window* w = nullptr;;) {
      const DesktopState st = Settle();
      w = st.Focused();
      if (w && w->Role == arg) break;
      if (clock.elapsed() > 3000)
        return Fail(QString("the focus is with %1, not with the %2 window").arg(w ? "the " + w->Role + " window" : "no window of ours", arg));
    }
  } else if (verb == "icon") {
    program_->ClickTrayIcon();
  } else if (verb == "traykill") {
    StopTrayer();
  } else if (verb == "trayup") {
    StartTrayer();
  } else if (verb == "wait") {
    QThread::msleep(ulong(arg.toDouble() * 1000));  // time passing is the step itself
  } else if (verb == "term") {
    Terminate();
  } else if (verb == "expect") {
    const int seconds = arg.contains('/') ? arg.section('/', 1).toInt() : 20;
    if (!WaitFor({arg.section('/', 0, 0)}, seconds * 1000))
      Fail(QString("no %1 window on screen within %2 s").arg(arg.section('/', 0, 0)).arg(seconds));
  }
}

// The tray icon's menu is on screen: a window of the program's straight on the
// root that the window manager leaves alone, and no tip (the icon itself is in
// the tray's panel, a balloon is a tip).
bool Explorer::TrayMenuOpen() const {
  const QStringList ids =
      RunTool("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid_)}).split('\n', Qt::SkipEmptyParts);
  for (const QString& id : ids) {
    const QString info = RunTool("xwininfo", {"-id", id, "-tree"}) + RunTool("xwininfo", {"-id", id});
    if (info.contains("Override Redirect State: yes") && info.contains("(the root window)") &&
        !RunTool("xprop", {"-id", id, "_NET_WM_WINDOW_TYPE"}).contains("TOOLTIP"))
      return true;
  }
  return false;
}

void Explorer::OpenPrefs(const QString& way) {
  if (way == "tray") {
    const auto at = ProgramOnDesktop::TrayIcon();
    if (!at) return;
    RunTool("xdotool", {"mousemove", QString::number(at->x()), QString::number(at->y()), "click", "3"});
    QElapsedTimer clock;
    clock.start();
    while (!TrayMenuOpen())
      if (clock.elapsed() > 4000)
        return Fail("the tray icon's menu did not open within 4 s");
      else
        QThread::msleep(50);
    Key("p");  // its Preferences...
  } else if (way == "button") {
    if (Activate("main")) Key("alt+p");
  } else if (Activate(way)) {
    Key("ctrl+comma");
  }
}

void Explorer::Ended(const QString& how) {
  ended_ = true;
  const QProcess& p = program_->p;
  if (p.exitStatus() != QProcess::NormalExit)
    Fail("the program crashed " + how);
  else if (p.exitCode() != 0)
    Fail(QString("the program ended %1 with status %2").arg(how).arg(p.exitCode()));
}

// Only closing a window (alt+F4 may reach the main window) or SIGTERM ends it.
void Explorer::EndedAfter(const QString& step) {
  if (step.startsWith("close:") || step.startsWith("key:"))
    Ended("after " + step);
  else
    Fail("the program ended after " + step + ", which does not end it");
}

void Explorer::Terminate() {
  ::kill(pid_t(pid_), SIGTERM);
  if (program_->p.waitForFinished(3000))
    Ended("on SIGTERM");
  else
    Fail("SIGTERM did not end the program within 3 s");
}

// Answers what is asked and closes what is open until the program ends.
void Explorer::WayOut() {
  QElapsedTimer clock;
  clock.start();
  QString last;
  for (int attempt = 0; Alive() && clock.elapsed() < 60000; ++attempt) {
    const DesktopState st = Settle();
    last = st.Signature();
    const auto* top = st.Windows.isEmpty() ? nullptr : &st.Windows.back();
    if (st.Find("message")) {
      if (Activate("message")) Key("Return");
    } else if (top && (QStringList{"wizard", "add", "tips", "about"}.contains(top->Role) || top->Role.startsWith("other"))) {
      if (Activate(top->Role)) Key("Escape");
    } else if (st.Find("prefs")) {
      if (Activate("prefs")) Key("Escape");
    } else if (st.Find("progress")) {
      if (Activate("progress")) Key(QStringList{"Escape", "alt+o", "alt+F4"}[attempt % 3]);
    } else if (st.Find("main")) {
      if (Activate("main")) Key("alt+F4");
    } else if (st.TrayIcon) {
      program_->ClickTrayIcon();
    }
    program_->p.waitForFinished(300);
  }
  if (Alive())
    Fail("the program could not be ended within 60 s; last seen: " + last);
  else
    Ended("at the way out");
}

void Explorer::CheckFiles() {
  for (const QFileInfo& f : QDir(in_).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)) {
    if (f.fileName().startsWith('.'))
      Fail("a hidden temporary file is left: " + f.fileName());
    else if (f.suffix() == "mp3" && !ReadMedia(f.filePath()).DecodedCleanly)
      Fail(f.fileName() + " does not decode cleanly to its end");
  }
}

QString Explorer::Draw(std::mt19937_64& rng, const DesktopState& st) const {
  const auto kind = [&] { return QStringList{"short", "short", "long", "long", "long", "cut", "garbled", "stream"}[rng() % 8]; };
  QList<std::pair<QString, double>> c = {
      {"wait:" + QString::number(1 + rng() % 3), 1.5}, {"add:" + kind(), 1.5}, {"term", 0.15}};
  if (st.Find("main"))
    c += {{"dlg:" + kind(), 0.5}, {"start", 3}, {"min:main", 0.4}, {"close:main", 0.3}, {"prefs:main", 0.2},
          {"prefs:button", 0.2}};
  if (st.Find("progress"))
    c += {{"pause", 0.8}, {"resume", 0.8}, {"cancel", 2}, {"hide", 2}, {"ok", 1}, {"esc", 0.4}, {"close:progress", 0.4},
          {"min:progress", 0.4}, {"prefs:progress", 0.4}};
  if (st.Find("message")) c += {{"ret", 3}, {"yes", 1}, {"no", 2}, {"esc", 0.5}, {"close:message", 0.4}};
  if (st.Find("wizard")) c += {{"wizard", 4}, {"esc", 0.5}};
  for (const auto& w : st.Windows) {
    if (w.Iconic) c += {"restore:" + w.Role, 1};
    if (QStringList{"add", "tips", "about", "prefs"}.contains(w.Role) || w.Role.startsWith("other")) c += {"esc", 1.5};
  }
  if (st.TrayIcon) c += {{"icon", 3}, {"prefs:tray", 0.6}};
  if (o_.Tray) c += trayer_.state() != QProcess::NotRunning ? std::pair<QString, double>{"traykill", 0.3}
                                                          : std::pair<QString, double>{"trayup", 2};
  double total = 0;
  for (const auto& [step, weight] : c) total += weight;
  double at = std::uniform_real_distribution<double>(0, total)(rng);
  for (const auto& [step, weight] : c)
    if ((at -= weight) < 0) return step;
  return c.back().first;
}

bool Explorer::Run(Sequence& s, bool draw) {
  QElapsedTimer clock;
  clock.start();
  ++sequences;
  failure_.clear();
  ended_ = false;
  QTemporaryDir dir(work_.path() + "/sequence-XXXXXX");
  home_ = dir.path() + "/home";
  in_ = dir.path() + "/in";
  QDir().mkpath(in_);
  for (const QString& k : Kinds)
    if (::link(QFile::encodeName(inputs_ + "/" + FileOf(k)).constData(), QFile::encodeName(in_ + "/" + FileOf(k)).constData()) != 0)
      QFile::copy(inputs_ + "/" + FileOf(k), in_ + "/" + FileOf(k));
  QSettings(home_ + "/config/Kelvaro/Brindlewave.conf", QSettings::IniFormat).setValue("tips", 10000);
  if (s.Tray)
    StartTrayer();
  else
    StopTrayer();

  program_ = std::make_unique<ProgramOnDesktop>(home_, QStringList{}, o_.Program);
  program_->p.waitForStarted();
  pid_ = program_->p.processId();
  if (!WaitFor({"main"}, 30000)) Fail("the main window did not appear");
  std::mt19937_64 rng(s.Seed);
  DesktopState st = Settle();
  bool quick = false;  // the step drawn next follows at once
  for (int i = 0; failure_.isEmpty() && !ended_ && i < (draw ? o_.Steps : int(s.Steps.size())); ++i) {
    if (draw) s.Steps << (quick ? "+" : "") + (i == 0 ? "add:" + QString(rng() % 2 ? "long" : "short") : Draw(rng, st));
    const QString step = s.Steps[i].startsWith('+') ? s.Steps[i].mid(1) : s.Steps[i];
    Do(step.section(':', 0, 0), step.section(':', 1));
    ++actions;
    if (!failure_.isEmpty() || ended_) break;
    if (!Alive()) {
      EndedAfter(step);
      break;
    }
    quick = draw ? rng() % 8 == 0 : i + 1 < s.Steps.size() && s.Steps[i + 1].startsWith('+');
    if (quick) {
      st = Now();
      continue;
    }
    st = Settle();
    states.insert(st.Signature());
    if (o_.Verbose) std::printf("  %-16s %s\n", qPrintable(s.Steps[i]), qPrintable(st.Signature()));
    // A broken rule counts once it has lasted: the window manager may still be restacking.
    QElapsedTimer lasting;
    lasting.start();
    while (!st.Problem().isEmpty() && lasting.elapsed() < 3000) {
      QThread::msleep(100);
      st = Now();
    }
    if (!Alive())
      EndedAfter(step);
    else if (!st.Problem().isEmpty())
      Fail(QString("after step %1 (%2): %3").arg(i + 1).arg(s.Steps[i], st.Problem()));
  }
  if (failure_.isEmpty() && !ended_) WayOut();
  if (failure_.isEmpty()) CheckFiles();
  program_.reset();
  const QString name = s.Name.isEmpty() ? QString("seed %1").arg(s.Seed) : s.Name;
  std::printf("%s %s: %d steps, %.1f s\n", failure_.isEmpty() ? "ok  " : "FAIL", qPrintable(name), int(s.Steps.size()),
              clock.elapsed() / 1000.0);
  if (!failure_.isEmpty()) {
    ++failures;
    std::printf("  %s\n", qPrintable(failure_));
  }
  std::printf("  replay: desktop_explorer --replay \"%s\"\n", qPrintable(s.Line()));
  std::fflush(stdout);
  return failure_.isEmpty();
}

int Usage() {
  std::fprintf(stderr,
               "usage: desktop_explorer [--program PATH] [--tray] [--steps N] [--seeds A-B] [--seconds N]\n"
               "                        [--sequences FILE] [--replay LINE] [--verbose]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  av_log_set_level(AV_LOG_QUIET);  // the reader's notes on the files checked
  Options o;
  const QStringList args = app.arguments().mid(1);
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    const QString value = i + 1 < args.size() ? args[i + 1] : QString();
    if (a == "--tray" || a == "--verbose") {
      (a == "--tray" ? o.Tray : o.Verbose) = true;
      continue;
    }
    if (value.isEmpty()) return Usage();
    ++i;
    if (a == "--program") o.Program = QFileInfo(value).absoluteFilePath();
    else if (a == "--steps") o.Steps = value.toInt();
    else if (a == "--seconds") o.Seconds = value.toInt();
    else if (a == "--seeds") o.SeedFrom = value.section('-', 0, 0).toULongLong(), o.SeedTo = value.section('-', -1).toULongLong();
    else if (a == "--sequences") o.SequencesFile = value;
    else if (a == "--replay") o.Replay = value;
    else return Usage();
  }
  if (!RunTool("xdotool", {"search", "--class", "trayer"}).isEmpty()) {
    std::fprintf(stderr, "desktop_explorer: a tray is already running; the explorer starts and stops its own\n");
    return 2;
  }
  Explorer explorer(o);
  if (!explorer.Ready()) {
    std::fprintf(stderr, "desktop_explorer: the inputs could not be made\n");
    return 2;
  }
  std::vector<Sequence> fixed;
  if (!o.Replay.isEmpty()) {
    const auto s = Parse(o.Replay);
    if (!s) return Usage();
    fixed.push_back(*s);
  }
  if (!o.SequencesFile.isEmpty()) {
    // "name: sequence" lines; those for the other kind of desktop are left to its run.
    QFile file(o.SequencesFile);
    if (!file.open(QIODevice::ReadOnly)) return Usage();
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
      if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
      auto s = Parse(line.section(':', 1));
      if (!s) {
        std::fprintf(stderr, "desktop_explorer: cannot read the sequence %s\n", qPrintable(line));
        return 2;
      }
      s->Name = line.section(':', 0, 0);
      if (s->Tray == o.Tray) fixed.push_back(*s);
    }
  }
  QElapsedTimer clock;
  clock.start();
  for (Sequence& s : fixed) explorer.Run(s, false);
  for (quint64 seed = o.SeedFrom; seed <= o.SeedTo; ++seed) {
    Sequence s{{}, seed, o.Tray, {}};
    explorer.Run(s, true);
  }
  for (quint64 seed = std::random_device()(); clock.elapsed() < o.Seconds * 1000LL; ++seed) {
    Sequence s{{}, seed, o.Tray, {}};
    explorer.Run(s, true);
  }
  std::printf("%d sequences, %d actions, %zu distinct states, %d failures\n", explorer.sequences, explorer.actions,
              explorer.states.size(), explorer.failures);
  return explorer.failures == 0 ? 0 : 1;
}
