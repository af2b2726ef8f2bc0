#include "NativePath.h"

#include <QFile>

QByteArray NativePath(const QString& path) { return QFile::encodeName(path); }

QString PathFromNative(const QByteArray& bytes) { return QFile::decodeName(bytes); }

QString ReadableName(const QString& text) { return text; }
