#pragma once
class QApplication;

// The one style sheet every window is drawn with.
void ApplyTheme(QApplication& app);
