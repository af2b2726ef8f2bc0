#include "AddDialogs.h"

#include <QFileDialog>

#include "DoString.h"
#include "Globals.h"
#include "Lang.h"

namespace {

// "desc|pattern|desc|pattern" as the file dialog wants it.
QString DialogFilter(const QString& filter) {
  QStringList parts;
  SplitString(filter, "|", parts);
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) out << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
  return out.join(";;");
}

}  // namespace

QStringList TAddDialogs::ChooseFiles(QWidget* owner, const QString& folder) {
  QFileDialog dlg(owner, lang::AddFilesDlgTitle, folder, DialogFilter(FileFilter + "|" + lang::OtherAudioFilter));
  dlg.setFileMode(QFileDialog::ExistingFiles);
  dlg.setOption(QFileDialog::HideNameFilterDetails);  // the filter names once, as the table gives them
  return dlg.exec() == QDialog::Accepted ? dlg.selectedFiles() : QStringList();
}

QString TAddDialogs::ChooseFolder(QWidget* owner, const QString& folder) {
  QFileDialog dlg(owner, lang::AddFolderDlgTitle, folder);
  dlg.setFileMode(QFileDialog::Directory);
  dlg.setOption(QFileDialog::ShowDirsOnly);
  return dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty() ? dlg.selectedFiles().first() : QString();
}
