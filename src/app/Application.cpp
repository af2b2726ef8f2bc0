#include "Application.h"

#include <QApplication>
#include <QStandardPaths>

#include "Globals.h"
#include "Lang.h"
#include "AddForm.h"
#include "History.h"
#include "MainForm.h"
#include "ReadInput.h"
#include "MsgForm.h"
#include "PrgForm.h"
#include "TaskOps.h"

TAppWindows* AppWindows = nullptr;

TAppWindows::~TAppWindows() {
  SetMessageWindow(nullptr);
  msgFrm.reset();
  prgFrm.reset();
  SetWizard(nullptr);
  addFrm.reset();
  mainFrm.reset();
}

std::unique_ptr<TAppWindows> StartApplication(const QString& programPath) {
  InitAppGlobals(programPath);
  FillBitRateTable();
  LoadDefaultSettings();
  QCoreApplication::setOrganizationName("Kelvaro");
  QCoreApplication::setApplicationName("Brindlewave");
  HistoryDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QApplication::setApplicationDisplayName(lang::AppTitle);

  auto windows = std::make_unique<TAppWindows>();
  AppWindows = windows.get();
  windows->mainFrm = std::make_unique<TmainFrm>();
  windows->addFrm = std::make_unique<TaddFrm>();
  SetWizard(windows->addFrm.get());
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
