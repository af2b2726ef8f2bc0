#pragma once
#include <QLabel>

// A label that renders bold, underline and links, and reports the href of a clicked link.
class TLinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TLinkLabel(QWidget* parent = nullptr);

 protected:
  void focusInEvent(QFocusEvent* event) override;
};

// `text` made safe to put into rich text.
QString Escaped(const QString& text);
