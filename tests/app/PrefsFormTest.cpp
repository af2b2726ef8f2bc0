#include <QAbstractSpinBox>
#include <QDateTime>
#include <QFileInfo>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "Application.h"
#include "Lang.h"
#include "MainForm.h"
#include "MediaCheck.h"
#include "MediaMaker.h"
#include "NamePattern.h"
#include "PrefsForm.h"
#include "PrgForm.h"
#include "TaskOps.h"
#include "TestSupport.h"

namespace {

class PrefsFormTest : public ::testing::Test {
 protected:
  TestFolder t;
  void SetUp() override { LoadDefaultSettings(); }  // the store exists, as after a first start
  QByteArray Stored() const {
    QFile f(t.SettingsFile());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QVariant StoredValue(const char* name) const { return QSettings(t.SettingsFile(), QSettings::IniFormat).value(name); }
};

TEST_F(PrefsFormTest, ShowsEachValueAndOkSavesEveryChange) {
  TDefaultSettings& d = DefaultSettings;
  d.ParallelJobs = 3;
  d.SplitFiles = false;
  d.VerifyOutput = false;
  d.ReplayGain = TReplayGainMode::Track;
  d.NotifyWhenDone = false;
  d.NamePattern = "{artist}/{title}";
  d.KeepFolderTree = false;
  d.ExistingOutput = TExistingOutput::Skip;
  d.KeepFileTime = true;
  TPrefsForm w;
  EXPECT_FALSE(w.trashCheck->isChecked());  // off unless chosen
  EXPECT_EQ(w.jobsSpin->value(), 3);
  EXPECT_FALSE(w.splitCheck->isChecked());
  EXPECT_FALSE(w.verifyCheck->isChecked());
  EXPECT_EQ(w.gainBox->currentText(), "Track");
  EXPECT_FALSE(w.notifyCheck->isChecked());
  EXPECT_EQ(w.patternEdit->text(), "{artist}/{title}");
  EXPECT_FALSE(w.treeCheck->isChecked());
  EXPECT_EQ(w.existingBox->currentText(), "Skip what is done");
  EXPECT_TRUE(w.timeCheck->isChecked());
  // Every control can be told apart by a screen reader.
  w.show();
  for (QWidget* c : w.findChildren<QWidget*>()) {
    if (c->focusPolicy() == Qt::NoFocus || !c->isVisible() || qobject_cast<QAbstractSpinBox*>(c->parentWidget()))
      continue;
    EXPECT_FALSE(c->accessibleName().isEmpty()) << c->objectName().toStdString();
  }

  w.jobsSpin->setValue(0);
  EXPECT_EQ(w.jobsSpin->text(), lang::PrefsOnePerCore);
  w.splitCheck->click();
  w.verifyCheck->click();
  w.gainBox->setCurrentIndex(2);
  w.notifyCheck->click();
  w.patternEdit->setText("{album}/{track:02} {title}");
  w.treeCheck->click();
  w.existingBox->setCurrentIndex(2);
  w.timeCheck->click();
  w.trashCheck->click();
  w.okBtn->click();
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(StoredValue("ParallelJobs").toInt(), 0);
  EXPECT_EQ(StoredValue("SplitFiles").toInt(), 1);
  EXPECT_EQ(StoredValue("VerifyOutput").toInt(), 1);
  EXPECT_EQ(StoredValue("ReplayGain").toInt(), 2);
  EXPECT_EQ(StoredValue("NotifyWhenDone").toInt(), 1);
  EXPECT_EQ(StoredValue("NamePattern").toString(), "{album}/{track:02} {title}");
  EXPECT_EQ(StoredValue("KeepFolderTree").toInt(), 1);
  EXPECT_EQ(StoredValue("ExistingOutput").toInt(), 2);
  EXPECT_EQ(StoredValue("KeepFileTime").toInt(), 0);
  EXPECT_EQ(StoredValue("TrashSources").toInt(), 1);
  // And the program reads them back as saved.
  DefaultSettings = TDefaultSettings{};
  d.SplitFiles = false;
  LoadDefaultSettings();
  EXPECT_TRUE(d.SplitFiles);
  EXPECT_EQ(d.ReplayGain, TReplayGainMode::Album);
  EXPECT_EQ(d.NamePattern, "{album}/{track:02} {title}");
  EXPECT_EQ(d.ExistingOutput, TExistingOutput::Overwrite);
  EXPECT_TRUE(d.TrashSources);
}

// Each check box shows and saves its own setting and no other: ticked alone, only its
// setting is stored as on; its setting alone on, only it is ticked.
TEST_F(PrefsFormTest, EachCheckBoxKeepsToItsOwnSetting) {
  const struct {
    QCheckBox* TPrefsForm::*box;
    bool TDefaultSettings::*setting;
    const char* key;
  } checks[] = {
      {&TPrefsForm::splitCheck, &TDefaultSettings::SplitFiles, "SplitFiles"},
      {&TPrefsForm::verifyCheck, &TDefaultSettings::VerifyOutput, "VerifyOutput"},
      {&TPrefsForm::notifyCheck, &TDefaultSettings::NotifyWhenDone, "NotifyWhenDone"},
      {&TPrefsForm::treeCheck, &TDefaultSettings::KeepFolderTree, "KeepFolderTree"},
      {&TPrefsForm::timeCheck, &TDefaultSettings::KeepFileTime, "KeepFileTime"},
      {&TPrefsForm::trashCheck, &TDefaultSettings::TrashSources, "TrashSources"},
  };
  TPrefsForm all;
  EXPECT_EQ(all.findChildren<QCheckBox*>().size(), std::size(checks));  // every box is in the table
  for (const auto& ticked : checks) {
    for (const auto& c : checks) DefaultSettings.*c.setting = false;
    TPrefsForm w;
    (w.*ticked.box)->click();
    w.okBtn->click();
    for (const auto& c : checks) EXPECT_EQ(StoredValue(c.key).toInt(), &c == &ticked) << ticked.key << " ticked, " << c.key;
    for (const auto& c : checks) DefaultSettings.*c.setting = &c == &ticked;
    TPrefsForm shown;
    for (const auto& c : checks) EXPECT_EQ((shown.*c.box)->isChecked(), &c == &ticked) << ticked.key << " on, " << c.key;
  }
}

// The language list offers the system's first, then each catalog's in itself; the choice is
// saved, read back at the next start and shown again.
TEST_F(PrefsFormTest, TheChosenLanguageIsSavedAndReadBack) {
  TPrefsForm w;
  ASSERT_EQ(w.languageBox->count(), int(std::size(lang::LanguageChoices)) + 1);
  EXPECT_EQ(w.languageBox->itemText(0), lang::PrefsSystemLanguage);  // the default
  EXPECT_EQ(w.languageBox->currentIndex(), 0);
  for (int i = w.languageBox->count() - 1; i >= 0; --i) {
    const QString code = w.languageBox->itemData(i).toString();
    SCOPED_TRACE(code.toStdString());
    TPrefsForm chosen;
    chosen.languageBox->setCurrentIndex(i);
    chosen.okBtn->click();
    EXPECT_EQ(StoredValue("Language").toString(), code);
    EXPECT_EQ(SavedLanguage(), code);
    DefaultSettings = TDefaultSettings{};
    LoadDefaultSettings();
    EXPECT_EQ(DefaultSettings.Language, code);
    EXPECT_EQ(TPrefsForm().languageBox->currentIndex(), i);
  }
  // A value written by hand that is no choice reads as the system's.
  QSettings(t.SettingsFile(), QSettings::IniFormat).setValue("Language", "Klingon");
  EXPECT_EQ(SavedLanguage(), "");
  LoadDefaultSettings();
  EXPECT_EQ(DefaultSettings.Language, "");
  EXPECT_EQ(StoredValue("Language").toString(), "");
}

// Cancel and Escape leave the settings as they were; a pattern that cannot be
// used is refused with its reason, and OK saves once it is mended.
TEST_F(PrefsFormTest, CancelEscapeAndABadPatternSaveNothing) {
  SaveDefaultSettings();
  const QByteArray before = Stored();
  const TDefaultSettings kept = DefaultSettings;
  for (bool escape : {false, true}) {
    TPrefsForm w;
    w.show();
    w.jobsSpin->setValue(5);
    w.notifyCheck->click();
    w.patternEdit->setText("{title}");
    if (escape)
      QTest::keyClick(&w, Qt::Key_Escape);
    else
      w.cancelBtn->click();
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_FALSE(w.isVisible());
  }
  TPrefsForm w;
  w.show();
  w.patternEdit->setText("{artist}/{nope}");
  EXPECT_TRUE(w.patternError->isVisible());
  EXPECT_TRUE(w.patternError->text().endsWith(TNamePattern("{artist}/{nope}").Error())) << w.patternError->text().toStdString();
  EXPECT_EQ(w.patternEdit->accessibleDescription(), w.patternError->text());
  w.okBtn->click();
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(Stored(), before);
  EXPECT_EQ(DefaultSettings.NamePattern, kept.NamePattern);
  EXPECT_EQ(DefaultSettings.ParallelJobs, kept.ParallelJobs);
  EXPECT_EQ(DefaultSettings.NotifyWhenDone, kept.NotifyWhenDone);
  w.patternEdit->setText("{artist}/{title}");
  EXPECT_FALSE(w.patternError->isVisible());
  w.okBtn->click();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(StoredValue("NamePattern").toString(), "{artist}/{title}");
}

// A change made in the window reaches the next run; the run going on when it
// is made keeps the settings it began with.
TEST_F(PrefsFormTest, AChangeReachesTheNextRunNotTheOneRunning) {
  DefaultSettings.ParallelJobs = 1;
  DefaultSettings.ExistingOutput = TExistingOutput::Number;
  DefaultSettings.ReplayGain = TReplayGainMode::Track;  // no album line in the report
  TprgFrm run;
  for (const char* name : {"c", "a", "b"}) {
    const QString in = t.Path(QString(name) + ".wav");
    ASSERT_TRUE(MakeWav(in, {name[0] == 'c' ? 20.0 : 1.0, 44100, 2, {}}));
    AddReadTask(in);
  }
  TTask& c = *Tasks[0];
  c.Checked = false;
  MessageAnswerer answer([](const QString&) { return 2; });
  run.StartRun();
  const QDateTime made = QFileInfo(Tasks[1]->DstFile).lastModified();

  TPrefsForm prefs;
  prefs.existingBox->setCurrentIndex(int(TExistingOutput::Skip));
  prefs.okBtn->click();
  c.Checked = true;
  bool changed = false;
  answer.WhileIdle = [&] {
    if (changed || !run.Running() || run.curPrgbar->value() == 0) return;
    changed = true;  // while c, the long one, is being converted, before a and b
    TPrefsForm during;
    during.existingBox->setCurrentIndex(int(TExistingOutput::Overwrite));
    during.jobsSpin->setValue(4);
    during.okBtn->click();
  };
  run.StartRun();
  ASSERT_TRUE(changed);
  EXPECT_EQ(DefaultSettings.ExistingOutput, TExistingOutput::Overwrite);
  ASSERT_EQ(answer.Seen.size(), 2);
  EXPECT_EQ(answer.Seen[1], QString(lang::SomeNewFormat).arg(1).arg(2) + "\n" + lang::OpenOutputFolder);
  EXPECT_EQ(QFileInfo(Tasks[1]->DstFile).lastModified(), made);
  EXPECT_NEAR(ReadMedia(c.DstFile).DecodedFrames / 44100.0, 20.0, 0.05);
}

// The main window's button and Ctrl+comma open the window over it.
TEST_F(PrefsFormTest, TheMainWindowOpensItByButtonAndKey) {
  QSettings(t.SettingsFile(), QSettings::IniFormat).setValue("tips", NoTipsAtStartup);
  std::unique_ptr<TAppWindows> app = StartApplication(t.Path("app/brindlewave"));
  TmainFrm* main = app->mainFrm.get();
  main->show();
  QList<QWidget*> owners;
  for (int way = 0; way < 2; ++way) {
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTimer::singleShot(0, [&] {
      TPrefsForm* w = PrefsWindow();
      owners << (w && w->isVisible() ? w->parentWidget() : nullptr);
      if (w) QTest::keyClick(w, Qt::Key_Escape);
    });
    if (way == 0)
      main->prefsBtn->click();
    else
      QTest::keyClick(main, Qt::Key_Comma, Qt::ControlModifier);
    EXPECT_EQ(PrefsWindow(), nullptr);
  }
  EXPECT_EQ(owners, QList<QWidget*>({main, main}));
  ShutdownApplication(std::move(app));
}

}  // namespace
