#include "Theme.h"

#include <QApplication>

void ApplyTheme(QApplication& app) {
  app.setStyleSheet(R"(
    QDialog, QMainWindow { background: #eef0e4; }
    TSkinFrame { background: #6b1f1f; }
    TSkinFrame QLabel#caption { color: white; font-weight: bold; }
    TSkinFrame QToolButton { color: white; background: transparent; border: none; padding: 0 6px; }
    TSkinFrame QToolButton:hover { background: #8c3434; }
    TSkinFrame QToolButton:focus { background: #8c3434; text-decoration: underline; }
    QPushButton { background: #f7f8ef; border: 1px solid #8a8f6e; border-radius: 3px; padding: 2px 3px; }
    QPushButton:hover { background: #ffffff; }
    QPushButton:focus { border-color: #6b1f1f; }
    QPushButton:disabled { color: #9a9a9a; }
    QGroupBox { border: 1px solid #8a8f6e; border-radius: 3px; margin-top: 14px; }
    QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: #6b1f1f; }
    QListWidget { background: white; border: 1px solid white; }
    QListWidget:focus { border-color: #6b1f1f; }
    TLinkLabel:focus { background: rgb(233, 236, 200); }
    QListWidget::item:selected { color: maroon; background: rgb(233, 236, 200); }
    QProgressBar { border: 1px solid #8a8f6e; border-radius: 2px; background: white; text-align: center; }
    QProgressBar::chunk { background: #9aa86a; }
    QStatusBar { background: #e2e5d3; }
  )");
}
