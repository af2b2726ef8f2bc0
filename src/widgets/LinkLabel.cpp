#include "LinkLabel.h"

#include <QFocusEvent>

TLinkLabel::TLinkLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::RichText);
  setOpenExternalLinks(false);
  setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
}

void TLinkLabel::focusInEvent(QFocusEvent* event) {
  // An empty line has nothing to read or follow: the keyboard passes over it.
  if (text().isEmpty() && (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)) {
    focusNextPrevChild(event->reason() == Qt::TabFocusReason);
    return;
  }
  QLabel::focusInEvent(event);
}

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }
