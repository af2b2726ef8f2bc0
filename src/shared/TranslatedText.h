#pragma once
// One entry of the text table: its English source, shown in the user's language.

#include <QCoreApplication>
#include <QString>

namespace lang {

// The context every entry is filed under in the catalogs (lupdate takes it from the table).
inline constexpr const char* Context = "lang";

struct TTranslatedText {
  // As the table spells it: for the file patterns in a filter, and for checking the catalogs.
  const char* source;

  // Looked up each time it is shown, so the catalog installed at start-up reaches every text.
  operator QString() const { return QCoreApplication::translate(Context, source); }
};

}  // namespace lang
