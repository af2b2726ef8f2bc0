#pragma once
// Widths that make room for a text in the user's language. The windows are drawn for
// English; a control keeps its English width unless its text needs more.

#include <QAbstractButton>
#include <QStringList>

namespace TextFit {

// The width `b` needs to show each of `texts` whole (a button whose text changes, as
// Pause and Resume, takes the widest), never less than `least`.
int ButtonWidth(const QAbstractButton* b, const QStringList& texts, int least);
// The same for the button's own text.
inline int ButtonWidth(const QAbstractButton* b, int least) { return ButtonWidth(b, {b->text()}, least); }

}  // namespace TextFit
