#include "Application.h"

#include <QApplication>

#include "Globals.h"
#include "Lang.h"
#include "MainForm.h"
#include "TaskOps.h"

TAppWindows* AppWindows = nullptr;

std::unique_ptr<TAppWindows> StartApplication(const QString& programPath) {
  InitAppGlobals(programPath);
  FillBitRateTable();
  LoadDefaultSettings();
  QApplication::setApplicationName(lang::AppTitle);
  QApplication::setApplicationDisplayName(lang::AppTitle);

  auto windows = std::make_unique<TAppWindows>();
  AppWindows = windows.get();
  windows->mainFrm = std::make_unique<TmainFrm>();
  return windows;
}

void ShutdownApplication(std::unique_ptr<TAppWindows> windows) {
  windows.reset();
  AppWindows = nullptr;
  FreeAllTasks();
}
