#include "Application.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
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
std::atomic<bool> ShutdownRequested{false};

namespace {
// Drawn on a 64-unit square scaled to the pixmap.
void DrawAppIcon(QPixmap& pm) {
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(pm.width() / 64.0, pm.height() / 64.0);
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
}

// The installed theme's icon; in the build tree, the same shape drawn at each
// size a desktop asks for, so that it stays sharp at any scale.
QIcon AppIcon() {
  QIcon drawn;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    DrawAppIcon(pm);
    drawn.addPixmap(pm);
  }
  return QIcon::fromTheme("brindlewave", drawn);
}
}  // namespace

TAppWindows::~TAppWindows() {
  // Nothing, the signal handler included, may reach the windows once they go.
  if (AppWindows == this) AppWindows = nullptr;
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
  QApplication::setWindowIcon(AppIcon());

  auto windows = std::make_unique<TAppWindows>();
  AppWindows = windows.get();
  windows->mainFrm = std::make_unique<TmainFrm>();
  // Each window belongs to the main window, so the desktop stacks it above.
  windows->addFrm = std::make_unique<TaddFrm>(windows->mainFrm.get());
  SetWizard(windows->addFrm.get());
  windows->prgFrm = std::make_unique<TprgFrm>(windows->mainFrm.get());
  windows->prgFrm->MainWindow = windows->mainFrm.get();
  windows->msgFrm = std::make_unique<TmsgFrm>();
  SetMessageWindow(windows->msgFrm.get());
  if (TipsIndex < NoTipsAtStartup) windows->tipsFrm = std::make_unique<TTipsFrm>(windows->mainFrm.get());
  return windows;
}

void ShutdownApplication(std::unique_ptr<TAppWindows> windows) {
  windows.reset();
  AppWindows = nullptr;
  FreeAllTasks();
}

void RequestShutdown() {
  ShutdownRequested = true;
  if (!AppWindows || !AppWindows->mainFrm) {
    QCoreApplication::quit();
    return;
  }
  if (AppWindows->prgFrm) AppWindows->prgFrm->Terminate();
  AppWindows->mainFrm->EndWhenSettled();
}
