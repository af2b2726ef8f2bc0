#pragma once
#include <QByteArray>
#include <QString>

// File names are bytes on Linux, and old collections copied from Windows carry
// names that are not UTF-8 (Latin-1, Windows-1252). Such a name is held in a
// QString with each byte that is not part of valid UTF-8 kept as the lone
// surrogate U+DC80 + byte, so it can be opened again exactly; Qt's own file
// classes would turn those bytes into U+FFFD and lose the file.

// The bytes to open `path` by: UTF-8, with each kept byte given back as it was.
QByteArray NativePath(const QString& path);
// A name read from the system (an argument, a folder listing, a dropped URL).
QString PathFromNative(const QByteArray& bytes);
// `text` with each kept byte shown as the Windows-1252 character it most likely
// was: valid UTF-8 for output names, windows and messages.
QString ReadableName(const QString& text);
