#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>
#include <ftw.h>
#include <gtest/gtest.h>

#include "History.h"
#include "Paths.h"
#include "TaskReader.h"
#include "TaskOps.h"

void ResetGlobals() {
  FreeAllTasks();
  CurrentTask = TTask{};
  DefaultSettings = TDefaultSettings{};
  TipsIndex = 0;
  FillBitRateTable();
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

TestHome::TestHome(const QString& home) : home_(home), oldHome_(qgetenv("HOME")), oldData_(qgetenv("XDG_DATA_HOME")) {
  QDir().mkpath(home);  // a home that is not there is on no drive: Qt would use the drive's own trash
  qputenv("HOME", QFile::encodeName(home));
  qputenv("XDG_DATA_HOME", QFile::encodeName(home + "/share"));  // not made: the program makes it
}

TestHome::~TestHome() {
  qputenv("HOME", oldHome_);
  oldData_.isEmpty() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", oldData_);
}

QString TestHome::Trash() const { return home_ + "/share/Trash"; }

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
  TReadResult read = TTaskReader(DefaultSettings).Read(path);
  EXPECT_TRUE(read.Ok()) << path.toStdString();
  read.Task.DstFile = OutputNameFor(read.Task, IsOutputTaken);
  CurrentTask = read.Task;
  StoreCurrentTask(true, 0);
  return *Tasks.back();
}
