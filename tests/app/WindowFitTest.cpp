// Every window in every language: each text has the room it needs and no two controls
// lie on each other. Translations run longer than English (German buttons, Russian
// check boxes), and a window laid out for English cuts them off.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyleOption>
#include <functional>
#include <gtest/gtest.h>

#include "AboutForm.h"
#include "AddForm.h"
#include "Application.h"
#include "Catalogs.h"
#include "Globals.h"
#include "Lang.h"
#include "MainForm.h"
#include "MsgForm.h"
#include "PrefsForm.h"
#include "PrgForm.h"
#include "TaskOps.h"
#include "TestSupport.h"
#include "TipsForm.h"

namespace {

QString Plain(QString s) {
  s.replace("&&", "\x01");
  s.remove('&');
  return s.replace('\x01', '&');
}

// The room a button's text has, beside its box or inside its bevel.
QRect TextRoom(const QAbstractButton* b) {
  QStyleOptionButton opt;
  opt.initFrom(b);
  opt.text = b->text();
  const QStyle::SubElement e = qobject_cast<const QCheckBox*>(b)      ? QStyle::SE_CheckBoxContents
                               : qobject_cast<const QRadioButton*>(b) ? QStyle::SE_RadioButtonContents
                                                                      : QStyle::SE_PushButtonContents;
  QRect r = b->style()->subElementRect(e, &opt, b);
  if (!b->icon().isNull()) r.setLeft(r.left() + b->iconSize().width() + 4);
  return r;
}

// What does not fit in `c`, "" when all does.
QString Cramped(QWidget* c) {
  if (auto* l = qobject_cast<QLabel*>(c)) {
    if (l->text().isEmpty()) return {};
    const bool fits = l->wordWrap() ? l->heightForWidth(l->width()) <= l->height()
                                    : l->sizeHint().width() <= l->width() && l->sizeHint().height() <= l->height();
    return fits ? QString() : l->text();
  }
  if (auto* b = qobject_cast<QAbstractButton*>(c)) {
    const QString text = Plain(b->text());
    const QSize need = b->fontMetrics().size(Qt::TextShowMnemonic, b->text());
    const QRect room = TextRoom(b);
    return need.width() > room.width() || need.height() > room.height() + 2 ? text : QString();
  }
  if (auto* g = qobject_cast<QGroupBox*>(c)) {
    QStyleOptionGroupBox opt;
    opt.initFrom(g);
    opt.text = g->title();
    opt.subControls = QStyle::SC_GroupBoxLabel | (g->isCheckable() ? QStyle::SC_GroupBoxCheckBox : QStyle::SC_None);
    opt.textAlignment = g->alignment();
    const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
    return label.right() > g->width() - 8 ? Plain(g->title()) : QString();
  }
  if (auto* list = qobject_cast<QListWidget*>(c)) {
    if (list->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) return {};
    for (int i = 0; i < list->count(); ++i)
      if (list->fontMetrics().horizontalAdvance(list->item(i)->text()) + 4 > list->viewport()->width())
        return list->item(i)->text();
  }
  if (auto* combo = qobject_cast<QComboBox*>(c)) {
    QStyleOptionComboBox opt;
    opt.initFrom(combo);
    const int room =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo).width();
    for (int i = 0; i < combo->count(); ++i)
      if (combo->fontMetrics().horizontalAdvance(combo->itemText(i)) > room) return combo->itemText(i);
  }
  return {};
}

bool IsControl(const QWidget* w) {
  return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
         qobject_cast<const QGroupBox*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QProgressBar*>(w) ||
         w->inherits("QLineEdit") || w->inherits("QAbstractSpinBox");
}

// Every fault in the shown window `w`, one line each: what is cut, what overlaps, what
// lies outside the window.
QStringList Faults(QWidget* w) {
  QStringList out;
  auto name = [](const QWidget* c) {
    return c->objectName().isEmpty() ? QString(c->metaObject()->className()) : c->objectName();
  };
  QList<QWidget*> parents{w};
  for (QWidget* c : w->findChildren<QWidget*>()) {
    if (c->isWindow() || !c->isVisibleTo(w)) continue;
    parents << c;
    if (const QString text = Cramped(c); !text.isEmpty()) out << QString("%1 cuts \"%2\"").arg(name(c), text);
    if (IsControl(c) && !w->rect().contains(QRect(c->mapTo(w, QPoint()), c->size())))
      out << QString("%1 lies outside the window").arg(name(c));
  }
  for (QWidget* p : parents) {
    QList<QWidget*> kids;
    for (QObject* o : p->children())
      if (auto* k = qobject_cast<QWidget*>(o); k && !k->isWindow() && k->isVisibleTo(w) && IsControl(k)) kids << k;
    for (int i = 0; i < kids.size(); ++i)
      for (int j = i + 1; j < kids.size(); ++j)
        if (kids[i]->geometry().intersects(kids[j]->geometry()))
          out << QString("%1 overlaps %2").arg(name(kids[i]), name(kids[j]));
  }
  return out;
}

