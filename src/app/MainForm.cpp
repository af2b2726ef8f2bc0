#include "MainForm.h"

#include <QCloseEvent>

#include "Globals.h"
#include "Lang.h"

TmainFrm::TmainFrm(QWidget* parent) : QMainWindow(parent) {
  setObjectName("mainFrm");
  resize(501, 451);
  FormCreate();
}

void TmainFrm::FormCreate() {
  ProbeFinished = true;
  setWindowTitle(QString(lang::AppTitle) + "   " + lang::AppCredit);
}

bool TmainFrm::CanAct() { return ProbeFinished.load(); }

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
