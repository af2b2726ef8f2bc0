#pragma once
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

#include "AddForm.h"
#include "ReadInput.h"

// Answers the message window whenever it comes up, recording each text.
// `answer` gives 1 for the first button, 2 for the second (or the title-bar close).
class MessageAnswerer : public QObject {
 public:
  explicit MessageAnswerer(std::function<int(const QString&)> answer = {});
  QStringList Seen;
  QList<int> Icons;  // the icon of each message seen
  std::function<void()> WhileIdle;  // called on every poll while no message is up

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Poll();
  std::function<int(const QString&)> Answer_;
  QTimer Timer_;
  bool Handled_ = false;
  bool IdlePending_ = false;
};

// Catches what the program opens through the desktop (files, folders, links).
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  UrlCatcher();
  ~UrlCatcher() override;
  QStringList Opened;
 public slots:
  void open(const QUrl& url);
};

// Finishes the wizard whenever it comes up, counting how often.
struct WizardFinisher {
  int shown = 0;
  QTimer timer;
  std::function<void(TaddFrm*)> change;
  WizardFinisher() {
    QObject::connect(&timer, &QTimer::timeout, [this] {
      TaddFrm* w = Wizard();
      if (!w->isVisible() || w->property("handled").toBool()) return;
      w->setProperty("handled", true);
      ++shown;
      QTimer::singleShot(0, w, [this, w] {
        if (change) change(w);
        w->nextBtn->click();
        w->nextBtn->click();
        w->nextBtn->click();
        w->setProperty("handled", false);
      });
    });
    timer.start(5);
  }
};
