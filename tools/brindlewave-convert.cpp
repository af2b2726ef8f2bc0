// Converts files to MP3 without windows, the way the program does: each file is
// read, given the saved defaults and an automatic output name, then converted.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <cstdio>

#include "AudioFileReader.h"
#include "Catalogs.h"
#include "ConvertInputs.h"
#include "ConvertOptions.h"
#include "ConvertRun.h"
#include "Globals.h"
#include "Lang.h"
#include "LibraryMessages.h"
#include "NamePattern.h"
#include "NativePath.h"
#include "Paths.h"

namespace {

// The saved settings with the command line's choices over them; a saved name
// pattern that cannot be used is left out.
void SetUpSettings(const TConvertOptions& options) {
  options.ApplyTo(DefaultSettings);
  const QString error = TNamePattern(DefaultSettings.NamePattern).Error();
  if (!error.isEmpty()) {
    ReportFile("NamePattern", QString(lang::SavedPatternFormat).arg(error));
    DefaultSettings.NamePattern.clear();
  }
}

// The output folder asked for, made unless only planning; the saved one when
// none is asked for. False, with the reason told, when it cannot be made.
bool OutputFolder(const TConvertOptions& options, QString& outDir) {
  outDir = DefaultSettings.OutputFileDir;
  if (options.outDir.isEmpty()) return true;
  if (options.dryRun) {
    // A plan writes nothing, not even the folder it names.
    outDir = QDir::cleanPath(NativeAbsolutePath(options.outDir)) + "/";
    return true;
  }
  QString error;
  outDir = ForceFolder(NativeAbsolutePath(options.outDir), "/", &error);
  if (outDir.isEmpty()) ReportFile(options.outDir, QString(lang::OutputNotCreatedFormat).arg(error));
  return !outDir.isEmpty();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const TCatalogs catalogs(QLocale::system().uiLanguages());
  RouteLibraryMessages();
  InitAppGlobals(QCoreApplication::applicationFilePath());
  FillBitRateTable();
  // From argv's bytes: the application's arguments lose names that are not UTF-8.
  QStringList args;
  for (int i = 0; i < argc; ++i) args << PathFromNative(QByteArray(argv[i]));
  const TConvertOptions options = TConvertOptions::Parse(args);
  ShowLibraryMessages(options.verbose);
  LoadDefaultSettings(TSettingsAccess::ReadOnly);
  if (!DecodersPresent()) {
    std::fprintf(stderr, "%s\n", QString(lang::NoDecoders).toLocal8Bit().constData());
    return 1;
  }
  QElapsedTimer clock;
  clock.start();
  SetUpSettings(options);
  QString outDir;
  if (!OutputFolder(options, outDir)) return 1;
  TConvertRun run(options, outDir);
  if (!run.ReadInputs()) return 1;
  if (options.dryRun) return run.PrintPlan();
  return run.Convert(app, clock);
}
