#include "TrayHiding.h"

#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

#include "Lang.h"
#include "PrefsForm.h"
#include "TrayWatch.h"

TTrayHiding::TTrayHiding(QWidget* window) : QObject(window), Window_(window) {
  Icon = new QSystemTrayIcon(QApplication::windowIcon(), window);
  Icon->setObjectName("TrayIcon");
  auto* menu = new QMenu(window);
  menu->setObjectName("trayMenu");
  connect(menu->addAction(lang::TrayRestore), &QAction::triggered, this, &TTrayHiding::RestoreAsked);
  connect(menu->addAction(QString(lang::Preferences) + lang::Dots), &QAction::triggered, this, ShowPrefsWindow);
  Icon->setContextMenu(menu);
  // The other button opens the icon's menu.
  connect(Icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason != QSystemTrayIcon::Context) emit RestoreAsked();
  });
  connect(new TTrayWatch(this), &TTrayWatch::Changed, this, &TTrayHiding::TrayChanged);
}

void TTrayHiding::Hide(QWidget* mainWindow) {
  Hidden_ = true;
  if (QSystemTrayIcon::isSystemTrayAvailable()) {
    Icon->setToolTip(lang::RestoreHint);
    Icon->show();
    Window_->hide();
    if (mainWindow) mainWindow->hide();
  } else {
    // No tray on this desktop: minimise, so the task bar still leads back.
    if (mainWindow) mainWindow->showMinimized();
    Window_->showMinimized();
  }
}

void TTrayHiding::BringBackMain(QWidget* mainWindow) {
  Hidden_ = false;
  if (mainWindow) mainWindow->showNormal();
}

void TTrayHiding::ShowStatus(const QString& status) {
  if (Icon->isVisible()) Icon->setToolTip(QString(lang::RestoreHint) + "\n" + status);
}

void TTrayHiding::TrayChanged(bool available) {
  // Hidden with no tray to come back from: the windows come back at once.
  if (!available && Hidden_ && Icon->isVisible()) emit RestoreAsked();
}
