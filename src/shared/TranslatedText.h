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
// std::string: formed in the user's language where the reason is formed. The values
// go in byte for byte, since a file name need not be UTF-8.
template <typename... TArgs>
std::string Say(const TTranslatedText& text, const TArgs&... args) {
  const std::string values[] = {std::string(), std::string(args)...};
  const std::string form = QString(text).toStdString();
  std::string said;
  said.reserve(form.size());
  for (std::size_t i = 0; i < form.size(); ++i) {
    const std::size_t n = i + 1 < form.size() ? std::size_t(form[i + 1] - '0') : 0;
    if (form[i] == '%' && n >= 1 && n <= sizeof...(TArgs)) {
      said += values[n];
      ++i;
    } else {
      said += form[i];
    }
  }
  return said;
}

}  // namespace lang
