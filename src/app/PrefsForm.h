#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "SkinFrame.h"

// The settings of runs and output names that the wizard does not ask for. OK
// saves them with the other defaults; Cancel and Escape drop the changes.
class TPrefsForm : public QDialog {
  Q_OBJECT
 public:
  explicit TPrefsForm(QWidget* parent = nullptr);

  TSkinFrame* skinFrame;
  QSpinBox* jobsSpin;
  QCheckBox* splitCheck;
  QCheckBox* verifyCheck;
  QComboBox* gainBox;
  QLineEdit* patternEdit;
  QLabel* patternError;
  QCheckBox* treeCheck;
  QComboBox* existingBox;
  QCheckBox* timeCheck;
  QCheckBox* trashCheck;
  QCheckBox* notifyCheck;
  QComboBox* languageBox;  // each item's data is the language's code, empty for the system's
  QLabel* runNote;
  QLabel* addingNote;  // shown while files are being added: they keep the naming they began with
  QPushButton* okBtn;
  QPushButton* cancelBtn;

 public slots:
  // Saves and closes, unless the name pattern cannot be used.
  void okBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildConverting(QVBoxLayout* body);
  void BuildOutput(QVBoxLayout* body);
  void BuildLanguage(QVBoxLayout* body);
  void BuildNotes(QVBoxLayout* body);
  void BuildButtons(QVBoxLayout* body);
  // Shows the saved settings.
  void ShowSettings();
  void FormShow();
  void ShowPatternError();
};

// Opens the preferences window modally over the program's windows, or brings
// forward the one already open.
void ShowPrefsWindow();
// Files are being added, or no longer: the window says that naming changed meanwhile
// reaches the next adding.
void SetAddingUnderWay(bool adding);
// A run has ended: the window no longer says that it keeps its settings.
void RunOver();
// The window ShowPrefsWindow has open, if any.
TPrefsForm* PrefsWindow();
