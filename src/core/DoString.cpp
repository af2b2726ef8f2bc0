#include "DoString.h"

#include <QLocale>
#include <cmath>
#include <limits>
#include <stdexcept>

void SplitString(const QString& text, const QString& separator, QStringList& list) {
  if (separator.isEmpty()) {
    list.append(text);
    return;
  }
  qsizetype from = 0;
  for (;;) {
    const qsizetype p = text.indexOf(separator, from);
    if (p < 0) {
      list.append(text.mid(from));
      return;
    }
    list.append(text.mid(from, p - from));
    from = p + separator.size();
  }
}

QString ReplaceAll(const QString& text, const QString& search, const QString& replacement) {
  QString result = text;
  if (search.isEmpty()) return result;
  // A replacement holding the search text would be found again for ever: one pass.
  if (replacement.contains(search)) return result.replace(search, replacement);
  // Each round searches the new text from its start, so a replacement that
  // forms a new occurrence with what surrounds it is replaced too.
  for (qsizetype p = result.indexOf(search), rounds = 0; p >= 0 && rounds < 4 * text.size() + 64; ++rounds) {
    result.replace(p, search.size(), replacement);
    p = result.indexOf(search);
  }
  return result;
}

QString CopyLeft(const QString& text, int count) { return text.left(std::max(count, 0)); }

QString TrimBlanks(const QString& text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && text[begin].unicode() <= 32) ++begin;
  while (end > begin && text[end - 1].unicode() <= 32) --end;
  return text.mid(begin, end - begin);
}

std::int32_t LeadingNumber(const QString& text) {
  qsizetype n = 0;
  while (n < text.size() && text[n] >= '0' && text[n] <= '9') ++n;
  if (n == 0) throw std::invalid_argument("'" + text.toStdString() + "' is not a valid integer value");
  bool ok = false;
  const qlonglong v = text.left(n).toLongLong(&ok);
  if (!ok || v > std::numeric_limits<std::int32_t>::max())
    throw std::invalid_argument("'" + text.toStdString() + "' is not a valid integer value");
  return static_cast<std::int32_t>(v);
}

QString SizeText(std::int32_t kilobytes) {
  // Half away from zero, which std::round does; the locale gives only the
  // decimal separator, never a grouping of digits.
  const double megabytes = std::round(kilobytes / 1024.0 * 100.0) / 100.0;
  return QString::number(megabytes, 'f', 2).replace('.', QLocale().decimalPoint()).rightJustified(2, ' ') + " M";
}

QString TimeText(std::int64_t duration) {
  const std::int64_t tenths = duration / 1000000;
  const std::int64_t hours = tenths / 36000;
  std::int64_t r = tenths % 36000;
  const std::int64_t minutes = r / 600;
  r %= 600;
  return QString("%1:%2:%3.%4")
      .arg(hours)
      .arg(minutes, 2, 10, QChar('0'))
      .arg(r / 10, 2, 10, QChar('0'))
      .arg(r % 10);
}

QString ClockText(std::int64_t duration) {
  const std::int64_t seconds = std::max<std::int64_t>(duration, 0) / 10000000;
  return QString("%1:%2:%3")
      .arg(seconds / 3600)
      .arg(seconds / 60 % 60, 2, 10, QChar('0'))
      .arg(seconds % 60, 2, 10, QChar('0'));
}

QString ShortClockText(std::int64_t duration) {
  const std::int64_t seconds = std::max<std::int64_t>(duration, 0) / 10000000;
  if (seconds >= 3600) return ClockText(duration);
  return QString("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}
