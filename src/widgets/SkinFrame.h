#pragma once
#include <QLabel>
#include <QList>
#include <QToolButton>
#include <QWidget>

// The themed caption strip across the top of a window, with its own buttons.
class TSkinFrame : public QWidget {
  Q_OBJECT
 public:
  explicit TSkinFrame(QWidget* parent = nullptr);
  void SetCaption(const QString& caption);
  QString Caption() const;
  // Adds a title-bar button; the first added is number 1.
  QToolButton* AddCustomButton(const QString& text, const QString& toolTip);
  QToolButton* CustomButton(int index) const;

 signals:
  void TitleBarCustomBtnsClick(int buttonIndex);

 private:
  QLabel* Caption_;
  QList<QToolButton*> Buttons_;
};
