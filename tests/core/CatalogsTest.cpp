// The catalogs against the text table: each one complete, each translation keeping
// its source's placeholders, and no window offering one mnemonic for two controls.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

#include "Catalogs.h"
#include "Globals.h"
#include "Lang.h"

namespace {

const QStringList Languages = {"de", "fr", "es", "pt_BR", "ru", "ja", "zh_CN"};

struct TMessage {
  QString source;
  bool numerus = false;
  QString type;         // "unfinished", "vanished", "obsolete" or empty when done
  QStringList forms;    // one translation, or one per plural form
};

QMap<QString, TMessage> ReadTs(const QString& path) {
  QMap<QString, TMessage> out;
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&f);
  TMessage m;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"message") {
      m = {};
      m.numerus = xml.attributes().value("numerus") == u"yes";
    } else if (xml.name() == u"source") {
      m.source = xml.readElementText();
    } else if (xml.name() == u"translation") {
      m.type = xml.attributes().value("type").toString();
      if (!m.numerus) {
        m.forms << xml.readElementText();
        out.insert(m.source, m);
      }
    } else if (xml.name() == u"numerusform") {
      m.forms << xml.readElementText();
      out.insert(m.source, m);
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return out;
}

// The placeholders of a text, sorted; %n and %Ln are the count's and checked apart.
QStringList Placeholders(const QString& text) {
  static const QRegularExpression re("%(L?[1-9]|[ds])");
  QStringList found;
  for (const auto& m : re.globalMatch(text)) found << m.captured();
  found.sort();
  return found;
}

bool HasCount(const QString& text) { return text.contains("%n") || text.contains("%Ln"); }

// The file patterns of a filter ("label|*.a;*.b|label|*.c"), joined: the labels are
// translated, never these. Empty for a text that is no filter.
QString Patterns(const QString& text) {
  const QStringList parts = text.split('|');
  QStringList patterns;
  for (int i = 1; i < parts.size(); i += 2) patterns << parts[i];
  return patterns.isEmpty() || !patterns.first().startsWith("*.") ? QString() : patterns.join('|');
}

TEST(Catalogs, EachHoldsEveryEntryOfTheTableTranslatedWithItsPlaceholders) {
  const QMap<QString, TMessage> table = ReadTs(BRINDLEWAVE_TABLE_TS);
  ASSERT_GT(table.size(), 200);
  for (const QString& language : Languages) {
    SCOPED_TRACE(language.toStdString());
    const QMap<QString, TMessage> catalog =
        ReadTs(QString(BRINDLEWAVE_SOURCE_DIR) + "/translations/brindlewave_" + language + ".ts");
    EXPECT_EQ(catalog.keys(), table.keys()) << "run the catalogs_lupdate target and translate what it adds";
    for (const TMessage& m : catalog) {
      SCOPED_TRACE(m.source.toStdString());
      EXPECT_TRUE(m.type.isEmpty()) << m.type.toStdString();
      EXPECT_EQ(m.numerus, table.value(m.source).numerus);
      ASSERT_FALSE(m.forms.isEmpty());
      for (const QString& form : m.forms) {
        EXPECT_FALSE(form.trimmed().isEmpty());
        EXPECT_EQ(Placeholders(form).join(' '), Placeholders(m.source).join(' ')) << form.toStdString();
        EXPECT_EQ(Patterns(form), Patterns(m.source)) << form.toStdString();
        // A message's line break stays where it is; the help text may break its lines anew.
        if (m.source.count('\n') <= 1) {
          EXPECT_EQ(form.count('\n'), m.source.count('\n')) << form.toStdString();
        }
        EXPECT_EQ(form.endsWith('\n'), m.source.endsWith('\n')) << form.toStdString();
      }
      // A singular form may say "the file" for 1, but the count must show in the others.
      if (m.numerus) {
        EXPECT_TRUE(HasCount(m.forms.last())) << m.forms.last().toStdString();
      }
    }
  }
}

QString DataText(const QString& name) {
  QFile f(QString(BRINDLEWAVE_SOURCE_DIR) + "/data/" + name);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
  return QString::fromUtf8(f.readAll());
}

