#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

// The tip of the day, shown once at start-up while tips are on.
class TTipsFrm : public QDialog {
  Q_OBJECT
 public:
  explicit TTipsFrm(QWidget* parent = nullptr);

  QStringList TipList;
  QLabel* TipLabel;
  QCheckBox* ifShowTips;
  QPushButton* nextTipBtn;
  QPushButton* tipsOkBtn;

  void ShowNextTip();

 public slots:
  void nextTipBtnClick();
  void tipsOkBtnClick();

 private:
  void FormCreate();
};
