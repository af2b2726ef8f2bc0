#pragma once
#include <QString>
#include <QStringList>

// The folder the tag history lists live in (the per-user data folder).
extern QString HistoryDir;

// The entries of a history file, one a line; a missing or unreadable file is empty.
QStringList LoadHistory(const QString& fileName);
// Rewrites a history file, lines ended by CR LF. False when it cannot be written.
bool SaveHistory(const QString& fileName, const QStringList& entries);
// Adds `text` in its sorted place (letter case ignored) unless it is empty or
// already there in any case. True when the list changed.
bool AddToHistory(QStringList& entries, const QString& text);
