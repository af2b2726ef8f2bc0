// The windows in the user's language: the program's catalog for its own texts, Qt's
// for the buttons of the standard dialogs.

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSettings>
#include <gtest/gtest.h>

#include "Application.h"
#include "Catalogs.h"
#include "Globals.h"
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

}  // namespace
