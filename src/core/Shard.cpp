#include "Shard.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QtEndian>

#include "NativePath.h"

std::optional<TShard> TShard::Parse(const QString& text) {
  static const QRegularExpression form(QRegularExpression::anchoredPattern("([0-9]{1,9})/([0-9]{1,9})"));
  const QRegularExpressionMatch m = form.match(text);
  if (!m.hasMatch()) return std::nullopt;
  const int k = m.captured(1).toInt(), n = m.captured(2).toInt();
  if (k < 1 || k > n) return std::nullopt;
  return TShard(k, n);
}

bool TShard::Holds(const QString& relativePath) const {
  // The path's bytes as they are on disk, through a digest that no process seeds
  // (unlike qHash), so every machine gives a file the same share.
  const QByteArray digest = QCryptographicHash::hash(NativePath(relativePath), QCryptographicHash::Sha1);
  return qFromBigEndian<quint64>(digest.constData()) % quint64(Count_) == quint64(Index_ - 1);
}
