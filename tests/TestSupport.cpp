#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
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

TestFolder::~TestFolder() { ResetGlobals(); }

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
