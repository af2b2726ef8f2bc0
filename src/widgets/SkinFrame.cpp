#include "SkinFrame.h"

#include <QHBoxLayout>

TSkinFrame::TSkinFrame(QWidget* parent) : QWidget(parent) {
  setObjectName("skinFrame");
  setAttribute(Qt::WA_StyledBackground, true);
  setFixedHeight(26);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 0, 2, 0);
  Caption_ = new QLabel(this);
  Caption_->setObjectName("caption");
  Caption_->setTextFormat(Qt::PlainText);
  layout->addWidget(Caption_, 1);
}

void TSkinFrame::SetCaption(const QString& caption) { Caption_->setText(caption); }

QString TSkinFrame::Caption() const { return Caption_->text(); }

QToolButton* TSkinFrame::AddCustomButton(const QString& text, const QString& toolTip) {
  auto* b = new QToolButton(this);
  b->setText(text);
  b->setToolTip(toolTip);
  b->setAccessibleName(toolTip);  // its text is a symbol
  b->setAutoRaise(true);
  const int index = int(Buttons_.size()) + 1;
  Buttons_.append(b);
  layout()->addWidget(b);
  connect(b, &QToolButton::clicked, this, [this, index] { emit TitleBarCustomBtnsClick(index); });
  return b;
}

QToolButton* TSkinFrame::CustomButton(int index) const {
  return index >= 1 && index <= Buttons_.size() ? Buttons_[index - 1] : nullptr;
}
