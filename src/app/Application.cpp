#include "Application.h"

#include <QApplication>

#include "Globals.h"
#include "Lang.h"
#include "MainForm.h"
#include "MsgForm.h"
#include "PrgForm.h"
#include "TaskOps.h"

TAppWindows* AppWindows = nullptr;

TAppWindows::~TAppWindows() {
  SetMessageWindow(nullptr);
  msgFrm.reset();
  prgFrm.reset();
  mainFrm.reset();
}

std::unique_ptr<TAppWindows> StartApplication(const QString& programPath) {
  InitAppGlobals(programPath);
  FillBitRateTable();
  LoadDefaultSettings();
  QApplication::setApplicationName(lang::AppTitle);
  QApplication::setApplicationDisplayName(lang::AppTitle);

  auto windows = std::make_unique<TAppWindows>();
  AppWindows = windows.get();
  windows->mainFrm = std::make_unique<TmainFrm>();
  windows->prgFrm = std::make_unique<TprgFrm>();
  windows->prgFrm->MainWindow = windows->mainFrm.get();
  windows->msgFrm = std::make_unique<TmsgFrm>();
  SetMessageWindow(windows->msgFrm.get());
  return windows;
}

void ShutdownApplication(std::unique_ptr<TAppWindows> windows) {
  windows.reset();
  AppWindows = nullptr;
  FreeAllTasks();
}
