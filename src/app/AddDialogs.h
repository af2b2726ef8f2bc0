#pragma once
#include <QString>
#include <QStringList>
#include <QWidget>

// The dialogs behind Add Files and Add Folder, opened over `owner` in `folder`.
class TAddDialogs {
 public:
  // The chosen audio files; none when cancelled.
  static QStringList ChooseFiles(QWidget* owner, const QString& folder);
  // The chosen folder; "" when cancelled.
  static QString ChooseFolder(QWidget* owner, const QString& folder);
};
