#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>

// Appends the pieces of `text` between occurrences of `separator` to `list`;
// empty pieces are kept.
void SplitString(const QString& text, const QString& separator, QStringList& list);
// Every occurrence of `search` replaced; a replacement that contains the search
// text is not searched again.
QString ReplaceAll(const QString& text, const QString& search, const QString& replacement);
QString CopyLeft(const QString& text, int count);
// Without leading and trailing characters of code 32 or below.
QString TrimBlanks(const QString& text);
// The leading decimal digits as a number; throws std::invalid_argument when
// there are none or they do not fit 32 bits.
std::int32_t LeadingNumber(const QString& text);
// Kilobytes shown as megabytes, "4.85 M".
QString SizeText(std::int32_t kilobytes);
// A 100-ns duration as h:mm:ss.t.
QString TimeText(std::int64_t duration);
// A 100-ns duration as h:mm:ss.
QString ClockText(std::int64_t duration);
// As ClockText, without the hours when there are none: "6:04", "1:02:03".
QString ShortClockText(std::int64_t duration);
