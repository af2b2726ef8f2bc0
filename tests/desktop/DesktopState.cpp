#include "DesktopState.h"

#include <QRegularExpression>

#include "Lang.h"
#include "ProgramOnDesktop.h"

namespace {

QString RoleOf(const QString& title) {
  // Windows of other titles keep theirs, quoted, to tell them apart in the states met.
  static const QList<std::pair<QString, QString>> roles = {
      {"Brindlewave   (by Kelvaro)", "main"}, {lang::ProgressCaption, "progress"}, {"Message ...", "message"},
      {lang::PrefsCaption, "prefs"},
      {lang::WizardCaption, "wizard"},       {lang::AddFilesDlgTitle, "add"},     {lang::TipsCaption, "tips"},
      {lang::AboutCaption, "about"}};
  for (const auto& [t, role] : roles)
    if (title == t) return role;
  return "other'" + title + "'";
}

WId FirstId(const QString& text) {
  const auto m = QRegularExpression("0x[0-9a-f]+").match(text);
  return m.hasMatch() ? m.captured().toULongLong(nullptr, 16) : 0;
}

}  // namespace

DesktopState DesktopState::Read(qint64 pid) {
  DesktopState s;
  s.Active = FirstId(RunTool("xprop", {"-root", "_NET_ACTIVE_WINDOW"}));
  for (WId id : Stacking()) {
    const QString props = RunTool("xprop", {"-id", QString::number(id), "_NET_WM_PID", "_NET_WM_NAME", "_NET_WM_STATE",
                                            "WM_TRANSIENT_FOR"});
    if (!props.contains(QString("_NET_WM_PID(CARDINAL) = %1\n").arg(pid))) continue;
    const auto title = QRegularExpression("_NET_WM_NAME\\(UTF8_STRING\\) = \"(.*)\"").match(props);
    Window w{id, RoleOf(title.captured(1)), props.contains("_NET_WM_STATE_HIDDEN"), props.contains("_NET_WM_STATE_MODAL"),
             0};
    const int at = props.indexOf("WM_TRANSIENT_FOR(WINDOW)");
    if (at >= 0) w.Owner = FirstId(props.mid(at));
    s.Windows << w;
  }
  s.TrayIcon = ProgramOnDesktop::TrayIcon().has_value();
  return s;
}

const DesktopState::Window* DesktopState::Find(const QString& role) const {
  for (auto w = Windows.crbegin(); w != Windows.crend(); ++w)
    if (w->Role == role) return &*w;
  return nullptr;
}

const DesktopState::Window* DesktopState::Focused() const {
  const auto w = std::find_if(Windows.begin(), Windows.end(), [this](const Window& x) { return x.Id == Active; });
  return w == Windows.end() ? nullptr : &*w;
}

QString DesktopState::Signature() const {
  QStringList parts;
  for (const Window& w : Windows) {
    const QString marks = QString(w.Iconic ? "i" : "") + (w.Id == Active ? "f" : "") + (w.Modal ? "m" : "");
    parts << w.Role + (marks.isEmpty() ? "" : ":" + marks);
  }
  if (TrayIcon) parts << "|icon";
  return parts.isEmpty() ? "nothing" : parts.join(' ');
}

bool DesktopState::OwnedBy(const Window& w, WId owner) const {
  WId o = w.Owner;
  for (int depth = 0; o && depth < 8; ++depth) {
    if (o == owner) return true;
    const auto next = std::find_if(Windows.begin(), Windows.end(), [o](const Window& x) { return x.Id == o; });
    o = next == Windows.end() ? 0 : next->Owner;
  }
  return false;
}

QString DesktopState::Problem() const {
  if (Windows.isEmpty() && !TrayIcon) return "no window of the program's is left, and no tray icon";
  for (int i = 0; i < Windows.size(); ++i) {
    const Window& w = Windows[i];
    if (w.Iconic || !(w.Modal || w.Id == Active)) continue;
    for (int j = i + 1; j < Windows.size(); ++j) {
      const Window& above = Windows[j];
      if (above.Iconic) continue;
      if (!OwnedBy(above, w.Id))
        return QString("the %1 %2 window is below the %3 window").arg(w.Modal ? "modal" : "focused", w.Role, above.Role);
      // Keys typed would go to a window that cannot take them.
      if (w.Id == Active && above.Modal)
        return QString("the focused %1 window is blocked by its modal %2 window").arg(w.Role, above.Role);
    }
  }
  return {};
}
