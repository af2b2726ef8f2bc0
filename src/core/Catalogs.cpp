#include "Catalogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

TCatalogs::TCatalogs(const QStringList& languages, const QString& folder) {
  for (const QString& name : languages) {
    const QLocale locale(name);
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) return;
    if (!Own_.load(locale, "brindlewave", "_", folder)) continue;
    QCoreApplication::installTranslator(&Own_);
    Language_ = Own_.language();
    Installed_ = Language_;
    // Without Qt's own, the standard dialogs would mix English buttons into translated windows.
    QtInstalled_ = Qt_.load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                   QCoreApplication::installTranslator(&Qt_);
    return;
  }
}

TCatalogs::~TCatalogs() {
  if (QtInstalled_) QCoreApplication::removeTranslator(&Qt_);
  if (Language_.isEmpty()) return;
  QCoreApplication::removeTranslator(&Own_);
  if (Installed_ == Language_) Installed_.clear();
}

QStringList TCatalogs::Wanted(const QString& chosen, const QStringList& system) {
  return chosen.isEmpty() ? system : QStringList{chosen} + system;
}

QString TCatalogs::Folder() {
  const QString dir = QCoreApplication::applicationDirPath();
  const QString beside = dir + "/translations";
  if (QFileInfo(beside).isDir()) return beside;
  return QDir::cleanPath(dir + "/../share/brindlewave/translations");
}
