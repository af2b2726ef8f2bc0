#include "ReadInput.h"

#include <QPointer>

#include "AddForm.h"

namespace {
QPointer<TaddFrm> WizardInstance;
}

void SetWizard(TaddFrm* wizard) { WizardInstance = wizard; }

TaddFrm* Wizard() {
  if (!WizardInstance) WizardInstance = new TaddFrm();
  return WizardInstance;
}