struct Shown {
  const char* name;
  std::function<QWidget*(TAppWindows&)> open;  // shows the window as the user sees it
};

// Its names are short: a long path is cut in any language.
void SampleTask(const QString& folder) {
  CurrentTask = TTask{};
  CurrentTask.SrcFile = folder + "/Second Movement.wma";
  CurrentTask.DstFile = folder + "/Second Movement.mp3";
  CurrentTask.Title = "Second Movement";
  CurrentTask.HasAudio = true;
  CurrentTask.SrcSampleRate = 44100;
  CurrentTask.SrcChannels = 2;
  CurrentTask.Duration = 2054000000;
  ApplyDefaultsToTask(CurrentTask);
  StoreCurrentTask(true, 0);
}

QWidget* Message(TAppWindows& app, const QString& text, const QString& details = {}, const QString& closing = {}) {
  TmsgFrm* msg = app.msgFrm.get();
  msg->SetText(text, details, closing);
  msg->show();
  return msg;
}

QWidget* WizardPage(TAppWindows& app, int page, bool vbr) {
  TaddFrm* w = app.addFrm.get();
  LoadTaskForEdit(0);
  w->show();
  for (int i = 0; i < page; ++i) w->nextBtn->click();
  if (vbr && !w->VBRCheck->isChecked()) w->VBRCheck->click();
  return w;
}

TEST(WindowFit, EveryTextHasItsRoomInEveryLanguage) {
  TestFolder t;
  LoadDefaultSettings();
  QSettings(t.SettingsFile(), QSettings::IniFormat).setValue("tips", NoTipsAtStartup);
  const Shown windows[] = {
      {"main", [](TAppWindows& a) { a.mainFrm->show(); return a.mainFrm.get(); }},
      {"progress", [](TAppWindows& a) { a.prgFrm->show(); return a.prgFrm.get(); }},
      {"wizard page 1", [&](TAppWindows& a) { return WizardPage(a, 0, false); }},
      {"wizard page 2", [&](TAppWindows& a) { return WizardPage(a, 1, false); }},
      {"wizard page 2, VBR", [&](TAppWindows& a) { return WizardPage(a, 1, true); }},
      {"wizard page 3", [&](TAppWindows& a) { return WizardPage(a, 2, false); }},
      {"message", [](TAppWindows& a) { return Message(a, lang::SameSettingsQuestion); }},
      {"report", [](TAppWindows& a) {
         return Message(a, lang::FilesFailedFormat(5).arg(3), "/home/user/Music/a.wma", lang::OpenOutputFolder);
       }},
  };
  QStringList faults;
  for (const char* language : {"en", "de", "es", "fr", "ja", "pt-BR", "ru", "zh-CN"}) {
    const TCatalogs catalogs({language}, BRINDLEWAVE_CATALOGS);
    ASSERT_EQ(catalogs.Language().isEmpty(), QString(language) == "en") << language;
    std::unique_ptr<TAppWindows> app = StartApplication(t.Path("app/brindlewave"));
    app->tipsFrm.reset();
    SampleTask(QDir::tempPath());
    auto check = [&](const QString& window, QWidget* w) {
      QApplication::processEvents();  // as the user sees it: the layouts redone for its texts
      for (const QString& f : Faults(w)) faults << QString("%1 [%2]: %3").arg(window, language, f);
      w->hide();
    };
    for (const Shown& s : windows) check(s.name, s.open(*app));
    TPrefsForm prefs;
    prefs.show();
    check("preferences", &prefs);
    TaboutFrm about;
    about.show();
    check("about", &about);
    TipsIndex = 0;
    TTipsFrm tips;
    tips.show();
    check("tips", &tips);
    FreeAllTasks();
    ShutdownApplication(std::move(app));
  }
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults:\n" << faults.join('\n').toStdString();
}

}  // namespace
