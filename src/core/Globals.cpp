#include "Globals.h"

#include <QDir>
#include <QFileInfo>

#include "Catalogs.h"
#include "Lang.h"

std::vector<std::unique_ptr<TTask>> Tasks;
TTask CurrentTask;
TDefaultSettings DefaultSettings;
std::int32_t TipsIndex = 0;
QString AppDir;
std::array<std::int32_t, 18> BitRateTable{};

QString HelpFile;
QString TipsFile;
QString FileFilter;


void FillBitRateTable() {
  static constexpr std::int32_t upper[] = {80, 96, 112, 128, 144, 160, 192, 224, 256, 320};
  for (int i = 0; i < 8; ++i) BitRateTable[i] = (i + 1) * 8;
  for (int i = 0; i < 10; ++i) BitRateTable[8 + i] = upper[i];
}

void InitAppGlobals(const QString& programPath) {
  QString dir = QFileInfo(programPath).absolutePath();
  if (!dir.endsWith('/')) dir += '/';
  AppDir = dir;
  HelpFile = lang::HelpFileName;
  TipsFile = lang::TipsFileName;
  FileFilter = lang::FileFilter;
}

QString DataFilePath(const QString& name) {
  // The user's language first ("tips_de.txt" for "tips.txt"), when the program has it.
  if (const QString language = TCatalogs::Installed(); !language.isEmpty()) {
    const QFileInfo info(name);
    const QString local = info.completeBaseName() + "_" + language + "." + info.suffix();
    for (const QString& path : {AppDir + local, QDir::cleanPath(AppDir + "../share/brindlewave/" + local)})
      if (QFileInfo::exists(path)) return path;
  }
  const QString beside = AppDir + name;
  if (QFileInfo::exists(beside)) return beside;
  const QString installed = QDir::cleanPath(AppDir + "../share/brindlewave/" + name);
  if (QFileInfo::exists(installed)) return installed;
  return beside;
}
