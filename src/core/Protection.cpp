#include "Protection.h"

bool IsCopyProtected(const QString&) { return false; }
