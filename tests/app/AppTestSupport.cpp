#include "AppTestSupport.h"

#include <QDesktopServices>
#include <QEvent>
#include <QUrl>

#include "Lang.h"
#include "MsgForm.h"

MessageAnswerer::MessageAnswerer(std::function<int(const QString&)> answer) : Answer_(std::move(answer)) {
  connect(&Timer_, &QTimer::timeout, this, [this] { Poll(); });
  MessageWindow()->installEventFilter(this);
  Timer_.start(5);
}

bool MessageAnswerer::eventFilter(QObject* watched, QEvent* event) {
  // One message may follow another without the window being seen hidden.
  if (event->type() == QEvent::Show) Handled_ = false;
  return QObject::eventFilter(watched, event);
}

void MessageAnswerer::Poll() {
  TmsgFrm* w = MessageWindow();
  if (!w->isVisible()) {
    Handled_ = false;
    // Run from a timer of its own, so a message it raises can still be answered here.
    if (WhileIdle && !IdlePending_) {
      IdlePending_ = true;
      QTimer::singleShot(0, this, [this] {
        WhileIdle();
        IdlePending_ = false;
      });
    }
    return;
  }
  if (Handled_) return;
  Handled_ = true;
  const QString text = w->Text;
  Seen << text;
  Icons << w->IconIndex;
  const int button = Answer_ ? Answer_(text) : 1;
  if (button == 1)
    w->okBtn->click();
  else if (w->helpBtn->text() != lang::Help)
    w->helpBtn->click();
  else
    w->reject();
}

UrlCatcher::UrlCatcher() {
  for (const char* scheme : {"file", "http", "https", "mailto"}) QDesktopServices::setUrlHandler(scheme, this, "open");
}

UrlCatcher::~UrlCatcher() {
  for (const char* scheme : {"file", "http", "https", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
}

void UrlCatcher::open(const QUrl& url) { Opened << (url.isLocalFile() ? url.toLocalFile() : url.toString()); }
