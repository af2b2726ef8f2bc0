// The windows in the user's language: the program's catalog for its own texts, Qt's
// for the buttons of the standard dialogs.

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSettings>
#include <gtest/gtest.h>

#include "Application.h"
#include "Catalogs.h"
#include "Globals.h"
#include "Lang.h"
#include "MainForm.h"
#include "MsgForm.h"
#include "TestSupport.h"

namespace {

TEST(Language, TheWindowsSpeakGermanWithTheGermanCatalog) {
  TestFolder t;
  LoadDefaultSettings();
  QSettings(t.SettingsFile(), QSettings::IniFormat).setValue("tips", NoTipsAtStartup);
  const TCatalogs german({"de-DE"}, BRINDLEWAVE_CATALOGS);
  ASSERT_EQ(german.Language(), "de");
  std::unique_ptr<TAppWindows> app = StartApplication(t.Path("app/brindlewave"));
  TmainFrm* main = app->mainFrm.get();
  main->show();  // its captions are set as it shows
  EXPECT_EQ(main->addFileBtn->text(), "&Dateien hinzufügen");
  EXPECT_EQ(main->prefsBtn->text(), "&Einstellungen...");
  EXPECT_EQ(main->windowTitle(), "Brindlewave   (von Kelvaro)");
  EXPECT_EQ(app->msgFrm->helpBtn->text(), "&Hilfe");
  QDialogButtonBox box(QDialogButtonBox::Cancel);
  EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
  ShutdownApplication(std::move(app));
}

// At start the language chosen in the preferences wins over the environment's; with
// none chosen, or one the program does not offer, the environment's is spoken.
TEST(Language, TheChosenLanguageWinsOverTheEnvironmentsAtStart) {
  TestFolder t;
  LoadDefaultSettings();
  const struct {
    QString stored;
    QStringList environment;  // as LANGUAGE=fr:de would give them
    QString spoken, remove;
  } cases[] = {
      {"de", {"fr-FR", "de"}, "de", "Ent&fernen"},
      {"pt_BR", {"en-US"}, "pt_BR", "&Remover"},  // before an English environment too
      {"en", {"fr-FR"}, "", "&Remove"},
      {"", {"fr-FR"}, "fr", "&Supprimer"},
      {"xx", {"fr-FR"}, "fr", "&Supprimer"},  // written by hand: not a choice, so ignored
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored.toStdString());
    QSettings(t.SettingsFile(), QSettings::IniFormat).setValue("Language", c.stored);
    const TCatalogs catalogs(TCatalogs::Wanted(SavedLanguage(), c.environment), BRINDLEWAVE_CATALOGS);
    EXPECT_EQ(catalogs.Language(), c.spoken);
    EXPECT_EQ(QString(lang::Remove), c.remove);
  }
}

}  // namespace
