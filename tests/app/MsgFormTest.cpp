#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "Lang.h"
#include "MsgForm.h"
#include "TestSupport.h"

namespace {

TEST(MsgForm, ButtonsAndTheTitleBarCloseGiveTheirResults) {
  TestFolder t;
  {
    MessageAnswerer yes([](const QString&) { return 1; });
    EXPECT_EQ(ShowMessageWindow(miQuestion, "Replace?", lang::No, lang::Yes), 1);
  }
  MessageAnswerer no([](const QString&) { return 2; });
  EXPECT_EQ(ShowMessageWindow(miQuestion, "Replace?", lang::No, lang::Yes), 2);
}

// A report of several failures with long paths still shows its closing question.
TEST(MsgForm, ALongReportFitsWithItsQuestion) {
  TestFolder t;
  QString text = "3 of 3 files could not be converted:";
  for (int i = 0; i < 3; ++i)
    text += "\n " + t.Path(QString("music/a rather long folder name/") + QString(80, QChar('a' + i)) + ".wma") +
            ": the input ends at 0:07 of 0:20";
  text += "\n" + QString(lang::OpenOutputFolder);
  int needed = 0, shown = 0;
  bool buttonsBelow = false;
  QTimer::singleShot(50, [&] {
    TmsgFrm* w = MessageWindow();
    needed = w->msgLabel->heightForWidth(w->msgLabel->width());
    shown = w->msgLabel->height();
    buttonsBelow = w->okBtn->y() >= w->msgLabel->geometry().bottom() && w->okBtn->geometry().bottom() <= w->height();
    EXPECT_TRUE(w->msgLabel->text().endsWith(lang::OpenOutputFolder));
    w->okBtn->click();
  });
  ShowMessageWindow(miInformation, text, lang::No, lang::Yes);
  EXPECT_GT(needed, 97);
  EXPECT_LE(needed, shown);
  EXPECT_TRUE(buttonsBelow);
}

// However long its list, a report fits on the screen with its first line, its
// closing question and its buttons in sight; the list scrolls and holds every line.
TEST(MsgForm, AReportOfAnyLengthKeepsItsQuestionInSight) {
  const int screen = QGuiApplication::primaryScreen()->availableGeometry().height();
  for (const int count : {3, 1584}) {
    QStringList lines;
    for (int i = 0; i < count; ++i) lines << QString(" /music/moved/track%1.wma: No such file or directory").arg(i);
    QTimer::singleShot(50, [&] {
      TmsgFrm* w = MessageWindow();
      EXPECT_LE(w->height(), screen) << count;
      EXPECT_EQ(w->details->document()->blockCount(), count);
      EXPECT_TRUE(w->closingLabel->isVisible());
      EXPECT_EQ(w->closingLabel->text(), lang::OpenOutputFolder);
      EXPECT_GE(w->closingLabel->y(), w->details->geometry().bottom());
      EXPECT_GE(w->okBtn->y(), w->closingLabel->geometry().bottom());
      EXPECT_LE(w->okBtn->geometry().bottom(), w->height());
      EXPECT_EQ(w->Text, "Summary\n" + lines.join('\n') + "\n" + lang::OpenOutputFolder);
      w->okBtn->click();
    });
    EXPECT_EQ(ShowMessageWindow(miWarning, "Summary", lines.join('\n'), lang::OpenOutputFolder, lang::No, lang::Yes), 1);
  }
}

TEST(MsgForm, TitleBarCloseReturnsTwo) {
  TestFolder t;
  QTimer::singleShot(50, [] { MessageWindow()->reject(); });
  EXPECT_EQ(ShowMessageWindow(miError, "Failed", lang::Help, lang::Ok), 2);
}

TEST(MsgForm, HelpOpensTheHelpFileAndLeavesTheWindowOpen) {
  TestFolder t;
  t.Touch("app/brindlewave.html", "<html></html>");
  UrlCatcher urls;
  bool stillOpen = false;
  QTimer::singleShot(50, [&] {
    MessageWindow()->helpBtn->click();
    QTimer::singleShot(50, [&] {
      stillOpen = MessageWindow()->isVisible();
      MessageWindow()->okBtn->click();
    });
  });
  EXPECT_EQ(ShowMessageWindow(miWarning, "No audio", lang::Help, lang::Ok), 1);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(urls.Opened, QStringList{t.Path("app/brindlewave.html")});
}

// Where the desktop has nothing to open a file or folder with, the user is told.
TEST(MsgForm, WhatNothingOpensIsSaidInAMessage) {
  TestFolder t;
  t.Touch("app/brindlewave.html", "<html></html>");
  MessageAnswerer answer([](const QString&) { return 1; });
  EXPECT_FALSE(OpenOnDesktop(QUrl::fromLocalFile(t.Path("out/"))));
  OpenHelp();
  EXPECT_EQ(answer.Seen, (QStringList{QString(lang::CannotOpenFormat).arg(t.Path("out/")),
                                      QString(lang::CannotOpenFormat).arg(t.Path("app/brindlewave.html"))}));
  UrlCatcher urls;
  EXPECT_TRUE(OpenOnDesktop(QUrl::fromLocalFile(t.Path("out/"))));
  EXPECT_EQ(answer.Seen.size(), 2);
}

TEST(MsgForm, ShowsTextAsPlainTextWithTheChosenIconAndCaptions) {
  TestFolder t;
  QString text, first, second;
  bool plain = false;
  QTimer::singleShot(50, [&] {
    TmsgFrm* w = MessageWindow();
    text = w->msgLabel->text();
    plain = w->msgLabel->textFormat() == Qt::PlainText;
    first = w->okBtn->text();
    second = w->helpBtn->text();
    EXPECT_EQ(w->IconIndex, 3);
    EXPECT_FALSE(w->icon->pixmap().isNull());
    EXPECT_EQ(w->skinFrame->Caption(), "   Message ...");
    w->okBtn->click();
  });
  ShowMessageWindow(miWarning, "<b>not bold</b>.wma", lang::No, lang::Yes);
  EXPECT_EQ(text, "<b>not bold</b>.wma");
  EXPECT_TRUE(plain);
  EXPECT_EQ(first, "&Yes");
  EXPECT_EQ(second, "&No");
}

}  // namespace
