#pragma once
#include <QObject>
#include <QString>

class QSystemTrayIcon;
class QWidget;

// The progress window's way out of sight during a run and back: to the tray
// icon with the main window, or, on a desktop without a tray, minimised with it.
class TTrayHiding : public QObject {
  Q_OBJECT
 public:
  // Makes the icon for `window` (not yet shown) with its menu.
  explicit TTrayHiding(QWidget* window);

  QSystemTrayIcon* Icon;
  // Hides `window` and `mainWindow` (which may be null) to the tray, or minimises both.
  void Hide(QWidget* mainWindow);
  // The windows are out of sight, in the tray or minimised by Hide.
  bool Hidden() const { return Hidden_; }
  // Brings the main window back, and forgets the hiding.
  void BringBackMain(QWidget* mainWindow);
  // Forgets the hiding; the caller shows the windows.
  void Forget() { Hidden_ = false; }
  // The icon's tip: how to bring the windows back, above `status`.
  void ShowStatus(const QString& status);

 signals:
  // The icon was clicked, or its menu's restore chosen, or the tray went away
  // under the hidden windows: they are to come back.
  void RestoreAsked();

 private:
  void TrayChanged(bool available);

  QWidget* Window_;
  bool Hidden_ = false;
};
