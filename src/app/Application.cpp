#include "Application.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QStandardPaths>

#include "Globals.h"
#include "Lang.h"
#include "AddForm.h"
#include "History.h"
#include "MainForm.h"
#include "ReadInput.h"
#include "TipsForm.h"
#include "AboutForm.h"
#include "MsgForm.h"
#include "PrgForm.h"
#include "TaskOps.h"

TAppWindows* AppWindows = nullptr;

namespace {
QIcon AppIcon() {
  QPixmap pm(64, 64);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(0x6b, 0x1f, 0x1f));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(2, 2, 60, 60, 12, 12);
  p.setPen(QPen(QColor(0xf3, 0xe9, 0xa6), 5, Qt::SolidLine, Qt::RoundCap));
  QPainterPath wave(QPointF(8, 36));
  wave.quadTo(16, 12, 24, 32);
  wave.quadTo(32, 52, 40, 32);
  wave.quadTo(48, 12, 56, 28);
  p.setBrush(Qt::NoBrush);
  p.drawPath(wave);
  return QIcon(pm);
}
}  // namespace

TAppWindows::~TAppWindows() {
  ReleaseAboutWindow();
  tipsFrm.reset();
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
  QApplication::setWindowIcon(AppIcon());

  auto windows = std::make_unique<TAppWindows>();
  AppWindows = windows.get();
  windows->mainFrm = std::make_unique<TmainFrm>();
  windows->addFrm = std::make_unique<TaddFrm>();
  SetWizard(windows->addFrm.get());
  windows->prgFrm = std::make_unique<TprgFrm>();
  windows->prgFrm->MainWindow = windows->mainFrm.get();
  windows->msgFrm = std::make_unique<TmsgFrm>();
  SetMessageWindow(windows->msgFrm.get());
  if (TipsIndex < NoTipsAtStartup) windows->tipsFrm = std::make_unique<TTipsFrm>();
  return windows;
}

void ShutdownApplication(std::unique_ptr<TAppWindows> windows) {
  windows.reset();
  AppWindows = nullptr;
  FreeAllTasks();
}
