// Drops a folder of audio files on the main window, as a user would, and measures
// how long the window takes to list them all, how long it kept an event waiting
// meanwhile, and the process's peak memory with every file listed.
//
// The wizard the first file opens is finished as it comes, and the question whether
// the other files take the same settings is answered Yes. The window's promptness
// is the lateness of a timer due every 10 ms: the longest it was handled after it
// fell due is the longest the window left an event waiting.
//
// usage: window_add_bench FOLDER FILES [TIMEOUT_SECONDS]
// Run it with QT_QPA_PLATFORM=offscreen and a private HOME and XDG_CONFIG_HOME:
// the window reads and writes its settings there.

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "AddForm.h"
#include "AppTestSupport.h"
#include "Application.h"
#include "DefaultSettings.h"
#include "Globals.h"
#include "Lang.h"
#include "MainForm.h"
#include "ReadInput.h"

namespace {

constexpr qint64 TickNs = 10'000'000;

// The process's peak resident memory so far, in KiB; -1 when it cannot be read.
long PeakKiB() {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
  return -1;
}

// How late the event loop came to a timer due every 10 ms. Armed afresh at each
// tick, so each lateness is measured from the moment that timer fell due.
class Lateness : public QObject {
 public:
  qint64 WorstNs = 0;
  std::size_t ListedAtWorst = 0;
  int Over100ms = 0;
  std::function<void()> OnTick;

  void Start() {
    Clock_.start();
    Armed_ = 0;
    Timer_.setTimerType(Qt::PreciseTimer);
    Timer_.setSingleShot(true);
    connect(&Timer_, &QTimer::timeout, this, [this] { Tick(); });
    Timer_.start(TickNs / 1'000'000);
  }
  void Stop() { Timer_.stop(); }

 private:
  void Tick() {
    const qint64 now = Clock_.nsecsElapsed();
    const qint64 late = now - Armed_ - TickNs;
    if (late > 100'000'000) ++Over100ms;
    if (late > WorstNs) {
      WorstNs = late;
      ListedAtWorst = Tasks.size();
    }
    Armed_ = Clock_.nsecsElapsed();
    Timer_.start(TickNs / 1'000'000);
    if (OnTick) OnTick();
  }
  QElapsedTimer Clock_;
  qint64 Armed_ = 0;
  QTimer Timer_;
};

struct Arguments {
  QString folder;
  std::size_t expected = 0;
  double timeoutS = 120;
};

// FOLDER FILES [TIMEOUT_SECONDS]; false when they do not parse.
bool ParseArguments(const QStringList& args, Arguments& a) {
  bool ok = args.size() == 3 || args.size() == 4;
  if (ok) a.folder = args[1];
  if (ok) a.expected = args[2].toULong(&ok);
  if (ok && args.size() == 4) a.timeoutS = args[3].toDouble(&ok);
  return ok && a.expected > 0 && a.timeoutS > 0;
}

void PrintFigures(std::size_t listed, std::size_t expected, double elapsedS, bool timedOut, const Lateness& lateness,
                  long peak, long before, int wizardShown, const QMap<QString, int>& others) {
  std::printf("listed: %zu of %zu in %.3f s%s\n", listed, expected, elapsedS, timedOut ? " (timed out)" : "");
  std::printf("longest wait of an event: %.3f s (a 10-ms timer's lateness, at %zu listed); %d waits over 0.1 s\n",
              lateness.WorstNs / 1e9, lateness.ListedAtWorst, lateness.Over100ms);
  std::printf("peak memory: %ld KiB (%ld KiB before the drop)\n", peak, before);
  std::printf("wizard shown: %d time(s)\n", wizardShown);
  for (auto it = others.cbegin(); it != others.cend(); ++it)
    std::printf("message (%d time(s)): %s\n", it.value(), qPrintable(QString(it.key()).replace('\n', ' ')));
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  Arguments a;
  if (!ParseArguments(QCoreApplication::arguments(), a)) {
    std::fprintf(stderr, "usage: window_add_bench FOLDER FILES [TIMEOUT_SECONDS]\n");
    return 2;
  }
  const QString folder = a.folder;
  const std::size_t expected = a.expected;
  const double timeoutS = a.timeoutS;

  std::unique_ptr<TAppWindows> app = StartApplication(QCoreApplication::applicationFilePath());
  TmainFrm* w = app->mainFrm.get();
  TipsIndex = NoTipsAtStartup;  // as after the user turned the tips off
  w->show();

  WizardFinisher wizard;
  QMap<QString, int> others;  // messages other than the same-settings question
  MessageAnswerer answer([&](const QString& text) {
    if (text != lang::SameSettingsQuestion) ++others[text];
    return 1;  // Yes to the question, OK to anything else
  });
  Lateness lateness;
  QElapsedTimer clock;
  bool done = false;
  double elapsedS = 0;
  std::size_t listed = 0;
  long peak = 0;
  const long before = PeakKiB();

  const auto finish = [&] {
    if (done) return;
    done = true;
    elapsedS = clock.nsecsElapsed() / 1e9;
    listed = Tasks.size();
    peak = PeakKiB();
    lateness.Stop();
  };
  // Whatever ended the adding may still be on the stack: leave the loop after it.
  const auto check = [&] {
    if (done || Tasks.size() < expected || w->Busy()) return;
    finish();
    QTimer::singleShot(0, &qapp, &QCoreApplication::quit);
  };
  QObject::connect(w, &TmainFrm::Settled, &qapp, check);
  lateness.OnTick = check;

  bool timedOut = false;
  QTimer::singleShot(0, w, [&] {
    clock.start();
    lateness.Start();
    QTimer::singleShot(std::chrono::milliseconds(qint64(timeoutS * 1000)), &qapp, [&] {
      if (done) return;
      timedOut = true;
      finish();
      // The program's own way out: nothing more is added, the window closes once settled.
      QObject::connect(w, &TmainFrm::Closed, &qapp, &QCoreApplication::quit);
      RequestShutdown();
      QTimer::singleShot(std::chrono::seconds(30), &qapp, [] {
        std::fprintf(stderr, "window_add_bench: the window did not close within 30 s of being asked\n");
        std::_Exit(3);
      });
    });
    w->DropFiles({folder});
    check();
  });
  qapp.exec();

  PrintFigures(listed, expected, elapsedS, timedOut, lateness, peak, before, wizard.shown, others);
  ShutdownApplication(std::move(app));
  return timedOut ? 1 : 0;
}
