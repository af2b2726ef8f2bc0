#pragma once
// What the window manager shows of one program: its client windows bottom to
// top with their states, the active window, and the program's tray icon.

#include <QList>
#include <QString>
#include <QWindow>

class DesktopState {
 public:
  struct Window {
    WId Id = 0;
    QString Role;  // main, progress, message, prefs, wizard, add, tips, about, or other'TITLE'
    bool Iconic = false, Modal = false;
    WId Owner = 0;  // WM_TRANSIENT_FOR
  };
  static DesktopState Read(qint64 pid);
  // The topmost window of that role, or null.
  const Window* Find(const QString& role) const;
  // The window of ours that has the focus, or null.
  const Window* Focused() const;
  // Which of our windows are there, in stacking order, iconic, focused or
  // modal, and whether the icon is in the tray: what counts as a distinct state.
  QString Signature() const;
  // A rule the windows break, or empty: a modal or focused window must not be
  // under another of ours (its own dialogs aside), the focus must not be with a
  // window that a modal window of its own blocks, and something of ours must be
  // reachable, a window or the tray icon.
  QString Problem() const;
  // `w` belongs to `owner`, directly or through other windows of ours.
  bool OwnedBy(const Window& w, WId owner) const;

  QList<Window> Windows;  // bottom to top
  WId Active = 0;
  bool TrayIcon = false;
};
