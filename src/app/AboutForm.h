#pragma once
#include <QDialog>
#include <QLabel>
#include <QPushButton>

// The program's title, version and build, with the maker's web page and address.
class TaboutFrm : public QDialog {
  Q_OBJECT
 public:
  explicit TaboutFrm(QWidget* parent = nullptr);

  QLabel* titleLabel;
  QLabel* versionLabel;
  QLabel* versionLabel2;
  QLabel* buildLabel;
  QLabel* HomepageLabel;
  QLabel* homePageUrlLabel;
  QLabel* supportEmailLabel;
  QLabel* support_Email;
  QPushButton* okBtn;
  QPushButton* helpBtn;
  QPushButton* homePageBtn;

  // The compiled-in version text; replaceable, for tests.
  QString FileVersion;

 public slots:
  void okBtnClick();
  void homePageUrlLabelClick();
  void support_EmailClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
};

// Creates the about window on first use and shows it modally.
void ShowAboutWindow();
TaboutFrm* AboutWindow();
void ReleaseAboutWindow();
