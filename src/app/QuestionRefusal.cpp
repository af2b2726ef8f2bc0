#include "QuestionRefusal.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

#include "Application.h"
#include "PrgForm.h"

TQuestionRefusal::TQuestionRefusal(QObject* parent) : QObject(parent) {
  qApp->installEventFilter(this);
  for (QWidget* w : QApplication::topLevelWidgets()) Refuse(w);
}

TQuestionRefusal::~TQuestionRefusal() { qApp->removeEventFilter(this); }

bool TQuestionRefusal::eventFilter(QObject* watched, QEvent* event) {
  if (ShutdownRequested && event->type() == QEvent::Show) Refuse(watched);
  return QObject::eventFilter(watched, event);
}

void TQuestionRefusal::Refuse(QObject* window) {
  auto* dialog = qobject_cast<QDialog*>(window);
  if (!dialog || (AppWindows && dialog == AppWindows->prgFrm.get())) return;
  // Once its own loop runs, which the answer ends.
  QPointer<QDialog> d(dialog);
  QMetaObject::invokeMethod(
      dialog, [d] { if (d && d->isVisible()) d->done(QDialog::Rejected); }, Qt::QueuedConnection);
}
