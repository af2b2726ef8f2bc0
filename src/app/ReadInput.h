#pragma once
#include <QString>

class TaddFrm;

// Reads ProbeFileName on a reading thread while the GUI goes on, reports a file
// that cannot be used, then stores it at once (sameSettings) or through the
// wizard. True when a task was appended.
bool ReadInputFile(const QString& Path, bool SameSettings);

// The wizard ReadInputFile opens; set at start-up.
void SetWizard(TaddFrm* wizard);
TaddFrm* Wizard();
