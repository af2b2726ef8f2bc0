#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>
#include <ftw.h>
#include <gtest/gtest.h>

#include "History.h"
#include "Probe.h"
#include "TaskOps.h"

void ResetGlobals() {
  FreeAllTasks();
  CurrentTask = TTask{};
  DefaultSettings = TDefaultSettings{};
  TipsIndex = 0;
  FillBitRateTable();
  ProbeFinished = true;
  ProbeResult = -1;
}

TestFolder::TestFolder() {
  QDir().mkpath(Path("config"));
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Path("config"));
  InitAppGlobals(Path("app/brindlewave"));
  HistoryDir = Path("data");
  ResetGlobals();
}

TestFolder::~TestFolder() {
  // Names that are not UTF-8 are beyond QTemporaryDir's removal: the tree goes by its bytes.
  ::nftw(QFile::encodeName(dir_.path()).constData(),
         [](const char* path, const struct stat*, int, FTW*) { return std::remove(path); }, 16, FTW_DEPTH | FTW_PHYS);
  ResetGlobals();
}

QString TestFolder::Path(const QString& name) const { return name.isEmpty() ? dir_.path() : dir_.filePath(name); }

QString TestFolder::SettingsFile() const { return Path("config/Kelvaro/Brindlewave.conf"); }

QString TestFolder::Touch(const QString& name, const QByteArray& content) const {
  const QString path = Path(name);
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(content);
  return path;
}

TTask& AddReadTask(const QString& path) {
  ProbeFileName = path;
  AutoNameOutput = true;
  ProbeInputFile();
  EXPECT_EQ(ProbeResult, prRead) << path.toStdString();
  StoreCurrentTask(true, 0);
  return *Tasks.back();
}
