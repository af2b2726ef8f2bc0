#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <stdexcept>

#include "Application.h"
#include "Catalogs.h"
#include "DefaultSettings.h"
#include "Globals.h"
#include "InstanceChannel.h"
#include "AudioFileReader.h"
#include "Theme.h"
#include "Lang.h"
#include "LibraryMessages.h"
#include "MainForm.h"
#include "NativePath.h"
#include "SignalWatch.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The language chosen in the preferences, read before any window is made, wins over the environment's.
  const TCatalogs catalogs(TCatalogs::Wanted(SavedLanguage(), QLocale::system().uiLanguages()));
  RouteLibraryMessages();
  // From argv's bytes (Qt has taken its own options out): the application's
  // arguments would lose names that are not UTF-8.
  QStringList files;
  bool verbose = false;
  for (int i = 1; i < argc; ++i) {
    if (QByteArray(argv[i]) == "--verbose")
      verbose = true;
    else
      files << PathFromNative(QByteArray(argv[i]));
  }
  // Files for a program that already runs go to it; no second window opens.
  if (!files.isEmpty() && TInstanceChannel::HandOver(files)) return 0;
  if (!DecodersPresent()) {
    QMessageBox::critical(nullptr, lang::AppTitle, lang::NoDecoders);
    return 1;
  }
  ApplyTheme(app);
  // SIGTERM and SIGINT close the main window like the user would, so the
  // defaults are saved and the task list released on the way out.
  QObject::connect(new TSignalWatch(&app), &TSignalWatch::Received, &app, RequestShutdown);
  std::unique_ptr<TAppWindows> windows;
  try {
    windows = StartApplication(QCoreApplication::applicationFilePath());
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, lang::AppTitle, QString::fromUtf8(e.what()));
    return 1;
  }
  // Before any file is read: the settings are loaded by now.
  ShowLibraryMessages(verbose || DefaultSettings.Debug);
  // The program ends when its main window closes, not when the last visible
  // window does: after a run hidden to the tray, only the tray icon is left.
  app.setQuitOnLastWindowClosed(false);
  QObject::connect(windows->mainFrm.get(), &TmainFrm::Closed, &app, &QApplication::quit);
  TmainFrm* mainFrm = windows->mainFrm.get();
  TInstanceChannel channel;
  channel.Listen([mainFrm](const QStringList& more) { mainFrm->OpenFiles(more); });
  windows->mainFrm->show();
  if (!files.isEmpty()) mainFrm->OpenFiles(files);
  const int rc = app.exec();
  ShutdownApplication(std::move(windows));
  return rc;
}
