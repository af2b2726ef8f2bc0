#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <functional>

// The three-page wizard that reviews and changes CurrentTask.
class TaddFrm : public QDialog {
  Q_OBJECT
 public:
  explicit TaddFrm(QWidget* parent = nullptr);

  QStackedWidget* addPages;
  QWidget* addPage1;
  QWidget* addPage2;
  QWidget* addPage3;
  QPushButton* cancelBtn;
  QPushButton* backBtn;
  QPushButton* nextBtn;
  QLineEdit* srcFile;
  QPushButton* addFileBtn;
  QLineEdit* dstFile;
  QPushButton* outFileBtn;
  QGroupBox* inputFileInfoPanel;
  QListWidget* inFileInfoList;
  QCheckBox* VBRCheck;
  QStackedWidget* BitrateSettingsPage;
  QComboBox* bitRateSel;
  QComboBox* minBitrateSel;
  QComboBox* maxBitrateSel;
  QComboBox* samplerateSel;
  QComboBox* ChannelModeSel;
  QLineEdit* titleEdit;
  QComboBox* albumEdit;
  QComboBox* artistEdit;
  QComboBox* GenreEdit;
  QComboBox* YearEdit;
  QComboBox* commentEdit;

  // The two file dialogs; each gets the preset name and gives the chosen one,
  // or an empty text when the user cancels. Replaceable, for tests.
  std::function<QString(const QString&)> AddFilesDlg;
  std::function<QString(const QString&)> outFileDlg;

 public slots:
  void addFileBtnClick();
  void outFileBtnClick();
  void VBRCheckClick();
  void backBtnClick();
  void cancelBtnClick();
  void nextBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;
  // Escape and the title bar's close answer as Cancel does.
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString OpenedDst_;  // the output name the wizard opened with
  void FormShow();
  void addPage1Show();
  void addPage2Show();
  void addPage3Show();
  void ShowPage(int index);
  void FillPage1();
  void FillPage2();
  void FillPage3();
  void LoadHistories();
  bool LeavePage1();
  void Finish();
  QWidget* MakePage1();
  QWidget* MakePage2();
  QWidget* MakePage3();

  QLabel* srcLabel_;
  QLabel* dstLabel_;
  QGroupBox* tagPanel_;
};

// The history file behind each of the four remembered tag boxes.
struct THistoryBox {
  QComboBox* TaddFrm::*box;
  const char* file;
};
