#include "History.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>

QString HistoryDir;

namespace {
QString PathOf(const QString& fileName) { return QDir(HistoryDir).filePath(fileName); }
}  // namespace

bool LoadHistory(const QString& fileName, QStringList& entries) {
  entries.clear();
  QFile f(PathOf(fileName));
  if (!f.exists()) return true;
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) return false;
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (utf8.hasError()) text = QString::fromLatin1(bytes);
  text.replace("\r\n", "\n");
  if (text.endsWith('\n')) text.chop(1);
  if (!text.isEmpty()) entries = text.split('\n');
  std::stable_sort(entries.begin(), entries.end(),
                   [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  return true;
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
