#include "ReadInput.h"

#include <QEventLoop>
#include <QPointer>
#include <QThread>

#include "AddForm.h"
#include "Application.h"
#include "Globals.h"
#include "Lang.h"
#include "MsgForm.h"
#include "Probe.h"
#include "TaskOps.h"

namespace {
QPointer<TaddFrm> WizardInstance;
}

void SetWizard(TaddFrm* wizard) { WizardInstance = wizard; }

TaddFrm* Wizard() {
  if (!WizardInstance) WizardInstance = new TaddFrm();
  return WizardInstance;
}

bool ReadInputFile(const QString& Path, bool SameSettings) {
  QThread* thread = QThread::create(ProbeInputFile);
  QEventLoop loop;
  QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
  thread->start(QThread::HighestPriority);
  if (!thread->isRunning() && !thread->isFinished()) {
    delete thread;
    ShowMessageWindow(miError, lang::ThreadNotCreated, lang::Help, lang::Ok);
    ProbeResult = prUnreadable;
    ProbeFinished = true;
    return false;
  }
  // Wait on the thread's end while the windows keep working.
  if (!ProbeFinished) loop.exec();
  thread->wait();
  delete thread;

  if (ShutdownRequested) return false;
  const int result = ProbeResult;
  if (result == prUnreadable)
    ShowMessageWindow(miError, QString(lang::CannotRead) + "\n" + " " + Path + "\n" + lang::AdviceCodecs, lang::Help,
                      lang::Ok);
  if (result == prNoAudio)
    ShowMessageWindow(miWarning, QString(lang::NoAudioStream) + "\n" + " " + Path, lang::Help, lang::Ok);
  if (result != prRead) return false;
  if (SameSettings) {
    StoreCurrentTask(true, 0);
    return true;
  }
  if (Wizard()->exec() == 1) {
    StoreCurrentTask(true, 0);
    return true;
  }
  return false;
}
