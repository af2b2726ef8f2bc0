#include "TextFit.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace TextFit {

int ButtonWidth(const QAbstractButton* b, const QStringList& texts, int least) {
  QStyleOptionButton opt;
  opt.initFrom(b);
  opt.rect.setWidth(least);
  const QStyle::SubElement room = qobject_cast<const QCheckBox*>(b)      ? QStyle::SE_CheckBoxContents
                                  : qobject_cast<const QRadioButton*>(b) ? QStyle::SE_RadioButtonContents
                                                                         : QStyle::SE_PushButtonContents;
  // What the bevel, or the box beside the text, takes of the width.
  int frame = least - b->style()->subElementRect(room, &opt, b).width();
  if (!b->icon().isNull()) frame += b->iconSize().width() + 4;
  int width = least;
  for (const QString& text : texts)
    width = std::max(width, b->fontMetrics().size(Qt::TextShowMnemonic, text).width() + frame);
  return width;
}

}  // namespace TextFit
