#pragma once
// The program's texts in the user's language: its own catalog and Qt's, for the
// buttons of the standard dialogs, installed for as long as this object lives.

#include <QString>
#include <QStringList>
#include <QTranslator>

class TCatalogs {
 public:
  // Installs the catalogs of the first of `languages` (most wanted first, as
  // QLocale::uiLanguages() gives them) that the program has, from `folder`. English
  // before any of them keeps the program in English, the language it is written in.
  explicit TCatalogs(const QStringList& languages, const QString& folder = Folder());
  ~TCatalogs();
  TCatalogs(const TCatalogs&) = delete;
  TCatalogs& operator=(const TCatalogs&) = delete;

  // The languages to ask for: the one the user chose in the program ("de", "en"), when
  // they chose one, before the system's; the system's alone otherwise. Should the chosen
  // one's catalog be missing, the system's languages are tried next.
  static QStringList Wanted(const QString& chosen, const QStringList& system);

  // The language installed ("de", "pt_BR"), empty when the texts stay in English.
  QString Language() const { return Language_; }

  // Where the catalogs lie: beside the program in the build tree, under share/ once installed.
  static QString Folder();

  // The language of the catalogs installed now, empty for English: for data files
  // that come in the user's language too (tips_de.txt beside tips.txt).
  static QString Installed() { return Installed_; }

 private:
  QTranslator Own_, Qt_;
  bool QtInstalled_ = false;
  QString Language_;
  inline static QString Installed_;  // read and written on the main thread only
};
