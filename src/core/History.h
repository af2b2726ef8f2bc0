#pragma once
#include <QString>
#include <QStringList>

// The folder the tag history lists live in (the per-user data folder).
extern QString HistoryDir;

// The entries of a history file, one a line, sorted with letter case ignored. A
// missing file is an empty list; a file that is there but cannot be read gives
// false, and must then not be written over. Lines that are not UTF-8 are taken
// as Latin-1, the encoding of older files.
bool LoadHistory(const QString& fileName, QStringList& entries);
// Rewrites a history file, lines ended by CR LF. False when it cannot be written.
bool SaveHistory(const QString& fileName, const QStringList& entries);
// Adds `text` in its sorted place (letter case ignored) unless it is empty or
// already there in any case. True when the list changed.
bool AddToHistory(QStringList& entries, const QString& text);