// The tips are shown by their index, saved across runs: each language has them all, in
// order. The help page keeps every section's anchor.
TEST(Catalogs, EachLanguageHasEveryTipAndEveryHelpSection) {
  const QStringList english = DataText("tips.txt").split('\n');
  auto anchors = [](const QString& page) {
    QStringList ids;
    for (const auto& m : QRegularExpression(R"re( id="([^"]+)")re").globalMatch(page)) ids << m.captured(1);
    return ids.join(' ').toStdString();
  };
  const std::string sections = anchors(DataText("brindlewave.html"));
  for (const QString& language : Languages) {
    SCOPED_TRACE(language.toStdString());
    const QStringList tips = DataText("tips_" + language + ".txt").split('\n');
    ASSERT_EQ(tips.size(), english.size());
    for (qsizetype i = 0; i < tips.size(); ++i) EXPECT_EQ(tips[i].isEmpty(), english[i].isEmpty()) << i;
    const QString page = DataText("brindlewave_" + language + ".html");
    EXPECT_EQ(anchors(page), sections);
    EXPECT_TRUE(page.contains(QString("<html lang=\"%1\">").arg(QString(language).replace('_', '-'))));
  }
}

// The controls each window shows at once whose texts carry a mnemonic.
struct TWindowGroup {
  const char* window;
  std::vector<lang::TTranslatedText> texts;
};

const std::vector<TWindowGroup> Groups = {
    {"main window", {lang::AddFiles, lang::AddFolder, lang::Remove, lang::Edit, lang::Start, lang::Help, lang::About,
                     lang::Preferences}},
    {"task list menu", {lang::Remove, lang::RemoveAll, lang::SelectAll}},
    {"progress window", {lang::HideToTray, lang::Pause, lang::Resume, lang::Cancel, lang::Ok}},
    {"tray menu", {lang::TrayRestore, lang::Preferences}},
    {"message window", {lang::Ok, lang::Help, lang::Yes, lang::No, lang::Cancel}},
    {"settings wizard", {lang::Back, lang::Next, lang::Cancel, lang::Help, lang::Ok, lang::UseVbr}},
    {"tips window", {lang::ShowTipsOnStartup, lang::NextTip, lang::Ok, lang::Help}},
    {"about window", {lang::HomePage, lang::Ok, lang::Help}},
    {"preferences window", {lang::PrefsParallelJobs, lang::PrefsSplitFiles, lang::PrefsVerify, lang::PrefsReplayGain,
                            lang::PrefsNamePattern, lang::PrefsKeepFolderTree, lang::PrefsExisting,
                            lang::PrefsKeepFileTime, lang::PrefsTrashSources, lang::PrefsNotify, lang::PrefsLanguage,
                            lang::Ok, lang::Cancel}},
};

// The key a text's "&" marks, lower-cased; empty when it has none ("&&" is a plain "&").
QString Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return text.mid(i + 1, 1).toLower();
  }
  return {};
}

TEST(Catalogs, NoWindowGivesTwoControlsOneMnemonic) {
  for (const QString& language : QStringList{"en"} + Languages) {
    const TCatalogs catalogs({language}, QString(BRINDLEWAVE_BINARY_DIR) + "/translations");
    ASSERT_EQ(catalogs.Language().isEmpty(), language == "en") << language.toStdString();
    for (const TWindowGroup& group : Groups) {
      QMap<QString, QString> taken;
      for (const lang::TTranslatedText& entry : group.texts) {
        const QString text = entry;
        const QString key = Mnemonic(text);
        SCOPED_TRACE(language.toStdString() + ", " + group.window + ": " + text.toStdString());
        EXPECT_FALSE(key.isEmpty());
        EXPECT_FALSE(taken.contains(key)) << "also " << taken.value(key).toStdString();
        taken.insert(key, text);
      }
    }
  }
}

TEST(Catalogs, TheFirstLanguageTheProgramHasWinsAndEnglishEndsTheSearch) {
  const QString folder = QString(BRINDLEWAVE_BINARY_DIR) + "/translations";
  const struct {
    QStringList wanted;
    QString installed, remove;
  } cases[] = {
      {{"de-DE", "fr"}, "de", "Ent&fernen"},
      {{"eo", "fr-CA", "de"}, "fr", "&Supprimer"},  // no catalog for the first: the next one
      {{"pt-BR"}, "pt_BR", "&Remover"},
      {{"zh-Hans-CN"}, "zh_CN", "移除(&R)"},
      {{"en-GB", "de"}, "", "&Remove"},  // English first: the program's own texts
      {{"C"}, "", "&Remove"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wanted.join(',').toStdString());
    {
      const TCatalogs catalogs(c.wanted, folder);
      EXPECT_EQ(catalogs.Language(), c.installed);
      EXPECT_EQ(QString(lang::Remove), c.remove);
    }
    EXPECT_EQ(QString(lang::Remove), "&Remove");  // gone with the object
  }
  // The tips come in the language installed, and in English again once it is gone.
  InitAppGlobals(QString(BRINDLEWAVE_BINARY_DIR) + "/brindlewave");
  {
    const TCatalogs german({"de"}, folder);
    EXPECT_EQ(DataFilePath(TipsFile), QString(BRINDLEWAVE_BINARY_DIR) + "/tips_de.txt");
  }
  EXPECT_EQ(DataFilePath(TipsFile), QString(BRINDLEWAVE_BINARY_DIR) + "/tips.txt");
  // Counts take the language's plural forms.
  const TCatalogs russian({"ru"}, folder);
  EXPECT_EQ(lang::NothingNewFormat(1), "Нечего конвертировать: 1 файл уже конвертирован.");
  EXPECT_EQ(lang::NothingNewFormat(3), "Нечего конвертировать: 3 файла уже конвертированы.");
  EXPECT_EQ(lang::NothingNewFormat(25), "Нечего конвертировать: 25 файлов уже конвертированы.");
}

}  // namespace
