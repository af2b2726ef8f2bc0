#pragma once
#include <QByteArray>
#include <QString>

// File names are bytes on Linux, and old collections copied from Windows carry
// names that are not UTF-8 (Latin-1, Windows-1252). Such a name is held in a
// QString with each byte that is not part of valid UTF-8 kept as the lone
// surrogate U+DC80 + byte, so it can be opened again exactly; Qt's own file
// classes would turn those bytes into U+FFFD and lose the file.

// The bytes to open `path` by: UTF-8, with each kept byte given back as it was.
// Other lone surrogates (no name read from the system holds one) are written as U+FFFD.
QByteArray NativePath(const QString& path);
// A name read from the system (an argument, a folder listing, a dropped URL).
// Only shortest-form UTF-8 of scalar values is decoded: the bytes of an overlong
// form, of an encoded surrogate (ED A0..BF ..), of a sequence cut short, and
// stray continuation bytes are each kept, one by one.
QString PathFromNative(const QByteArray& bytes);
// `text` with each kept byte shown as the Windows-1252 character it most likely
// was: valid UTF-8 for output names, windows and messages. The five bytes
// Windows-1252 leaves unassigned (81 8D 8F 90 9D) become '_', any other lone
// surrogate U+FFFD; all else is unchanged.
QString ReadableName(const QString& text);

// Qt's file classes lose kept bytes; these stat and resolve by NativePath.
// Whether something, a regular file, a folder is at `path` (links followed).
bool NativeExists(const QString& path);
bool NativeIsFile(const QString& path);
bool NativeIsDir(const QString& path);
// `path` made absolute against the current folder and cleaned of "." and "..".
QString NativeAbsolutePath(const QString& path);
