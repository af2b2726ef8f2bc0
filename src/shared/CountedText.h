#pragma once
// An entry of the text table that holds a count: the count picks the plural form
// and stands for %n (%Ln in the user's digits). It has no plain conversion, so
// no use can leave the count out.

#include <QCoreApplication>
#include <QString>

#include "TranslatedText.h"

namespace lang {

struct TCountedText {
  const char* source;

  QString operator()(qsizetype n) const { return QCoreApplication::translate(Context, source, nullptr, int(n)); }
};

}  // namespace lang
