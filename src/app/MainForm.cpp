#include "MainForm.h"

#include <QCloseEvent>

#include "Globals.h"
#include "Application.h"
#include "Lang.h"
#include "MsgForm.h"
#include "PrgForm.h"

TmainFrm::TmainFrm(QWidget* parent) : QMainWindow(parent) {
  setObjectName("mainFrm");
  resize(501, 451);
  FormCreate();
}

void TmainFrm::FormCreate() {
  ProbeFinished = true;
  setWindowTitle(QString(lang::AppTitle) + "   " + lang::AppCredit);
}

bool TmainFrm::CanAct() {
  const bool converting = AppWindows && AppWindows->prgFrm && AppWindows->prgFrm->isVisible();
  if (ProbeFinished.load() && !converting) return true;
  ShowMessageWindow(miInformation, lang::Busy, lang::Help, lang::Ok);
  return false;
}

bool TmainFrm::FormClose() {
  if (!CanAct()) return false;
  SaveDefaultSettings();
  return true;
}

void TmainFrm::closeEvent(QCloseEvent* event) {
  if (FormClose())
    event->accept();
  else
    event->ignore();
}
