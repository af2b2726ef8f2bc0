#pragma once
#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QUrl>
#include <QPushButton>
#include <array>

#include "SkinFrame.h"

enum TMsgIcon { miError = 0, miInformation = 1, miQuestion = 2, miWarning = 3 };

// The one window through which every message and question is put to the user.
class TmsgFrm : public QDialog {
  Q_OBJECT
 public:
  explicit TmsgFrm(QWidget* parent = nullptr);

  TSkinFrame* skinFrame;
  QLabel* icon;
  QLabel* msgLabel;
  QPlainTextEdit* details;  // a list too long for the label: scrolls, can be copied
  QLabel* closingLabel;     // under the list: the question the buttons answer
  QPushButton* okBtn;
  QPushButton* helpBtn;
  std::array<QPixmap, 4> iconList;
  int IconIndex = 1;

  QString Text;  // as given; the label may show long names shortened
  // Sets the text; grows the window so that all of it shows, long names elided
  // in the middle where a line cannot wrap.
  void SetText(const QString& text);
  // Sets the text above a list shown in a scrolling area, and the closing line
  // under it; empty details hide the area and the closing line follows the text.
  void SetText(const QString& text, const QString& details, const QString& closing = {});

 public slots:
  void okBtnClick();
  void helpBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
};

// Shows the message window modally: 1 when the first button closed it, 2 for the
// second button or the window's close button.
int ShowMessageWindow(int Icon, const QString& Text, const QString& SecondCaption, const QString& FirstCaption);
// The same with a list under the text, in an area that scrolls however long it is,
// and a closing line under the list (a question), which stays in sight with the buttons.
int ShowMessageWindow(int Icon, const QString& Text, const QString& Details, const QString& SecondCaption,
                      const QString& FirstCaption);
int ShowMessageWindow(int Icon, const QString& Text, const QString& Details, const QString& Closing,
                      const QString& SecondCaption, const QString& FirstCaption);

// Returns once no message is on screen: the user has answered what was asked,
// so the next question or window does not open beside an unanswered one.
void WaitForAnswers();

// Hands a file, folder or link to the desktop's opener; says so in a message
// when nothing opens it, and gives false.
bool OpenOnDesktop(const QUrl& url);
// Opens the help file in the user's browser, or says why not.
void OpenHelp();

// Makes `window` belong to `owner` (its transient parent), so the desktop keeps it
// above its owner; none lets it stand alone.
void SetOwnerWindow(QWidget* window, QWidget* owner);

// The window ShowMessageWindow uses; created at start-up, or on first use.
TmsgFrm* MessageWindow();
void SetMessageWindow(TmsgFrm* window);
