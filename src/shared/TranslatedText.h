#pragma once
// One entry of the text table: its English source, shown in the user's language.

#include <QCoreApplication>
#include <QString>

#include <string>

namespace lang {

// The context every entry is filed under in the catalogs (lupdate takes it from the table).
inline constexpr const char* Context = "lang";

struct TTranslatedText {
  // As the table spells it: for the file patterns in a filter, and for checking the catalogs.
  const char* source;

  // Looked up each time it is shown, so the catalog installed at start-up reaches every text.
  operator QString() const { return QCoreApplication::translate(Context, source); }
};

// An entry filled with its values, for the layers that carry their reasons as
// std::string: formed in the user's language where the reason is formed.
template <typename... TArgs>
std::string Say(const TTranslatedText& text, const TArgs&... args) {
  if constexpr (sizeof...(TArgs) == 0)
    return QString(text).toStdString();
  else
    return QString(text).arg(QString::fromStdString(args)...).toStdString();
}

}  // namespace lang
