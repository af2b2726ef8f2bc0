#pragma once
#include <QString>
#include <QTemporaryDir>

#include "Globals.h"

// A fresh temporary folder; the settings store lives in it, and the globals
// start from their start-up values.
class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  QString Path(const QString& name = {}) const;
  QString SettingsFile() const;
  // Writes a small file and returns its path.
  QString Touch(const QString& name, const QByteArray& content = "x") const;

 private:
  QTemporaryDir dir_;
};

void ResetGlobals();

// The process's home and data folder, and so its trash, are `home` while it lives.
class TestHome {
 public:
  explicit TestHome(const QString& home);
  ~TestHome();
  QString Trash() const;  // the home trash

 private:
  QString home_;
  QByteArray oldHome_, oldData_;
};

#include <ostream>
// Readable QString values in assertion messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

struct TTask;
// Reads `path` the way the main window reads a file and adds it to the task
// list, ticked; the task is returned.
TTask& AddReadTask(const QString& path);
