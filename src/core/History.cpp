#include "History.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

QString HistoryDir;

namespace {
QString PathOf(const QString& fileName) { return QDir(HistoryDir).filePath(fileName); }
}  // namespace

QStringList LoadHistory(const QString& fileName) {
  QFile f(PathOf(fileName));
  if (!f.open(QIODevice::ReadOnly)) return {};
  QString text = QString::fromUtf8(f.readAll());
  text.replace("\r\n", "\n");
  if (text.endsWith('\n')) text.chop(1);
  if (text.isEmpty()) return {};
  return text.split('\n');
}

bool SaveHistory(const QString& fileName, const QStringList& entries) {
  if (!QDir().mkpath(HistoryDir)) return false;
  QSaveFile f(PathOf(fileName));
  if (!f.open(QIODevice::WriteOnly)) return false;
  QByteArray data;
  for (const QString& e : entries) data += e.toUtf8() + "\r\n";
  return f.write(data) == data.size() && f.commit();
}

bool AddToHistory(QStringList& entries, const QString& text) {
  if (text.isEmpty()) return false;
  for (const QString& e : entries)
    if (e.compare(text, Qt::CaseInsensitive) == 0) return false;
  const auto at = std::lower_bound(entries.begin(), entries.end(), text, [](const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  });
  entries.insert(at, text);
  return true;
}
