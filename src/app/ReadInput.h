#pragma once
#include <QString>

class TaddFrm;

// The settings wizard of the program's windows; set at start-up.
void SetWizard(TaddFrm* wizard);
TaddFrm* Wizard();
